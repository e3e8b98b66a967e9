#include "window/message_text.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(PrepareMessageText, DropsTrailingBlanksThenTurnsBarsIntoLineBreaks) {
    struct Case {
        const char* text;
        const char* shown;
    };
    const Case cases[] = {
        {"", ""},
        {"     ", ""},
        {"plain", "plain"},
        {"a|b", "a\r\nb"},
        {"||", "\r\n\r\n"},
        {"a|   ", "a\r\n"},             // blanks after the last bar are trailing blanks
        {"a   |b", "a   \r\nb"},         // blanks before a bar stay
        {"   |  indented", "   \r\n  indented"},
        {"Fish & Chips", "Fish & Chips"},  // "&" is an ordinary character
        {"tab\there", "tab\there"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PrepareMessageText(c.text), c.shown) << '"' << c.text << '"';
    }
}

TEST(PrepareMessageCaption, DropsOnlyTrailingBlanks) {
    EXPECT_EQ(PrepareMessageCaption("REG_DWORD" + std::string(41, ' ')), "REG_DWORD");
    EXPECT_EQ(PrepareMessageCaption(std::string(50, ' ')), "");
    EXPECT_EQ(PrepareMessageCaption("  a|b  "), "  a|b");  // a bar in a title is no line break
}

TEST(MessageBoxClipboardText, LaysOutCaptionTextAndButtonAsTheSystemBoxDoes) {
    EXPECT_EQ(MessageBoxClipboardText("REG_SZ", "line one\r\nline two"),
              "---------------------------\r\n"
              "REG_SZ\r\n"
              "---------------------------\r\n"
              "line one\r\nline two\r\n"
              "---------------------------\r\n"
              "OK   \r\n"
              "---------------------------\r\n");
    EXPECT_EQ(MessageBoxClipboardText("", "x"),
              "---------------------------\r\n\r\n---------------------------\r\nx\r\n"
              "---------------------------\r\nOK   \r\n---------------------------\r\n");
}

}  // namespace
}  // namespace quillet
