// Window's place, size and state in dialog units. Positions are the outer
// top-left in screen coordinates, sizes the client area. While the window is
// hidden, a maximized or minimized state is remembered and applied when it
// is shown, so that it never appears first somewhere else.
#include "window/window_win32.h"

namespace quillet {
namespace {

RECT OuterRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// The window's rectangle at a prospective place, in 64 bits: a stored
// position near the end of the number range must not wrap round to one on
// the screen.
struct VisibilityQuery {
    std::int64_t left;
    std::int64_t top;
    std::int64_t right;
    std::int64_t bottom;
    bool visible;
};

BOOL CALLBACK OverlapsWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* query = reinterpret_cast<VisibilityQuery*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) {
        return TRUE;
    }
    const RECT& work = info.rcWork;
    if (query->left < work.right && work.left < query->right && query->top < work.bottom &&
        work.top < query->bottom) {
        query->visible = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// A stored size from a damaged settings file must not make the window
// unusable: nothing below one unit, nothing larger than the whole desktop.
bool Window::IsUsableClientSize(std::int32_t width, std::int32_t height) const {
    const std::int32_t max_width = PixelsToUnitsX(GetSystemMetrics(SM_CXVIRTUALSCREEN), base_);
    const std::int32_t max_height = PixelsToUnitsY(GetSystemMetrics(SM_CYVIRTUALSCREEN), base_);
    return width >= 1 && height >= 1 && width <= max_width && height <= max_height;
}

bool Window::IsMaximized() const { return IsShown() ? IsZoomed(hwnd_.Get()) != FALSE : pending_maximized_; }

void Window::SetMaximized(bool maximized) {
    if (!IsShown()) {
        pending_maximized_ = maximized;
        return;
    }
    if (maximized != IsMaximized()) {
        ShowWindow(hwnd_.Get(), maximized ? SW_MAXIMIZE : SW_RESTORE);
    }
}

bool Window::IsMinimized() const { return IsShown() ? IsIconic(hwnd_.Get()) != FALSE : pending_minimized_; }

void Window::SetMinimized(bool minimized) {
    if (!IsShown()) {
        pending_minimized_ = minimized;
        return;
    }
    if (minimized != IsMinimized()) {
        ShowWindow(hwnd_.Get(), minimized ? SW_MINIMIZE : SW_RESTORE);
    }
}

std::int32_t Window::X() const { return PixelsToUnitsX(OuterRect(hwnd_.Get()).left, base_); }
std::int32_t Window::Y() const { return PixelsToUnitsY(OuterRect(hwnd_.Get()).top, base_); }

std::int32_t Window::Width() const {
    RECT client{};
    GetClientRect(hwnd_.Get(), &client);
    return PixelsToUnitsX(client.right - client.left, base_);
}

std::int32_t Window::Height() const {
    RECT client{};
    GetClientRect(hwnd_.Get(), &client);
    return PixelsToUnitsY(client.bottom - client.top, base_);
}

void Window::SetX(std::int32_t x) {
    if (x == kNotStored) {
        return;
    }
    const RECT outer = OuterRect(hwnd_.Get());
    SetWindowPos(hwnd_.Get(), nullptr, UnitsToPixelsX(x, base_), outer.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetY(std::int32_t y) {
    if (y == kNotStored) {
        return;
    }
    const RECT outer = OuterRect(hwnd_.Get());
    SetWindowPos(hwnd_.Get(), nullptr, outer.left, UnitsToPixelsY(y, base_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetWidth(std::int32_t width) {
    if (width == kNotStored || !IsUsableClientSize(width, Height())) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd_.Get(), &client);
    const SIZE outer = OuterSizeForClient(UnitsToPixelsX(width, base_), client.bottom - client.top);
    SetWindowPos(hwnd_.Get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetHeight(std::int32_t height) {
    if (height == kNotStored || !IsUsableClientSize(Width(), height)) {
        return;
    }
    RECT client{};
    GetClientRect(hwnd_.Get(), &client);
    const SIZE outer = OuterSizeForClient(client.right - client.left, UnitsToPixelsY(height, base_));
    SetWindowPos(hwnd_.Get(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Window::WouldBeVisibleAt(std::int32_t x, std::int32_t y) const {
    const RECT rect = OuterRect(hwnd_.Get());
    const std::int64_t left = x == kNotStored ? rect.left : UnitsToPixelsX(x, base_);
    const std::int64_t top = y == kNotStored ? rect.top : UnitsToPixelsY(y, base_);
    VisibilityQuery query{left, top, left + (rect.right - rect.left), top + (rect.bottom - rect.top), false};
    EnumDisplayMonitors(nullptr, nullptr, &OverlapsWorkArea, reinterpret_cast<LPARAM>(&query));
    return query.visible;
}

}  // namespace quillet
