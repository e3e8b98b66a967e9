// Feature values no program of ours wrote: too short for their type, huge,
// of types that have no name, or a key where the value should be. "Check
// Registry" shows its one box and changes nothing, "Turn ON" replaces the
// value silently, anything beside the value stays, and the run ends in order.
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
#include "driver/registry.h"
#include "driver/top_level_windows.h"

namespace quillet::e2e {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kMebibyte = 1024 * 1024;
// A key of the same name as the value, under the feature key.
const std::string kSubkeyPath = std::string(kFeatureKeyPath) + "\\" + kFeatureValueName;
constexpr char kSubkeyText[] = "a key, not the value";

RegistryValue Raw(DWORD type, std::string_view bytes) { return {type, {bytes.begin(), bytes.end()}}; }

// size bytes of the letters A..Z over and over: no zero byte anywhere.
RegistryValue Letters(DWORD type, std::size_t size) {
    RegistryValue value{type, std::vector<std::uint8_t>(size)};
    for (std::size_t i = 0; i < size; ++i) {
        value.data[i] = static_cast<std::uint8_t>('A' + i % 26);
    }
    return value;
}

struct RegistryCase {
    std::string name;
    std::optional<RegistryValue> value;
    bool subkey;  // a key named like the value under the feature key
    std::string title;
    int blanks;  // before the value on the box's last line
    std::string shown;
};

void PrintTo(const RegistryCase& registry, std::ostream* out) { *out << registry.name; }

std::vector<RegistryCase> RegistryCases() {
    return {
        {"DwordOfNoBytes", Raw(REG_DWORD, ""), false, "REG_DWORD", 0, ""},
        {"DwordOfThreeBytes", Raw(REG_DWORD, "\x01\x02\x03"), false, "REG_DWORD", 0, ""},
        // Only the first 19 characters are kept.
        {"BinaryOfOneMebibyte", Letters(REG_BINARY, kMebibyte), false, "REG_BINARY", 9, "ABCDEFGHIJKLMNOPQRS"},
        {"BinaryOfOneMebibyteOfZeros", RegistryValue{REG_BINARY, std::vector<std::uint8_t>(kMebibyte)}, false,
         "REG_BINARY", 0, ""},
        {"TextOfOneMebibyte", Letters(REG_SZ, kMebibyte), false, "REG_SZ", 9, "ABCDEFGHIJKLMNOPQRS"},
        // Types without a name have no title; their bytes show as characters.
        {"UnnamedType8", Raw(REG_RESOURCE_LIST, "abc"), false, "", 17, "abc"},
        {"UnnamedTypeLargestSigned", Raw(0x7FFFFFFF, "abc"), false, "", 17, "abc"},
        {"UnnamedTypeAllBitsSet", Raw(0xFFFFFFFF, "abc"), false, "", 17, "abc"},
        {"UnnamedTypeOfNoBytes", Raw(0xFFFFFFFF, ""), false, "", 0, ""},
        {"SubkeyBesideTheValue", DwordValue(1), true, "REG_DWORD", 18, "1"},
        {"SubkeyInsteadOfTheValue", std::nullopt, true, "REG_NONE", 0, ""},
    };
}

class BadRegistryTest : public QuilletTest, public ::testing::WithParamInterface<RegistryCase> {
protected:
    void Store(const RegistryCase& registry) {
        if (registry.value) {
            SetFeatureValue(*registry.value);
        }
        if (registry.subkey) {
            WriteDefaultText(HKEY_LOCAL_MACHINE, kSubkeyPath, kSubkeyText);
        }
    }

    // "Check Registry": its one box over the main window, closed with OK.
    MessageBoxView Check(DWORD pid, HWND main) {
        const MessageBoxView box = PressAndReadBox(pid, main, kCheckRegistry);
        EXPECT_EQ(VisibleTopLevelWindows(pid).size(), 2u) << "one box over the main window";
        CloseWithOk(box);
        EXPECT_EQ(VisibleTopLevelWindows(pid), std::vector<HWND>{main});
        return box;
    }
};

TEST_P(BadRegistryTest, CheckShowsOneBoxTurnOnReplacesTheValueAndNothingElseChanges) {
    const RegistryCase& registry = GetParam();
    Store(registry);
    const auto before = ReadFeatureValue();

    QuilletProcess& quillet = StartQuillet();
    const HWND main = quillet.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    const MessageBoxView shown = Check(quillet.Pid(), main);
    EXPECT_EQ(shown.title, registry.title);
    EXPECT_EQ(shown.text, CheckBoxText(registry.blanks, registry.shown));
    EXPECT_EQ(ReadFeatureValue(), before) << "a check changes nothing";

    ClickControl(main, kTurnOn);
    EXPECT_TRUE(PollUntil([] { return ReadFeatureValue() == DwordValue(1); }, kActionTimeout))
        << Describe(ReadFeatureValue());
    // Presses are handled one at a time: had Turn ON shown a box, this
    // check would find that box instead of its own.
    const MessageBoxView after = Check(quillet.Pid(), main);
    EXPECT_EQ(after.title, "REG_DWORD");
    EXPECT_EQ(after.text, CheckBoxText(18, "1"));

    PostClose(main);
    EXPECT_EQ(quillet.WaitForExit(), std::optional<DWORD>(0));
    if (registry.subkey) {
        EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kSubkeyPath, ""), TextValue(kSubkeyText)) << "the key is left alone";
    }
}

INSTANTIATE_TEST_SUITE_P(Values, BadRegistryTest, ::testing::ValuesIn(RegistryCases()),
                         [](const ::testing::TestParamInfo<RegistryCase>& case_info) { return case_info.param.name; });

}  // namespace
}  // namespace quillet::e2e
