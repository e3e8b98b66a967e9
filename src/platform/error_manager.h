// The error manager: knows which window procedures are running, so that a
// report can name the latest one. The program has one thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/thread_state.h"

namespace quillet {

class ErrorManager {
public:
    // Binds the manager to the thread's error status.
    void Init(ThreadErrorStatus& status);
    bool IsBound() const { return status_ != nullptr; }

    void ProcedureStarted(std::string_view name);
    void ProcedureEnded();
    // The latest procedure running; empty when none.
    std::string CurrentProcedure() const;

private:
    ThreadErrorStatus* status_ = nullptr;
    std::vector<std::string> running_;
};

}  // namespace quillet
