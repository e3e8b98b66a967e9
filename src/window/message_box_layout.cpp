#include "window/message_box_layout.h"

#include <algorithm>

namespace quillet {
namespace {

// Spacing in dialog units, as dialogs of this kind commonly use.
constexpr std::int32_t kMarginUnits = 7;
constexpr std::int32_t kGapUnits = 7;
constexpr std::int32_t kButtonWidthUnits = 50;
constexpr std::int32_t kButtonHeightUnits = 14;

// The start of a run of `length` centred in [low, high), kept inside it while
// it fits; otherwise it starts at `low`.
std::int32_t CentredStart(std::int32_t centre_twice, std::int32_t length, std::int32_t low, std::int32_t high) {
    const std::int32_t start = (centre_twice - length) / 2;
    return std::max(low, std::min(start, high - length));
}

}  // namespace

std::int32_t MaxMessageTextWidth(PixelRect work_area, DialogBase base) {
    const std::int32_t usable = work_area.Width() * 3 / 4 - 2 * UnitsToPixelsX(kMarginUnits, base);
    return std::max(usable, UnitsToPixelsX(kButtonWidthUnits, base));
}

MessageBoxLayout LayOutMessageBox(PixelSize text, DialogBase base) {
    const std::int32_t margin_x = UnitsToPixelsX(kMarginUnits, base);
    const std::int32_t margin_y = UnitsToPixelsY(kMarginUnits, base);
    const std::int32_t button_width = UnitsToPixelsX(kButtonWidthUnits, base);
    const std::int32_t button_height = UnitsToPixelsY(kButtonHeightUnits, base);

    const std::int32_t inner_width = std::max(text.width, button_width);
    MessageBoxLayout layout{};
    layout.client.width = inner_width + 2 * margin_x;
    layout.text = {margin_x, margin_y, margin_x + text.width, margin_y + text.height};
    const std::int32_t button_top = layout.text.bottom + UnitsToPixelsY(kGapUnits, base);
    const std::int32_t button_left = (layout.client.width - button_width) / 2;
    layout.button = {button_left, button_top, button_left + button_width, button_top + button_height};
    layout.client.height = layout.button.bottom + margin_y;
    return layout;
}

PixelPoint PlaceCentredWithin(PixelRect owner, PixelSize box, PixelRect work_area) {
    return {CentredStart(owner.left + owner.right, box.width, work_area.left, work_area.right),
            CentredStart(owner.top + owner.bottom, box.height, work_area.top, work_area.bottom)};
}

}  // namespace quillet
