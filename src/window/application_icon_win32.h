// The program-wide default icon: every framework window without an icon of
// its own shows it.
#pragma once

#include <windows.h>

#include <string_view>

#include "winapi/scoped_win32.h"

namespace quillet {

// Loads an icon by its definition name at the given size: "~NAME" is the
// program's icon resource for NAME; any other name (an icon file) gives null,
// as does a resource that is missing.
ScopedIcon LoadIconByName(std::string_view name, int size);

class ApplicationIcon {
public:
    // Loads the icon at the system's large and small icon sizes.
    void Set(std::string_view name);
    HICON Large() const { return large_.Get(); }
    HICON Small() const { return small_.Get(); }

private:
    ScopedIcon large_;
    ScopedIcon small_;
};

}  // namespace quillet
