#include "window/application_icon_win32.h"

#include "window/icon_name.h"

namespace quillet {

ScopedIcon LoadIconByName(std::string_view name, int size) {
    if (name.empty()) {
        return ScopedIcon{};
    }
    HANDLE image = nullptr;
    if (IsResourceIconName(name)) {
        const std::string resource = IconResourceName(name);
        image = LoadImageA(GetModuleHandleA(nullptr), resource.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR);
    } else {
        const std::string file(name);
        image = LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
    }
    return ScopedIcon{static_cast<HICON>(image)};
}

void ApplicationIcon::Set(std::string_view name) {
    name_.assign(name);
    large_ = LoadIconByName(name, GetSystemMetrics(SM_CXICON));
    small_ = LoadIconByName(name, GetSystemMetrics(SM_CXSMICON));
}

}  // namespace quillet
