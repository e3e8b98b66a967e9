// "Check Registry", "Turn ON" and "Turn OFF": the feature value shown, and
// switched on (1) or off (0), for the mail client msimn.exe.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "winapi/text_field.h"

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

// The three registry buttons of the main window; their messages are shown
// over `owner`.
class FeatureSwitch {
public:
    FeatureSwitch(FeatureVariables& vars, HWND owner) : vars_(vars), owner_(owner) {}

    // Reads the feature value and shows its text and type in a message box.
    void CheckRegistry() const;
    // Writes REG_DWORD 1 / 0; a failed write is reported in a message box.
    void TurnOn() const;
    void TurnOff() const;

private:
    FeatureVariables& vars_;
    HWND owner_;
};

// The same operations on a value elsewhere (the tests use keys of their own).
void CheckRegistryAt(const FeatureValueLocation& where, FeatureVariables& vars, HWND owner);
void WriteFeatureAt(const FeatureValueLocation& where, std::string_view value, FeatureVariables& vars, HWND owner);

}  // namespace quillet
