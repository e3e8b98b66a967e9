// A small helper for the run and screenshot scripts, run under Wine beside
// quillet.exe on the same desktop:
//   window_tool wait  TITLE        wait until a visible window TITLE exists
//   window_tool press TITLE ID     press button ID of that window (posted, so a modal box may follow)
//   window_tool box   TITLE        wait until that window's process shows a second visible window
//   window_tool ok    TITLE        press the OK button of that process's message box
//   window_tool close TITLE        close the window the orderly way (WM_CLOSE) and wait for its process
// Exit code 0 on success, 1 on a time-out, 2 on bad arguments.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kTimeoutMs = 15000;

struct Search {
    DWORD pid;
    HWND exclude;
    HWND found;
};

BOOL CALLBACK FindOther(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == search->pid && hwnd != search->exclude && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

template <typename Probe>
bool WaitFor(Probe probe) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kTimeoutMs) {
        if (probe()) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

HWND WaitForTitle(const char* title) {
    HWND hwnd = nullptr;
    WaitFor([&] {
        hwnd = FindWindowA(nullptr, title);
        return hwnd != nullptr && IsWindowVisible(hwnd);
    });
    return hwnd;
}

HWND WaitForBox(HWND main) {
    Search search{0, main, nullptr};
    GetWindowThreadProcessId(main, &search.pid);
    WaitFor([&] {
        search.found = nullptr;
        EnumWindows(FindOther, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    return search.found;
}

int Close(HWND main) {
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (process == nullptr) {
        return WaitFor([&] { return !IsWindow(main); }) ? 0 : 1;
    }
    const DWORD waited = WaitForSingleObject(process, kTimeoutMs);
    CloseHandle(process);
    return waited == WAIT_OBJECT_0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: window_tool wait|press|box|ok|close TITLE [ID]\n", stderr);
        return 2;
    }
    const std::string verb = argv[1];
    HWND main_window = WaitForTitle(argv[2]);
    if (main_window == nullptr) {
        std::fprintf(stderr, "window_tool: no window \"%s\"\n", argv[2]);
        return 1;
    }
    if (verb == "wait") {
        return 0;
    }
    if (verb == "press" && argc == 4) {
        HWND button = GetDlgItem(main_window, std::atoi(argv[3]));
        return button != nullptr && PostMessageA(button, BM_CLICK, 0, 0) ? 0 : 1;
    }
    if (verb == "box") {
        return WaitForBox(main_window) != nullptr ? 0 : 1;
    }
    if (verb == "ok") {
        HWND box = WaitForBox(main_window);
        HWND ok = box != nullptr ? FindWindowExA(box, nullptr, "Button", nullptr) : nullptr;
        return ok != nullptr && PostMessageA(ok, BM_CLICK, 0, 0) ? 0 : 1;
    }
    if (verb == "close") {
        return Close(main_window);
    }
    return 2;
}
