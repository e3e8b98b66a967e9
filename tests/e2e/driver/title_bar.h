// The main window's title bar, which Wine draws itself here (the prefix's
// windows are not managed by an X window manager).
#pragma once

#include <windows.h>

namespace quillet::e2e {

// The centre of the title bar's close button in screen coordinates, found by
// asking the window what is where (WM_NCHITTEST == HTCLOSE) along its
// caption; throws if the window has no close button.
POINT CloseButtonCentre(HWND top_level);

// A click on the title bar's close button, as a user closes the window.
void ClickCloseButton(HWND top_level);

}  // namespace quillet::e2e
