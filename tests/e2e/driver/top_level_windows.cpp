#include "driver/top_level_windows.h"

#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

struct Search {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindowOfProcess(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search.pid && IsWindowVisible(window)) {
        search.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD pid) {
    Search search{pid, {}};
    // EnumWindows fails only for a bad callback; an empty desktop is no error.
    EnumWindows(CollectVisibleWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindVisibleTopLevelWindow(DWORD pid, std::string_view title) {
    for (const HWND window : VisibleTopLevelWindows(pid)) {
        char text[256];
        // GetWindowTextA: a window still being created must not stall the search.
        const int length = GetWindowTextA(window, text, sizeof text);
        if (std::string_view(text, static_cast<std::size_t>(length)) == title) {
            return window;
        }
    }
    return nullptr;
}

bool WaitUntilClosed(HWND window, std::chrono::milliseconds timeout) {
    return PollUntil([&] { return !IsWindow(window) || !IsVisible(window); }, timeout);
}

}  // namespace quillet::e2e
