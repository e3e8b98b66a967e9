// One window procedure for every window the program makes: the main window,
// the message box and the subclassed buttons. The object comes in through
// lpCreateParams (or Attach, for a window of a system class such as BUTTON),
// is kept in GWLP_USERDATA from WM_NCCREATE on, and receives every message in
// its member HandleMessage, which BaseWindow<T> must be able to reach.
#pragma once

#include <windows.h>

namespace quillet {

// Registers a class of the program's module with the arrow cursor. Classes
// stay registered for the life of the process; registering one that exists
// already counts as success.
bool RegisterWindowClass(const char* name, WNDPROC procedure, UINT style, HBRUSH background);

template <class T>
class BaseWindow {
protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        T* const self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        }
        if (self == nullptr) {
            return DefWindowProcA(hwnd, message, wparam, lparam);
        }
        return self->HandleMessage(hwnd, message, wparam, lparam);
    }

    // Takes over a window that another class's procedure created; returns
    // that procedure, to pass on what the object does not handle itself.
    static WNDPROC Attach(HWND hwnd, T* self) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        return reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BaseWindow::WindowProc)));
    }

    // Gives the window back to its own procedure.
    static void Detach(HWND hwnd, WNDPROC original) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
};

}  // namespace quillet
