#include "platform/thread_state.h"

namespace quillet {

// One state for the whole process: the program runs on one thread.
ThreadState& CurrentThreadState() {
    static ThreadState state;
    return state;
}

}  // namespace quillet
