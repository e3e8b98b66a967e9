// The least a Win32 program does to show a window: register a class, create
// one window, show it and wait for input. Command line: WIDTH HEIGHT (outer
// size in pixels; the runner passes the size of Quillet's main window).
// Built a second time with QUILLET_DLLS: then it also loads what Quillet
// loads before its window shows (common controls 6 through the manifest,
// the shell), so that the cost of those libraries alone can be seen.
#include <windows.h>

#include <cstdlib>

#ifdef QUILLET_DLLS
#include <commctrl.h>
#include <shellapi.h>
#endif

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

#ifdef QUILLET_DLLS
LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    return DefSubclassProc(window, message, wparam, lparam);
}
#endif

int SizeArgument(const char*& text, int fallback) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || value <= 0 || value > 10000) {
        return fallback;
    }
    text = end;
    return static_cast<int>(value);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int show) {
    const char* cursor = command_line;
    const int width = SizeArgument(cursor, 300);
    const int height = SizeArgument(cursor, 300);

    WNDCLASSA window_class{};
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = "MinimalWindow";
    if (RegisterClassA(&window_class) == 0) {
        return 1;
    }
    const HWND window = CreateWindowExA(0, "MinimalWindow", "Minimal Window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                        0, 0, width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
#ifdef QUILLET_DLLS
    // Subclassed the way Quillet subclasses its buttons; the shell is
    // imported (and so loaded at start) but only called for "--open".
    if (!SetWindowSubclass(window, PassOn, 1, 0)) {
        return 1;
    }
    if (cursor[0] == ' ' && cursor[1] == '-') {
        ShellExecuteA(window, nullptr, "test.eml", nullptr, "", SW_SHOWNORMAL);
    }
#endif
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
