// The registry read and write against the prefix's real registry, under a
// test key of their own in HKEY_CURRENT_USER.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "winapi/registry_win32.h"

namespace quillet {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kBase = "Software\\QuilletTests\\RegistryReadWrite";

struct RawValue {
    LONG status = ERROR_FILE_NOT_FOUND;
    DWORD type = REG_NONE;
    Bytes data;
};

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBase); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBase); }

    static std::string Path(const std::string& below) { return std::string(kBase) + "\\" + below; }

    static void SetRaw(const std::string& path, const char* name, DWORD type, const Bytes& data) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static RawValue QueryRaw(const std::string& path, const char* name) {
        RawValue value;
        HKEY key = nullptr;
        value.status = RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key);
        if (value.status != ERROR_SUCCESS) {
            return value;
        }
        DWORD size = 0;
        value.status = RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size);
        value.data.resize(size);
        if (value.status == ERROR_SUCCESS && size > 0) {
            value.status = RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
            value.data.resize(size);
        }
        RegCloseKey(key);
        return value;
    }

    static bool KeyExists(const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        RegCloseKey(key);
        return true;
    }
};

Bytes Chars(std::string_view chars) { return Bytes(chars.begin(), chars.end()); }

TEST_F(RegistryTest, AbsentKeyOrValueReadsAsEmptyTextOfTypeNone) {
    const RegistryReading no_key = ReadRegistryValue(HKEY_CURRENT_USER, Path("Absent"), "v");
    EXPECT_EQ(no_key.text, "");
    EXPECT_EQ(no_key.type_code, 0u);
    EXPECT_FALSE(KeyExists(Path("Absent")));  // reading creates nothing

    SetRaw(Path("Present"), "other", REG_DWORD, {1, 0, 0, 0});
    const RegistryReading no_value = ReadRegistryValue(HKEY_CURRENT_USER, Path("Present"), "v");
    EXPECT_EQ(no_value.text, "");
    EXPECT_EQ(no_value.type_code, 0u);
}

TEST_F(RegistryTest, EachTypeReadsAsItsText) {
    using namespace std::string_literals;
    struct Case {
        const char* what;
        DWORD type;
        Bytes data;
        std::string text;
    };
    const Case cases[] = {
        {"string", REG_SZ, Chars("1\0"s), "1"},
        {"string with blanks", REG_SZ, Chars("  abc  \0"s), "  abc  "},
        {"string of 25 characters", REG_SZ, Chars("ABCDEFGHIJKLMNOPQRSTUVWXY\0"s), "ABCDEFGHIJKLMNOPQRSTUVWXY"},
        {"expandable string, unexpanded", REG_EXPAND_SZ, Chars("%SystemRoot%\\x\0"s), "%SystemRoot%\\x"},
        {"multi-string, every byte", REG_MULTI_SZ, Chars("one\0two\0\0"s), "one\0two\0\0"s},
        {"binary, every byte", REG_BINARY, {'a', 0, 'b'}, "a\0b"s},
        {"dword 1", REG_DWORD, {1, 0, 0, 0}, "1"},
        {"dword with every bit set", REG_DWORD, {0xff, 0xff, 0xff, 0xff}, "4294967295"},
        {"dword of two bytes only", REG_DWORD, {1, 0}, ""},
        {"big-endian dword", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 0x80}, "128"},
        {"qword of 20 digits", REG_QWORD, Bytes(8, 0xff), "18446744073709551615"},
        {"type none with bytes", REG_NONE, {'x', 'y'}, ""},
        {"type without a name", 0x20, {'x', 'y'}, "xy"},
    };
    for (const auto& c : cases) {
        SetRaw(Path("Types"), "v", c.type, c.data);
        const RegistryReading reading = ReadRegistryValue(HKEY_CURRENT_USER, Path("Types"), "v");
        EXPECT_EQ(reading.text, c.text) << c.what;
        EXPECT_EQ(reading.type_code, c.type) << c.what;
    }
}

TEST_F(RegistryTest, ValueWithoutDataBytesReadsAsEmptyTextOfItsType) {
    for (const DWORD type : {DWORD{REG_SZ}, DWORD{REG_BINARY}, DWORD{REG_DWORD}}) {
        SetRaw(Path("Empty"), "v", type, {});
        const RegistryReading reading = ReadRegistryValue(HKEY_CURRENT_USER, Path("Empty"), "v");
        EXPECT_EQ(reading.text, "") << type;
        EXPECT_EQ(reading.type_code, type);
    }
}

TEST_F(RegistryTest, MebibyteOfBinaryDataIsReadWhole) {
    Bytes data(1 << 20);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    SetRaw(Path("Large"), "v", REG_BINARY, data);
    const RegistryReading reading = ReadRegistryValue(HKEY_CURRENT_USER, Path("Large"), "v");
    EXPECT_EQ(reading.type_code, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(reading.text.size(), data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), reading.text.begin(),
                           [](std::uint8_t byte, char c) { return byte == static_cast<std::uint8_t>(c); }));
}

TEST_F(RegistryTest, ReadDropsTrailingBlanksOfPathAndName) {
    SetRaw(Path("Trim"), "v", REG_DWORD, {5, 0, 0, 0});
    EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, Path("Trim") + "   ", "v   ").text, "5");
}

TEST_F(RegistryTest, WriteCreatesTheWholePathAndStoresFourBytes) {
    const std::string path = Path("One\\Two\\Three");
    ASSERT_FALSE(KeyExists(Path("One")));
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, path, "msimn.exe", "1", REG_DWORD), ERROR_SUCCESS);
    const RawValue written = QueryRaw(path, "msimn.exe");
    ASSERT_EQ(written.status, ERROR_SUCCESS);
    EXPECT_EQ(written.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(written.data, (Bytes{1, 0, 0, 0}));

    // Writing the same data again succeeds too.
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, path, "msimn.exe", "1", REG_DWORD), ERROR_SUCCESS);
    EXPECT_EQ(QueryRaw(path, "msimn.exe").data, (Bytes{1, 0, 0, 0}));
}

TEST_F(RegistryTest, WriteReplacesAStringByADword) {
    SetRaw(Path("Replace"), "v", REG_SZ, Chars(std::string("1\0", 2)));
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, Path("Replace"), "v", "0", REG_DWORD), ERROR_SUCCESS);
    const RawValue written = QueryRaw(Path("Replace"), "v");
    EXPECT_EQ(written.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(written.data, (Bytes{0, 0, 0, 0}));
}

TEST_F(RegistryTest, WriteDropsTrailingBlanksOfPathNameAndText) {
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, Path("Trim") + "  ", "v  ", "4294967295   ", REG_DWORD),
              ERROR_SUCCESS);
    EXPECT_EQ(QueryRaw(Path("Trim"), "v").data, (Bytes{0xff, 0xff, 0xff, 0xff}));
    EXPECT_FALSE(KeyExists(Path("Trim  ")));
}

TEST_F(RegistryTest, FailedWriteReturnsTheWindowsErrorAndWritesNothing) {
    // A non-volatile key cannot be created below a volatile one.
    HKEY volatile_key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path("Volatile").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &volatile_key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatile_key);
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, Path("Volatile\\Child"), "v", "1", REG_DWORD),
              ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_FALSE(KeyExists(Path("Volatile\\Child")));
}

TEST_F(RegistryTest, WriteRefusesTextThatIsNoNumberAndTouchesNothing) {
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, Path("Refused"), "v", "on", REG_DWORD), ERROR_INVALID_DATA);
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, Path("Refused"), "v", "", REG_DWORD), ERROR_INVALID_DATA);
    EXPECT_EQ(WriteRegistryValue(HKEY_CURRENT_USER, Path("Refused"), "v", "1", REG_SZ), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(KeyExists(Path("Refused")));
}

}  // namespace
}  // namespace quillet
