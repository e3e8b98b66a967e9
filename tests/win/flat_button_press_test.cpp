// The main window's buttons in-process, fed the mouse messages a hand gives
// them: each click is one press of the control, a second click within the
// double-click time (WM_LBUTTONDBLCLK) included, and a release away from the
// button is none.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "app/accepted_control.h"
#include "app/main_window_definition.h"
#include "window/window_win32.h"

namespace quillet {
namespace {

class RecordedPresses final : public WindowEvents {
public:
    LevelCode TakeAccepted(std::int32_t control) override {
        accepted.push_back(control);
        return kCarryOn;
    }
    void OnCloseRequested() override {}
    void OnSessionEnding() override {}

    std::vector<std::int32_t> accepted;
};

enum class Where { kOnTheButton, kOffTheButton };

struct MouseMessage {
    UINT message;
    Where where;
};

struct PressCase {
    const char* name;
    std::vector<MouseMessage> messages;
    std::size_t presses;
};

void PrintTo(const PressCase& c, std::ostream* out) { *out << c.name; }

constexpr MouseMessage kDown{WM_LBUTTONDOWN, Where::kOnTheButton};
constexpr MouseMessage kUp{WM_LBUTTONUP, Where::kOnTheButton};
constexpr MouseMessage kDoubleClick{WM_LBUTTONDBLCLK, Where::kOnTheButton};
constexpr MouseMessage kUpOff{WM_LBUTTONUP, Where::kOffTheButton};

const PressCase kPressCases[] = {
    {"Click", {kDown, kUp}, 1},
    {"DoubleClick", {kDown, kUp, kDoubleClick, kUp}, 2},
    {"TripleClick", {kDown, kUp, kDoubleClick, kUp, kDown, kUp}, 3},
    {"SecondClickReleasedOff", {kDown, kUp, kDoubleClick, kUpOff}, 1},
    {"ReleasedOff", {kDown, kUpOff}, 0},
};

class FlatButtonPressTest : public ::testing::TestWithParam<PressCase> {
protected:
    void SetUp() override { ASSERT_TRUE(window_.Open(events_)); }

    RecordedPresses events_;
    ApplicationIcon application_icon_;
    Window window_{MainWindowDefinition(), application_icon_};
};

TEST_P(FlatButtonPressTest, EveryClickReleasedOnTheButtonIsOnePress) {
    const HWND button = window_.Control(kTestEmlControl);
    ASSERT_NE(button, nullptr);
    RECT client{};
    ASSERT_TRUE(GetClientRect(button, &client));
    const LPARAM on = MAKELPARAM(client.right / 2, client.bottom / 2);
    const LPARAM off = MAKELPARAM(client.right + 10, client.bottom + 10);
    for (const MouseMessage& m : GetParam().messages) {
        SendMessageA(button, m.message, m.message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     m.where == Where::kOnTheButton ? on : off);
    }
    EXPECT_EQ(events_.accepted, std::vector<std::int32_t>(GetParam().presses, kTestEmlControl));
    EXPECT_EQ(GetCapture(), nullptr) << "the button let go of the mouse";
}

INSTANTIATE_TEST_SUITE_P(MouseMessages, FlatButtonPressTest, ::testing::ValuesIn(kPressCases),
                         [](const ::testing::TestParamInfo<PressCase>& tested) { return tested.param.name; });

}  // namespace
}  // namespace quillet
