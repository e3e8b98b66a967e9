// The edge of one of the program's flat buttons as the screen shows it: read
// from the display's pixels, not from the program's state.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillet::e2e {

enum class ButtonEdge {
    kFlat,    // the outermost ring is the face colour all round
    kRaised,  // lit from the top left: top and left brighter than bottom and right
    kSunken,  // pressed in: top and left darker than bottom and right
    kOther,   // anything else (a ring partly in the face colour, say)
};

std::string Name(ButtonEdge edge);

class ButtonOnScreen {
public:
    // Takes the button's place on the screen now: which of its outermost
    // pixels no other window covers. Throws if no side and no face pixel
    // shows.
    explicit ButtonOnScreen(HWND button);

    // What the screen shows there now. The face colour is read from the
    // button itself, two pixels in from a corner (inside any edge, outside
    // the caption).
    ButtonEdge Read() const;

private:
    HWND button_;
    RECT rect_;                       // screen coordinates
    std::vector<POINT> top_left_;     // visible points of the top row and left column, corners left out
    std::vector<POINT> bottom_right_;  // ... of the bottom row and right column
    POINT face_{};
};

}  // namespace quillet::e2e
