// Reading another process's windows: what Wine answers across processes.
// (GetSystemMenu and the class icon are not among them; see README.md.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillet::e2e {

// The window's text as the window itself reports it (WM_GETTEXT, with a
// timeout so that a hung program fails the test instead of stopping it).
std::string WindowText(HWND window);
std::string ClassName(HWND window);
LONG_PTR Style(HWND window);
LONG_PTR ExStyle(HWND window);
int ControlId(HWND window);
bool IsEnabled(HWND window);
bool IsVisible(HWND window);

// Outer rectangle, in screen coordinates.
RECT WindowRectOnScreen(HWND window);
// Client area in client coordinates: left and top are 0.
RECT ClientRect(HWND window);
// Client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);
// A child's outer rectangle in its parent's client coordinates.
RECT RectInParentClient(HWND child);

// The child with this control id; nullptr if there is none.
HWND ChildById(HWND parent, int id);
// The direct children, in z-order (first is topmost).
std::vector<HWND> Children(HWND parent);

// Focus and activation of the thread that owns window (GetGUIThreadInfo).
HWND FocusedWindow(HWND window);
HWND ActiveWindow(HWND window);

// "left,top-right,bottom", for failure messages.
std::string Describe(const RECT& rect);

}  // namespace quillet::e2e
