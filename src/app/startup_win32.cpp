// Skeleton start-up: one window titled "Quillet Switch" until it is closed.
#include <windows.h>

#include "app/startup.h"

namespace quillet {
namespace {

LRESULT CALLBACK SkeletonProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace

int RunQuillet() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = SkeletonProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuilletMain";
    wc.hbrBackground = CreateSolidBrush(RGB(0, 0, 255));
    RegisterClassA(&wc);
    HWND hwnd = CreateWindowExA(0, "QuilletMain", "Quillet Switch", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0,
                                160, 160, nullptr, nullptr, wc.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

}  // namespace quillet
