// Registry data as text, and the number text a 32-bit registry write stores.
// Pure byte handling: no Windows calls, so it is checked on every build host.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillet {

// Registry type codes, with the numbers Windows gives them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegDwordBigEndian = 5;
inline constexpr std::uint32_t kRegMultiSz = 7;
inline constexpr std::uint32_t kRegQword = 11;

// The text of a value of `type` whose data are `data`:
//   REG_NONE, or no bytes at all:  empty;
//   REG_SZ, REG_EXPAND_SZ:         the characters up to the first zero byte
//                                  (references are not expanded);
//   REG_DWORD / _BIG_ENDIAN:       the first 4 bytes as an unsigned decimal;
//   REG_QWORD:                     the first 8 bytes (least significant first);
//   anything else:                 every byte as a character, zero bytes too.
// A number type with fewer bytes than its width gives empty text: the value
// is damaged, and nothing past the data is ever read.
std::string DecodeRegistryData(std::uint32_t type, std::span<const std::uint8_t> data);

// The text of a 32-bit number to store: decimal digits only, at most
// 4294967295. Anything else (empty, a sign, blanks, letters, too large) is no
// number, so that a write never stores a value nobody asked for.
std::optional<std::uint32_t> ParseDecimalDword(std::string_view text);

// The 4 bytes of a REG_DWORD, least significant first.
std::array<std::uint8_t, 4> DwordLittleEndianBytes(std::uint32_t value);

}  // namespace quillet
