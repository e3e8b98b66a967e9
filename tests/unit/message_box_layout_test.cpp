#include "window/message_box_layout.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

const PixelRect kScreen{0, 0, 1280, 1024};

TEST(PlaceCentredWithin, CentresOverTheOwnerAndStaysInTheWorkArea) {
    struct Case {
        const char* what;
        PixelRect owner;
        PixelSize box;
        PixelRect work;
        PixelPoint place;
    };
    const Case cases[] = {
        {"centred", {100, 100, 500, 300}, {200, 100}, kScreen, {200, 150}},
        {"odd difference", {100, 100, 501, 301}, {200, 100}, kScreen, {200, 150}},
        {"owner near the right and bottom edges", {1200, 1000, 1400, 1100}, {300, 120}, kScreen, {980, 904}},
        {"owner off the left and top", {-300, -200, -100, 0}, {300, 120}, kScreen, {0, 0}},
        {"work area not at the origin", {0, 0, 100, 100}, {200, 100}, {50, 40, 850, 640}, {50, 40}},
        {"box larger than the work area", {0, 0, 100, 100}, {2000, 1500}, kScreen, {0, 0}},
    };
    for (const auto& c : cases) {
        const PixelPoint p = PlaceCentredWithin(c.owner, c.box, c.work);
        EXPECT_EQ(p.x, c.place.x) << c.what;
        EXPECT_EQ(p.y, c.place.y) << c.what;
    }
}

bool Inside(const PixelRect& inner, const PixelSize& outer) {
    return inner.left >= 0 && inner.top >= 0 && inner.right <= outer.width && inner.bottom <= outer.height;
}

TEST(LayOutMessageBox, TextAboveACentredButtonInsideTheClientArea) {
    const DialogBase base{8, 15};
    for (const PixelSize text : {PixelSize{0, 0}, PixelSize{40, 15}, PixelSize{600, 60}}) {
        const MessageBoxLayout layout = LayOutMessageBox(text, base);
        EXPECT_EQ(layout.text.Width(), text.width);
        EXPECT_EQ(layout.text.Height(), text.height);
        EXPECT_TRUE(Inside(layout.text, layout.client)) << text.width;
        EXPECT_TRUE(Inside(layout.button, layout.client)) << text.width;
        EXPECT_GT(layout.button.top, layout.text.bottom);
        EXPECT_GT(layout.button.Width(), 0);
        EXPECT_GT(layout.button.Height(), 0);
        EXPECT_LE(std::abs(layout.button.left - (layout.client.width - layout.button.right)), 1);
    }
}

TEST(MaxMessageTextWidth, LeavesRoomForTheFrameWithinTheWorkArea) {
    const DialogBase base{8, 15};
    const std::int32_t width = MaxMessageTextWidth(kScreen, base);
    EXPECT_GT(width, 400);
    EXPECT_LT(LayOutMessageBox({width, 15}, base).client.width, kScreen.Width());
}

}  // namespace
}  // namespace quillet
