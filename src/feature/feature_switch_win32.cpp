#include "feature/feature_switch_win32.h"

#include <string>

#include "feature/check_message.h"
#include "window/message_box_win32.h"
#include "winapi/registry_win32.h"

namespace quillet {
namespace {

constexpr std::string_view kFeatureKeyPath =
    "SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_HONOR_XUNSENT_IN_FILE";
constexpr std::string_view kFeatureValueName = "msimn.exe";
constexpr std::string_view kWriteFailed = "Unable to write into the system registry";

// Every message of the feature switch: no icon, the single button "OK".
void ShowMessage(HWND owner, std::string_view text, std::string_view caption) {
    ShowMessageBox(owner, text, caption, "", "", 0, 0);
}

}  // namespace

FeatureValueLocation FeatureValue() { return {HKEY_LOCAL_MACHINE, kFeatureKeyPath, kFeatureValueName}; }

void CheckRegistryAt(const FeatureValueLocation& where, FeatureVariables& vars, HWND owner) {
    const RegistryReading reading = ReadRegistryValue(where.root, where.key_path, where.value_name);
    vars.type_code = static_cast<std::int32_t>(reading.type_code);
    vars.registry_text.Assign(reading.text);
    const std::string text = CheckMessageText(vars.registry_text.View());
    vars.type_name.Assign(CheckCaption(vars.type_code));
    ShowMessage(owner, text, vars.type_name.View());
}

void WriteFeatureAt(const FeatureValueLocation& where, std::string_view value, FeatureVariables& vars, HWND owner) {
    vars.value_to_write.Assign(value);
    const LONG status =
        WriteRegistryValue(where.root, where.key_path, where.value_name, vars.value_to_write.View(), REG_DWORD);
    if (status != ERROR_SUCCESS) {
        ShowMessage(owner, kWriteFailed, "");
    }
}

void FeatureSwitch::CheckRegistry() const { CheckRegistryAt(FeatureValue(), vars_, owner_); }
void FeatureSwitch::TurnOn() const { WriteFeatureAt(FeatureValue(), "1", vars_, owner_); }
void FeatureSwitch::TurnOff() const { WriteFeatureAt(FeatureValue(), "0", vars_, owner_); }

}  // namespace quillet
