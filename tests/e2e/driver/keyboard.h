// Keys typed into the program as a user types them.
//
// Measured under Wine: posted WM_KEYDOWN/WM_KEYUP do reach the window and its
// dialog-key handling, but the keyboard state does not change with them, so a
// posted Shift+Tab arrives as a plain Tab. SendInput after making the window
// the foreground window goes through the system's input queue: the key goes
// to the focused window, with the modifier state that GetKeyState reports and
// the WM_CHAR or WM_SYSKEYDOWN that a real key brings.
#pragma once

#include <windows.h>

namespace quillet::e2e {

struct KeyChord {
    WORD key = 0;  // virtual-key code
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// Makes top_level the foreground window (throws if it does not become it),
// then presses and releases the chord: modifiers down, key down, key up,
// modifiers up.
void TypeKey(HWND top_level, KeyChord chord);

}  // namespace quillet::e2e
