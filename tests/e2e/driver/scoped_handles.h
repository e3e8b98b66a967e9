// The driver's handle owners: the program's own.
#pragma once

#include <windows.h>

#include "winapi/scoped_win32.h"
#include "winapi/scoped_win32.h"

namespace quillet::e2e {

using quillet::ScopedHandle;
using ScopedKey = quillet::ScopedHkey;

// CreateFileA and CreateToolhelp32Snapshot report failure as
// INVALID_HANDLE_VALUE, which an owner must not close: it owns nothing then.
inline ScopedHandle OwnFileHandle(HANDLE handle) {
    return ScopedHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace quillet::e2e
