// The foreground window: where typed keys go. Wine lets another process make
// a window the foreground window.
#pragma once

#include <windows.h>

namespace quillet::e2e {

// Makes top_level the foreground window; throws if it does not become it.
void BringToForeground(HWND top_level);

}  // namespace quillet::e2e
