#include "platform/thread_state.h"

namespace quillet {

ThreadState& CurrentThreadState() {
    thread_local ThreadState state;
    return state;
}

}  // namespace quillet
