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

}  // namespace quillet::e2e
