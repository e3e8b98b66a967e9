#include "app/startup_sequence.h"

namespace quillet {
namespace {

constexpr std::int32_t kDragOn = 1;

}  // namespace

void ShutdownTail::operator()() {
    if (done_) {
        return;
    }
    done_ = true;
    if (start_ == kDragOn) {
        steps_.set_drag_full_windows(1);
    }
    steps_.close_settings();
}

int RunStartupSequence(const StartupSteps& steps) {
    // No error manager or text matcher to set up first: nothing in the
    // program reports through one or matches text.
    steps.open_settings();
    // Only exactly 1 counts as on: any other value is left alone at both ends.
    const std::int32_t start = steps.read_drag_full_windows();
    if (start == kDragOn) {
        steps.set_drag_full_windows(0);
    }
    ShutdownTail tail(steps, start);
    steps.run_main([&tail] { tail(); });
    tail();
    return 0;
}

}  // namespace quillet
