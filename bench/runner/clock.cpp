#include "clock.h"

#include <windows.h>

namespace quillet::bench {

double NowMs() {
    static const double ticks_per_ms = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);  // never fails on XP and later
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticks_per_ms;
}

bool PollUntil(const std::function<bool()>& done, double timeout_ms) {
    const double deadline = NowMs() + timeout_ms;
    while (!done()) {
        if (NowMs() > deadline) {
            return false;
        }
        // A short sleep leaves the (shared) cores to the program measured.
        Sleep(1);
    }
    return true;
}

}  // namespace quillet::bench
