// The registry read and write: one value, named by root key, key path and
// value name. Trailing blanks of the path, the name and the value text are
// dropped before Windows sees them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillet {

struct RegistryReading {
    std::string text;             // the value as text (see DecodeRegistryData)
    std::uint32_t type_code = 0;  // REG_NONE when there is no value
};

// Never fails: a key that cannot be opened or a missing value reads as empty
// text of type 0; data that cannot be read give empty text of the value's type.
RegistryReading ReadRegistryValue(HKEY root, std::string_view key_path, std::string_view value_name);

// Creates every missing key along the path and stores the value. 0 on
// success, otherwise the Windows error code; when the key cannot be created
// or opened nothing is written. Only REG_DWORD is written, from decimal text
// (ParseDecimalDword); any other type, or text that is no such number, is
// refused with ERROR_INVALID_PARAMETER or ERROR_INVALID_DATA before the
// registry is touched.
LONG WriteRegistryValue(HKEY root, std::string_view key_path, std::string_view value_name,
                        std::string_view value_text, std::uint32_t type_code);

}  // namespace quillet
