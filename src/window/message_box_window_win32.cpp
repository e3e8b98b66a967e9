#include "window/message_box_window_win32.h"

#include "winapi/clipboard_win32.h"
#include "window/message_box_win32.h"
#include "window/message_text.h"

namespace quillet {
namespace {

// A caption without WS_SYSMENU: no window menu and no close box.
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

LRESULT MessageBoxState::HandleMessage(HWND box, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK && HIWORD(wparam) == BN_CLICKED) {
                result = IDOK;
                pressed = true;
            }
            return 0;  // IDCANCEL (Escape) included: only OK closes the box
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE && button != nullptr) {
                SetFocus(button);
                return 0;
            }
            break;
        case WM_SETFOCUS:
            if (button != nullptr) {
                SetFocus(button);
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
            PutTextOnClipboard(box, MessageBoxClipboardText(title, text));
            return 0;
        default:
            break;
    }
    return DefWindowProcA(box, message, wparam, lparam);
}

HWND MessageBoxState::CreateWindowFor(HINSTANCE instance, HWND owner, const RECT& frame) {
    if (!RegisterWindowClass(kMessageBoxClassName, &MessageBoxState::WindowProc, CS_NOCLOSE,
                             GetSysColorBrush(COLOR_BTNFACE))) {
        return nullptr;
    }
    return CreateWindowExA(kBoxExStyle, kMessageBoxClassName, title.c_str(), kBoxStyle, frame.left, frame.top,
                           frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance, this);
}

RECT MessageBoxFrameFor(int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kBoxStyle, FALSE, kBoxExStyle);
    return frame;
}

}  // namespace quillet
