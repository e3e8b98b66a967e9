// The main window's dialog units, measured in this process: it gets the same
// font for the same request as the program does, so both agree on the size
// of one unit without the test knowing which font Wine substitutes.
#pragma once

#include <windows.h>

namespace quillet::e2e {

struct WindowUnits {
    int base_x;  // average character width, pixels
    int base_y;  // character height, pixels

    // Units to pixels, rounded half away from zero (MulDiv), as the program
    // converts them.
    int X(int units) const { return MulDiv(units, base_x, 4); }
    int Y(int units) const { return MulDiv(units, base_y, 8); }
};

// The units of the main window's font (10 point fixed-pitch "Lucida Console",
// Cyrillic character set); throws if the font cannot be made or measured.
WindowUnits MeasureMainWindowUnits();

}  // namespace quillet::e2e
