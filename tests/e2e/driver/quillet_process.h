// quillet.exe running as a process of its own, started and ended by a test.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "driver/deadline.h"
#include "driver/environment.h"
#include "driver/scoped_handles.h"

namespace quillet::e2e {

inline constexpr char kMainWindowTitle[] = "Quillet Switch";
inline constexpr char kMainWindowClass[] = "QuilletMain";
// The exit code Kill() gives, so that it cannot pass for an orderly end.
inline constexpr DWORD kKilledExitCode = 0xDEAD;

struct LaunchOptions {
    // Empty: the driver's own current directory.
    std::string current_directory;
    // Added to (or replacing in) the driver's environment.
    std::vector<EnvironmentVariable> environment;
    // Empty: the quillet.exe the build made. Else a copy of it elsewhere.
    std::string exe_path{};
};

class QuilletProcess {
public:
    // Starts quillet.exe (or the copy options name) with no arguments;
    // throws if it cannot be started.
    explicit QuilletProcess(const LaunchOptions& options = {});
    // A process still running is killed, and waited for.
    ~QuilletProcess();
    QuilletProcess(const QuilletProcess&) = delete;
    QuilletProcess& operator=(const QuilletProcess&) = delete;

    DWORD Pid() const { return pid_; }
    bool IsRunning() const;

    // The visible top-level window of this process titled "Quillet Switch";
    // nullptr if none appeared in time.
    HWND WaitForMainWindow(std::chrono::milliseconds timeout = kStartTimeout) const;

    // The exit code once the process has ended; nullopt if it still ran at
    // the deadline.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = kActionTimeout) const;

    // Ends the process at once (as a crash or Task Manager would) and waits
    // until it is gone. Nothing of its orderly shutdown runs.
    void Kill();

private:
    ScopedHandle process_;
    DWORD pid_ = 0;
};

}  // namespace quillet::e2e
