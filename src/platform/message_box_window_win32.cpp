#include "platform/message_box_window_win32.h"

#include "platform/clipboard_win32.h"
#include "platform/message_box.h"
#include "platform/message_text.h"

namespace quillet {
namespace {

// A caption without WS_SYSMENU: no window menu and no close box.
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME;

MessageBoxState* StateOf(HWND box) { return reinterpret_cast<MessageBoxState*>(GetWindowLongPtrA(box, GWLP_USERDATA)); }

LRESULT CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    MessageBoxState* const state = StateOf(box);
    if (state == nullptr) {
        return DefWindowProcA(box, message, wparam, lparam);
    }
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK && HIWORD(wparam) == BN_CLICKED) {
                state->result = IDOK;
                state->pressed = true;
            }
            return 0;  // IDCANCEL (Escape) included: only OK closes the box
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE && state->button != nullptr) {
                SetFocus(state->button);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (state->button != nullptr) {
                SetFocus(state->button);
            }
            return 0;
        case WM_CLOSE:
            return 0;
        case WM_SYSCOMMAND:
            if ((wparam & 0xFFF0) == SC_CLOSE) {
                return 0;
            }
            break;
        case WM_COPY:
            PutTextOnClipboard(box, MessageBoxClipboardText(state->title, state->text));
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(box, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcA(box, message, wparam, lparam);
}

// Registered once, on first use, and unregistered when the process ends.
class MessageBoxClass {
public:
    explicit MessageBoxClass(HINSTANCE instance) : instance_(instance) {
        WNDCLASSEXA window_class{};
        window_class.cbSize = sizeof window_class;
        window_class.style = CS_NOCLOSE;
        window_class.lpfnWndProc = MessageBoxProc;
        window_class.hInstance = instance;
        window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        window_class.lpszClassName = kMessageBoxClassName;
        registered_ = RegisterClassExA(&window_class) != 0;
    }
    ~MessageBoxClass() {
        if (registered_) {
            UnregisterClassA(kMessageBoxClassName, instance_);
        }
    }
    MessageBoxClass(const MessageBoxClass&) = delete;
    MessageBoxClass& operator=(const MessageBoxClass&) = delete;
    bool Registered() const { return registered_; }

private:
    HINSTANCE instance_;
    bool registered_ = false;
};

}  // namespace

bool EnsureMessageBoxClass(HINSTANCE instance) {
    static const MessageBoxClass message_box_class(instance);
    return message_box_class.Registered();
}

HWND CreateMessageBoxWindow(HINSTANCE instance, HWND owner, const RECT& frame, MessageBoxState& state) {
    return CreateWindowExA(kBoxExStyle, kMessageBoxClassName, state.title.c_str(), kBoxStyle, frame.left, frame.top,
                           frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance, &state);
}

RECT MessageBoxFrameFor(int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kBoxStyle, FALSE, kBoxExStyle);
    return frame;
}

}  // namespace quillet
