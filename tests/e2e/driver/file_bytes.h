// Whole files as bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet::e2e {

// The file's bytes; nullopt when it does not exist.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Creates or replaces the file with exactly these bytes.
void WriteFileBytes(const std::string& path, std::string_view bytes);

// Deletes the file; nothing happens when it does not exist.
void DeleteFileIfPresent(const std::string& path);

bool FileExists(const std::string& path);

}  // namespace quillet::e2e
