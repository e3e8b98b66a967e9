#include "window/window_class_win32.h"

namespace quillet {

bool RegisterWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background) {
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = style;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    return RegisterClassExA(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace quillet
