#include "driver/file_bytes.h"

#include <windows.h>

#include "driver/scoped_handles.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    ScopedHandle file = OwnFileHandle(
        CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        if (IsMissing(GetLastError())) {
            return std::nullopt;
        }
        ThrowLastError("opening " + path);
    }
    std::string bytes;
    char chunk[4096];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) {
            ThrowLastError("reading " + path);
        }
        if (read == 0) {
            return bytes;
        }
        bytes.append(chunk, read);
    }
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    ScopedHandle file = OwnFileHandle(
        CreateFileA(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ThrowLastError("creating " + path);
    }
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        ThrowLastError("writing " + path);
    }
}

void DeleteFileIfPresent(const std::string& path) {
    if (!DeleteFileA(path.c_str()) && !IsMissing(GetLastError())) {
        ThrowLastError("deleting " + path);
    }
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace quillet::e2e
