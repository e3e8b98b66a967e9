// Failures of the driver's own Windows calls. The driver throws, so that a
// test whose set-up or inspection breaks fails at once with the reason;
// GoogleTest reports the exception as the test's failure.
#pragma once

#include <windows.h>

#include <string_view>

namespace quillet::e2e {

// Throws std::runtime_error naming what failed and GetLastError().
[[noreturn]] void ThrowLastError(std::string_view what);

// Throws std::runtime_error naming what failed and the status code.
[[noreturn]] void ThrowStatus(std::string_view what, LSTATUS status);

}  // namespace quillet::e2e
