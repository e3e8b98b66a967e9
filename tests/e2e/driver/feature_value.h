// The feature value the program reads and writes, in the test prefix's
// local-machine hive.
#pragma once

#include <optional>

#include "driver/registry.h"

namespace quillet::e2e {

inline constexpr char kFeatureKeyPath[] =
    "SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_HONOR_XUNSENT_IN_FILE";
inline constexpr char kFeatureValueName[] = "msimn.exe";

// Removes the key, and the value with it.
void DeleteFeatureKey();
bool FeatureKeyExists();
// Any type, any bytes; creates the key path.
void SetFeatureValue(const RegistryValue& value);
// nullopt when the key or the value is absent.
std::optional<RegistryValue> ReadFeatureValue();

}  // namespace quillet::e2e
