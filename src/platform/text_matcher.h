// The framework's text matcher. The program only initialises it and sets
// its options; nothing in the program matches text.
#pragma once

namespace quillet {

class TextMatcher {
public:
    enum Option { kNoCase = 1, kWordOnly = 2 };

    void Init();
    // Options by number; unknown numbers are ignored.
    void SetOption(int option, bool on);
    bool NoCase() const { return no_case_; }
    bool WordOnly() const { return word_only_; }

private:
    bool no_case_ = false;
    bool word_only_ = false;
};

}  // namespace quillet
