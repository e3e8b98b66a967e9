#include "driver/win32_error.h"

#include <stdexcept>
#include <string>

namespace quillet::e2e {

void ThrowLastError(std::string_view what) {
    const DWORD error = GetLastError();
    throw std::runtime_error(std::string(what) + " failed, error " + std::to_string(error));
}

void ThrowStatus(std::string_view what, LSTATUS status) {
    throw std::runtime_error(std::string(what) + " failed, status " + std::to_string(status));
}

}  // namespace quillet::e2e
