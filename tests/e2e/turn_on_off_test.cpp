// "Turn ON" and "Turn OFF" from outside: what they leave in the registry, that
// a successful write shows nothing, and what a write that fails shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "driver/actions.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/registry.h"
#include "driver/top_level_windows.h"
#include "driver/volatile_feature_control.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

constexpr char kOtherValueName[] = "other.exe";

class TurnOnOffTest : public QuilletTest {
protected:
    HWND Open() {
        main_ = StartQuilletAndWaitForWindow();
        GetWindowThreadProcessId(main_, &pid_);
        return main_;
    }
    void CloseOrderly() {
        PostClose(main_);
        EXPECT_TRUE(WaitUntilClosed(main_));
    }

    HWND main_ = nullptr;
    DWORD pid_ = 0;
};

enum class Before { kNoFeatureControl, kNoKey, kKeyWithOtherValue, kValue };

struct WriteCase {
    const char* name;
    int button;
    Before before;
    RegistryValue value;  // when kValue
    std::uint32_t written;
};

// Names the case in test listings (instead of its bytes).
void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }

const WriteCase kWriteCases[] = {
    {"TurnOnCreatesTheKeyPath", kTurnOn, Before::kNoFeatureControl, {}, 1},
    {"TurnOffCreatesTheKeyPath", kTurnOff, Before::kNoFeatureControl, {}, 0},
    {"TurnOnCreatesTheKey", kTurnOn, Before::kNoKey, {}, 1},
    {"TurnOnBesideAnotherValue", kTurnOn, Before::kKeyWithOtherValue, {}, 1},
    {"TurnOnReplacesText1", kTurnOn, Before::kValue, TextValue("1"), 1},
    {"TurnOnOverZero", kTurnOn, Before::kValue, DwordValue(0), 1},
    {"TurnOnOverOne", kTurnOn, Before::kValue, DwordValue(1), 1},
    {"TurnOffOverOne", kTurnOff, Before::kValue, DwordValue(1), 0},
    {"TurnOffOverZero", kTurnOff, Before::kValue, DwordValue(0), 0},
    {"TurnOffReplacesBinary", kTurnOff, Before::kValue, RegistryValue{REG_BINARY, {1, 2, 3, 4, 5, 6}}, 0},
};

class TurnOnOffCaseTest : public TurnOnOffTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(TurnOnOffCaseTest, WritesADwordSilently) {
    const WriteCase& c = GetParam();
    std::optional<FeatureControlSetAside> no_feature_control;
    switch (c.before) {
        case Before::kNoFeatureControl:
            no_feature_control.emplace();
            ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kFeatureControlPath));
            break;
        case Before::kNoKey:
            break;
        case Before::kKeyWithOtherValue:
            WriteValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, kOtherValueName, TextValue("kept"));
            break;
        case Before::kValue:
            SetFeatureValue(c.value);
            break;
    }
    Open();
    ClickControl(main_, c.button);

    // Presses are handled one at a time, so once the box of a later "Check
    // Registry" shows, the write is over; a box of the write would have come
    // first, or stand beside this one.
    const MessageBoxView box = PressAndReadBox(pid_, main_, kCheckRegistry);
    EXPECT_EQ(box.title, "REG_DWORD") << box.text;
    EXPECT_EQ(box.text, CheckBoxText(18, std::to_string(c.written)));
    EXPECT_EQ(VisibleTopLevelWindows(pid_).size(), 2u);
    CloseWithOk(box);

    EXPECT_EQ(ReadFeatureValue(), std::optional<RegistryValue>(DwordValue(c.written)))
        << Describe(ReadFeatureValue());
    if (c.before == Before::kKeyWithOtherValue) {
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, kOtherValueName),
                  std::optional<RegistryValue>(TextValue("kept")));
    }
    CloseOrderly();
}

INSTANTIATE_TEST_SUITE_P(Writes, TurnOnOffCaseTest, ::testing::ValuesIn(kWriteCases),
                         [](const ::testing::TestParamInfo<WriteCase>& tested) { return tested.param.name; });

// Both buttons, each pressed twice, against a write the system refuses.
TEST_F(TurnOnOffTest, AFailedWriteSaysSoEachTimeAndChangesNothing) {
    const VolatileFeatureControl refusing;
    Open();
    for (const int button : {kTurnOn, kTurnOn, kTurnOff, kTurnOff}) {
        SCOPED_TRACE("control " + std::to_string(button));
        const MessageBoxView box = PressAndReadBox(pid_, main_, button);
        EXPECT_EQ(box.title, "");
        EXPECT_EQ(box.text, kWriteFailedText);
        ASSERT_EQ(box.buttons.size(), 1u);
        EXPECT_EQ(box.buttons[0].text, "OK");
        EXPECT_EQ(VisibleTopLevelWindows(pid_).size(), 2u) << "one box over the main window";
        EXPECT_FALSE(IsEnabled(main_)) << "the main window is disabled while the box is open";
        CloseWithOk(box);
        EXPECT_TRUE(IsEnabled(main_));
        EXPECT_FALSE(FeatureKeyExists()) << "nothing written";
    }
    // The check shows what was there before: nothing.
    const MessageBoxView check = PressAndReadBox(pid_, main_, kCheckRegistry);
    EXPECT_EQ(check.title, "REG_NONE");
    EXPECT_EQ(check.text, CheckBoxText(0, ""));
    CloseWithOk(check);
    CloseOrderly();
}

}  // namespace
}  // namespace quillet::e2e
