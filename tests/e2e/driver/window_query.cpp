#include "driver/window_query.h"

#include "driver/deadline.h"
#include "driver/win32_error.h"

namespace quillet::e2e {
namespace {

GUITHREADINFO ThreadInfo(HWND window) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread == 0) {
        ThrowLastError("GetWindowThreadProcessId");
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) {
        ThrowLastError("GetGUIThreadInfo");
    }
    return info;
}

LRESULT SendWithTimeout(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(kActionTimeout.count()), &result)) {
        ThrowLastError("SendMessageTimeoutA " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

// from or to nullptr: screen coordinates. A rectangle at the origin maps to
// a zero offset, so 0 is a failure only with an error set.
void MapRect(HWND from, HWND to, RECT& rect) {
    SetLastError(ERROR_SUCCESS);
    if (MapWindowPoints(from, to, reinterpret_cast<POINT*>(&rect), 2) == 0 && GetLastError() != ERROR_SUCCESS) {
        ThrowLastError("MapWindowPoints");
    }
}

}  // namespace

std::string WindowText(HWND window) {
    const LRESULT length = SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::string ClassName(HWND window) {
    char name[256];
    const int length = GetClassNameA(window, name, sizeof name);
    if (length == 0) {
        ThrowLastError("GetClassNameA");
    }
    return std::string(name, static_cast<std::size_t>(length));
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

int ControlId(HWND window) { return GetDlgCtrlID(window); }

bool IsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

bool IsVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

RECT WindowRectOnScreen(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        ThrowLastError("GetWindowRect");
    }
    return rect;
}

RECT ClientRect(HWND window) {
    RECT rect{};
    if (!GetClientRect(window, &rect)) {
        ThrowLastError("GetClientRect");
    }
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect = ClientRect(window);
    MapRect(window, nullptr, rect);
    return rect;
}

RECT RectInParentClient(HWND child) {
    RECT rect = WindowRectOnScreen(child);
    const HWND parent = GetParent(child);
    if (parent == nullptr) {
        ThrowLastError("GetParent");
    }
    MapRect(nullptr, parent, rect);
    return rect;
}

HWND ChildById(HWND parent, int id) { return GetDlgItem(parent, id); }

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

HWND FocusedWindow(HWND window) { return ThreadInfo(window).hwndFocus; }

HWND ActiveWindow(HWND window) { return ThreadInfo(window).hwndActive; }

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "-" + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

}  // namespace quillet::e2e
