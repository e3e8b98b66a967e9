// The message box's window: its class, its procedure and what it keeps.
#pragma once

#include <windows.h>

#include <string>

#include "window/window_class_win32.h"

namespace quillet {

// Lives on the stack of ShowMessageBox for as long as the window exists.
class MessageBoxState : private BaseWindow<MessageBoxState> {
public:
    // Creates the (hidden) box window; this object must outlive it. nullptr
    // when the class cannot be registered or the window not created.
    HWND CreateWindowFor(HINSTANCE instance, HWND owner, const RECT& frame);

    std::string title;  // prepared caption
    std::string text;   // prepared text, CR LF line breaks
    HWND button = nullptr;
    bool pressed = false;
    int result = 0;

private:
    friend class BaseWindow<MessageBoxState>;
    LRESULT HandleMessage(HWND box, UINT message, WPARAM wparam, LPARAM lparam);
};

// The window rectangle for a client area of `width` x `height`.
RECT MessageBoxFrameFor(int width, int height);

}  // namespace quillet
