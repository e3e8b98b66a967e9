// Waiting for something another process does: poll with a deadline, never a
// fixed sleep.
#pragma once

#include <chrono>
#include <thread>

namespace quillet::e2e {

// The main window appears about 0.3 s after start; the margins are for a
// loaded machine.
inline constexpr std::chrono::milliseconds kStartTimeout{10000};
// A dialog appears about 50 ms after a press; a process exits, a file is
// written, a setting changes within well under a second.
inline constexpr std::chrono::milliseconds kActionTimeout{5000};
inline constexpr std::chrono::milliseconds kPollInterval{10};

// Calls done() until it returns true (then true) or timeout has passed (then
// false, after one last try).
template <typename Predicate>
bool PollUntil(Predicate&& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return done();
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace quillet::e2e
