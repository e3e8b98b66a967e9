#include "window/window_win32.h"

#include "window/icon_name.h"
#include "window/window_font_win32.h"

namespace quillet {
namespace {

constexpr const char* kWindowClass = "QuilletMain";

COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

}  // namespace

Window::Window(const WindowDefinition& definition, const ApplicationIcon& application_icon)
    : definition_(definition), application_icon_(application_icon), icon_name_(definition.icon) {}

Window::~Window() = default;

DWORD Window::Style() const {
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
    if (definition_.system_menu) {
        style |= WS_SYSMENU;
    }
    if (definition_.minimize_box) {
        style |= WS_MINIMIZEBOX;
    }
    if (definition_.maximize_box) {
        style |= WS_MAXIMIZEBOX;
    }
    if (definition_.frame == FrameKind::Resizable) {
        style |= WS_THICKFRAME;
    }
    return style;
}

DWORD Window::ExStyle() const { return definition_.frame == FrameKind::Double ? WS_EX_DLGMODALFRAME : 0; }

SIZE Window::OuterSizeForClient(std::int32_t width_px, std::int32_t height_px) const {
    RECT rect{0, 0, width_px, height_px};
    AdjustWindowRectEx(&rect, Style(), FALSE, ExStyle());
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

bool Window::Open(WindowEvents& events) {
    if (hwnd_ || !RegisterWindowClass(kWindowClass, &Window::WindowProc, 0, nullptr)) {
        return false;
    }
    events_ = &events;
    font_ = CreateDefinedFont(definition_.font);
    background_.Reset(CreateSolidBrush(ToColorRef(definition_.background_colour)));
    base_ = MeasureDialogBase(font_.Get());

    const SIZE outer =
        OuterSizeForClient(UnitsToPixelsX(definition_.width, base_), UnitsToPixelsY(definition_.height, base_));
    hwnd_.Reset(CreateWindowExA(ExStyle(), kWindowClass, definition_.title, Style(),
                                UnitsToPixelsX(definition_.x, base_), UnitsToPixelsY(definition_.y, base_), outer.cx,
                                outer.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this));
    if (!hwnd_) {
        return false;
    }
    SendMessageA(hwnd_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    buttons_.reserve(definition_.controls.size());
    for (const ControlDefinition& control : definition_.controls) {
        const RECT pixels{UnitsToPixelsX(control.x, base_), UnitsToPixelsY(control.y, base_),
                          UnitsToPixelsX(control.x + control.width, base_),
                          UnitsToPixelsY(control.y + control.height, base_)};
        auto button = std::make_unique<FlatButton>();
        if (button->Create(hwnd_.Get(), control, pixels)) {
            SendMessageA(button->Native(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
            buttons_.push_back(std::move(button));
        }
    }
    ApplyIcon();
    return true;
}

void Window::Show() {
    int command = SW_SHOW;
    if (pending_minimized_) {
        command = SW_SHOWMINIMIZED;
    } else if (pending_maximized_) {
        command = SW_SHOWMAXIMIZED;
    }
    pending_maximized_ = false;
    pending_minimized_ = false;
    // Showing activates the new window, which puts it on top; it is also made
    // the foreground window, as a program the user has just started.
    ShowWindow(hwnd_.Get(), command);
    SetForegroundWindow(hwnd_.Get());
    UpdateWindow(hwnd_.Get());
}

bool Window::IsShown() const { return hwnd_ && IsWindowVisible(hwnd_.Get()) != FALSE; }

HWND Window::Control(std::int32_t control) const {
    for (const auto& button : buttons_) {
        if (button->Number() == control) {
            return button->Native();
        }
    }
    return nullptr;
}

void Window::FocusControl(std::int32_t control) {
    if (HWND button = Control(control); button != nullptr) {
        SetFocus(button);
    }
}

void Window::SetIconName(std::string_view name) {
    icon_name_.assign(name);
    ApplyIcon();
}

// The window's own icon when it names one of the program's resources, or else
// the application icon at the large and the small size, which outlives every
// window. An icon file is never loaded (LoadIconByName).
void Window::ApplyIcon() {
    if (!hwnd_) {
        return;
    }
    ScopedIcon own_large;
    ScopedIcon own_small;
    HICON large = application_icon_.Large();
    HICON small = application_icon_.Small();
    if (IsResourceIconName(icon_name_)) {
        own_large = LoadIconByName(icon_name_, GetSystemMetrics(SM_CXICON));
        own_small = LoadIconByName(icon_name_, GetSystemMetrics(SM_CXSMICON));
        large = own_large.Get();
        small = own_small.Get();
    }
    if (large == shown_large_ && small == shown_small_) {
        return;
    }
    // The window lets go of the old icons before they are destroyed.
    SendMessageA(hwnd_.Get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageA(hwnd_.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    shown_large_ = large;
    shown_small_ = small;
    large_icon_ = std::move(own_large);
    small_icon_ = std::move(own_small);
}

LRESULT Window::HandleMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED && lparam != 0) {
                // No button keeps the focus after a press: it goes to the window.
                SetFocus(hwnd);
                if (events_ != nullptr && !in_press_) {
                    in_press_ = true;
                    events_->TakeAccepted(LOWORD(wparam));
                    in_press_ = false;
                }
                return 0;
            }
            break;
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd, &client);
            FillRect(reinterpret_cast<HDC>(wparam), &client, background_.Get());
            return 1;
        }
        case WM_CLOSE:
            if (events_ != nullptr) {
                events_->OnCloseRequested();
            }
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wparam != FALSE && events_ != nullptr) {
                events_->OnSessionEnding();
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

void Window::DrawButton(const DRAWITEMSTRUCT& item) const {
    const ButtonLook look{font_.Get(), ToColorRef(definition_.text_colour), background_.Get()};
    for (const auto& button : buttons_) {
        if (button->Native() == item.hwndItem) {
            button->Draw(item, look);
        }
    }
}

}  // namespace quillet
