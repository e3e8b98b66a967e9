// The Windows private-profile service: one entry of an INI file per request.
// A file name without a directory names a file in the Windows directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// The entry's value (at most 1023 characters), or `default_value` when the
// file, the section or the key does not exist.
std::string ReadProfileEntry(std::string_view section, std::string_view key, std::string_view default_value,
                             std::string_view file_name);

// Writes the entry, or removes its line when `value` is empty (nullopt).
// True when the service reports success.
bool WriteProfileEntry(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                       std::string_view file_name);

}  // namespace quillet
