#include "driver/quillet_process.h"

#include <stdexcept>

#include "driver/build_paths.h"
#include "driver/top_level_windows.h"
#include "driver/win32_error.h"

namespace quillet::e2e {

QuilletProcess::QuilletProcess(const LaunchOptions& options) {
    const std::string exe = options.exe_path.empty() ? QuilletExePath() : options.exe_path;
    RequireFile(exe);
    std::string command_line = "\"" + exe + "\"";
    std::string environment = EnvironmentBlockWith(options.environment);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                        options.current_directory.empty() ? nullptr : options.current_directory.c_str(), &startup,
                        &started)) {
        ThrowLastError("CreateProcessA " + exe);
    }
    const ScopedHandle thread(started.hThread);
    process_.Reset(started.hProcess);
    pid_ = started.dwProcessId;
}

QuilletProcess::~QuilletProcess() {
    if (IsRunning()) {
        TerminateProcess(process_.Get(), kKilledExitCode);
        WaitForSingleObject(process_.Get(), static_cast<DWORD>(kActionTimeout.count()));
    }
}

bool QuilletProcess::IsRunning() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

HWND QuilletProcess::WaitForMainWindow(std::chrono::milliseconds timeout) const {
    HWND found = nullptr;
    PollUntil(
        [&] {
            found = FindVisibleTopLevelWindow(pid_, kMainWindowTitle);
            return found != nullptr;
        },
        timeout);
    return found;
}

std::optional<DWORD> QuilletProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    const DWORD waited = WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count()));
    if (waited == WAIT_TIMEOUT) {
        return std::nullopt;
    }
    if (waited != WAIT_OBJECT_0) {
        ThrowLastError("WaitForSingleObject on quillet.exe");
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code)) {
        ThrowLastError("GetExitCodeProcess");
    }
    return code;
}

void QuilletProcess::Kill() {
    if (!TerminateProcess(process_.Get(), kKilledExitCode)) {
        // It may have ended by itself just now: that is no failure.
        if (IsRunning()) {
            ThrowLastError("TerminateProcess");
        }
    }
    if (!WaitForExit()) {
        throw std::runtime_error("the killed quillet.exe did not end");
    }
}

}  // namespace quillet::e2e
