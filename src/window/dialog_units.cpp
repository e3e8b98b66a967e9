#include "window/dialog_units.h"

#include <algorithm>
#include <limits>

namespace quillet {
namespace {

// value * factor / divisor, rounded half away from zero (as MulDiv does),
// held to the 32-bit range: a huge stored position must stay huge (and so
// off every screen), never wrap round to a small one.
std::int32_t ScaleRounded(std::int32_t value, std::int32_t factor, std::int32_t divisor) {
    if (divisor <= 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(value) * factor;
    const std::int64_t half = divisor / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / divisor : -((-product + half) / divisor);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(rounded, std::numeric_limits<std::int32_t>::min(),
                                                                std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t AverageCharWidth(std::int32_t width_of_52_letters) { return (width_of_52_letters / 26 + 1) / 2; }

std::int32_t UnitsToPixelsX(std::int32_t units, DialogBase base) { return ScaleRounded(units, base.width, 4); }
std::int32_t UnitsToPixelsY(std::int32_t units, DialogBase base) { return ScaleRounded(units, base.height, 8); }
std::int32_t PixelsToUnitsX(std::int32_t pixels, DialogBase base) { return ScaleRounded(pixels, 4, base.width); }
std::int32_t PixelsToUnitsY(std::int32_t pixels, DialogBase base) { return ScaleRounded(pixels, 8, base.height); }

}  // namespace quillet
