// Moving, sizing and changing the state of another process's window, as a
// user (or the window manager) would, and watching where it first appears.
#pragma once

#include <windows.h>

#include <chrono>
#include <vector>

#include "driver/deadline.h"

namespace quillet::e2e {

// Moves the window's outer top-left to (left, top) pixels on the screen and
// waits until the window reports it there; throws if it does not.
void MoveWindowTo(HWND window, int left, int top);

// ShowWindowAsync(window, command) — SW_MAXIMIZE, SW_MINIMIZE, SW_RESTORE —
// and waits until IsZoomed / IsIconic say the state has been reached; throws
// if it is not. ShowWindowAsync works on a window without maximize or
// minimize buttons, as the system's own placement requests do.
void ShowWindowFromOutside(HWND window, int command);

// What a window looked like at one moment.
struct WindowSample {
    RECT outer;
    bool zoomed;
    bool iconic;
};

bool operator==(const WindowSample& a, const WindowSample& b);

// The first visible top-level window of pid with this title, and every
// different look it had from the first moment it was seen visible until
// `watch` later (first entry: the look when it was first seen). The search
// does not sleep, so that a brief first appearance elsewhere is caught.
struct FirstAppearance {
    HWND window = nullptr;  // nullptr if none appeared before the timeout
    std::vector<WindowSample> looks;
};
FirstAppearance WatchFirstAppearance(DWORD pid, const char* title, std::chrono::milliseconds watch,
                                     std::chrono::milliseconds timeout = kStartTimeout);

}  // namespace quillet::e2e
