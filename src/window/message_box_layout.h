// Where the message box puts its text and its button, and where the box goes
// on the screen. Pixels throughout; the spacing comes from dialog units of the
// box's font, so the layout follows the font the system really gives.
#pragma once

#include <cstdint>

#include "window/dialog_units.h"

namespace quillet {

struct PixelRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
};

struct PixelSize {
    std::int32_t width;
    std::int32_t height;
};

struct MessageBoxLayout {
    PixelRect text;    // the static text, client coordinates
    PixelRect button;  // the "OK" button, client coordinates
    PixelSize client;  // the box's client area
};

// The widest the text may be before its lines wrap: most of the work area,
// less the box's margins and frame.
std::int32_t MaxMessageTextWidth(PixelRect work_area, DialogBase base);

// The text of `text` size at the top left, the button centred below it.
MessageBoxLayout LayOutMessageBox(PixelSize text, DialogBase base);

// The outer top-left of a box of `box` size centred over `owner`, then moved
// as little as needed to lie inside `work_area`; a box larger than the work
// area keeps its top-left corner (and so its title bar) inside it.
struct PixelPoint {
    std::int32_t x;
    std::int32_t y;
};
PixelPoint PlaceCentredWithin(PixelRect owner, PixelSize box, PixelRect work_area);

}  // namespace quillet
