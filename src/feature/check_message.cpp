#include "feature/check_message.h"

#include <array>
#include <utility>

namespace quillet {
namespace {

constexpr std::string_view kHeading = "|The registry setting is:";
constexpr std::string_view kJoiner = "||  ";

constexpr std::array<std::pair<std::int32_t, std::string_view>, 8> kTypeNames{{
    {0, "REG_NONE"},
    {1, "REG_SZ"},
    {2, "REG_EXPAND_SZ"},
    {3, "REG_BINARY"},
    {4, "REG_DWORD"},
    {5, "REG_DWORD_BIG_ENDIAN"},
    {7, "REG_MULTI_SZ"},
    {11, "REG_QWORD_LITTLE_ENDIAN"},
}};

}  // namespace

std::string CentreFixedText(std::string_view text) {
    const std::size_t width = text.size();
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string(width, ' ');
    }
    const std::size_t last = text.find_last_not_of(' ');
    const std::string_view core = text.substr(first, last - first + 1);
    const std::size_t left = (width - core.size() + 1) / 2;
    std::string centred(left, ' ');
    centred.append(core);
    centred.append(width - core.size() - left, ' ');
    return centred;
}

std::optional<std::string_view> RegistryTypeName(std::int32_t type_code) {
    for (const auto& [code, name] : kTypeNames) {
        if (code == type_code) {
            return name;
        }
    }
    return std::nullopt;
}

std::string_view CheckCaption(std::int32_t type_code) { return RegistryTypeName(type_code).value_or(""); }

std::string CheckMessageText(std::string_view registry_text) {
    FixedText<kCheckLineWidth> heading_line(kHeading);
    Centre(heading_line);
    FixedText<kCheckLineWidth> value_line(registry_text);
    Centre(value_line);
    std::string text(heading_line.View());
    text.append(kJoiner).append(value_line.View());
    return text;
}

}  // namespace quillet
