// Quillet.INI across runs: created when the window first closes, holding the
// window's place in the units the window reports, and bringing the window
// back there — exactly, run after run, and in the state it was closed in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "driver/settings_file.h"
#include "driver/settings_run.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

using SettingsFileTest = SettingsRunTest;

std::string DescribeLooks(const FirstAppearance& seen) {
    std::string text;
    for (const WindowSample& look : seen.looks) {
        text += " [" + Describe(look.outer) + (look.zoomed ? " maximized" : "") +
                (look.iconic ? " minimized" : "") + "]";
    }
    return text;
}

TEST_F(SettingsFileTest, FirstRunCreatesTheFileOnlyWhenTheWindowCloses) {
    const HWND main = Open();
    EXPECT_FALSE(ReadSettingsFile().has_value()) << "start-up must not create " << SettingsFilePath();
    EXPECT_EQ(CloseAndReadSettings(main), kFirstRunSettings);
}

TEST_F(SettingsFileTest, MovedTo120By80WritesTheNineLinesAndTheNextRunOpensThereFromTheStart) {
    const HWND main = Open();
    MoveToUnits(main, 120, 80);
    const std::string expected = MainSection(120, 80) + kEmptyBookkeeping;
    ASSERT_EQ(CloseAndReadSettings(main), expected);

    const FirstAppearance seen = OpenWatching();
    const POINT place = PixelsAt(120, 80);
    EXPECT_EQ(seen.looks.size(), 1u) << "the window moved after it was shown:" << DescribeLooks(seen);
    for (const WindowSample& look : seen.looks) {
        EXPECT_EQ(look.outer.left, place.x) << DescribeLooks(seen);
        EXPECT_EQ(look.outer.top, place.y) << DescribeLooks(seen);
    }
    const RECT client = ClientRect(seen.window);
    EXPECT_EQ(client.right, units().X(kDefinedWidth));
    EXPECT_EQ(client.bottom, units().Y(kDefinedHeight));
    EXPECT_EQ(CloseAndReadSettings(seen.window), expected) << "a run that leaves the window in place changes nothing";
}

// Where the user leaves the window, in pixels from a whole-unit place.
struct UserPlace {
    const char* name;
    int x_units, y_units;
    int x_extra_pixels, y_extra_pixels;
};

void PrintTo(const UserPlace& place, std::ostream* out) { *out << place.name; }

class SettingsCycleTest : public SettingsRunTest, public ::testing::WithParamInterface<UserPlace> {};

TEST_P(SettingsCycleTest, TenRunsLeaveTheFileAndTheWindowWhereTheFirstPutThem) {
    const UserPlace& user = GetParam();
    const POINT whole = PixelsAt(user.x_units, user.y_units);
    const POINT dropped{whole.x + user.x_extra_pixels, whole.y + user.y_extra_pixels};
    HWND main = Open();
    MoveWindowTo(main, dropped.x, dropped.y);
    const std::string first = CloseAndReadSettings(main);

    main = Open();
    const RECT opened = WindowRectOnScreen(main);
    // Within a unit of where the user left it: the place is stored in whole units.
    EXPECT_LE(std::abs(opened.left - dropped.x), units().X(1)) << Describe(opened);
    EXPECT_LE(std::abs(opened.top - dropped.y), units().Y(1)) << Describe(opened);
    ASSERT_EQ(CloseAndReadSettings(main), first);

    for (int run = 2; run <= 10; ++run) {
        main = Open();
        const RECT now = WindowRectOnScreen(main);
        EXPECT_TRUE(EqualRect(&now, &opened)) << "run " << run << ": " << Describe(now) << " not " << Describe(opened);
        ASSERT_EQ(CloseAndReadSettings(main), first) << "run " << run;
    }
}

INSTANTIATE_TEST_SUITE_P(Places, SettingsCycleTest,
                         ::testing::Values(UserPlace{"WholeUnits", 120, 80, 0, 0},
                                           // 121 x 82 px with Wine's stand-in font: 60.5 x 43.7 units.
                                           UserPlace{"BetweenUnits", 60, 44, 1, -1}),
                         [](const ::testing::TestParamInfo<UserPlace>& case_info) { return case_info.param.name; });

TEST_F(SettingsFileTest, ClosedMaximizedDropsThePlaceReopensMaximizedAndANormalCloseWritesItAgain) {
    HWND main = Open();
    MoveToUnits(main, 120, 80);
    ASSERT_EQ(CloseAndReadSettings(main), MainSection(120, 80) + kEmptyBookkeeping);

    main = Open();
    ShowWindowFromOutside(main, SW_MAXIMIZE);
    EXPECT_EQ(CloseAndReadSettings(main), std::string("[Main]\r\nMaximize=Yes\r\nMinimize=No\r\n") + kEmptyBookkeeping);

    const FirstAppearance seen = OpenWatching();
    EXPECT_TRUE(seen.looks.front().zoomed) << "first shown not maximized:" << DescribeLooks(seen);
    EXPECT_EQ(seen.looks.size(), 1u) << DescribeLooks(seen);
    ShowWindowFromOutside(seen.window, SW_RESTORE);
    // Restored to the place its definition gives: the stored one was dropped.
    // The state changes a moment before the window has moved.
    RECT normal{};
    EXPECT_TRUE(PollUntil(
        [&] {
            normal = WindowRectOnScreen(seen.window);
            return normal.left == 0 && normal.top == 0;
        },
        kActionTimeout))
        << Describe(normal);
    // The four lines come back as new keys, after "Minimize".
    EXPECT_EQ(CloseAndReadSettings(seen.window), kFirstRunSettings);
}

TEST_F(SettingsFileTest, ClosedMinimizedDropsThePlaceAndReopensNormalWhereDefined) {
    HWND main = Open();
    MoveToUnits(main, 120, 80);
    ASSERT_EQ(CloseAndReadSettings(main), MainSection(120, 80) + kEmptyBookkeeping);

    main = Open();
    ShowWindowFromOutside(main, SW_MINIMIZE);
    EXPECT_EQ(CloseAndReadSettings(main), std::string("[Main]\r\nMaximize=No\r\nMinimize=Yes\r\n") + kEmptyBookkeeping);

    // A window that came back as an icon could be lost: it reopens normal.
    const FirstAppearance seen = OpenWatching();
    EXPECT_EQ(seen.looks.size(), 1u) << DescribeLooks(seen);
    EXPECT_FALSE(seen.looks.front().iconic) << DescribeLooks(seen);
    EXPECT_FALSE(seen.looks.front().zoomed) << DescribeLooks(seen);
    EXPECT_EQ(seen.looks.front().outer.left, 0) << DescribeLooks(seen);
    EXPECT_EQ(seen.looks.front().outer.top, 0) << DescribeLooks(seen);
    EXPECT_EQ(CloseAndReadSettings(seen.window), kFirstRunSettings);
}

}  // namespace
}  // namespace quillet::e2e
