// Plain text onto the clipboard.
#pragma once

#include <windows.h>

#include <string_view>

namespace quillet {

// Replaces the clipboard's contents by `text` as CF_TEXT; `owner` becomes the
// clipboard's owner. False when the clipboard could not be had or filled.
bool PutTextOnClipboard(HWND owner, std::string_view text);

}  // namespace quillet
