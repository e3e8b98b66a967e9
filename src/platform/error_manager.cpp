#include "platform/error_manager.h"

namespace quillet {

void ErrorManager::Init(ThreadErrorStatus& status) { status_ = &status; }

void ErrorManager::ProcedureStarted(std::string_view name) { running_.emplace_back(name); }

void ErrorManager::ProcedureEnded() {
    if (!running_.empty()) {
        running_.pop_back();
    }
}

std::string ErrorManager::CurrentProcedure() const { return running_.empty() ? std::string{} : running_.back(); }

}  // namespace quillet
