// The framework state of the program's (one) thread: the request and
// response codes that pass between window procedures, and the error status.
#pragma once

#include <cstdint>

namespace quillet {

struct ThreadErrorStatus {
    std::int32_t last_error = 0;
};

struct ThreadState {
    std::uint8_t request = 0;   // set by a caller to tell the next window procedure what to do
    std::uint8_t response = 0;  // a window procedure's run result
    ThreadErrorStatus errors;
};

// The thread's state.
ThreadState& CurrentThreadState();

}  // namespace quillet
