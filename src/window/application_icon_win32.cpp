#include "window/application_icon_win32.h"

#include <string>

#include "window/icon_name.h"

namespace quillet {

ScopedIcon LoadIconByName(std::string_view name, int size) {
    // A name without "~" would be an icon file, looked for in the current
    // directory: a folder of downloads, perhaps, of a program run as
    // administrator. The program parses no such file; its icons come from
    // its own resources only.
    if (!IsResourceIconName(name)) {
        return ScopedIcon{};
    }
    const std::string resource = IconResourceName(name);
    return ScopedIcon{static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), resource.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR))};
}

void ApplicationIcon::Set(std::string_view name) {
    large_ = LoadIconByName(name, GetSystemMetrics(SM_CXICON));
    small_ = LoadIconByName(name, GetSystemMetrics(SM_CXSMICON));
}

}  // namespace quillet
