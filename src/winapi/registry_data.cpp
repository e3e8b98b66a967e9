#include "winapi/registry_data.h"

#include <algorithm>
#include <charconv>

namespace quillet {
namespace {

std::string AsCharacters(std::span<const std::uint8_t> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Bytes taken least significant first (little_endian) or most significant first.
template <typename Number>
Number LoadNumber(std::span<const std::uint8_t> bytes, bool little_endian) {
    Number value = 0;
    for (std::size_t i = 0; i < sizeof(Number); ++i) {
        const std::size_t index = little_endian ? sizeof(Number) - 1 - i : i;
        value = static_cast<Number>((value << 8) | bytes[index]);
    }
    return value;
}

}  // namespace

std::string DecodeRegistryData(std::uint32_t type, std::span<const std::uint8_t> data) {
    if (type == kRegNone || data.empty()) {
        return {};
    }
    switch (type) {
        case kRegSz:
        case kRegExpandSz: {
            const auto end = std::find(data.begin(), data.end(), std::uint8_t{0});
            return AsCharacters(data.first(static_cast<std::size_t>(end - data.begin())));
        }
        case kRegDword:
        case kRegDwordBigEndian:
            if (data.size() < sizeof(std::uint32_t)) {
                return {};
            }
            return std::to_string(LoadNumber<std::uint32_t>(data, type == kRegDword));
        case kRegQword:
            if (data.size() < sizeof(std::uint64_t)) {
                return {};
            }
            return std::to_string(LoadNumber<std::uint64_t>(data, true));
        default:
            return AsCharacters(data);
    }
}

std::optional<std::uint32_t> ParseDecimalDword(std::string_view text) {
    std::uint32_t value = 0;
    const char* const end = text.data() + text.size();
    // from_chars takes no sign for unsigned numbers and no leading blanks.
    const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::array<std::uint8_t, 4> DwordLittleEndianBytes(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

}  // namespace quillet
