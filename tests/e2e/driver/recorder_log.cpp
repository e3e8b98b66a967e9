#include "driver/recorder_log.h"

#include <windows.h>

#include <stdexcept>
#include <utility>

#include "driver/file_bytes.h"
#include "driver/process_list.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

RecorderLaunch ParseLine(std::string_view line) {
    const auto tab = line.find('\t');
    if (tab == std::string_view::npos) {
        throw std::runtime_error("recorder log line without a tab: " + std::string(line));
    }
    RecorderLaunch launch;
    launch.command_line = line.substr(0, tab);
    launch.current_directory = line.substr(tab + 1);
    launch.arguments = SplitCommandLine(launch.command_line);
    return launch;
}

bool IsAbsolute(std::string_view path) {
    return (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) || path.starts_with("\\\\");
}

}  // namespace

RecorderLog::RecorderLog(std::string path) : path_(std::move(path)) { DeleteFileIfPresent(path_); }

std::vector<RecorderLaunch> RecorderLog::Launches() const {
    const std::string bytes = ReadFileBytes(path_).value_or("");
    std::vector<RecorderLaunch> launches;
    std::size_t start = 0;
    // A line still being written has no line end yet and is left for later.
    for (auto end = bytes.find("\r\n", start); end != std::string::npos; end = bytes.find("\r\n", start)) {
        launches.push_back(ParseLine(std::string_view(bytes).substr(start, end - start)));
        start = end + 2;
    }
    return launches;
}

bool RecorderLog::WaitForLaunches(std::size_t count, std::chrono::milliseconds timeout) const {
    return PollUntil([&] { return Launches().size() >= count; }, timeout);
}

std::vector<std::string> SplitCommandLine(std::string_view command_line) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    bool in_argument = false;
    for (const char c : command_line) {
        if (c == '"') {
            quoted = !quoted;
            in_argument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (in_argument) {
                arguments.push_back(std::move(current));
                current.clear();
                in_argument = false;
            }
        } else {
            current += c;
            in_argument = true;
        }
    }
    if (in_argument) {
        arguments.push_back(std::move(current));
    }
    return arguments;
}

std::string FullPathOfArgument(const RecorderLaunch& launch, std::size_t index) {
    if (index >= launch.arguments.size()) {
        throw std::runtime_error("the recorder got no argument " + std::to_string(index) + ": " + launch.command_line);
    }
    const std::string& argument = launch.arguments[index];
    const std::string joined = IsAbsolute(argument) ? argument : launch.current_directory + "\\" + argument;
    char full[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(joined.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) {
        ThrowLastError("GetFullPathNameA " + joined);
    }
    return std::string(full, length);
}

bool WaitUntilRecordersFinished(std::chrono::milliseconds timeout) {
    return WaitUntilNoProcessRuns(kRecorderImage, timeout);
}

}  // namespace quillet::e2e
