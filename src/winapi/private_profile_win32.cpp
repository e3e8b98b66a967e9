#include "winapi/private_profile_win32.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace quillet {
namespace {

// The service reads at most this many bytes, its terminator included.
constexpr DWORD kReadBufferBytes = 1024;

}  // namespace

std::string ReadProfileEntry(std::string_view section, std::string_view key, std::string_view default_value,
                             std::string_view file_name) {
    // The service wants zero-terminated texts.
    const std::string section_z{section};
    const std::string key_z{key};
    const std::string default_z{default_value};
    const std::string file_z{file_name};
    std::array<char, kReadBufferBytes> buffer{};
    const DWORD copied = GetPrivateProfileStringA(section_z.c_str(), key_z.c_str(), default_z.c_str(), buffer.data(),
                                                  kReadBufferBytes, file_z.c_str());
    // The count excludes the terminator; never trust it beyond the buffer.
    const DWORD length = std::min(copied, kReadBufferBytes - 1);
    return std::string(buffer.data(), length);
}

bool WriteProfileEntry(std::string_view section, std::string_view key, std::optional<std::string_view> value,
                       std::string_view file_name) {
    const std::string section_z{section};
    const std::string key_z{key};
    const std::string file_z{file_name};
    const std::optional<std::string> value_z = value ? std::optional<std::string>{std::string{*value}} : std::nullopt;
    return WritePrivateProfileStringA(section_z.c_str(), key_z.c_str(), value_z ? value_z->c_str() : nullptr,
                                      file_z.c_str()) != FALSE;
}

}  // namespace quillet
