// The least a Win32 program does to answer "Check Registry": one window with
// one button (control 1); a press reads the feature value with
// RegQueryValueExA and shows it in a system message box.
// Command line: WIDTH HEIGHT (outer size in pixels).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kCheckButton = 1;
constexpr const char* kFeatureKey =
    "SOFTWARE\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_HONOR_XUNSENT_IN_FILE";

void ShowFeatureValue(HWND owner) {
    char text[64] = "No value";
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kFeatureKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD type = 0;
        DWORD data = 0;
        DWORD size = sizeof data;
        if (RegQueryValueExA(key, "msimn.exe", nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) ==
                ERROR_SUCCESS &&
            type == REG_DWORD) {
            std::snprintf(text, sizeof text, "%lu (REG_DWORD)", static_cast<unsigned long>(data));
        }
        RegCloseKey(key);
    }
    MessageBoxA(owner, text, "Check Registry", MB_OK);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wparam) == kCheckButton && HIWORD(wparam) == BN_CLICKED) {
            ShowFeatureValue(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

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
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "MinimalCheck";
    if (RegisterClassA(&window_class) == 0) {
        return 1;
    }
    const HWND window = CreateWindowExA(0, "MinimalCheck", "Minimal Check", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                                        0, width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    const HWND button =
        CreateWindowExA(0, "BUTTON", "Check Registry", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 30, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCheckButton)), instance, nullptr);
    if (button == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
