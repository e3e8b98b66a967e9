// Registry values of the test prefix, read and written as raw type and bytes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillet::e2e {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;

    bool operator==(const RegistryValue&) const = default;
};

// REG_DWORD, the 4 bytes least significant first.
RegistryValue DwordValue(std::uint32_t number);
// REG_SZ with its terminating zero, as the system stores text.
RegistryValue TextValue(const std::string& text);

// `view` is 0 (the caller's own registry view), KEY_WOW64_32KEY or
// KEY_WOW64_64KEY: under a 64-bit Windows, 32-bit programs see most of
// HKLM\SOFTWARE through WOW6432Node.
bool KeyExists(HKEY root, const std::string& path);
// nullopt when the key or the value is absent.
std::optional<RegistryValue> ReadValue(HKEY root, const std::string& path, const std::string& name,
                                       REGSAM view = 0);
// Creates every missing key of the path, then sets the value.
void WriteValue(HKEY root, const std::string& path, const std::string& name, const RegistryValue& value,
                REGSAM view = 0);
void WriteDefaultText(HKEY root, const std::string& path, const std::string& text);
// Deletes the key with everything below it; nothing happens when it is absent.
void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view = 0);

// "absent" or "type 4, 4 bytes 01 00 00 00", for failure messages.
std::string Describe(const std::optional<RegistryValue>& value);

}  // namespace quillet::e2e
