#include "window/dialog_units.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quillet {
namespace {

TEST(DialogUnits, AverageWidthFromTheAlphabetLine) {
    EXPECT_EQ(std::strlen(kAlphabetLine), 52u);
    struct Case {
        std::int32_t line_width;
        std::int32_t average;
    };
    // 52 letters of 8 px: 416 / 26 = 16, (16 + 1) / 2 = 8 (integer divisions).
    const Case cases[] = {{416, 8}, {415, 8}, {390, 8}, {389, 7}, {0, 0}, {26 * 13, 7}, {26 * 14, 7}, {26 * 15, 8}};
    for (const auto& c : cases) {
        EXPECT_EQ(AverageCharWidth(c.line_width), c.average) << c.line_width;
    }
}

TEST(DialogUnits, MainWindowSizesForAnEightByFifteenFont) {
    const DialogBase base{8, 15};
    EXPECT_EQ(UnitsToPixelsX(68, base), 136);
    EXPECT_EQ(UnitsToPixelsY(71, base), 133);  // 133.125
    EXPECT_EQ(UnitsToPixelsY(24, base), 45);
    EXPECT_EQ(PixelsToUnitsX(136, base), 68);
    EXPECT_EQ(PixelsToUnitsY(133, base), 71);
    EXPECT_EQ(PixelsToUnitsX(-30, base), -15);
}

TEST(DialogUnits, HugeValuesSaturateInsteadOfWrapping) {
    const DialogBase base{8, 15};
    constexpr std::int32_t kMax = 2147483647;
    constexpr std::int32_t kMin = -2147483647 - 1;
    EXPECT_EQ(UnitsToPixelsX(kMax, base), kMax);
    EXPECT_EQ(UnitsToPixelsX(kMin, base), kMin);
    EXPECT_EQ(UnitsToPixelsY(kMax, base), kMax);
    EXPECT_EQ(PixelsToUnitsY(kMax, DialogBase{8, 4}), kMax);
}

TEST(DialogUnits, UnitsRoundTripThroughPixelsForEveryUsefulFont) {
    for (std::int32_t w = 4; w <= 24; ++w) {
        for (std::int32_t h = 8; h <= 40; ++h) {
            const DialogBase base{w, h};
            for (std::int32_t u = -400; u <= 400; ++u) {
                ASSERT_EQ(PixelsToUnitsX(UnitsToPixelsX(u, base), base), u) << w << "x" << h;
                ASSERT_EQ(PixelsToUnitsY(UnitsToPixelsY(u, base), base), u) << w << "x" << h;
            }
        }
    }
}

TEST(DialogUnits, PixelsSettleAfterOneConversion) {
    // A window moved by the user lands on a pixel; storing and restoring it
    // may move it once to the nearest unit, never further on later cycles.
    const DialogBase base{7, 13};
    for (std::int32_t px = -200; px <= 200; ++px) {
        const auto once = UnitsToPixelsX(PixelsToUnitsX(px, base), base);
        EXPECT_EQ(UnitsToPixelsX(PixelsToUnitsX(once, base), base), once);
        EXPECT_LE(std::abs(once - px), 2);
    }
}

}  // namespace
}  // namespace quillet
