// What every fuzz target shares: how a broken property is reported, and how
// the fuzzer's bytes are read as the program's texts and numbers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <span>
#include <string_view>

namespace quillet::fuzz {

// A broken property aborts, so that libFuzzer keeps the input as a finding
// and the message says which property it broke.
inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "broken property: %s\n", property);
        std::abort();
    }
}

// Runs one input's checks; an exception escaping them is a finding too.
template <typename Checks>
int RunChecks(Checks&& checks) {
    try {
        checks();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "exception: %s\n", error.what());
        Require(false, "the code under test never throws");
    } catch (...) {
        Require(false, "the code under test never throws");
    }
    return 0;
}

inline std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

// A type code and the bytes that follow it. The first byte is the code, so
// that a short input reaches every named type; the byte 255 takes the next
// four bytes (least significant first) as the code, so that any 32-bit code,
// the largest included, can occur too.
struct TypedInput {
    std::uint32_t type;
    std::span<const std::uint8_t> rest;
};

inline TypedInput SplitTypeCode(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) {
        return {0, bytes};
    }
    if (bytes[0] != 0xFF || bytes.size() < 5) {
        return {bytes[0], bytes.subspan(1)};
    }
    std::uint32_t type = 0;
    for (std::size_t i = 4; i >= 1; --i) {
        type = (type << 8) | bytes[i];
    }
    return {type, bytes.subspan(5)};
}

}  // namespace quillet::fuzz
