#include "driver/drag_full_windows.h"

#include <windows.h>

#include <stdexcept>

#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kValueName[] = "DragFullWindows";

}  // namespace

std::optional<RegistryValue> ReadDragFullWindowsValue() {
    return ReadValue(HKEY_CURRENT_USER, kDesktopKey, kValueName);
}

bool IsDragFullWindowsOn() {
    const std::optional<RegistryValue> value = ReadDragFullWindowsValue();
    if (value == TextValue("1")) {
        return true;
    }
    if (value == TextValue("0")) {
        return false;
    }
    throw std::runtime_error("unexpected DragFullWindows: " + Describe(value));
}

void SetDragFullWindows(bool on) {
    if (!SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on ? 1u : 0u, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)) {
        ThrowLastError("SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS)");
    }
    if (IsDragFullWindowsOn() != on) {
        throw std::runtime_error("DragFullWindows did not take the value just set");
    }
}

}  // namespace quillet::e2e
