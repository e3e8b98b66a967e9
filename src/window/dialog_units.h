// Dialog units of a window's font, and their conversion to and from pixels.
//
// One horizontal unit is a quarter of the font's average character width,
// one vertical unit an eighth of its character height. Conversions round to
// the nearest whole number, so units -> pixels -> units gives the units back
// for any font at least 4 pixels wide and 8 high.
#pragma once

#include <cstdint>

namespace quillet {

struct DialogBase {
    std::int32_t width;   // average character width, pixels
    std::int32_t height;  // character height, pixels
};

// Average character width from the pixel width of the 52 letters A-Z then a-z.
std::int32_t AverageCharWidth(std::int32_t width_of_52_letters);

// The 52-letter line the average width is measured on.
inline constexpr const char* kAlphabetLine = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

std::int32_t UnitsToPixelsX(std::int32_t units, DialogBase base);
std::int32_t UnitsToPixelsY(std::int32_t units, DialogBase base);
std::int32_t PixelsToUnitsX(std::int32_t pixels, DialogBase base);
std::int32_t PixelsToUnitsY(std::int32_t pixels, DialogBase base);

}  // namespace quillet
