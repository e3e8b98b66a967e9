#include "window/message_box_win32.h"

#include <string>

#include "window/message_box_layout.h"
#include "window/message_box_window_win32.h"
#include "window/message_text.h"
#include "winapi/scoped_win32.h"
#include "window/window_font_win32.h"

namespace quillet {
namespace {

constexpr int kTextControlId = 100;

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

HMENU ControlId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

// The system's message font, as the system's own message box uses it.
ScopedFont CreateMessageFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) == FALSE) {
        return ScopedFont{};
    }
    return ScopedFont{CreateFontIndirectA(&metrics.lfMessageFont)};
}

// The work area of the monitor the owner is on (the primary one without owner).
PixelRect WorkAreaFor(HWND owner) {
    const HMONITOR monitor = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                              : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor != nullptr && GetMonitorInfoA(monitor, &info) != FALSE) {
        return ToPixelRect(info.rcWork);
    }
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return ToPixelRect(work);
}

// The size the static control needs: lines wrap at word boundaries only
// where they are wider than `max_width`, exactly as the control will draw them.
PixelSize MeasureText(HFONT font, const std::string& text, std::int32_t max_width) {
    const ScopedWindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font);
    RECT bounds{0, 0, max_width, 0};
    DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// The owner stays disabled for as long as this object lives; one that was
// disabled already (under another modal window) stays so afterwards.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner)
        : owner_(owner), was_disabled_(owner != nullptr && EnableWindow(owner, FALSE) != FALSE) {}
    ~DisabledOwner() {
        if (owner_ != nullptr && !was_disabled_) {
            EnableWindow(owner_, TRUE);
        }
    }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

private:
    HWND owner_;
    bool was_disabled_;
};

bool IsCopyKey(const MSG& msg, HWND box) {
    return msg.message == WM_KEYDOWN && msg.wParam == static_cast<WPARAM>('C') && GetKeyState(VK_CONTROL) < 0 &&
           (msg.hwnd == box || IsChild(box, msg.hwnd) != FALSE);
}

// Until the button is pressed. A WM_QUIT is posted again for the caller's loop.
void RunModalLoop(HWND box, const MessageBoxState& state) {
    MSG msg{};
    while (!state.pressed && IsWindow(box) != FALSE) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) {
            return;
        }
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsCopyKey(msg, box)) {
            SendMessageA(box, WM_COPY, 0, 0);
            continue;
        }
        if (IsDialogMessageA(box, &msg) == FALSE) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

HWND CreateControl(HWND box, const char* window_class, const char* text, DWORD style, const PixelRect& where,
                   int id, HFONT font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(box, GWLP_HINSTANCE));
    const HWND control = CreateWindowExA(0, window_class, text, WS_CHILD | WS_VISIBLE | style, where.left, where.top,
                                         where.Width(), where.Height(), box, ControlId(id), instance, nullptr);
    if (control != nullptr) {
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

}  // namespace

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, std::string_view /*icon*/,
                   std::string_view /*buttons*/, int /*default_button*/, int /*style*/) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    MessageBoxState state;
    state.title = PrepareMessageCaption(caption);
    state.text = PrepareMessageText(text);

    const ScopedFont message_font = CreateMessageFont();
    const HFONT font = message_font ? message_font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const DialogBase base = MeasureDialogBase(font);
    const PixelRect work = WorkAreaFor(owner);
    const MessageBoxLayout layout =
        LayOutMessageBox(MeasureText(font, state.text, MaxMessageTextWidth(work, base)), base);

    RECT frame = MessageBoxFrameFor(layout.client.width, layout.client.height);
    RECT owner_rect{};
    const PixelRect centre_over =
        owner != nullptr && GetWindowRect(owner, &owner_rect) != FALSE ? ToPixelRect(owner_rect) : work;
    const PixelPoint place =
        PlaceCentredWithin(centre_over, {frame.right - frame.left, frame.bottom - frame.top}, work);
    OffsetRect(&frame, place.x - frame.left, place.y - frame.top);

    const ScopedWindow box(state.CreateWindowFor(instance, owner, frame));
    if (!box) {
        return 0;
    }
    // SS_NOPREFIX: "&" is shown as itself.
    const HWND text_control = CreateControl(box.Get(), "STATIC", state.text.c_str(), SS_LEFT | SS_NOPREFIX,
                                            layout.text, kTextControlId, font);
    state.button = CreateControl(box.Get(), "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, layout.button, IDOK, font);
    if (text_control == nullptr || state.button == nullptr) {
        return 0;
    }
    {
        const DisabledOwner disabled(owner);
        ShowWindow(box.Get(), SW_SHOWNORMAL);
        SetFocus(state.button);
        RunModalLoop(box.Get(), state);
    }  // the owner is enabled again before the box goes, so it is the one activated
    ShowWindow(box.Get(), SW_HIDE);
    const bool owner_on_this_thread = owner != nullptr && IsWindow(owner) != FALSE &&
                                      GetWindowThreadProcessId(owner, nullptr) == GetCurrentThreadId();
    if (owner_on_this_thread) {
        SetActiveWindow(owner);
    }
    return state.result;
}

}  // namespace quillet
