// The test prefix's registry answers the calls the program makes.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(WineRegistry, DwordRoundTripsThroughSetAndQuery) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuilletTests\\RoundTrip", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD written = 0xA1B2C3D4u;
    ASSERT_EQ(RegSetValueExA(key, "value", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&written), sizeof written),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD read = 0;
    DWORD size = sizeof read;
    ASSERT_EQ(RegQueryValueExA(key, "value", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(read, written);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuilletTests"), ERROR_SUCCESS);
}

}  // namespace
