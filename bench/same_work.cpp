// Quillet's start-up work written as one plain Win32 program, with no layer
// in between: what quillet.exe's own structure costs is the difference.
//
// On a first run (no Quillet.INI), in Quillet's order except that the icons
// load before the window (they go into its class): the bookkeeping count is
// asked of the settings file; full-window dragging is switched off if it is
// exactly 1; the window font is created and its dialog units measured; the
// application icon is loaded at both sizes; the 68 x 71-unit window is
// created at (0,0) with Quillet's styles and its four owner-drawn buttons;
// "Maximize" is asked of the settings file; the window is shown in the
// foreground with the focus on the first button. WM_CLOSE stores the
// window's place and size as Quillet does, and the end switches dragging
// back on and writes the bookkeeping count: the file ends up byte for byte
// as Quillet leaves it.
//
// Left out on purpose, being Quillet's own structure rather than its work:
// the framework services, the failed load of the definition's icon file,
// the icon copies, WM_SETFONT to the buttons, the hover subclass of the flat
// buttons (it shows nothing until the pointer moves), the extra raise to the
// top (showing a new window does it) and the Enter key.
#include <windows.h>

#include <charconv>
#include <cstring>
#include <memory>

#include "resource.h"

namespace {

constexpr const char* kSettingsFile = "Quillet.INI";
constexpr DWORD kReadBufferBytes = 1024;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | WS_SYSMENU;
constexpr COLORREF kText = RGB(0, 255, 255);
constexpr COLORREF kBackground = RGB(0, 0, 255);
constexpr char kFace[] = "Lucida Console";
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Quillet's buttons: number, text, x, y, width, height in dialog units.
struct Button {
    int number;
    const char* text;
    int x, y, width, height;
};
constexpr Button kButtons[] = {
    {1, "Check Registry", 14, 1, 45, 24},
    {2, "Turn ON", 2, 23, 27, 24},
    {3, "Turn OFF", 39, 23, 27, 24},
    {4, "Test EML", 21, 45, 31, 24},
};

// What the window procedure needs, owned by WinMain.
struct Look {
    HFONT font;
    HBRUSH background;
    int unit_width;   // average character width, pixels
    int unit_height;  // character height, pixels
};

std::unique_ptr<HICON__, decltype(&DestroyIcon)> LoadAppIcon(HINSTANCE instance, int metric) {
    const int size = GetSystemMetrics(metric);
    return {static_cast<HICON>(LoadImageA(instance, QUILLET_ICON_RESOURCE, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)),
            &DestroyIcon};
}

void WriteNumber(const char* key, int value) {
    char text[16] = {};
    std::to_chars(text, text + sizeof text - 1, value);
    WritePrivateProfileStringA("Main", key, text, kSettingsFile);
}

// Flat and owner-drawn, as Quillet paints them: the face, a sunken edge
// while pressed, the caption centred both ways and broken at word
// boundaries, and the focus rectangle.
void DrawButton(const DRAWITEMSTRUCT& item, const Look& look) {
    HDC dc = item.hDC;
    RECT face = item.rcItem;
    FillRect(dc, &face, look.background);
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (pressed) {
        DrawEdge(dc, &face, EDGE_SUNKEN, BF_RECT);
    }
    char caption[256] = {};
    GetWindowTextA(item.hwndItem, caption, static_cast<int>(sizeof caption));
    RECT area = face;
    InflateRect(&area, -2, -2);
    if (pressed) {
        OffsetRect(&area, 1, 1);
    }
    const HGDIOBJ old_font = SelectObject(dc, look.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured = area;
    const int height = DrawTextA(dc, caption, -1, &measured, kFormat | DT_CALCRECT);
    area.top += ((area.bottom - area.top) - height) / 2;
    DrawTextA(dc, caption, -1, &area, kFormat);
    SelectObject(dc, old_font);
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = face;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const auto* look = reinterpret_cast<const Look*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_DRAWITEM:
            if (look != nullptr) {
                DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam), *look);
                return TRUE;
            }
            break;
        case WM_ERASEBKGND:
            if (look != nullptr) {
                RECT client{};
                GetClientRect(window, &client);
                FillRect(reinterpret_cast<HDC>(wparam), &client, look->background);
                return 1;
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED && lparam != 0) {
                SetFocus(window);  // no button keeps the focus after a press
                return 0;
            }
            break;
        case WM_CLOSE:
            // Quillet's close step: the window's state, place and client size
            // in units of its font (it can be neither maximized nor minimized).
            if (look != nullptr) {
                RECT outer{};
                RECT client{};
                GetWindowRect(window, &outer);
                GetClientRect(window, &client);
                WritePrivateProfileStringA("Main", "Maximize", "No", kSettingsFile);
                WritePrivateProfileStringA("Main", "Minimize", "No", kSettingsFile);
                WriteNumber("XPos", MulDiv(outer.left, 4, look->unit_width));
                WriteNumber("YPos", MulDiv(outer.top, 8, look->unit_height));
                WriteNumber("Width", MulDiv(client.right, 4, look->unit_width));
                WriteNumber("Height", MulDiv(client.bottom, 8, look->unit_height));
            }
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char buffer[kReadBufferBytes];
    GetPrivateProfileStringA("__Dont_Touch_Me__", "Sectors", "", buffer, kReadBufferBytes, kSettingsFile);

    INT drag = 0;
    INT scratch = 0;
    SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &drag, 0);
    if (drag == 1) {
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, 0, &scratch, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    }

    // 10 pt at the screen's resolution; where the face is missing the
    // stand-in keeps a fixed pitch. Units come from the font really given.
    const auto release_screen = [](HDC dc) { ReleaseDC(nullptr, dc); };
    std::unique_ptr<HDC__, decltype(release_screen)> screen(GetDC(nullptr), release_screen);
    LOGFONTA log{};
    log.lfHeight = -MulDiv(10, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    log.lfWeight = FW_NORMAL;
    log.lfCharSet = 204;
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    static_assert(sizeof kFace <= sizeof log.lfFaceName);
    std::memcpy(log.lfFaceName, kFace, sizeof kFace);
    const std::unique_ptr<HFONT__, decltype(&DeleteObject)> font(CreateFontIndirectA(&log), &DeleteObject);
    const HGDIOBJ old_font = SelectObject(screen.get(), font.get());
    SIZE line{};
    GetTextExtentPoint32A(screen.get(), kAlphabet, static_cast<int>(std::strlen(kAlphabet)), &line);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.get(), &metrics);
    SelectObject(screen.get(), old_font);
    screen.reset();
    const std::unique_ptr<HBRUSH__, decltype(&DeleteObject)> background(CreateSolidBrush(kBackground), &DeleteObject);
    const Look look{font.get(), background.get(), (line.cx / 26 + 1) / 2, metrics.tmHeight};
    const auto x_pixels = [&look](int units) { return MulDiv(units, look.unit_width, 4); };
    const auto y_pixels = [&look](int units) { return MulDiv(units, look.unit_height, 8); };

    const auto large_icon = LoadAppIcon(instance, SM_CXICON);
    const auto small_icon = LoadAppIcon(instance, SM_CXSMICON);
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = WindowProc;
    window_class.hInstance = instance;
    window_class.hIcon = large_icon.get();
    window_class.hIconSm = small_icon.get();
    window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    window_class.lpszClassName = "SameWork";
    if (RegisterClassExA(&window_class) == 0) {
        return 1;
    }
    RECT outer{0, 0, x_pixels(68), y_pixels(71)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    const HWND window = CreateWindowExA(0, "SameWork", "Same Work", kStyle, 0, 0, outer.right - outer.left,
                                        outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&look));
    for (const Button& button : kButtons) {
        const int left = x_pixels(button.x);
        const int top = y_pixels(button.y);
        CreateWindowExA(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_OWNERDRAW, left, top,
                        x_pixels(button.x + button.width) - left, y_pixels(button.y + button.height) - top, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.number)), instance, nullptr);
    }
    // A first run finds no "Maximize": the window stays as created.
    GetPrivateProfileStringA("Main", "Maximize", "", buffer, kReadBufferBytes, kSettingsFile);

    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    SetFocus(GetDlgItem(window, 1));

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    if (drag == 1) {
        SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, 1, &scratch, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    }
    WritePrivateProfileStringA("__Dont_Touch_Me__", "Sectors", "0", kSettingsFile);
    return 0;
}
