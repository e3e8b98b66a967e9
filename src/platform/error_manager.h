// The error manager: knows, per thread, which window procedures are running,
// so that a report can name the latest one.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/thread_state.h"

namespace quillet {

class ErrorManager {
public:
    // Binds the manager to the calling thread's error status.
    void Init(ThreadErrorStatus& status);
    bool IsBound() const { return status_ != nullptr; }

    void ProcedureStarted(std::string_view name);
    void ProcedureEnded();
    // The latest procedure running on the calling thread; empty when none.
    std::string CurrentProcedure() const;

private:
    ThreadErrorStatus* status_ = nullptr;
    mutable std::mutex lock_;
    std::map<std::thread::id, std::vector<std::string>> running_;
};

}  // namespace quillet
