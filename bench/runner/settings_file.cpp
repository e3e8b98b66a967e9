#include "settings_file.h"

#include <windows.h>

#include <stdexcept>

namespace quillet::bench {
namespace {

constexpr const char* kBookkeepingHeader = "[__Dont_Touch_Me__]";

class File {
public:
    File(const std::string& path, DWORD access, DWORD disposition)
        : handle_(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {}
    ~File() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

std::string ReadAll(const std::string& path) {
    const File file(path, GENERIC_READ, OPEN_EXISTING);
    if (!file.IsOpen()) {
        return {};
    }
    std::string text;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

}  // namespace

SettingsFile::SettingsFile() {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        throw std::runtime_error("GetWindowsDirectoryA failed");
    }
    path_ = std::string(directory, length) + "\\Quillet.INI";
}

void SettingsFile::KeepMainSection() {
    // Wine appends a new section at the end, so [Main] may come before or
    // after the bookkeeping section: keep all but the latter.
    const std::string text = ReadAll(path_);
    const std::size_t begin = text.find(kBookkeepingHeader);
    if (begin == std::string::npos) {
        main_section_ = text;
        return;
    }
    const std::size_t next = text.find("\n[", begin);
    main_section_ = text.substr(0, begin) + (next == std::string::npos ? "" : text.substr(next + 1));
}

void SettingsFile::Prepare(int records) const {
    std::string text = main_section_;
    text += kBookkeepingHeader;
    text += "\r\nSectors=" + std::to_string(records) + "\r\n";
    for (int i = 1; i <= records; ++i) {
        text += "Sectors_" + std::to_string(i) + "=a,b,c\r\n";
    }
    const File file(path_, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD written = 0;
    if (!file.IsOpen() || !WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size()) {
        throw std::runtime_error("cannot write " + path_ + ": error " + std::to_string(GetLastError()));
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER stamp{};
    stamp.LowPart = now.dwLowDateTime;
    stamp.HighPart = now.dwHighDateTime;
    stamp.QuadPart -= 3600ULL * 10000000ULL;  // one hour in 100 ns steps
    const FILETIME past{stamp.LowPart, stamp.HighPart};
    if (!SetFileTime(file.Get(), nullptr, nullptr, &past)) {
        throw std::runtime_error("SetFileTime " + path_ + ": error " + std::to_string(GetLastError()));
    }
}

void SettingsFile::Remove() const {
    if (!DeleteFileA(path_.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
        throw std::runtime_error("cannot remove " + path_ + ": error " + std::to_string(GetLastError()));
    }
}

bool SettingsFile::WasRewritten() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data)) {
        return true;  // gone or unreadable: certainly not as prepared
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    // Prepare dated the file an hour back; a write since then moves it to now.
    return ticks(now) - ticks(data.ftLastWriteTime) < 1800ULL * 10000000ULL;
}

}  // namespace quillet::bench
