#include "winapi/registry_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(std::string_view chars) { return Bytes(chars.begin(), chars.end()); }

// Each case's bytes live in a heap block of exactly their size, so the
// sanitizer catches any read past the data.
struct DecodeCase {
    const char* what;
    std::uint32_t type;
    Bytes data;
    std::string text;
};

TEST(DecodeRegistryData, FollowsTheReadTableRowByRow) {
    using namespace std::string_literals;
    const DecodeCase cases[] = {
        {"string up to its zero byte", kRegSz, BytesOf("abc\0def"s), "abc"},
        {"string without a zero byte", kRegSz, BytesOf("abc"), "abc"},
        {"string that starts with a zero byte", kRegSz, BytesOf("\0abc"s), ""},
        {"expandable string stays unexpanded", kRegExpandSz, BytesOf("%SystemRoot%\\x\0"s), "%SystemRoot%\\x"},
        {"dword one", kRegDword, {1, 0, 0, 0}, "1"},
        {"dword zero", kRegDword, {0, 0, 0, 0}, "0"},
        {"dword least significant byte first", kRegDword, {0x78, 0x56, 0x34, 0x12}, "305419896"},
        {"dword with every bit set is never negative", kRegDword, {0xff, 0xff, 0xff, 0xff}, "4294967295"},
        {"dword uses its first four bytes only", kRegDword, {7, 0, 0, 0, 9, 9}, "7"},
        {"big-endian dword 00 00 00 80", kRegDwordBigEndian, {0, 0, 0, 0x80}, "128"},
        {"big-endian dword 80 00 00 00", kRegDwordBigEndian, {0x80, 0, 0, 0}, "2147483648"},
        {"qword one", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}, "1"},
        {"qword of twenty digits", kRegQword, Bytes(8, 0xff), "18446744073709551615"},
        {"qword least significant byte first", kRegQword, {0, 0, 0, 0, 1, 0, 0, 0}, "4294967296"},
        {"binary keeps its zero bytes", kRegBinary, {'a', 0, 'b'}, "a\0b"s},
        {"multi-string keeps every string", kRegMultiSz, BytesOf("one\0two\0\0"s), "one\0two\0\0"s},
        {"type without a name is taken as characters", 8, BytesOf("r\0s"s), "r\0s"s},
        {"type above the named ones", 0x20, BytesOf("xyz"), "xyz"},
        {"REG_NONE with bytes", kRegNone, BytesOf("abc"), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeRegistryData(c.type, c.data), c.text) << c.what;
    }
}

TEST(DecodeRegistryData, NoBytesGiveEmptyTextForEveryType) {
    for (const std::uint32_t type : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 11u, 12u, 0xffffffffu}) {
        EXPECT_EQ(DecodeRegistryData(type, {}), "") << type;
    }
}

TEST(DecodeRegistryData, NumbersShorterThanTheirWidthGiveEmptyText) {
    for (std::size_t size = 1; size < 8; ++size) {
        const Bytes short_data(size, 0x31);
        if (size < 4) {
            EXPECT_EQ(DecodeRegistryData(kRegDword, short_data), "") << size;
            EXPECT_EQ(DecodeRegistryData(kRegDwordBigEndian, short_data), "") << size;
        }
        EXPECT_EQ(DecodeRegistryData(kRegQword, short_data), "") << size;
    }
}

TEST(DecodeRegistryData, LargeBinaryDataComeBackWhole) {
    Bytes data(1 << 20, 'x');
    data[12] = 0;
    const std::string text = DecodeRegistryData(kRegBinary, data);
    ASSERT_EQ(text.size(), data.size());
    EXPECT_EQ(text[12], '\0');
    EXPECT_EQ(text.back(), 'x');
}

TEST(ParseDecimalDword, TakesPlainDecimalDigitsOnly) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> number;
    };
    const Case cases[] = {
        {"0", 0u},           {"1", 1u},           {"007", 7u},           {"4294967295", 4294967295u},
        {"4294967296", {}},  {"99999999999", {}}, {"", {}},              {"-1", {}},
        {"+1", {}},          {" 1", {}},          {"1 ", {}},            {"1a", {}},
        {"0x1", {}},         {"1.0", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseDecimalDword(c.text), c.number) << '"' << c.text << '"';
    }
}

TEST(DwordLittleEndianBytes, LeastSignificantByteFirst) {
    EXPECT_EQ(DwordLittleEndianBytes(1), (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(DwordLittleEndianBytes(0), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(DwordLittleEndianBytes(0x12345678u), (std::array<std::uint8_t, 4>{0x78, 0x56, 0x34, 0x12}));
}

}  // namespace
}  // namespace quillet
