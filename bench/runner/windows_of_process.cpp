#include "windows_of_process.h"

#include <stdexcept>
#include <string>

namespace quillet::bench {
namespace {

struct Search {
    DWORD pid;
    bool visible_only;
    std::vector<HWND> found;
};

bool IsInputMethodWindow(HWND window) {
    char name[16];
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string_view(name, static_cast<std::size_t>(length > 0 ? length : 0)) == "IME";
}

BOOL CALLBACK Collect(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search.pid && (!search.visible_only || IsWindowVisible(window)) && !IsInputMethodWindow(window)) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD pid, bool visible_only) {
    Search search{pid, visible_only, {}};
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));  // fails only for a bad callback
    return search.found;
}

struct ButtonSearch {
    std::string_view text;
    HWND first = nullptr;
    HWND named = nullptr;
};

BOOL CALLBACK CollectButton(HWND child, LPARAM context) {
    ButtonSearch& search = *reinterpret_cast<ButtonSearch*>(context);
    char name[16];
    const int name_length = GetClassNameA(child, name, sizeof name);
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name, name_length, "Button", -1) != CSTR_EQUAL) {
        return TRUE;
    }
    if (search.first == nullptr) {
        search.first = child;
    }
    char text[64];
    const int length = GetWindowTextA(child, text, sizeof text);
    if (std::string_view(text, static_cast<std::size_t>(length > 0 ? length : 0)) == search.text) {
        search.named = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindows(DWORD pid) { return WindowsOf(pid, true); }

HWND AnyCreatedWindow(DWORD pid) {
    const std::vector<HWND> found = WindowsOf(pid, false);
    return found.empty() ? nullptr : found.front();
}

HWND VisibleWindowOtherThan(DWORD pid, HWND except) {
    for (const HWND window : WindowsOf(pid, true)) {
        if (window != except) {
            return window;
        }
    }
    return nullptr;
}

HWND FindButton(HWND parent, std::string_view text) {
    ButtonSearch search{text};
    EnumChildWindows(parent, CollectButton, reinterpret_cast<LPARAM>(&search));
    return search.named != nullptr ? search.named : search.first;
}

bool Answers(HWND window, double timeout_ms) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout_ms), &result) != 0;
}

void Post(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (!PostMessageA(window, message, wparam, lparam)) {
        throw std::runtime_error("PostMessageA " + std::to_string(message) + ": error " +
                                 std::to_string(GetLastError()));
    }
}

}  // namespace quillet::bench
