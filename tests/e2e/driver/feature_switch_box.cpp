#include "driver/feature_switch_box.h"

#include <stdexcept>

#include "driver/mouse.h"
#include "driver/top_level_windows.h"

namespace quillet::e2e {

std::string CheckBoxText(int blanks, std::string_view value) {
    std::string text = "    \r\nThe registry setting is:   \r\n\r\n";
    text.append(static_cast<std::size_t>(blanks), ' ').append(value);
    return text;
}

MessageBoxView PressAndReadBox(DWORD pid, HWND main, int control_id) {
    ClickControl(main, control_id);
    const HWND box = WaitForMessageBox(pid, main);
    if (box == nullptr) {
        throw std::runtime_error("no message box after pressing control " + std::to_string(control_id));
    }
    return ReadMessageBox(box);
}

void CloseWithOk(const MessageBoxView& box) {
    const HWND ok = FindButton(box, "OK");
    if (ok == nullptr) {
        throw std::runtime_error("the box has no button \"OK\"");
    }
    ClickControl(ok);
    if (!WaitUntilClosed(box.window)) {
        throw std::runtime_error("the box stayed open after \"OK\"");
    }
}

}  // namespace quillet::e2e
