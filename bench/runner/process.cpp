#include "process.h"

#include <psapi.h>

#include <stdexcept>

namespace quillet::bench {
namespace {

class NulHandle {
public:
    NulHandle() {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        handle_ = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                              OPEN_EXISTING, 0, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            throw std::runtime_error("cannot open NUL: " + std::to_string(GetLastError()));
        }
    }
    ~NulHandle() { CloseHandle(handle_); }
    NulHandle(const NulHandle&) = delete;
    NulHandle& operator=(const NulHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

Process::Process(const std::string& exe, const std::string& arguments, bool quiet) {
    std::string command_line = "\"" + exe + "\"";
    if (!arguments.empty()) {
        command_line += " " + arguments;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    BOOL created = FALSE;
    if (quiet) {
        const NulHandle nul;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nul.Get();
        startup.hStdOutput = nul.Get();
        startup.hStdError = nul.Get();
        created = CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                 nullptr, &startup, &started);
    } else {
        created = CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &started);
    }
    if (!created) {
        throw std::runtime_error("CreateProcessA " + exe + ": error " + std::to_string(GetLastError()));
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    pid_ = started.dwProcessId;
}

Process::~Process() {
    if (IsRunning()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

bool Process::IsRunning() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

DWORD Process::WaitForExit(double timeout_ms) const {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0) {
        throw std::runtime_error("the program did not end in time");
    }
    DWORD code = 0;
    if (!GetExitCodeProcess(process_, &code)) {
        throw std::runtime_error("GetExitCodeProcess: error " + std::to_string(GetLastError()));
    }
    return code;
}

std::size_t Process::PeakWorkingSet() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process_, &counters, sizeof counters)) {
        throw std::runtime_error("GetProcessMemoryInfo: error " + std::to_string(GetLastError()));
    }
    return counters.PeakWorkingSetSize;
}

}  // namespace quillet::bench
