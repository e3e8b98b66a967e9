// A message box of the program: a visible top-level window of its process
// other than the main window.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "driver/deadline.h"

namespace quillet::e2e {

struct ControlView {
    HWND window = nullptr;
    int id = 0;
    std::string class_name;
    std::string text;
};

struct MessageBoxView {
    HWND window = nullptr;
    std::string class_name;
    std::string title;
    // The texts of its STATIC children, joined by "\n" (one child: its text).
    std::string text;
    std::vector<ControlView> buttons;
};

// The first visible top-level window of pid other than main_window; nullptr
// if none appeared in time.
HWND WaitForMessageBox(DWORD pid, HWND main_window, std::chrono::milliseconds timeout = kActionTimeout);

MessageBoxView ReadMessageBox(HWND box);

// The button with this text; nullptr if the box has none.
HWND FindButton(const MessageBoxView& box, const std::string& text);

// Types Ctrl+C into the box and waits until its copy is on the clipboard.
// Keys, clicks and posted messages are handled in the order they arrive, so
// once the copy is there the box has had its chance to act on everything
// that came before. Returns the copied text; throws if none appears in time.
std::string CopyBoxText(HWND box);

}  // namespace quillet::e2e
