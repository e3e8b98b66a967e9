#include "winapi/registry_win32.h"

#include <algorithm>
#include <span>
#include <vector>

#include "winapi/registry_data.h"
#include "winapi/scoped_win32.h"
#include "winapi/text_field.h"

namespace quillet {

RegistryReading ReadRegistryValue(HKEY root, std::string_view key_path, std::string_view value_name) {
    const std::string path(TrimTrailingBlanks(key_path));
    const std::string name(TrimTrailingBlanks(value_name));

    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, READ_CONTROL | KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
        return {};
    }
    const ScopedHkey key(opened);

    // First the type and the size, then the data into a buffer of that size.
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return {};
    }
    RegistryReading reading{{}, type};
    if (size == 0) {
        return reading;
    }
    std::vector<std::uint8_t> data(size);
    DWORD read_type = type;
    DWORD read_size = size;
    // Fails with ERROR_MORE_DATA if the value grew in between: it is then not
    // read at all rather than read in part.
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &read_type, data.data(), &read_size) != ERROR_SUCCESS) {
        return reading;
    }
    reading.type_code = read_type;
    reading.text = DecodeRegistryData(read_type, std::span(data).first(std::min<std::size_t>(read_size, size)));
    return reading;
}

LONG WriteRegistryValue(HKEY root, std::string_view key_path, std::string_view value_name,
                        std::string_view value_text, std::uint32_t type_code) {
    const std::string path(TrimTrailingBlanks(key_path));
    const std::string name(TrimTrailingBlanks(value_name));
    if (type_code != REG_DWORD) {
        return ERROR_INVALID_PARAMETER;
    }
    const auto number = ParseDecimalDword(TrimTrailingBlanks(value_text));
    if (!number) {
        return ERROR_INVALID_DATA;
    }

    char no_class[] = "";
    HKEY created = nullptr;
    const LONG create_status = RegCreateKeyExA(root, path.c_str(), 0, no_class, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                                               nullptr, &created, nullptr);
    if (create_status != ERROR_SUCCESS) {
        return create_status;
    }
    const ScopedHkey key(created);
    const auto bytes = DwordLittleEndianBytes(*number);
    return RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD, bytes.data(), static_cast<DWORD>(bytes.size()));
}

}  // namespace quillet
