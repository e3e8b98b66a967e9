#include "driver/foreground.h"

#include <stdexcept>

#include "driver/deadline.h"

namespace quillet::e2e {

void BringToForeground(HWND top_level) {
    if (GetForegroundWindow() == top_level) {
        return;
    }
    SetForegroundWindow(top_level);
    if (!PollUntil([&] { return GetForegroundWindow() == top_level; }, kActionTimeout)) {
        throw std::runtime_error("the window did not become the foreground window");
    }
}

}  // namespace quillet::e2e
