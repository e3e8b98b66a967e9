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

// The two registry views of a 64-bit Windows: a 32-bit program finds the
// feature key under HKLM\SOFTWARE\WOW6432Node, a 64-bit one under
// HKLM\SOFTWARE. quillet.exe and this driver are built for the same
// architecture, so the functions above work in the program's own view.
enum class RegistryView { k32Bit, k64Bit };
inline constexpr RegistryView kProgramView = sizeof(void*) == 4 ? RegistryView::k32Bit : RegistryView::k64Bit;
RegistryView OtherView(RegistryView view);
const char* ViewName(RegistryView view);
void DeleteFeatureKey(RegistryView view);
void SetFeatureValue(RegistryView view, const RegistryValue& value);
std::optional<RegistryValue> ReadFeatureValue(RegistryView view);

}  // namespace quillet::e2e
