// A started program: its handles, its first window, its end.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace quillet::bench {

class Process {
public:
    // Starts `exe` with `arguments`; its standard handles go to NUL when
    // `quiet` (a console program such as reg.exe). Throws on failure.
    Process(const std::string& exe, const std::string& arguments, bool quiet = false);
    ~Process();  // a program still running is terminated
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    bool IsRunning() const;
    // Waits for the end; returns the exit code. Throws on timeout.
    DWORD WaitForExit(double timeout_ms) const;
    // The peak working set so far (GetProcessMemoryInfo), in bytes.
    std::size_t PeakWorkingSet() const;

private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

}  // namespace quillet::bench
