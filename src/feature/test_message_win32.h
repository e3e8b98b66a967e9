// "Test EML": hands the sample message in the current directory to the shell.
#pragma once

#include <windows.h>

namespace quillet {

// The message file, relative to the process's current directory.
inline constexpr const char* kTestMessagePath = ".\\test.eml";

class TestMessage {
public:
    // `owner`: the window the shell shows anything of its own over.
    explicit TestMessage(HWND owner) : owner_(owner) {}
    // Asks the shell to open the message with the program associated with
    // .eml files. Whatever the shell answers, the program carries on.
    void Open() const;

private:
    HWND owner_;
};

}  // namespace quillet
