// What the message box makes of the text and caption it is given.
#pragma once

#include <string>
#include <string_view>

namespace quillet {

// The text as the box shows it: trailing blanks dropped, then every bar ("|")
// turned into a line break (CR LF). Everything else is kept as it is, leading
// blanks and "&" included.
std::string PrepareMessageText(std::string_view text);

// The title: the caption without its trailing blanks.
std::string PrepareMessageCaption(std::string_view caption);

// What Ctrl+C puts on the clipboard, laid out as the system's own message box
// does: rules of 27 dashes around the caption, the text and the button "OK".
// Both arguments are already prepared.
std::string MessageBoxClipboardText(std::string_view caption, std::string_view text);

}  // namespace quillet
