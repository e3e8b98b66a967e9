// The program's settings file: a bare name, which the private-profile service
// places in the Windows directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet::e2e {

// <Windows directory>\Quillet.INI
std::string SettingsFilePath();
// nullopt when the file does not exist.
std::optional<std::string> ReadSettingsFile();
void WriteSettingsFile(std::string_view bytes);
void DeleteSettingsFile();

}  // namespace quillet::e2e
