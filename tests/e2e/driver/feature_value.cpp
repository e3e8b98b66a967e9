#include "driver/feature_value.h"

namespace quillet::e2e {

void DeleteFeatureKey() { DeleteKeyTree(HKEY_LOCAL_MACHINE, kFeatureKeyPath); }

bool FeatureKeyExists() { return KeyExists(HKEY_LOCAL_MACHINE, kFeatureKeyPath); }

void SetFeatureValue(const RegistryValue& value) {
    WriteValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, kFeatureValueName, value);
}

std::optional<RegistryValue> ReadFeatureValue() {
    return ReadValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, kFeatureValueName);
}

namespace {

REGSAM ViewFlag(RegistryView view) { return view == RegistryView::k32Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY; }

}  // namespace

RegistryView OtherView(RegistryView view) {
    return view == RegistryView::k32Bit ? RegistryView::k64Bit : RegistryView::k32Bit;
}

const char* ViewName(RegistryView view) { return view == RegistryView::k32Bit ? "32-bit view" : "64-bit view"; }

void DeleteFeatureKey(RegistryView view) { DeleteKeyTree(HKEY_LOCAL_MACHINE, kFeatureKeyPath, ViewFlag(view)); }

void SetFeatureValue(RegistryView view, const RegistryValue& value) {
    WriteValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, kFeatureValueName, value, ViewFlag(view));
}

std::optional<RegistryValue> ReadFeatureValue(RegistryView view) {
    return ReadValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, kFeatureValueName, ViewFlag(view));
}

}  // namespace quillet::e2e
