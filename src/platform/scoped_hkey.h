// An open registry key, closed with RegCloseKey when its owner goes.
// Only keys the program opened belong here, never the predefined roots.
#pragma once

#include <windows.h>

#include "platform/scoped.h"

namespace quillet {

struct HkeyTraits {
    static void Close(HKEY key) { RegCloseKey(key); }
};
using ScopedHkey = Scoped<HKEY, HkeyTraits>;

}  // namespace quillet
