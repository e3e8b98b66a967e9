// The log that recorder.exe appends to: one line per launch, its command line
// and its current directory separated by a tab. The recorder finds the log
// through the environment variable QUILLET_RECORDER_LOG, which it inherits
// through quillet.exe and the shell.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "driver/deadline.h"
#include "driver/environment.h"

namespace quillet::e2e {

inline constexpr char kRecorderLogVariable[] = "QUILLET_RECORDER_LOG";
inline constexpr char kRecorderImage[] = "recorder.exe";

struct RecorderLaunch {
    std::string command_line;
    std::string current_directory;
    // The command line split as the C runtime splits it (quotes group, and
    // are dropped).
    std::vector<std::string> arguments;
};

class RecorderLog {
public:
    // Starts with no log at path.
    explicit RecorderLog(std::string path);

    const std::string& Path() const { return path_; }
    // QUILLET_RECORDER_LOG=<path>, for a process's environment.
    EnvironmentVariable Variable() const { return {kRecorderLogVariable, path_}; }

    // The complete lines written so far.
    std::vector<RecorderLaunch> Launches() const;
    // Polls until at least count launches are logged; false at the deadline.
    bool WaitForLaunches(std::size_t count, std::chrono::milliseconds timeout = kActionTimeout) const;

private:
    std::string path_;
};

std::vector<std::string> SplitCommandLine(std::string_view command_line);

// The full path that a launch's argument names: a relative one is taken
// against the launch's current directory; "." and ".." are resolved.
std::string FullPathOfArgument(const RecorderLaunch& launch, std::size_t index);

// Every recorder started so far has finished writing once none runs; false if
// one still ran at the deadline.
bool WaitUntilRecordersFinished(std::chrono::milliseconds timeout = kActionTimeout);

}  // namespace quillet::e2e
