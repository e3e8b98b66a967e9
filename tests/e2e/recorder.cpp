// Stands in for the application a file type is associated with: records how
// it was started and exits. Each launch appends one line to a log, its full
// command line and its current directory separated by a tab, ended by CRLF.
// The log is named by the environment variable QUILLET_RECORDER_LOG, else it
// is recorder.log beside this program. A GUI-subsystem program that opens no
// window, so the shell starts it without a console.
#include <windows.h>

#include <string>

#include "winapi/scoped_win32.h"

namespace {

std::string LogPath() {
    char path[MAX_PATH * 4];
    const DWORD length = GetEnvironmentVariableA("QUILLET_RECORDER_LOG", path, sizeof path);
    if (length > 0 && length < sizeof path) {
        return std::string(path, length);
    }
    const DWORD exe_length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (exe_length == 0 || exe_length >= sizeof path) {
        return "recorder.log";
    }
    std::string beside(path, exe_length);
    return beside.substr(0, beside.find_last_of('\\') + 1) + "recorder.log";
}

std::string CurrentDirectory() {
    char directory[MAX_PATH * 4];
    const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
    return length > 0 && length < sizeof directory ? std::string(directory, length) : std::string("?");
}

// One WriteFile of the whole line to a file opened for appending only, so
// that recorders running at the same time cannot interleave within a line.
bool AppendLine(const std::string& path, const std::string& line) {
    const HANDLE opened = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return false;
    }
    const quillet::ScopedHandle file(opened);
    DWORD written = 0;
    return WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string line = std::string(GetCommandLineA()) + "\t" + CurrentDirectory() + "\r\n";
    // A launch that could not be recorded must not look recorded.
    return AppendLine(LogPath(), line) ? 0 : 1;
}
