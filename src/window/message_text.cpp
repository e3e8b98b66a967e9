#include "window/message_text.h"

#include "winapi/text_field.h"

namespace quillet {

std::string PrepareMessageText(std::string_view text) {
    std::string prepared;
    for (const char c : TrimTrailingBlanks(text)) {
        if (c == '|') {
            prepared += "\r\n";
        } else {
            prepared += c;
        }
    }
    return prepared;
}

std::string PrepareMessageCaption(std::string_view caption) { return std::string(TrimTrailingBlanks(caption)); }

std::string MessageBoxClipboardText(std::string_view caption, std::string_view text) {
    constexpr std::string_view kRule = "---------------------------\r\n";
    std::string copied;
    copied.append(kRule).append(caption).append("\r\n");
    copied.append(kRule).append(text).append("\r\n");
    copied.append(kRule).append("OK   \r\n");
    copied.append(kRule);
    return copied;
}

}  // namespace quillet
