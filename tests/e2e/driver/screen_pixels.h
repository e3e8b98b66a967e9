// What the screen shows, read back from the display rather than asked of the
// program: a copy of a screen rectangle's pixels.
#pragma once

#include <windows.h>

#include <vector>

namespace quillet::e2e {

class ScreenPixels {
public:
    // Copies the pixels of area (screen coordinates) from the screen; throws
    // if the copy fails.
    explicit ScreenPixels(const RECT& area);

    // The colour at a screen point inside the area.
    COLORREF At(POINT screen) const;
    const RECT& Area() const { return area_; }

private:
    RECT area_;
    std::vector<DWORD> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace quillet::e2e
