// The check message for any registry text and type code, as "Check Registry"
// composes it and as its message box prepares it for display; and centring
// of fixed-width texts of any width.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "feature/check_message.h"
#include "fuzz_check.h"
#include "window/message_text.h"
#include "winapi/text_field.h"

namespace {

using quillet::fuzz::AsText;
using quillet::fuzz::Require;

// The centred heading line and the joiner: the same for every value.
constexpr std::string_view kMessageStart = "    |The registry setting is:   ||  ";
// The first three lines the box shows: four blanks, the heading, an empty line.
constexpr std::string_view kBoxStart = "    \r\nThe registry setting is:   \r\n\r\n";

// From the first to the last non-blank character.
std::string_view Core(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void CheckCentring(std::string_view text) {
    const std::string centred = quillet::CentreFixedText(text);
    Require(centred.size() == text.size(), "centring keeps the width");
    const std::string_view core = Core(text);
    Require(Core(centred) == core, "centring keeps the core");
    if (core.empty()) {
        Require(centred == std::string(text.size(), ' '), "an all-blank text stays all blanks");
        return;
    }
    const std::size_t left = centred.find_first_not_of(' ');
    const std::size_t right = centred.size() - left - core.size();
    Require(left == right || left == right + 1, "the core sits in the middle, an odd blank on the left");
}

bool HasLineBreakCharacters(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Every CR is followed by LF and every LF follows a CR.
bool OnlyCrLfPairs(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) {
            return false;
        }
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            return false;
        }
    }
    return true;
}

// The box text with each CR LF turned back into a bar.
std::string BarsForBreaks(std::string_view text) {
    std::string barred;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "\r\n") {
            barred += '|';
            ++i;
        } else {
            barred += text[i];
        }
    }
    return barred;
}

void CheckMessage(std::string_view registry_text) {
    const std::string message = quillet::CheckMessageText(registry_text);
    Require(message.size() == 68, "the message text has 68 characters");
    Require(message.starts_with(kMessageStart), "the heading line and the joiner do not depend on the value");
    const std::string_view value_line = std::string_view(message).substr(kMessageStart.size());
    const std::string_view core = Core(registry_text);
    Require(Core(value_line) == core, "the value line shows the registry text without its surrounding blanks");
    if (!core.empty()) {
        Require(value_line.find_first_not_of(' ') == (33 - core.size()) / 2, "the value is centred in 32 characters");
    }

    const std::string box = quillet::PrepareMessageText(message);
    const std::string_view trimmed = quillet::TrimTrailingBlanks(message);
    Require(box.find('|') == std::string::npos, "the box text has no bar");
    Require(box.size() == trimmed.size() + static_cast<std::size_t>(std::count(trimmed.begin(), trimmed.end(), '|')),
            "trailing blanks go, each bar becomes two characters, nothing else changes");
    Require(box.starts_with(kBoxStart), "the box shows four blanks, the heading and an empty line first");
    if (!HasLineBreakCharacters(registry_text)) {
        Require(OnlyCrLfPairs(box), "the box text has CR LF pairs only");
        const std::string value_lines = BarsForBreaks(std::string_view(box).substr(kBoxStart.size()));
        const std::string indented_value = "  " + std::string(value_line);
        Require(value_lines == quillet::TrimTrailingBlanks(indented_value),
                "the fourth line is the joiner's two blanks and the value line, without trailing blanks");
    }
}

bool IsNamedCode(std::int32_t code) {
    constexpr std::int32_t kNamed[] = {0, 1, 2, 3, 4, 5, 7, 11};
    return std::find(std::begin(kNamed), std::end(kNamed), code) != std::end(kNamed);
}

void CheckCaption(std::int32_t code) {
    const std::string_view caption = quillet::CheckCaption(code);
    const auto name = quillet::RegistryTypeName(code);
    Require(name.has_value() == IsNamedCode(code), "exactly the codes 0 to 5, 7 and 11 have a name");
    if (!name) {
        Require(caption.empty(), "a code without a name gets an empty caption");
        return;
    }
    Require(caption == *name, "a named code's caption is its name");
    Require(caption.starts_with("REG_") && caption.find_first_of(" |") == std::string_view::npos,
            "a type name is REG_ and a word");
    // The caption passes through the 50-character type name field.
    const quillet::FixedText<50> type_name(caption);
    Require(quillet::PrepareMessageCaption(type_name.View()) == caption, "the title shows the whole type name");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quillet::fuzz::RunChecks([=] {
        const auto input = quillet::fuzz::SplitTypeCode({data, size});
        CheckCaption(static_cast<std::int32_t>(input.type));
        // The registry text field keeps 19 characters and ends at a zero byte.
        const quillet::ZText<20> registry_text(AsText(input.rest));
        CheckMessage(registry_text.View());
        CheckCentring(AsText(input.rest));
    });
}
