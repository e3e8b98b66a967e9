// Each build of the program works in its own registry view: the 32-bit exe
// reads and writes the feature value under WOW6432Node, the 64-bit exe under
// the native SOFTWARE key, and neither touches the other's. This is what
// tells a user which zip to take for which mail client.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "driver/actions.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/quillet_test.h"
#include "driver/registry.h"
#include "driver/top_level_windows.h"

namespace quillet::e2e {
namespace {

const RegistryView kOtherView = OtherView(kProgramView);
// Where a 64-bit reader finds the 32-bit view's feature key.
constexpr char kWow6432FeatureKeyPath[] =
    "SOFTWARE\\WOW6432Node\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_HONOR_XUNSENT_IN_FILE";

// The fixture clears the program's view; the other one is cleared here,
// before and after, so that no test leaves a value there.
class RegistryViewTest : public QuilletTest {
protected:
    void SetUp() override {
        QuilletTest::SetUp();
        DeleteFeatureKey(kOtherView);
    }
    void TearDown() override {
        DeleteFeatureKey(kOtherView);
        QuilletTest::TearDown();
    }
};

struct ViewCase {
    const char* name;
    std::optional<RegistryValue> other_view;  // before and, unchanged, after
    int button;
    std::uint32_t written;
};

void PrintTo(const ViewCase& c, std::ostream* out) { *out << c.name; }

const ViewCase kViewCases[] = {
    {"TurnOnLeavesTheOtherViewWithout", std::nullopt, kTurnOn, 1},
    {"TurnOnLeavesZeroInTheOtherView", DwordValue(0), kTurnOn, 1},
    {"TurnOffLeavesOneInTheOtherView", DwordValue(1), kTurnOff, 0},
};

class RegistryViewCaseTest : public RegistryViewTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(RegistryViewCaseTest, WritesOnlyItsOwnView) {
    const ViewCase& c = GetParam();
    SCOPED_TRACE(std::string("the program writes the ") + ViewName(kProgramView));
    if (c.other_view) {
        SetFeatureValue(kOtherView, *c.other_view);
    }
    const HWND main = StartQuilletAndWaitForWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    PressButton(main, c.button);
    // Presses are handled one at a time: once the check's box shows, the
    // write is over.
    const MessageBoxView box = PressAndReadBox(pid, main, kCheckRegistry);
    EXPECT_EQ(box.title, "REG_DWORD");
    CloseWithOk(box);
    PostClose(main);
    EXPECT_TRUE(WaitUntilClosed(main));

    EXPECT_EQ(ReadFeatureValue(kProgramView), std::optional<RegistryValue>(DwordValue(c.written)))
        << Describe(ReadFeatureValue(kProgramView));
    EXPECT_EQ(ReadFeatureValue(kOtherView), c.other_view)
        << "the " << ViewName(kOtherView) << " now holds " << Describe(ReadFeatureValue(kOtherView));
    const std::optional<RegistryValue> in_32_bit_view =
        kProgramView == RegistryView::k32Bit ? std::optional<RegistryValue>(DwordValue(c.written)) : c.other_view;
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kWow6432FeatureKeyPath, kFeatureValueName, KEY_WOW64_64KEY),
              in_32_bit_view)
        << "the 32-bit view is HKLM\\SOFTWARE\\WOW6432Node as a 64-bit program sees it";
}

INSTANTIATE_TEST_SUITE_P(Views, RegistryViewCaseTest, ::testing::ValuesIn(kViewCases),
                         [](const ::testing::TestParamInfo<ViewCase>& tested) { return tested.param.name; });

// A value set for the other build is not what this build shows.
TEST_F(RegistryViewTest, CheckRegistryShowsItsOwnViewOnly) {
    SetFeatureValue(kOtherView, DwordValue(1));
    const HWND main = StartQuilletAndWaitForWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    const MessageBoxView absent = PressAndReadBox(pid, main, kCheckRegistry);
    EXPECT_EQ(absent.title, "REG_NONE");
    EXPECT_EQ(absent.text, CheckBoxText(0, ""));
    CloseWithOk(absent);

    SetFeatureValue(kProgramView, DwordValue(0));
    const MessageBoxView own = PressAndReadBox(pid, main, kCheckRegistry);
    EXPECT_EQ(own.title, "REG_DWORD");
    EXPECT_EQ(own.text, CheckBoxText(18, "0"));
    CloseWithOk(own);
    PostClose(main);
    EXPECT_TRUE(WaitUntilClosed(main));
}

}  // namespace
}  // namespace quillet::e2e
