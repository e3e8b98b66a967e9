// The mouse as a user works it: the pointer moved and the left button
// clicked through SendInput, so that the program gets what a hand gives it —
// WM_MOUSEMOVE, hit testing, mouse capture, and a second click within the
// double-click time as WM_LBUTTONDBLCLK (a posted BM_CLICK gives none of it).
#pragma once

#include <windows.h>

namespace quillet::e2e {

// The centre of a window's outer rectangle, in screen coordinates.
POINT CentreOnScreen(HWND window);

// Moves the pointer to a point of the primary screen (an absolute move) and
// waits until the system reports it there; throws if it does not get there.
void MovePointer(POINT screen);

// Left button down and up at a screen point, `times` times in one batch of
// input: every click after the first falls within the double-click time, so
// the second of two is a double click for the window there. Each event
// carries the point: under Wine a program that has just mapped a window can
// still move the pointer back to where the X pointer was at that moment, and
// a click sent "where the pointer is" would land there. Throws if the batch
// took the double-click time or longer to send.
void ClickAt(POINT screen, int times = 1);

// The left button held down at a point, after `clicks_before` clicks there,
// all within the double-click time: a held second press of a double click.
// Released by ReleaseAt or, at the latest, by the destructor (where it went
// down), so that a failing test leaves no button down for the next one.
class HeldLeftButton {
public:
    explicit HeldLeftButton(POINT screen, int clicks_before = 0);
    ~HeldLeftButton();
    HeldLeftButton(const HeldLeftButton&) = delete;
    HeldLeftButton& operator=(const HeldLeftButton&) = delete;
    void ReleaseAt(POINT screen);

private:
    POINT at_;
    bool down_ = false;
};

// Makes top_level the foreground window, moves the pointer to the point and
// clicks there `times` times within the double-click time.
void Click(HWND top_level, POINT screen, int times = 1);

// Clicks once at the centre of control (a child window), after making its
// top-level window the foreground window. Waits until the control itself
// shows at that point (a closed box can linger there for a moment, and the
// control's window stays disabled until its box has gone); throws if it does
// not: the click would go elsewhere.
void ClickControl(HWND control);
// The same for the child of parent with this control id; throws if absent.
void ClickControl(HWND parent, int control_id);
// The same, clicking `times` times within the double-click time.
void ClickControlQuickly(HWND control, int times);
void ClickControlQuickly(HWND parent, int control_id, int times);

}  // namespace quillet::e2e
