#include "driver/keyboard.h"

#include <vector>

#include "driver/foreground.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

INPUT KeyEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

void TypeKey(HWND top_level, KeyChord chord) {
    BringToForeground(top_level);
    std::vector<WORD> modifiers;
    if (chord.shift) {
        modifiers.push_back(VK_SHIFT);
    }
    if (chord.control) {
        modifiers.push_back(VK_CONTROL);
    }
    if (chord.alt) {
        modifiers.push_back(VK_MENU);
    }
    std::vector<INPUT> events;
    for (const WORD modifier : modifiers) {
        events.push_back(KeyEvent(modifier, false));
    }
    events.push_back(KeyEvent(chord.key, false));
    events.push_back(KeyEvent(chord.key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        events.push_back(KeyEvent(*it, true));
    }
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent != events.size()) {
        ThrowLastError("SendInput");
    }
}

}  // namespace quillet::e2e
