// The system-wide drag-full-windows setting.
//
// It is read from where the system keeps it, HKCU\Control Panel\Desktop value
// DragFullWindows (REG_SZ "1" or "0"), never through SystemParametersInfo:
// a process caches the setting after its first read and would not see the
// program's changes.
#pragma once

#include <optional>

#include "driver/registry.h"

namespace quillet::e2e {

// The stored value as it is; nullopt when absent.
std::optional<RegistryValue> ReadDragFullWindowsValue();
// true for "1", false for "0"; throws for anything else.
bool IsDragFullWindowsOn();
// Sets it the way a user's control panel does (written to the profile and
// broadcast), then checks the profile holds it.
void SetDragFullWindows(bool on);

}  // namespace quillet::e2e
