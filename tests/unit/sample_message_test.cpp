// res/test.eml, the sample message that ships beside quillet.exe for "Test
// EML": it must open in any mail client as a plain RFC 5322 message that
// carries the unsent mark "X-Unsent: 1".
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {
namespace {

struct HeaderField {
    std::string name;
    std::string value;
};

struct ParsedMessage {
    std::vector<HeaderField> headers;
    std::string body;
    // What a strict reader would stumble over; empty for a sound message.
    std::vector<std::string> problems;
};

constexpr std::size_t kMaxLineLength = 998;  // characters before the CRLF

bool IsAsciiText(unsigned char c) { return c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F); }

bool IsFieldNameChar(char c) { return c >= 33 && c <= 126 && c != ':'; }

// Whole lines ended by CRLF; what follows the last CRLF is the last element.
std::vector<std::string_view> SplitCrlfLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string_view::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(bytes.substr(start));
    return lines;
}

void CheckBytes(std::string_view bytes, std::vector<std::string>& problems) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (!IsAsciiText(c)) {
            problems.push_back("byte " + std::to_string(c) + " at offset " + std::to_string(i) + " is not ASCII text");
        } else if (c == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) {
            problems.push_back("CR without LF at offset " + std::to_string(i));
        } else if (c == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            problems.push_back("LF without CR at offset " + std::to_string(i));
        }
    }
    if (bytes.size() < 2 || bytes.substr(bytes.size() - 2) != "\r\n") {
        problems.push_back("the last line does not end in CRLF");
    }
}

// Header fields up to the first empty line, each "Name: value" (a line
// starting with a blank continues the field before it), then the body.
ParsedMessage ParseMessage(std::string_view bytes) {
    ParsedMessage message;
    CheckBytes(bytes, message.problems);
    const std::vector<std::string_view> lines = SplitCrlfLines(bytes);
    std::size_t index = 0;
    for (; index < lines.size() && !lines[index].empty(); ++index) {
        const std::string_view line = lines[index];
        if (line.front() == ' ' || line.front() == '\t') {
            if (message.headers.empty()) {
                message.problems.push_back("the first line continues no field");
            } else {
                message.headers.back().value.append(line);
            }
            continue;
        }
        const std::size_t colon = line.find(':');
        const std::string_view name = line.substr(0, colon);
        if (colon == std::string_view::npos || name.empty() || !std::all_of(name.begin(), name.end(), IsFieldNameChar)) {
            message.problems.push_back("not a header field: \"" + std::string(line) + "\"");
            continue;
        }
        std::string_view value = line.substr(colon + 1);
        value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
        message.headers.push_back({std::string(name), std::string(value)});
    }
    if (index == lines.size()) {
        message.problems.push_back("no empty line ends the header");
    }
    for (const std::string_view line : lines) {
        if (line.size() > kMaxLineLength) {
            message.problems.push_back("a line of " + std::to_string(line.size()) + " characters");
        }
    }
    for (std::size_t i = index + 1; i < lines.size(); ++i) {
        message.body.append(lines[i]).append(i + 1 < lines.size() ? "\r\n" : "");
    }
    return message;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> ValuesOf(const ParsedMessage& message, std::string_view name) {
    std::vector<std::string> values;
    for (const HeaderField& field : message.headers) {
        if (SameName(field.name, name)) {
            values.push_back(field.value);
        }
    }
    return values;
}

std::string ReadSample() {
    std::ifstream file(QUILLET_SAMPLE_MESSAGE_PATH, std::ios::binary);
    if (!file) {
        ADD_FAILURE() << "cannot read " << QUILLET_SAMPLE_MESSAGE_PATH;
        return {};
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(SampleMessage, ParsesAsAPlainMessageWithCrlfLineEnds) {
    const ParsedMessage message = ParseMessage(ReadSample());
    for (const std::string& problem : message.problems) {
        ADD_FAILURE() << problem;
    }
    EXPECT_FALSE(message.headers.empty());
}

TEST(SampleMessage, CarriesEachHeaderFieldOnceWithAValueMailClientsRead) {
    struct Expected {
        const char* name;
        const char* pattern;  // the whole value
    };
    const Expected fields[] = {
        {"From", R"([^<>]*<[^@<> ]+@[^@<> ]+>)"},
        {"To", R"([^<>]*<[^@<> ]+@[^@<> ]+>)"},
        {"Subject", R"(\S.*)"},
        {"Date", R"((Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d{2} (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) )"
                 R"(\d{4} \d{2}:\d{2}:\d{2} [+-]\d{4})"},
        {"MIME-Version", R"(1\.0)"},
        {"Content-Type", R"(text/plain; charset=us-ascii)"},
        {"X-Unsent", R"(1)"},
    };
    const ParsedMessage message = ParseMessage(ReadSample());
    for (const Expected& field : fields) {
        SCOPED_TRACE(field.name);
        const std::vector<std::string> values = ValuesOf(message, field.name);
        ASSERT_EQ(values.size(), 1u);
        EXPECT_TRUE(std::regex_match(values[0], std::regex(field.pattern))) << values[0];
    }
}

TEST(SampleMessage, BodyTellsWhatEachSettingShows) {
    const ParsedMessage message = ParseMessage(ReadSample());
    EXPECT_NE(message.body.find("draft"), std::string::npos) << message.body;
    EXPECT_NE(message.body.find("received"), std::string::npos) << message.body;
}

// The check above must see the ways a copy of the file goes wrong, such as a
// checkout that turned CRLF into LF or an editor that saved it as UTF-8.
TEST(SampleMessage, TheCheckRejectsBrokenCopies) {
    struct Case {
        const char* name;
        std::string (*damage)(std::string);
    };
    const Case cases[] = {
        {"LF line ends", [](std::string s) { return std::regex_replace(s, std::regex("\r\n"), "\n"); }},
        {"a UTF-8 character", [](std::string s) { return s.insert(s.find("Subject: ") + 9, "\xC3\xA9"); }},
        {"no empty line after the header", [](std::string s) { return s.erase(s.find("\r\n\r\n"), 2); }},
        {"a line that is no field", [](std::string s) { return "Quillet sample\r\n" + s; }},
        {"a field name with a blank", [](std::string s) { return s.replace(s.find("X-Unsent"), 8, "X Unsent"); }},
        {"no CRLF after the last line", [](std::string s) { return s.substr(0, s.size() - 2); }},
        {"an overlong line", [](std::string s) { return s + std::string(kMaxLineLength + 1, 'x') + "\r\n"; }},
    };
    const std::string sample = ReadSample();
    ASSERT_TRUE(ParseMessage(sample).problems.empty());
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseMessage(c.damage(sample)).problems.empty()) << c.name;
    }
}

}  // namespace
}  // namespace quillet
