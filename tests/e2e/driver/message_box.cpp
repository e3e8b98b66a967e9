#include "driver/message_box.h"

#include <stdexcept>
#include <utility>

#include "driver/clipboard_text.h"
#include "driver/keyboard.h"
#include "driver/text_compare.h"
#include "driver/top_level_windows.h"
#include "driver/window_query.h"

namespace quillet::e2e {

HWND WaitForMessageBox(DWORD pid, HWND main_window, std::chrono::milliseconds timeout) {
    HWND box = nullptr;
    PollUntil(
        [&] {
            for (const HWND window : VisibleTopLevelWindows(pid)) {
                if (window != main_window) {
                    box = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return box;
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.window = box;
    view.class_name = ClassName(box);
    view.title = WindowText(box);
    bool first_text = true;
    for (const HWND child : Children(box)) {
        ControlView control{child, ControlId(child), ClassName(child), WindowText(child)};
        if (EqualsIgnoringCase(control.class_name, "Static")) {
            view.text += (first_text ? "" : "\n") + control.text;
            first_text = false;
        } else if (EqualsIgnoringCase(control.class_name, "Button")) {
            view.buttons.push_back(std::move(control));
        }
    }
    return view;
}

HWND FindButton(const MessageBoxView& box, const std::string& text) {
    for (const ControlView& button : box.buttons) {
        if (button.text == text) {
            return button.window;
        }
    }
    return nullptr;
}

std::string CopyBoxText(HWND box) {
    ClearClipboard();
    TypeKey(box, {.key = 'C', .control = true});
    // Polled without opening the clipboard: an open clipboard would make the
    // box's copy fail.
    if (!PollUntil(ClipboardHasText, kActionTimeout)) {
        throw std::runtime_error("the box did not copy its text");
    }
    std::optional<std::string> text;
    if (!PollUntil([&] { return (text = ClipboardText()).has_value(); }, kActionTimeout)) {
        throw std::runtime_error("the box's copy could not be read from the clipboard");
    }
    return *text;
}

}  // namespace quillet::e2e
