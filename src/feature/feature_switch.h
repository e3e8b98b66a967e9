// "Check Registry", "Turn ON" and "Turn OFF": the feature value shown, and
// switched on (1) or off (0), for the mail client msimn.exe.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/text_field.h"

namespace quillet {

// The working variables of the main window; they live as long as it does.
struct FeatureVariables {
    ZText<20> registry_text;    // text of the last read
    std::int32_t type_code = 0;  // registry type of the last read
    FixedText<50> type_name;    // caption of the check message
    ZText<20> value_to_write;   // "1" or "0"
};

// Where a feature value lives.
struct FeatureValueLocation {
    HKEY root;
    std::string_view key_path;
    std::string_view value_name;
};

// HKEY_LOCAL_MACHINE\...\FEATURE_HONOR_XUNSENT_IN_FILE, value "msimn.exe".
FeatureValueLocation FeatureValue();

// Reads the feature value and shows its text and type in a message box over `owner`.
void CheckRegistry(FeatureVariables& vars, HWND owner);
// Writes REG_DWORD 1 / 0; a failed write is reported in a message box.
void TurnOn(FeatureVariables& vars, HWND owner);
void TurnOff(FeatureVariables& vars, HWND owner);

// The same operations on a value elsewhere (the tests use keys of their own).
void CheckRegistryAt(const FeatureValueLocation& where, FeatureVariables& vars, HWND owner);
void WriteFeatureAt(const FeatureValueLocation& where, std::string_view value, FeatureVariables& vars, HWND owner);

}  // namespace quillet
