// Text fields of fixed capacity, as the program's records use them.
//
// FixedText<W>: always exactly W characters; a shorter text is filled with
// blanks on the right, a longer one keeps its first W characters.
// ZText<C>: a zero-terminated text in a field of C bytes: at most C - 1
// characters are kept, and reading stops at the first zero byte.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quillet {

// The text without its trailing blanks (spaces only, as the records pad with spaces).
constexpr std::string_view TrimTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

template <std::size_t W>
class FixedText {
public:
    FixedText() { chars_.fill(' '); }
    explicit FixedText(std::string_view text) { Assign(text); }

    void Assign(std::string_view text) {
        chars_.fill(' ');
        text.copy(chars_.data(), W);
    }
    std::string_view View() const { return {chars_.data(), W}; }
    static constexpr std::size_t Width() { return W; }

private:
    std::array<char, W> chars_{};
};

template <std::size_t C>
class ZText {
    static_assert(C >= 1, "a zero-terminated field needs room for its terminator");

public:
    ZText() = default;
    explicit ZText(std::string_view text) { Assign(text); }

    void Assign(std::string_view text) {
        bytes_.fill('\0');
        text.copy(bytes_.data(), C - 1);
    }
    // Up to the first zero byte.
    std::string_view View() const { return {bytes_.data(), std::char_traits<char>::length(bytes_.data())}; }
    const char* CStr() const { return bytes_.data(); }
    static constexpr std::size_t Capacity() { return C; }

private:
    std::array<char, C> bytes_{};
};

}  // namespace quillet
