#include "driver/mouse.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "driver/deadline.h"
#include "driver/foreground.h"
#include "driver/win32_error.h"
#include "driver/window_query.h"

namespace quillet::e2e {
namespace {

std::string Describe(POINT point) { return std::to_string(point.x) + "," + std::to_string(point.y); }

// An absolute position is given as 0..65535 over the primary screen, and the
// system takes pixel floor(n * size / 65536). Rounding up here makes that
// pixel exactly the one asked for.
LONG Normalised(LONG pixel, int screen_size) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screen_size - 1) / screen_size);
}

// An event at a point of the primary screen: a move there, and whatever
// else flags adds (a button going down or up) at that point.
INPUT MouseEventAt(POINT screen, DWORD flags = 0) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (screen.x < 0 || screen.y < 0 || screen.x >= width || screen.y >= height) {
        throw std::runtime_error("the point " + Describe(screen) + " is off the primary screen");
    }
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, width);
    input.mi.dy = Normalised(screen.y, height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return input;
}

void Send(std::vector<INPUT>& events) {
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent != events.size()) {
        ThrowLastError("SendInput");
    }
}

// The system stamps each event as it takes it: a batch sent within the
// double-click time makes every click after the first a quick one.
void SendWithinDoubleClickTime(std::vector<INPUT>& events) {
    const DWORD start = GetTickCount();
    Send(events);
    const DWORD took = GetTickCount() - start;
    if (took >= GetDoubleClickTime()) {
        throw std::runtime_error("the clicks took " + std::to_string(took) + " ms, not within the double-click time");
    }
}

std::vector<INPUT> Clicks(POINT screen, int times) {
    std::vector<INPUT> events;
    for (int i = 0; i < times; ++i) {
        events.push_back(MouseEventAt(screen, MOUSEEVENTF_LEFTDOWN));
        events.push_back(MouseEventAt(screen, MOUSEEVENTF_LEFTUP));
    }
    return events;
}

void ReleaseQuietly(POINT screen) {
    INPUT up = MouseEventAt(screen, MOUSEEVENTF_LEFTUP);
    SendInput(1, &up, sizeof(INPUT));
}

}  // namespace

POINT CentreOnScreen(HWND window) {
    const RECT rect = WindowRectOnScreen(window);
    return POINT{rect.left + (rect.right - rect.left) / 2, rect.top + (rect.bottom - rect.top) / 2};
}

void MovePointer(POINT screen) {
    std::vector<INPUT> move{MouseEventAt(screen)};
    Send(move);
    POINT at{};
    const bool arrived = PollUntil(
        [&] { return GetCursorPos(&at) != FALSE && at.x == screen.x && at.y == screen.y; }, kActionTimeout);
    if (!arrived) {
        throw std::runtime_error("the pointer went to " + Describe(at) + ", not " + Describe(screen));
    }
}

void ClickAt(POINT screen, int times) {
    std::vector<INPUT> events = Clicks(screen, times);
    SendWithinDoubleClickTime(events);
}

HeldLeftButton::HeldLeftButton(POINT screen, int clicks_before) : at_(screen) {
    std::vector<INPUT> events = Clicks(screen, clicks_before);
    events.push_back(MouseEventAt(screen, MOUSEEVENTF_LEFTDOWN));
    try {
        SendWithinDoubleClickTime(events);
    } catch (...) {
        ReleaseQuietly(screen);  // no destructor runs for a constructor that throws
        throw;
    }
    down_ = true;
}

HeldLeftButton::~HeldLeftButton() {
    if (down_) {
        ReleaseQuietly(at_);
    }
}

void HeldLeftButton::ReleaseAt(POINT screen) {
    down_ = false;
    std::vector<INPUT> up{MouseEventAt(screen, MOUSEEVENTF_LEFTUP)};
    Send(up);
}

void Click(HWND top_level, POINT screen, int times) {
    BringToForeground(top_level);
    MovePointer(screen);
    ClickAt(screen, times);
}

void ClickControlQuickly(HWND control, int times) {
    const HWND top_level = GetAncestor(control, GA_ROOT);
    if (top_level == nullptr) {
        ThrowLastError("GetAncestor");
    }
    const POINT centre = CentreOnScreen(control);
    HWND shown = nullptr;
    if (!PollUntil([&] { return (shown = WindowFromPoint(centre)) == control; }, kActionTimeout)) {
        throw std::runtime_error("another window shows at the centre " + Describe(centre) + " of control " +
                                 std::to_string(ControlId(control)) + ": \"" +
                                 (shown != nullptr ? WindowText(shown) : std::string()) + "\"");
    }
    Click(top_level, centre, times);
}

void ClickControlQuickly(HWND parent, int control_id, int times) {
    const HWND control = ChildById(parent, control_id);
    if (control == nullptr) {
        throw std::runtime_error("no control " + std::to_string(control_id));
    }
    ClickControlQuickly(control, times);
}

void ClickControl(HWND control) { ClickControlQuickly(control, 1); }

void ClickControl(HWND parent, int control_id) { ClickControlQuickly(parent, control_id, 1); }

}  // namespace quillet::e2e
