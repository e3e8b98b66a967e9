#include "platform/text_matcher.h"

namespace quillet {

void TextMatcher::Init() {
    no_case_ = false;
    word_only_ = false;
}

void TextMatcher::SetOption(int option, bool on) {
    if (option == kNoCase) {
        no_case_ = on;
    } else if (option == kWordOnly) {
        word_only_ = on;
    }
}

}  // namespace quillet
