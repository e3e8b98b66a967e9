// Clicks in quick succession, as a user gives them. A second click within the
// double-click time reaches a button as a double click; it is a press all the
// same: the button goes down under it and the program acts on its release.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver/actions.h"
#include "driver/button_edge.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/file_association.h"
#include "driver/file_bytes.h"
#include "driver/foreground.h"
#include "driver/main_controls.h"
#include "driver/message_box.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/recorder_log.h"
#include "driver/temp_directory.h"
#include "driver/text_compare.h"
#include "driver/top_level_windows.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

// The program started in a directory holding test.eml, with .eml files
// opened by the recorder.
class QuickClicksTest : public QuilletTest {
protected:
    HWND Open() {
        WriteFileBytes(TestEmlPath(), "Subject: sample\r\nX-Unsent: 1\r\n\r\nbody\r\n");
        quillet_ = &StartQuillet({directory_.Path(), {log_.Variable()}});
        main_ = quillet_->WaitForMainWindow();
        if (main_ == nullptr) {
            throw std::runtime_error("the main window did not appear");
        }
        return main_;
    }
    std::string TestEmlPath() const { return directory_.PathOf("test.eml"); }

    // Presses are handled one at a time: once the box of a later check has
    // shown and gone, every click before it has been handled.
    void WaitUntilEarlierClicksHandled() { CloseWithOk(PressAndReadBox(quillet_->Pid(), main_, kCheckRegistry)); }

    // Closes the window the orderly way; what the recorder logged meanwhile.
    std::vector<RecorderLaunch> CloseAndCollectLaunches() const {
        PostClose(main_);
        EXPECT_EQ(quillet_->WaitForExit(), std::optional<DWORD>(0));
        EXPECT_TRUE(WaitUntilRecordersFinished());
        return log_.Launches();
    }

    void ExpectEachOpenedTestEml(const std::vector<RecorderLaunch>& launches) const {
        for (const RecorderLaunch& launch : launches) {
            EXPECT_TRUE(EqualsIgnoringCase(FullPathOfArgument(launch, 1), TestEmlPath())) << launch.command_line;
        }
    }

    TempDirectory directory_{"quick-clicks"};
    TempDirectory log_directory_{"quick-clicks-log"};
    RecorderAssociation association_{".eml"};
    RecorderLog log_{log_directory_.PathOf("recorder.log")};
    QuilletProcess* quillet_ = nullptr;
    HWND main_ = nullptr;
};

TEST_F(QuickClicksTest, TwoQuickClicksOnTestEmlLaunchTheHandlerTwice) {
    Open();
    ClickControlQuickly(main_, kTestEml, 2);
    EXPECT_TRUE(log_.WaitForLaunches(2)) << "the second click was lost";
    const std::vector<RecorderLaunch> launches = CloseAndCollectLaunches();
    EXPECT_EQ(launches.size(), 2u);
    ExpectEachOpenedTestEml(launches);
}

TEST_F(QuickClicksTest, ThreeQuickClicksOnTestEmlLaunchTheHandlerThreeTimes) {
    Open();
    ClickControlQuickly(main_, kTestEml, 3);
    EXPECT_TRUE(log_.WaitForLaunches(3));
    const std::vector<RecorderLaunch> launches = CloseAndCollectLaunches();
    EXPECT_EQ(launches.size(), 3u);
    ExpectEachOpenedTestEml(launches);
}

struct SecondPressCase {
    const char* name;
    int button;
    std::optional<RegistryValue> before;  // the feature value at start
    std::optional<RegistryValue> after;   // ... after the presses
    std::size_t launches;                 // of the .eml handler
};

void PrintTo(const SecondPressCase& c, std::ostream* out) { *out << c.name; }

class SecondPressTest : public QuickClicksTest, public ::testing::WithParamInterface<SecondPressCase> {};

// The second click of a double click, held: the button shows pressed and has
// the focus, as under the first; on release the program takes the press (it
// hands the focus back to the window) and does what the button does.
TEST_P(SecondPressTest, GoesDownLikeTheFirstAndActsOnRelease) {
    const SecondPressCase& c = GetParam();
    if (c.before) {
        SetFeatureValue(*c.before);
    }
    Open();
    const HWND button = ChildById(main_, c.button);
    const ButtonOnScreen look(button);
    const POINT centre = CentreOnScreen(button);
    BringToForeground(main_);
    MovePointer(centre);
    {
        HeldLeftButton held(centre, 1);
        EXPECT_TRUE(PollUntil([&] { return look.Read() == ButtonEdge::kSunken; }, kActionTimeout))
            << "shows " << Name(look.Read()) << " under the held second click";
        EXPECT_TRUE(PollUntil([&] { return FocusedWindow(main_) == button; }, kActionTimeout));
        held.ReleaseAt(centre);
    }
    EXPECT_TRUE(PollUntil([&] { return FocusedWindow(main_) == main_; }, kActionTimeout))
        << "the release was not taken as a press";
    EXPECT_TRUE(PollUntil([&] { return look.Read() == ButtonEdge::kRaised; }, kActionTimeout))
        << "shows " << Name(look.Read()) << " under the pointer after the release";
    EXPECT_TRUE(PollUntil([&] { return ReadFeatureValue() == c.after; }, kActionTimeout))
        << Describe(ReadFeatureValue());
    EXPECT_TRUE(log_.WaitForLaunches(c.launches));
    const std::vector<RecorderLaunch> launches = CloseAndCollectLaunches();
    EXPECT_EQ(launches.size(), c.launches);
    ExpectEachOpenedTestEml(launches);
}

const SecondPressCase kSecondPressCases[] = {
    {"TurnOn", kTurnOn, DwordValue(0), DwordValue(1), 0},
    {"TurnOff", kTurnOff, DwordValue(1), DwordValue(0), 0},
    {"TestEml", kTestEml, std::nullopt, std::nullopt, 2},
};

INSTANTIATE_TEST_SUITE_P(Buttons, SecondPressTest, ::testing::ValuesIn(kSecondPressCases),
                         [](const ::testing::TestParamInfo<SecondPressCase>& tested) { return tested.param.name; });

// As with a single click, a second click released away from the button is
// no press.
TEST_F(QuickClicksTest, SecondClickReleasedOffTheButtonIsNoPress) {
    Open();
    const HWND button = ChildById(main_, kTestEml);
    const ButtonOnScreen look(button);
    const POINT centre = CentreOnScreen(button);
    BringToForeground(main_);
    MovePointer(centre);
    {
        HeldLeftButton held(centre, 1);
        ASSERT_TRUE(PollUntil([&] { return look.Read() == ButtonEdge::kSunken; }, kActionTimeout));
        const RECT client = ClientRectOnScreen(main_);
        const POINT background{client.left + 1, client.bottom - 2};
        ASSERT_EQ(WindowFromPoint(background), main_);
        MovePointer(background);
        EXPECT_TRUE(PollUntil([&] { return look.Read() != ButtonEdge::kSunken; }, kActionTimeout))
            << "still pressed with the pointer off the button";
        held.ReleaseAt(background);
    }
    WaitUntilEarlierClicksHandled();
    const std::vector<RecorderLaunch> launches = CloseAndCollectLaunches();
    EXPECT_EQ(launches.size(), 1u) << "one launch for the first click, none for the one released off the button";
    ExpectEachOpenedTestEml(launches);
}

struct SecondCheckClick {
    const char* name;
    std::function<void(HWND main, HWND check_registry)> click_twice;
};

void PrintTo(const SecondCheckClick& c, std::ostream* out) { *out << c.name; }

class QuickCheckTest : public QuickClicksTest, public ::testing::WithParamInterface<SecondCheckClick> {};

// The first click opens the box, modal to the disabled main window. The
// second click, whether it came before the box showed or landed on the box,
// opens no second box, closes nothing, and leaves no press pending for after.
TEST_P(QuickCheckTest, TwoQuickClicksOnCheckRegistryOpenOneBox) {
    Open();
    GetParam().click_twice(main_, ChildById(main_, kCheckRegistry));
    const HWND box = WaitForMessageBox(quillet_->Pid(), main_);
    ASSERT_NE(box, nullptr);
    // Once the box has copied its text, the second click has been handled.
    EXPECT_NE(CopyBoxText(box).find("The registry setting is:"), std::string::npos);
    EXPECT_EQ(VisibleTopLevelWindows(quillet_->Pid()).size(), 2u) << "one box over the main window";
    EXPECT_TRUE(IsVisible(box));
    EXPECT_FALSE(IsEnabled(main_));

    CloseWithOk(ReadMessageBox(box));
    EXPECT_TRUE(PollUntil([&] { return IsEnabled(main_); }, kActionTimeout));
    // Had a press been left waiting, its box would come before this one.
    const MessageBoxView again = PressAndReadBox(quillet_->Pid(), main_, kCheckRegistry);
    EXPECT_EQ(VisibleTopLevelWindows(quillet_->Pid()).size(), 2u);
    CloseWithOk(again);
    EXPECT_EQ(VisibleTopLevelWindows(quillet_->Pid()), std::vector<HWND>{main_});
    CloseAndCollectLaunches();
}

INSTANTIATE_TEST_SUITE_P(
    SecondClicks, QuickCheckTest,
    ::testing::Values(
        // Both clicks in one batch, as fast as input comes: the second is
        // as a rule queued before the program has handled the first.
        SecondCheckClick{"BeforeTheBoxShows", [](HWND, HWND check) { ClickControlQuickly(check, 2); }},
        // The second click once the box has come up under the pointer, as
        // it does within a tenth of a second of the first.
        SecondCheckClick{"OnTheBox",
                         [](HWND main, HWND check) {
                             ClickControl(check);
                             DWORD pid = 0;
                             GetWindowThreadProcessId(main, &pid);
                             const HWND box = WaitForMessageBox(pid, main);
                             ASSERT_NE(box, nullptr);
                             const POINT centre = CentreOnScreen(check);
                             // Shown is not yet on top everywhere: wait until the
                             // box is what a click there would reach.
                             ASSERT_TRUE(PollUntil(
                                 [&] { return GetAncestor(WindowFromPoint(centre), GA_ROOT) == box; },
                                 kActionTimeout))
                                 << "the box does not cover the button";
                             ClickAt(centre);
                         }}),
    [](const ::testing::TestParamInfo<SecondCheckClick>& tested) { return tested.param.name; });

}  // namespace
}  // namespace quillet::e2e
