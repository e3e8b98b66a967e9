#include "driver/window_placement.h"

#include <stdexcept>
#include <string>
#include <thread>

#include "driver/top_level_windows.h"
#include "driver/win32_error.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

WindowSample Sample(HWND window) {
    return WindowSample{WindowRectOnScreen(window), IsZoomed(window) != FALSE, IsIconic(window) != FALSE};
}

}  // namespace

bool operator==(const WindowSample& a, const WindowSample& b) {
    return EqualRect(&a.outer, &b.outer) && a.zoomed == b.zoomed && a.iconic == b.iconic;
}

void MoveWindowTo(HWND window, int left, int top) {
    if (!SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)) {
        ThrowLastError("SetWindowPos");
    }
    const bool arrived = PollUntil(
        [&] {
            const RECT outer = WindowRectOnScreen(window);
            return outer.left == left && outer.top == top;
        },
        kActionTimeout);
    if (!arrived) {
        throw std::runtime_error("the window did not move to " + std::to_string(left) + "," + std::to_string(top) +
                                 "; it is at " + Describe(WindowRectOnScreen(window)));
    }
}

void ShowWindowFromOutside(HWND window, int command) {
    // The return value is the previous visibility, not a status.
    ShowWindowAsync(window, command);
    const bool reached = PollUntil(
        [&] {
            const WindowSample now = Sample(window);
            switch (command) {
                case SW_MAXIMIZE:
                    return now.zoomed;
                case SW_MINIMIZE:
                    return now.iconic;
                default:
                    return !now.zoomed && !now.iconic;
            }
        },
        kActionTimeout);
    if (!reached) {
        throw std::runtime_error("ShowWindowAsync " + std::to_string(command) + " did not take effect");
    }
}

FirstAppearance WatchFirstAppearance(DWORD pid, const char* title, std::chrono::milliseconds watch,
                                     std::chrono::milliseconds timeout) {
    FirstAppearance seen;
    const auto give_up = std::chrono::steady_clock::now() + timeout;
    while (seen.window == nullptr) {
        seen.window = FindVisibleTopLevelWindow(pid, title);
        if (seen.window == nullptr) {
            if (std::chrono::steady_clock::now() >= give_up) {
                return seen;
            }
            std::this_thread::yield();
        }
    }
    const auto stop = std::chrono::steady_clock::now() + watch;
    do {
        if (!IsWindow(seen.window)) {
            break;
        }
        const WindowSample now = Sample(seen.window);
        if (seen.looks.empty() || !(seen.looks.back() == now)) {
            seen.looks.push_back(now);
        }
        std::this_thread::yield();
    } while (std::chrono::steady_clock::now() < stop);
    return seen;
}

}  // namespace quillet::e2e
