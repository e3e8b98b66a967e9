// The framework's message box: a small modal window of the program's own.
//
// With an empty icon, an empty button list, default button 0 and style 0 (the
// only form the program uses; other values are accepted and shown the same
// way) it shows the prepared text (PrepareMessageText) in a static control,
// the caption without trailing blanks as its title, no icon, and a single
// default button "OK", which yields 1. It is modal to `owner` only: the owner
// is disabled while the box is open and enabled and activated again after.
// Only the button closes it: there is no window menu or close box, and
// Escape, Alt+F4 and the Close command do nothing. Enter and Space press OK;
// Ctrl+C copies caption and text as the system's message box does.
#pragma once

#include <windows.h>

#include <string_view>

namespace quillet {

inline constexpr const char* kMessageBoxClassName = "QuilletMessageBox";

// The code of the button pressed; 0 when the box could not be shown or when
// WM_QUIT arrived while it was open (the quit is posted again for the caller's
// own loop).
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, std::string_view icon,
                   std::string_view buttons, int default_button, int style);

}  // namespace quillet
