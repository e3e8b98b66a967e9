// Numbers of the settings file: any stored text read as a number, checked
// against a reference written here, and numbers written and read back.
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "settings/settings_format.h"

namespace {

using quillet::fuzz::AsText;
using quillet::fuzz::IsDigit;
using quillet::fuzz::Require;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Leading blanks, an optional minus, the leading digits; no digits give 0 and
// a number past the 32-bit range is clamped. Range is decided on the digit
// string itself, so no arithmetic can overflow here.
std::int32_t ReferenceNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) {
        return 0;
    }
    const bool negative = text[at] == '-';
    if (negative) {
        ++at;
    }
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    std::string_view digits = text.substr(at, end - at);
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    const std::string_view limit = negative ? "2147483648" : "2147483647";
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit)) {
        return negative ? kMin : kMax;
    }
    std::int64_t magnitude = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// Plain decimal: an optional minus, then "0" or digits without a leading zero.
bool IsPlainDecimal(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
        if (text == "0") {
            return false;
        }
    }
    return !text.empty() && quillet::fuzz::AllDigits(text) && (text.size() == 1 || text.front() != '0');
}

void CheckRoundTrip(std::int32_t value, std::string_view tail) {
    const std::string written = quillet::FormatSettingNumber(value);
    Require(IsPlainDecimal(written), "a number is written in plain decimal");
    Require(quillet::ParseSettingNumber(written) == value, "a written number reads back as itself");
    Require(quillet::ParseSettingNumber("   " + written) == value, "leading blanks do not change a number");
    Require(quillet::ParseSettingNumber(written + " " + std::string(tail)) == value,
            "what follows a number and a blank does not change it");
    Require(quillet::SectorKey(value) == "Sectors_" + written, "a record key is Sectors_ and its number");
}

void CheckParsing(std::string_view text) {
    const std::int32_t expected = ReferenceNumber(text);
    Require(quillet::ParseSettingNumber(text) == expected, "a stored text reads as its leading number, clamped");
    const bool readable = expected >= 0 && expected <= quillet::kMaxSectorCount;
    Require(quillet::SectorCountToRead(text) == (readable ? expected : 0),
            "a count is read when it lies from 0 to the bound, else no records are read");
    const auto state = quillet::ParseYesNo(text);
    const std::string_view trimmed = quillet::TrimTrailingBlanks(text);
    Require(state.has_value() == (trimmed == "Yes" || trimmed == "No"), "a state is exactly Yes or No");
    if (state) {
        Require(quillet::YesNoText(*state) == trimmed, "a state reads as what it says");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quillet::fuzz::RunChecks([=] {
        const std::string_view text = AsText({data, size});
        CheckParsing(text);
        CheckRoundTrip(ReferenceNumber(text), text);
        // The first four bytes as a number reach every 32-bit value, the ends included.
        if (size >= 4) {
            std::uint32_t bits = 0;
            for (std::size_t i = 0; i < 4; ++i) {
                bits |= static_cast<std::uint32_t>(data[i]) << (8 * i);
            }
            CheckRoundTrip(static_cast<std::int32_t>(bits), text.substr(4));
        }
    });
}
