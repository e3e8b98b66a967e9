// Registry data of any type and any bytes, turned into text as "Check
// Registry" reads it, and any text offered to the registry write's parser.
#include <charconv>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "winapi/registry_data.h"

namespace {

using quillet::fuzz::AllDigits;
using quillet::fuzz::AsText;
using quillet::fuzz::Require;

// The first `width` bytes as a number, worked out by weighting each byte
// rather than by shifting an accumulator as the decoder does.
std::uint64_t NumberFrom(std::span<const std::uint8_t> data, std::size_t width, bool least_significant_first) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        const std::size_t weight = least_significant_first ? i : width - 1 - i;
        value += static_cast<std::uint64_t>(data[i]) << (8 * weight);
    }
    return value;
}

// Plain decimal as the read table states it: digits only, no sign, no
// leading zeros ("0" for zero), and the very number the bytes hold.
void CheckDecimal(std::string_view text, std::uint64_t expected) {
    Require(!text.empty() && AllDigits(text), "a number decodes to digits only");
    Require(text.size() == 1 || text.front() != '0', "a number decodes without leading zeros");
    std::uint64_t parsed = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    Require(error == std::errc{} && stop == text.data() + text.size() && parsed == expected,
            "a number's text parses back to the number its bytes hold");
}

void CheckDecoding(std::uint32_t type, std::span<const std::uint8_t> data) {
    const std::string text = quillet::DecodeRegistryData(type, data);
    const std::string_view chars = AsText(data);
    if (type == quillet::kRegNone || data.empty()) {
        Require(text.empty(), "REG_NONE and data without bytes decode to empty text");
        return;
    }
    switch (type) {
        case quillet::kRegSz:
        case quillet::kRegExpandSz:
            Require(text.find('\0') == std::string::npos, "a string's text has no zero byte");
            Require(text == chars.substr(0, chars.find('\0')), "a string's text is its data up to the first zero byte");
            return;
        case quillet::kRegDword:
        case quillet::kRegDwordBigEndian: {
            if (data.size() < 4) {
                Require(text.empty(), "a DWORD of fewer than 4 bytes decodes to empty text");
                return;
            }
            const std::uint64_t value = NumberFrom(data, 4, type == quillet::kRegDword);
            CheckDecimal(text, value);
            // What the read shows, the write must accept as the same number.
            Require(quillet::ParseDecimalDword(text) == std::optional<std::uint32_t>(static_cast<std::uint32_t>(value)),
                    "a DWORD's text is accepted by the write's parser as the same number");
            if (type == quillet::kRegDword) {
                const auto bytes = quillet::DwordLittleEndianBytes(static_cast<std::uint32_t>(value));
                Require(AsText(bytes) == chars.substr(0, 4), "the write's bytes of a read DWORD are the bytes read");
            }
            return;
        }
        case quillet::kRegQword:
            if (data.size() < 8) {
                Require(text.empty(), "a QWORD of fewer than 8 bytes decodes to empty text");
                return;
            }
            CheckDecimal(text, NumberFrom(data, 8, true));
            return;
        default:
            Require(text == chars, "any other type decodes to all of its bytes, zero bytes included");
            return;
    }
}

// The registry write's parser takes decimal digits only, at most 4294967295
// (leading zeros allowed); checked here without from_chars, which it uses.
void CheckDwordParser(std::string_view text) {
    const std::optional<std::uint32_t> parsed = quillet::ParseDecimalDword(text);
    std::string_view significant = text;
    while (significant.size() > 1 && significant.front() == '0') {
        significant.remove_prefix(1);
    }
    constexpr std::string_view kLargest = "4294967295";
    const bool in_range = significant.size() < kLargest.size() ||
                          (significant.size() == kLargest.size() && significant <= kLargest);
    const bool is_number = !text.empty() && AllDigits(text) && in_range;
    Require(parsed.has_value() == is_number, "the write's parser accepts exactly the decimal 32-bit numbers");
    if (parsed) {
        Require(std::to_string(*parsed) == significant, "the write's parser gives the number the digits spell");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quillet::fuzz::RunChecks([=] {
        const auto input = quillet::fuzz::SplitTypeCode({data, size});
        CheckDecoding(input.type, input.rest);
        CheckDwordParser(AsText(input.rest));
    });
}
