// The program starts as its own process, shows its main window, and ends with
// exit code 0 whichever way the window is closed.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "driver/actions.h"
#include "driver/keyboard.h"
#include "driver/quillet_test.h"
#include "driver/title_bar.h"
#include "driver/top_level_windows.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

struct CloseWay {
    std::string name;
    std::function<void(HWND)> close;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class MainWindowCloseTest : public QuilletTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(MainWindowCloseTest, ShowsTheWindowThenEndsWithExitCodeZero) {
    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr) << "no visible window \"Quillet Switch\"";
    EXPECT_EQ(ClassName(main), kMainWindowClass);
    EXPECT_EQ(WindowText(main), kMainWindowTitle);

    GetParam().close(main);

    const std::optional<DWORD> exit_code = quillet.WaitForExit();
    ASSERT_TRUE(exit_code.has_value()) << "still running after " << GetParam().name;
    EXPECT_EQ(*exit_code, 0u);
    EXPECT_TRUE(VisibleTopLevelWindows(quillet.Pid()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    CloseWays, MainWindowCloseTest,
    ::testing::Values(CloseWay{"WmClose", PostClose}, CloseWay{"CloseButtonClick", ClickCloseButton},
                      CloseWay{"WindowMenuClose",
                               [](HWND main) {
                                   TypeKey(main, {.key = VK_SPACE, .alt = true});
                                   TypeKey(main, {.key = 'C'});
                               }},
                      CloseWay{"AltF4", [](HWND main) { TypeKey(main, {.key = VK_F4, .alt = true}); }}),
    [](const ::testing::TestParamInfo<CloseWay>& case_info) { return case_info.param.name; });

}  // namespace
}  // namespace quillet::e2e
