// What a hand-edited "[Main]" section brings back: only an exact "Yes" or
// "No" state restores anything; numbers are read up to their first non-digit;
// a place that would hide the window on every monitor is not applied.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "driver/settings_file.h"
#include "driver/settings_run.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

struct StoredMain {
    const char* name;
    const char* main_section;  // as found at start
    // Where and how big the window opens, in units.
    int x, y, width, height;
    const char* main_after;  // "[Main]" after a close that left the window there
};

void PrintTo(const StoredMain& stored, std::ostream* out) { *out << stored.name; }

constexpr char kDefinedPlace[] =
    "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=0\r\nYPos=0\r\nWidth=68\r\nHeight=71\r\n";

constexpr StoredMain kStoredMains[] = {
    {"LowerCaseYesRestoresNothing",
     "[Main]\r\nMaximize=yes\r\nMinimize=No\r\nXPos=120\r\nYPos=80\r\nWidth=90\r\nHeight=60\r\n", 0, 0, 68, 71,
     kDefinedPlace},
    {"OneRestoresNothing", "[Main]\r\nMaximize=1\r\nMinimize=No\r\nXPos=120\r\nYPos=80\r\nWidth=90\r\nHeight=60\r\n", 0,
     0, 68, 71, kDefinedPlace},
    {"NoMaximizeEntryRestoresNothing", "[Main]\r\nMinimize=No\r\nXPos=120\r\nYPos=80\r\nWidth=90\r\nHeight=60\r\n", 0,
     0, 68, 71, "[Main]\r\nMinimize=No\r\nXPos=0\r\nYPos=0\r\nWidth=68\r\nHeight=71\r\nMaximize=No\r\n"},
    {"XPosWordIsZero", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=left\r\nYPos=80\r\nWidth=68\r\nHeight=71\r\n", 0,
     80, 68, 71, "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=0\r\nYPos=80\r\nWidth=68\r\nHeight=71\r\n"},
    {"NegativeXPosPartlyVisibleIsApplied",
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=-15\r\nYPos=80\r\nWidth=68\r\nHeight=71\r\n", -15, 80, 68, 71,
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=-15\r\nYPos=80\r\nWidth=68\r\nHeight=71\r\n"},
    {"DigitsThenTextCountUpToTheText",
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=42px\r\nYPos=7.9\r\nWidth=68\r\nHeight=71\r\n", 42, 7, 68, 71,
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=42\r\nYPos=7\r\nWidth=68\r\nHeight=71\r\n"},
    {"MissingXPosKeepsTheDefinedLeft", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nYPos=80\r\n", 0, 80, 68, 71,
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nYPos=80\r\nXPos=0\r\nWidth=68\r\nHeight=71\r\n"},
    {"StoredSizeIsApplied", "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\nWidth=90\r\nHeight=60\r\n",
     10, 20, 90, 60, "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=10\r\nYPos=20\r\nWidth=90\r\nHeight=60\r\n"},
    // 10000 px to the right and down: beyond any screen.
    {"PlaceBelowRightOfTheScreenIsNotApplied",
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=5000\r\nYPos=5000\r\nWidth=68\r\nHeight=71\r\n", 0, 0, 68, 71,
     kDefinedPlace},
    // 400 px to the left (375 px up): the window is about 140 px wide, 160 high.
    {"PlaceLeftOfTheScreenIsNotApplied",
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=-200\r\nYPos=80\r\nWidth=68\r\nHeight=71\r\n", 0, 0, 68, 71,
     kDefinedPlace},
    {"PlaceAboveTheScreenIsNotApplied",
     "[Main]\r\nMaximize=No\r\nMinimize=No\r\nXPos=120\r\nYPos=-200\r\nWidth=68\r\nHeight=71\r\n", 0, 0, 68, 71,
     kDefinedPlace},
};

class SettingsRestoreTest : public SettingsRunTest, public ::testing::WithParamInterface<StoredMain> {};

TEST_P(SettingsRestoreTest, OpensWhereTheEntriesSayAndStoresThatPlaceBack) {
    const StoredMain& stored = GetParam();
    WriteSettingsFile(std::string(stored.main_section) + kEmptyBookkeeping);

    const HWND main = Open();
    const RECT outer = WindowRectOnScreen(main);
    const RECT client = ClientRect(main);
    EXPECT_EQ(outer.left, units().X(stored.x)) << Describe(outer);
    EXPECT_EQ(outer.top, units().Y(stored.y)) << Describe(outer);
    EXPECT_EQ(client.right, units().X(stored.width)) << Describe(client);
    EXPECT_EQ(client.bottom, units().Y(stored.height)) << Describe(client);
    EXPECT_FALSE(IsZoomed(main));
    EXPECT_FALSE(IsIconic(main));

    EXPECT_EQ(CloseAndReadSettings(main), std::string(stored.main_after) + kEmptyBookkeeping);
}

INSTANTIATE_TEST_SUITE_P(StoredMains, SettingsRestoreTest, ::testing::ValuesIn(kStoredMains),
                         [](const ::testing::TestParamInfo<StoredMain>& case_info) { return case_info.param.name; });

}  // namespace
}  // namespace quillet::e2e
