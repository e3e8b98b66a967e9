#include "driver/settings_lines.h"

#include <array>

#include "driver/text_compare.h"

namespace quillet::e2e {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::array<std::string_view, 6> kOwnMainKeys = {"Maximize", "Minimize", "XPos", "YPos", "Width", "Height"};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsSectionLine(std::string_view line) { return !line.empty() && line.front() == '['; }

// The name between "[" and "]" (or to the end of the line), trimmed.
std::string_view SectionName(std::string_view line) {
    const auto close = line.find(']');
    return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

std::string Normalise(std::string_view raw) {
    const std::string_view line = Trim(raw);
    const auto equals = line.find('=');
    if (IsSectionLine(line) || equals == std::string_view::npos) {
        return std::string(line);
    }
    std::string joined(Trim(line.substr(0, equals)));
    joined += '=';
    joined += Trim(line.substr(equals + 1));
    return joined;
}

bool IsOwnMainKey(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    for (const std::string_view key : kOwnMainKeys) {
        if (EqualsIgnoringCase(line.substr(0, equals), key)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string> NormalisedLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", start);
        const auto raw = bytes.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        std::string line = Normalise(raw);
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        if (end == std::string_view::npos) {
            break;
        }
        // CR LF is one line end; a lone CR or LF is one too.
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::vector<std::string> ForeignLines(std::string_view bytes) {
    std::vector<std::string> foreign;
    std::string section;
    for (const std::string& line : NormalisedLines(bytes)) {
        if (IsSectionLine(line)) {
            section = SectionName(line);
            if (EqualsIgnoringCase(section, "Main") || EqualsIgnoringCase(section, "__Dont_Touch_Me__")) {
                continue;
            }
            foreign.push_back(line);
            continue;
        }
        if (EqualsIgnoringCase(section, "__Dont_Touch_Me__") ||
            (EqualsIgnoringCase(section, "Main") && IsOwnMainKey(line))) {
            continue;
        }
        foreign.push_back("[" + section + "] " + line);
    }
    return foreign;
}

}  // namespace quillet::e2e
