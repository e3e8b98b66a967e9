// The font a window definition names, created for the display, and the
// dialog units it gives.
#pragma once

#include <windows.h>

#include "window/dialog_units.h"
#include "winapi/scoped_win32.h"
#include "window/window_definition.h"

namespace quillet {

// At the display's vertical resolution (points -> pixels).
ScopedFont CreateDefinedFont(const FontDefinition& font);
// Measured on the font the system really gives: the 52-letter line for the
// width, the character height for the height.
DialogBase MeasureDialogBase(HFONT font);

}  // namespace quillet
