#include "driver/settings_file.h"

#include <windows.h>

#include "driver/file_bytes.h"
#include "driver/win32_error.h"

namespace quillet::e2e {

std::string SettingsFilePath() {
    char directory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(directory, sizeof directory);
    if (length == 0 || length >= sizeof directory) {
        ThrowLastError("GetWindowsDirectoryA");
    }
    return std::string(directory, length) + "\\Quillet.INI";
}

std::optional<std::string> ReadSettingsFile() { return ReadFileBytes(SettingsFilePath()); }

void WriteSettingsFile(std::string_view bytes) { WriteFileBytes(SettingsFilePath(), bytes); }

void DeleteSettingsFile() { DeleteFileIfPresent(SettingsFilePath()); }

}  // namespace quillet::e2e
