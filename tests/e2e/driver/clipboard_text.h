// The clipboard as another program sees it. The message box copies its
// caption and text on WM_COPY, which makes the clipboard a way to learn that
// the box has handled everything sent to it before.
#pragma once

#include <optional>
#include <string>

namespace quillet::e2e {

// Empties the clipboard; throws if it cannot be opened.
void ClearClipboard();

// Whether the clipboard holds CF_TEXT. Asks without opening the clipboard,
// so that polling it never makes another program's copy fail.
bool ClipboardHasText();

// The CF_TEXT on the clipboard; nullopt when there is none (or the clipboard
// is held by another program at this moment).
std::optional<std::string> ClipboardText();

}  // namespace quillet::e2e
