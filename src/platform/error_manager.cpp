#include "platform/error_manager.h"

namespace quillet {

void ErrorManager::Init(ThreadErrorStatus& status) { status_ = &status; }

void ErrorManager::ProcedureStarted(std::string_view name) {
    const std::lock_guard guard(lock_);
    running_[std::this_thread::get_id()].emplace_back(name);
}

void ErrorManager::ProcedureEnded() {
    const std::lock_guard guard(lock_);
    const auto it = running_.find(std::this_thread::get_id());
    if (it == running_.end()) {
        return;
    }
    it->second.pop_back();
    if (it->second.empty()) {
        running_.erase(it);
    }
}

std::string ErrorManager::CurrentProcedure() const {
    const std::lock_guard guard(lock_);
    const auto it = running_.find(std::this_thread::get_id());
    return it == running_.end() ? std::string{} : it->second.back();
}

}  // namespace quillet
