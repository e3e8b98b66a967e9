// The top-level windows of a process. Only visible ones count: every GUI
// thread also owns a hidden "Default IME" window, and a closed dialog can
// linger hidden for a moment.
#pragma once

#include <windows.h>

#include <chrono>
#include <string_view>
#include <vector>

#include "driver/deadline.h"

namespace quillet::e2e {

std::vector<HWND> VisibleTopLevelWindows(DWORD pid);

// The visible top-level window of pid with exactly this title; nullptr if none.
HWND FindVisibleTopLevelWindow(DWORD pid, std::string_view title);

// Polls until window is gone or hidden ("closed"); false at the deadline.
bool WaitUntilClosed(HWND window, std::chrono::milliseconds timeout = kActionTimeout);

}  // namespace quillet::e2e
