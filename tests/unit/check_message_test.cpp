#include "feature/check_message.h"

#include <gtest/gtest.h>

#include <vector>

#include "window/message_text.h"
#include "winapi/registry_data.h"

namespace quillet {
namespace {

TEST(CentreFixedText, PutsTheCoreInTheMiddleWithTheOddBlankOnTheLeft) {
    struct Case {
        const char* text;
        const char* centred;
    };
    const Case cases[] = {
        {"", ""},
        {"      ", "      "},         // all blanks stay all blanks
        {"ab    ", "  ab  "},         // even surplus
        {"abc     ", "   abc  "},     // odd surplus: the extra blank goes left
        {"     abc", "   abc  "},     // blanks on either side are not part of the core
        {"  a b    ", "   a b   "},   // blanks inside the core stay
        {"x", "x"},
        {"abcd", "abcd"},             // a core that fills the width
        {" abc", " abc"},             // surplus 1: L = 1
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CentreFixedText(c.text), c.centred) << '"' << c.text << '"';
    }
}

TEST(CentreFixedText, HeadingGetsFourBlanksBeforeAndThreeAfter) {
    FixedText<kCheckLineWidth> heading("|The registry setting is:");
    Centre(heading);
    EXPECT_EQ(heading.View(), "    |The registry setting is:   ");
}

TEST(RegistryTypeName, NamesExactlyTheTableCodes) {
    struct Case {
        std::int32_t code;
        const char* name;
    };
    const Case named[] = {{0, "REG_NONE"},      {1, "REG_SZ"},    {2, "REG_EXPAND_SZ"},
                          {3, "REG_BINARY"},    {4, "REG_DWORD"}, {5, "REG_DWORD_BIG_ENDIAN"},
                          {7, "REG_MULTI_SZ"},  {11, "REG_QWORD_LITTLE_ENDIAN"}};
    for (const auto& c : named) {
        EXPECT_EQ(RegistryTypeName(c.code), c.name) << c.code;
        EXPECT_EQ(CheckCaption(c.code), c.name) << c.code;
    }
    for (const std::int32_t code : {6, 8, 9, 10, 12, 255, -1, 0x7fffffff}) {
        EXPECT_EQ(RegistryTypeName(code), std::nullopt) << code;
        EXPECT_EQ(CheckCaption(code), "") << code;
    }
}

// The message as the user reads it: the value's bytes read into the 20-byte
// registry text, composed, then prepared by the message box.
struct Shown {
    std::string title;
    std::string text;
};

Shown ShownFor(std::uint32_t type, const std::vector<std::uint8_t>& data) {
    const ZText<20> registry_text(DecodeRegistryData(type, data));
    const FixedText<50> type_name(CheckCaption(static_cast<std::int32_t>(type)));
    const std::string composed = CheckMessageText(registry_text.View());
    EXPECT_EQ(composed.size(), 68u);
    return {PrepareMessageCaption(type_name.View()), PrepareMessageText(composed)};
}

std::vector<std::uint8_t> Chars(std::string_view chars) { return {chars.begin(), chars.end()}; }

const std::string kFirstThreeLines = "    \r\nThe registry setting is:   \r\n\r\n";

TEST(CheckMessage, ShowsWhatTheUserSeesForEachKindOfValue) {
    using namespace std::string_literals;
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
        const char* title;
        std::string fourth_line;
    };
    const Case cases[] = {
        {"dword 1", kRegDword, {1, 0, 0, 0}, "REG_DWORD", std::string(18, ' ') + "1"},
        {"dword 0", kRegDword, {0, 0, 0, 0}, "REG_DWORD", std::string(18, ' ') + "0"},
        {"dword all bits", kRegDword, {0xff, 0xff, 0xff, 0xff}, "REG_DWORD", std::string(13, ' ') + "4294967295"},
        {"value or key absent", kRegNone, {}, "REG_NONE", ""},
        {"three characters", kRegSz, Chars("abc\0"s), "REG_SZ", std::string(17, ' ') + "abc"},
        {"three characters in blanks", kRegSz, Chars("  abc  \0"s), "REG_SZ", std::string(17, ' ') + "abc"},
        {"25 characters", kRegSz, Chars("ABCDEFGHIJKLMNOPQRSTUVWXY"), "REG_SZ",
         std::string(9, ' ') + "ABCDEFGHIJKLMNOPQRS"},
        {"string without data bytes", kRegSz, {}, "REG_SZ", ""},
        {"string of blanks only", kRegSz, Chars("     "), "REG_SZ", ""},
        {"bar inside", kRegSz, Chars("ab|cd"), "REG_SZ", std::string(16, ' ') + "ab\r\ncd"},
        {"expandable", kRegExpandSz, Chars("%TEMP%\0"s), "REG_EXPAND_SZ", std::string(15, ' ') + "%TEMP%"},
        {"multi-string: the first string", kRegMultiSz, Chars("first\0second\0\0"s), "REG_MULTI_SZ",
         std::string(16, ' ') + "first"},
        {"binary up to the zero byte", kRegBinary, Chars("bin\0ary"s), "REG_BINARY", std::string(17, ' ') + "bin"},
        {"big-endian 00 00 00 80", kRegDwordBigEndian, {0, 0, 0, 0x80}, "REG_DWORD_BIG_ENDIAN",
         std::string(17, ' ') + "128"},
        {"qword of 20 digits: the first 19", kRegQword, std::vector<std::uint8_t>(8, 0xff),
         "REG_QWORD_LITTLE_ENDIAN", std::string(9, ' ') + "1844674407370955161"},
        {"type without a name", 8, Chars("x"), "", std::string(18, ' ') + "x"},
    };
    for (const auto& c : cases) {
        const Shown shown = ShownFor(c.type, c.data);
        EXPECT_EQ(shown.title, c.title) << c.what;
        EXPECT_EQ(shown.text, kFirstThreeLines + c.fourth_line) << c.what;
    }
}

TEST(CheckMessage, ComposedTextIsHeadingJoinerAndValueLine) {
    EXPECT_EQ(CheckMessageText("1"), "    |The registry setting is:   ||  " + std::string(16, ' ') + "1" +
                                         std::string(15, ' '));
    EXPECT_EQ(CheckMessageText(""), "    |The registry setting is:   ||  " + std::string(32, ' '));
}

}  // namespace
}  // namespace quillet
