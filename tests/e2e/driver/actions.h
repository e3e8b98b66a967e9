// What a user does to the program's windows, done from outside its process.
//
// Presses and closes are posted, never sent: the program's handler may run a
// modal message box, and a sent message would wait for the box to close.
#pragma once

#include <windows.h>

#include <chrono>

#include "driver/deadline.h"

namespace quillet::e2e {

// A click on the button (BM_CLICK). Like a real click it gives the button the
// focus before the press is reported.
void PressButton(HWND button);
// The same for the child of parent with this control id; throws if absent.
void PressButton(HWND parent, int control_id);

// Closing the way a program asks a window to close.
void PostClose(HWND window);
// Closing through the window menu's Close command (or the title bar's close
// button), which reaches the window as WM_SYSCOMMAND SC_CLOSE.
void PostSystemClose(HWND window);

struct EndSessionReply {
    bool query_answered = false;  // WM_QUERYENDSESSION returned within the timeout
    bool may_end = false;         // ... and returned TRUE
    // WM_ENDSESSION returned within the timeout. False also when the program
    // ended its process while handling it, before it could reply.
    bool end_answered = false;
};

// The system's log-off sequence for one window: WM_QUERYENDSESSION, then
// WM_ENDSESSION telling whether the session ends (TRUE when the window agreed).
// Windows ends a process soon after its windows have handled WM_ENDSESSION;
// here nothing does, so a test that needs that calls QuilletProcess::Kill()
// if the process is still running afterwards.
EndSessionReply EndSession(HWND window, std::chrono::milliseconds timeout = kActionTimeout);

}  // namespace quillet::e2e
