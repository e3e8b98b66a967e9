// The system's drag-full-windows setting around a run: switched off while the
// program runs if it was on, and back on after an orderly end — however the
// window is closed, a log-off included. A killed program leaves it off.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "driver/actions.h"
#include "driver/drag_full_windows.h"
#include "driver/quillet_test.h"
#include "driver/settings_file.h"
#include "driver/title_bar.h"

namespace quillet::e2e {
namespace {

struct Ending {
    std::string name;
    std::function<void(HWND)> end;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class OrderlyEndTest : public QuilletTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(OrderlyEndTest, SwitchesDraggingOffWhileRunningAndBackOnAtTheEnd) {
    ASSERT_TRUE(IsDragFullWindowsOn());
    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsDragFullWindowsOn()) << "off while the program runs";

    GetParam().end(main);

    const auto exit_code = quillet.WaitForExit();
    ASSERT_TRUE(exit_code.has_value());
    EXPECT_EQ(*exit_code, 0u);
    EXPECT_TRUE(IsDragFullWindowsOn()) << "back on after " << GetParam().name;
    // The orderly end stored the window's place before the process ended.
    const auto settings = ReadSettingsFile();
    ASSERT_TRUE(settings.has_value()) << "no Quillet.INI after " << GetParam().name;
    EXPECT_NE(settings->find("[Main]\r\n"), std::string::npos);
    EXPECT_NE(settings->find("[__Dont_Touch_Me__]\r\nSectors=0\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, OrderlyEndTest,
    ::testing::Values(Ending{"WmClose", PostClose}, Ending{"CloseButtonClick", ClickCloseButton},
                      Ending{"SessionEnd",
                             [](HWND main) {
                                 const EndSessionReply reply = EndSession(main);
                                 EXPECT_TRUE(reply.query_answered);
                                 EXPECT_TRUE(reply.may_end);
                             }}),
    [](const ::testing::TestParamInfo<Ending>& param_info) { return param_info.param.name; });

using DragSettingTest = QuilletTest;

TEST_F(DragSettingTest, OffAtStartIsLeftAloneAndASwitchOnDuringTheRunIsKept) {
    SetDragFullWindows(false);
    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsDragFullWindowsOn());
    SetDragFullWindows(true);  // the user switches it on meanwhile
    PostClose(main);
    ASSERT_TRUE(quillet.WaitForExit().has_value());
    EXPECT_TRUE(IsDragFullWindowsOn());
}

TEST_F(DragSettingTest, OnAtStartAndSwitchedOnAgainDuringTheRunIsOnAtTheEnd) {
    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    SetDragFullWindows(true);
    SetDragFullWindows(false);
    PostClose(main);
    ASSERT_TRUE(quillet.WaitForExit().has_value());
    EXPECT_TRUE(IsDragFullWindowsOn()) << "switched on at the end regardless";
}

TEST_F(DragSettingTest, KilledWhileRunningLeavesDraggingOff) {
    QuilletProcess& quillet = StartQuillet();
    ASSERT_NE(quillet.WaitForMainWindow(), nullptr);
    ASSERT_FALSE(IsDragFullWindowsOn());
    quillet.Kill();
    EXPECT_FALSE(IsDragFullWindowsOn()) << "a killed program cannot switch it back on";
}

}  // namespace
}  // namespace quillet::e2e
