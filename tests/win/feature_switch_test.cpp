// Check Registry, Turn ON and Turn OFF on the real feature value in the
// prefix's HKEY_LOCAL_MACHINE (removed before and after each test), and a
// failing write on a test key of its own.
#include "feature/feature_switch_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_box_test_support.h"

namespace quillet {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kFirstThreeLines = "    \r\nThe registry setting is:   \r\n\r\n";
constexpr const char* kFeatureKey =
    "SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_HONOR_XUNSENT_IN_FILE";
constexpr const char* kVolatileBase = "Software\\QuilletTests\\FeatureSwitchVolatile";

struct RawValue {
    bool present = false;
    DWORD type = REG_NONE;
    Bytes data;
};

class FeatureSwitchTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveTestKeys(); }
    void TearDown() override { RemoveTestKeys(); }

    static void RemoveTestKeys() {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kFeatureKey);
        RegDeleteTreeA(HKEY_CURRENT_USER, kVolatileBase);
    }

    static void SetFeature(DWORD type, const Bytes& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kFeatureKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, "msimn.exe", 0, type, data.data(), static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static RawValue Feature() {
        RawValue value;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFeatureKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
            return value;
        }
        BYTE data[64] = {};
        DWORD size = sizeof data;
        value.present = RegQueryValueExA(key, "msimn.exe", nullptr, &value.type, data, &size) == ERROR_SUCCESS;
        value.data.assign(data, data + (value.present ? size : 0));
        RegCloseKey(key);
        return value;
    }

    static bool FeatureKeyExists() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFeatureKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }

    // Runs `operation` with a script that reads the box it shows, if any, and presses OK.
    template <typename Operation>
    std::vector<test::BoxContents> BoxesShownBy(Operation operation) {
        std::vector<test::BoxContents> shown;
        test::BoxScript script(owner_.Get(), {[&](HWND box) {
                                   if (box != nullptr) {
                                       shown.push_back(test::ReadBox(box));
                                       SendMessageA(test::ButtonOf(box), BM_CLICK, 0, 0);
                                   }
                                   return false;
                               }});
        operation();
        EXPECT_FALSE(script.TimedOut());
        EXPECT_TRUE(IsWindowEnabled(owner_.Get()));
        return shown;
    }

    std::vector<test::BoxContents> Check() {
        return BoxesShownBy([&] { FeatureSwitch(vars_, owner_.Get()).CheckRegistry(); });
    }

    test::OwnerWindow owner_{200, 150, 500, 300};
    FeatureVariables vars_;
};

TEST_F(FeatureSwitchTest, CheckShowsTheDwordAndItsTypeAsTitle) {
    SetFeature(REG_DWORD, {1, 0, 0, 0});
    const auto shown = Check();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "REG_DWORD");
    EXPECT_EQ(shown[0].text, kFirstThreeLines + std::string(18, ' ') + "1");
    EXPECT_EQ(shown[0].buttons, 1);
    EXPECT_EQ(vars_.registry_text.View(), "1");
    EXPECT_EQ(vars_.type_code, 4);
    EXPECT_EQ(vars_.type_name.View(), "REG_DWORD" + std::string(41, ' '));
}

TEST_F(FeatureSwitchTest, CheckWithTheKeyAbsentShowsRegNoneAndCreatesNothing) {
    const auto shown = Check();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "REG_NONE");
    EXPECT_EQ(shown[0].text, kFirstThreeLines);
    EXPECT_EQ(vars_.type_code, 0);
    EXPECT_FALSE(FeatureKeyExists());
}

TEST_F(FeatureSwitchTest, CheckOfAStringShowsItsFirst19Characters) {
    const std::string text = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    SetFeature(REG_SZ, Bytes(text.c_str(), text.c_str() + text.size() + 1));
    const auto shown = Check();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "REG_SZ");
    EXPECT_EQ(shown[0].text, kFirstThreeLines + std::string(9, ' ') + "ABCDEFGHIJKLMNOPQRS");
}

TEST_F(FeatureSwitchTest, TypeWithoutANameGivesAnEmptyTitleAfterANamedOne) {
    SetFeature(REG_DWORD, {1, 0, 0, 0});
    ASSERT_EQ(Check().size(), 1u);
    SetFeature(REG_RESOURCE_LIST, {'x'});
    const auto shown = Check();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "");
    EXPECT_EQ(shown[0].text, kFirstThreeLines + std::string(18, ' ') + "x");
    EXPECT_EQ(vars_.type_code, REG_RESOURCE_LIST);
    EXPECT_EQ(vars_.type_name.View(), std::string(50, ' '));
}

TEST_F(FeatureSwitchTest, TurnOnAndOffWriteSilentlyAndCheckReadsAfresh) {
    ASSERT_FALSE(FeatureKeyExists());
    EXPECT_TRUE(BoxesShownBy([&] { FeatureSwitch(vars_, owner_.Get()).TurnOn(); }).empty());
    EXPECT_EQ(vars_.value_to_write.View(), "1");
    RawValue value = Feature();
    ASSERT_TRUE(value.present);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.data, (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(vars_.type_code, 0);  // writes leave the check's variables alone

    EXPECT_TRUE(BoxesShownBy([&] { FeatureSwitch(vars_, owner_.Get()).TurnOn(); }).empty());  // same data again: still silent
    EXPECT_TRUE(BoxesShownBy([&] { FeatureSwitch(vars_, owner_.Get()).TurnOff(); }).empty());
    EXPECT_EQ(vars_.value_to_write.View(), "0");
    value = Feature();
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.data, (Bytes{0, 0, 0, 0}));

    const auto shown = Check();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, kFirstThreeLines + std::string(18, ' ') + "0");
}

TEST_F(FeatureSwitchTest, TurnOnReplacesAString) {
    SetFeature(REG_SZ, {'1', 0});
    EXPECT_TRUE(BoxesShownBy([&] { FeatureSwitch(vars_, owner_.Get()).TurnOn(); }).empty());
    const RawValue value = Feature();
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value.data, (Bytes{1, 0, 0, 0}));
}

TEST_F(FeatureSwitchTest, FailedWriteShowsTheMessageWithAnEmptyTitleEachTime) {
    HKEY volatile_key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kVolatileBase, 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &volatile_key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatile_key);
    const std::string child = std::string(kVolatileBase) + "\\Feature";
    const FeatureValueLocation unwritable{HKEY_CURRENT_USER, child, "msimn.exe"};

    for (int press = 1; press <= 2; ++press) {
        const auto shown = BoxesShownBy([&] { WriteFeatureAt(unwritable, "1", vars_, owner_.Get()); });
        ASSERT_EQ(shown.size(), 1u) << press;
        EXPECT_EQ(shown[0].title, "") << press;
        EXPECT_EQ(shown[0].text, "Unable to write into the system registry") << press;
        EXPECT_EQ(shown[0].buttons, 1) << press;
        EXPECT_EQ(shown[0].button_text, "OK") << press;
    }
    EXPECT_EQ(vars_.value_to_write.View(), "1");
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, child.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST(FeatureValue, IsTheMailClientsValueUnderTheLocalMachineFeatureKey) {
    const FeatureValueLocation where = FeatureValue();
    EXPECT_EQ(where.root, HKEY_LOCAL_MACHINE);
    EXPECT_EQ(where.key_path, kFeatureKey);
    EXPECT_EQ(where.key_path.size(), 86u);
    EXPECT_EQ(where.value_name, "msimn.exe");
}

}  // namespace
}  // namespace quillet
