// The message box's window: its class, its procedure and what it keeps.
#pragma once

#include <windows.h>

#include <string>

namespace quillet {

// Lives on the stack of ShowMessageBox for as long as the window exists.
struct MessageBoxState {
    std::string title;  // prepared caption
    std::string text;   // prepared text, CR LF line breaks
    HWND button = nullptr;
    bool pressed = false;
    int result = 0;
};

// Registers the window class on first use, once per process; false when it
// cannot be registered.
bool EnsureMessageBoxClass(HINSTANCE instance);

// Creates the (hidden) box window; `state` must outlive it.
HWND CreateMessageBoxWindow(HINSTANCE instance, HWND owner, const RECT& frame, MessageBoxState& state);

// The window rectangle for a client area of `width` x `height`.
RECT MessageBoxFrameFor(int width, int height);

}  // namespace quillet
