#include "driver/temp_directory.h"

#include <windows.h>

#include <filesystem>
#include <system_error>

#include "driver/win32_error.h"

namespace quillet::e2e {

TempDirectory::TempDirectory(std::string_view tag) {
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length >= sizeof temp) {
        ThrowLastError("GetTempPathA");
    }
    // The process id and the performance counter make the name unique; a
    // clash (a leftover of an earlier run) just takes the next number.
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    for (long long attempt = 0;; ++attempt) {
        path_ = std::string(temp, length) + "quillet-" + std::string(tag) + "-" +
                std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter.QuadPart + attempt);
        if (CreateDirectoryA(path_.c_str(), nullptr)) {
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ThrowLastError("CreateDirectoryA " + path_);
        }
    }
}

TempDirectory::~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDirectory::PathOf(std::string_view name) const { return path_ + "\\" + std::string(name); }

}  // namespace quillet::e2e
