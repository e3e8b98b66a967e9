// The box of "Check Registry" as a window: modal to the main window only,
// centred over it within the work area, and closed by its button alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/actions.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/keyboard.h"
#include "driver/message_box.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/top_level_windows.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

class MessageBoxTest : public QuilletTest {
protected:
    void SetUp() override {
        QuilletTest::SetUp();
        SetFeatureValue(DwordValue(1));
        main_ = StartQuilletAndWaitForWindow();
        GetWindowThreadProcessId(main_, &pid_);
    }
    MessageBoxView Check() { return PressAndReadBox(pid_, main_, kCheckRegistry); }

    HWND main_ = nullptr;
    DWORD pid_ = 0;
};

RECT WorkArea() {
    RECT work{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) == FALSE) {
        throw std::runtime_error("SPI_GETWORKAREA failed");
    }
    return work;
}

// Where a box of `size` centred over [owner_low, owner_high) lands, moved
// into [work_low, work_high) where it would stick out.
LONG CentredWithin(LONG owner_low, LONG owner_high, LONG size, LONG work_low, LONG work_high) {
    const LONG centred = owner_low + (owner_high - owner_low - size) / 2;
    return std::max(work_low, std::min(centred, work_high - size));
}

struct CloseAttempt {
    const char* name;
    std::function<void(HWND box)> attempt;
};

TEST_F(MessageBoxTest, OnlyItsButtonClosesIt) {
    const CloseAttempt attempts[] = {
        {"Escape", [](HWND box) { TypeKey(box, {.key = VK_ESCAPE}); }},
        {"Alt+F4", [](HWND box) { TypeKey(box, {.key = VK_F4, .alt = true}); }},
        {"WM_CLOSE", [](HWND box) { PostClose(box); }},
        {"SC_CLOSE", [](HWND box) { PostSystemClose(box); }},
    };
    const MessageBoxView box = Check();
    EXPECT_EQ(Style(box.window) & WS_SYSMENU, 0) << "no window menu, no close button";
    for (const CloseAttempt& close : attempts) {
        SCOPED_TRACE(close.name);
        close.attempt(box.window);
        // Once the box has copied its text, it has handled the attempt.
        EXPECT_NE(CopyBoxText(box.window).find("The registry setting is:"), std::string::npos);
        EXPECT_TRUE(IsVisible(box.window));
        EXPECT_FALSE(IsEnabled(main_));
    }
    CloseWithOk(box);
    EXPECT_TRUE(IsEnabled(main_));
    EXPECT_EQ(VisibleTopLevelWindows(pid_), std::vector<HWND>{main_});
}

// What does close it: a click on its one button, or the keys that press
// that button, which has the focus.
TEST_F(MessageBoxTest, AClickOnOkOrTheKeysThatPressItCloseIt) {
    const CloseAttempt closes[] = {
        {"click on OK", [](HWND box) { ClickControl(FindButton(ReadMessageBox(box), "OK")); }},
        {"Enter", [](HWND box) { TypeKey(box, {.key = VK_RETURN}); }},
        {"Space", [](HWND box) { TypeKey(box, {.key = VK_SPACE}); }},
    };
    for (const CloseAttempt& close : closes) {
        SCOPED_TRACE(close.name);
        const MessageBoxView box = Check();
        EXPECT_FALSE(IsEnabled(main_));
        close.attempt(box.window);
        ASSERT_TRUE(WaitUntilClosed(box.window));
        EXPECT_TRUE(PollUntil([&] { return IsEnabled(main_); }, kActionTimeout));
        EXPECT_EQ(VisibleTopLevelWindows(pid_), std::vector<HWND>{main_});
    }
}

// "&" is an ordinary character, not the mark of an underlined letter. The one
// static control is the text: there is no icon beside it.
TEST_F(MessageBoxTest, TextControlShowsAmpersandsAsTheyAre) {
    SetFeatureValue(TextValue("a&b"));
    const MessageBoxView box = Check();
    EXPECT_EQ(box.text, CheckBoxText(17, "a&b"));
    int statics = 0;
    for (const HWND child : Children(box.window)) {
        if (ClassName(child) == "Static") {
            ++statics;
            EXPECT_EQ(Style(child) & SS_NOPREFIX, SS_NOPREFIX);
        }
    }
    EXPECT_EQ(statics, 1);
    CloseWithOk(box);
}

// Wherever the main window stands, the box is centred over it, as far as
// the work area allows, and the main window takes input again after OK.
TEST_F(MessageBoxTest, CentredOverTheMainWindowWithinTheWorkArea) {
    const RECT work = WorkArea();
    const RECT first = WindowRectOnScreen(main_);
    const LONG width = first.right - first.left;
    const LONG height = first.bottom - first.top;
    struct Place {
        const char* name;
        LONG x, y;
    };
    const Place places[] = {
        {"top left", work.left, work.top},
        {"middle", work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2},
        {"bottom right", work.right - width, work.bottom - height},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        ASSERT_NE(SetWindowPos(main_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE),
                  FALSE);
        const RECT owner = WindowRectOnScreen(main_);
        ASSERT_EQ(owner.left, place.x);

        const MessageBoxView box = Check();
        EXPECT_FALSE(IsEnabled(main_));
        const RECT r = WindowRectOnScreen(box.window);
        const LONG box_width = r.right - r.left;
        const LONG box_height = r.bottom - r.top;
        EXPECT_GE(r.left, work.left) << Describe(r);
        EXPECT_GE(r.top, work.top) << Describe(r);
        EXPECT_LE(r.right, work.right) << Describe(r);
        EXPECT_LE(r.bottom, work.bottom) << Describe(r);
        // One pixel either way for rounding an odd difference.
        EXPECT_NEAR(r.left, CentredWithin(owner.left, owner.right, box_width, work.left, work.right), 1)
            << Describe(r) << " over " << Describe(owner);
        EXPECT_NEAR(r.top, CentredWithin(owner.top, owner.bottom, box_height, work.top, work.bottom), 1)
            << Describe(r) << " over " << Describe(owner);

        CloseWithOk(box);
        EXPECT_TRUE(IsEnabled(main_));
    }
}

}  // namespace
}  // namespace quillet::e2e
