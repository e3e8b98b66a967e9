// "Check Registry" from outside: whatever the feature value holds, the box
// shows it (centred on its line) and names its type in the title.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "driver/actions.h"
#include "driver/feature_switch_box.h"
#include "driver/feature_value.h"
#include "driver/mouse.h"
#include "driver/quillet_test.h"
#include "driver/top_level_windows.h"

namespace quillet::e2e {
namespace {

using namespace std::string_view_literals;

// Any type with these bytes (zero bytes included).
RegistryValue Raw(DWORD type, std::string_view bytes) { return {type, {bytes.begin(), bytes.end()}}; }

enum class Stored { kNoKey, kKeyWithoutValue, kValue };

struct CheckCase {
    const char* name;
    Stored stored;
    RegistryValue value;  // when kValue
    const char* title;
    int blanks;          // before the value on its line
    const char* shown;   // the value as shown, a bar as CR LF
};

// Names the case in test listings (instead of its bytes).
void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

// Fourth line: 2 + (33 - n) / 2 blanks before a value of n characters.
const CheckCase kCheckCases[] = {
    {"DwordOne", Stored::kValue, DwordValue(1), "REG_DWORD", 18, "1"},
    {"DwordZero", Stored::kValue, DwordValue(0), "REG_DWORD", 18, "0"},
    {"DwordAllBitsSet", Stored::kValue, DwordValue(0xFFFFFFFFu), "REG_DWORD", 13, "4294967295"},
    {"KeyAbsent", Stored::kNoKey, {}, "REG_NONE", 0, ""},
    {"ValueAbsent", Stored::kKeyWithoutValue, {}, "REG_NONE", 0, ""},
    {"TextOne", Stored::kValue, TextValue("1"), "REG_SZ", 18, "1"},
    {"TextBlanksAroundThree", Stored::kValue, TextValue("  abc  "), "REG_SZ", 17, "abc"},
    {"Text25KeepsFirst19", Stored::kValue, TextValue("ABCDEFGHIJKLMNOPQRSTUVWXY"), "REG_SZ", 9,
     "ABCDEFGHIJKLMNOPQRS"},
    {"TextBarBreaksTheLine", Stored::kValue, TextValue("ab|cd"), "REG_SZ", 16, "ab\r\ncd"},
    {"TextAmpersandAsItself", Stored::kValue, TextValue("a&b"), "REG_SZ", 17, "a&b"},
    {"TextWithoutDataBytes", Stored::kValue, Raw(REG_SZ, ""), "REG_SZ", 0, ""},
    {"ExpandTextUnexpanded", Stored::kValue, Raw(REG_EXPAND_SZ, "%SystemRoot%\0"sv), "REG_EXPAND_SZ", 12,
     "%SystemRoot%"},
    {"MultiTextFirstString", Stored::kValue, Raw(REG_MULTI_SZ, "one\0two\0\0"sv), "REG_MULTI_SZ", 17, "one"},
    {"BinaryUpToFirstZero", Stored::kValue, Raw(REG_BINARY, "ABC\0DE"sv), "REG_BINARY", 17, "ABC"},
    {"DwordBigEndian128", Stored::kValue, Raw(REG_DWORD_BIG_ENDIAN, "\0\0\0\x80"sv), "REG_DWORD_BIG_ENDIAN", 17,
     "128"},
    {"Qword20DigitsKeepsFirst19", Stored::kValue, Raw(REG_QWORD, "\xff\xff\xff\xff\xff\xff\xff\xff"sv),
     "REG_QWORD_LITTLE_ENDIAN", 9, "1844674407370955161"},
    // Too few bytes for the number: nothing is read past the data.
    {"DwordOfTwoBytesShowsNothing", Stored::kValue, Raw(REG_DWORD, "\x01\0"sv), "REG_DWORD", 0, ""},
    {"QwordOfFourBytesShowsNothing", Stored::kValue, Raw(REG_QWORD, "\x01\0\0\0"sv), "REG_QWORD_LITTLE_ENDIAN", 0,
     ""},
    // No name for the type: no title rather than a name it does not have.
    {"UnnamedType6", Stored::kValue, Raw(REG_LINK, "xyz"), "", 17, "xyz"},
    {"UnnamedType12", Stored::kValue, Raw(12, "xyz"), "", 17, "xyz"},
};

class CheckRegistryTest : public QuilletTest {
protected:
    HWND Open() {
        main_ = StartQuilletAndWaitForWindow();
        GetWindowThreadProcessId(main_, &pid_);
        return main_;
    }
    MessageBoxView Check() { return PressAndReadBox(pid_, main_, kCheckRegistry); }
    void CloseOrderly() {
        PostClose(main_);
        EXPECT_TRUE(WaitUntilClosed(main_));
    }

    HWND main_ = nullptr;
    DWORD pid_ = 0;
};

class CheckRegistryCaseTest : public CheckRegistryTest, public ::testing::WithParamInterface<CheckCase> {};

void Store(const CheckCase& c) {
    switch (c.stored) {
        case Stored::kNoKey:
            break;
        case Stored::kKeyWithoutValue:
            WriteValue(HKEY_LOCAL_MACHINE, kFeatureKeyPath, "other.exe", DwordValue(1));
            break;
        case Stored::kValue:
            SetFeatureValue(c.value);
            break;
    }
}

TEST_P(CheckRegistryCaseTest, ShowsTheValueCentredAndItsTypeAsTitle) {
    const CheckCase& c = GetParam();
    Store(c);
    const std::optional<RegistryValue> before = ReadFeatureValue();
    Open();

    const MessageBoxView box = Check();
    EXPECT_EQ(box.title, c.title);
    EXPECT_EQ(box.text, CheckBoxText(c.blanks, c.shown));
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(box.buttons[0].text, "OK");
    EXPECT_EQ(VisibleTopLevelWindows(pid_).size(), 2u) << "one box over the main window";
    CloseWithOk(box);

    // Reading changes nothing and creates nothing.
    EXPECT_EQ(ReadFeatureValue(), before) << Describe(ReadFeatureValue());
    EXPECT_EQ(FeatureKeyExists(), c.stored != Stored::kNoKey);
    CloseOrderly();
}

INSTANTIATE_TEST_SUITE_P(FeatureValues, CheckRegistryCaseTest, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& tested) { return tested.param.name; });

// The title of an earlier check does not stay for a type without a name.
TEST_F(CheckRegistryTest, UnnamedTypeAfterANamedOneHasNoTitle) {
    SetFeatureValue(DwordValue(1));
    Open();
    const MessageBoxView first = Check();
    EXPECT_EQ(first.title, "REG_DWORD");
    CloseWithOk(first);

    SetFeatureValue(Raw(12, "xyz"));
    const MessageBoxView second = Check();
    EXPECT_EQ(second.title, "");
    EXPECT_EQ(second.text, CheckBoxText(17, "xyz"));
    CloseWithOk(second);
    CloseOrderly();
}

// Each check reads the registry anew: after the program's own writes and
// after a change by another program, with no restart between.
TEST_F(CheckRegistryTest, EachCheckReadsTheRegistryAfresh) {
    struct Step {
        const char* name;
        std::optional<int> press_before;
        std::optional<RegistryValue> set_before;
        const char* title;
        int blanks;
        const char* shown;
    };
    const Step steps[] = {
        {"absent", std::nullopt, std::nullopt, "REG_NONE", 0, ""},
        {"after Turn ON", kTurnOn, std::nullopt, "REG_DWORD", 18, "1"},
        {"after Turn OFF", kTurnOff, std::nullopt, "REG_DWORD", 18, "0"},
        {"changed by another program", std::nullopt, TextValue("abc"), "REG_SZ", 17, "abc"},
        {"after Turn ON again", kTurnOn, std::nullopt, "REG_DWORD", 18, "1"},
    };
    Open();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.press_before) {
            ClickControl(main_, *step.press_before);
        }
        if (step.set_before) {
            SetFeatureValue(*step.set_before);
        }
        // Presses are handled one at a time: this box comes after the write.
        const MessageBoxView box = Check();
        EXPECT_EQ(box.title, step.title);
        EXPECT_EQ(box.text, CheckBoxText(step.blanks, step.shown));
        CloseWithOk(box);
    }
    CloseOrderly();
}

}  // namespace
}  // namespace quillet::e2e
