// Top-level windows of another process, found from outside, and the few
// actions the runner takes on them.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace quillet::bench {

// Visible top-level windows of the process.
std::vector<HWND> VisibleWindows(DWORD pid);

// A top-level window of the process other than its input-method window,
// visible or not (the window exists: it was created).
HWND AnyCreatedWindow(DWORD pid);

// A visible top-level window of the process other than `except`.
HWND VisibleWindowOtherThan(DWORD pid, HWND except);

// The first child push button whose text is `text`, else the first button.
HWND FindButton(HWND parent, std::string_view text);

// True once the window's thread has handled a message sent to it: it is
// back in its message loop.
bool Answers(HWND window, double timeout_ms);

void Post(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);

}  // namespace quillet::bench
