// The message boxes of "Check Registry", "Turn ON" and "Turn OFF" as a user
// meets them: click the button, read the box, click its OK.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "driver/main_controls.h"
#include "driver/message_box.h"

namespace quillet::e2e {


inline constexpr char kWriteFailedText[] = "Unable to write into the system registry";

// The text the check box shows when the value line holds `value` after
// `blanks` blanks: the first line four blanks, the heading with its three
// blanks, an empty line, then the value line (nothing more for an empty one).
std::string CheckBoxText(int blanks, std::string_view value);

// Clicks control_id of main and reads the box that appears; throws if none
// appears in time.
MessageBoxView PressAndReadBox(DWORD pid, HWND main, int control_id);

// Clicks the box's "OK" and waits until it has closed; throws if it has no
// such button or stays open.
void CloseWithOk(const MessageBoxView& box);

}  // namespace quillet::e2e
