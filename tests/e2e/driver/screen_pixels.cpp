#include "driver/screen_pixels.h"

#include <stdexcept>

#include "driver/win32_error.h"
#include "winapi/scoped_win32.h"

namespace quillet::e2e {
namespace {

struct MemoryDcTraits {
    static void Close(HDC dc) { DeleteDC(dc); }
};
struct BitmapTraits {
    static void Close(HBITMAP bitmap) { DeleteObject(bitmap); }
};
using ScopedMemoryDc = quillet::Scoped<HDC, MemoryDcTraits>;
using ScopedBitmap = quillet::Scoped<HBITMAP, BitmapTraits>;

}  // namespace

ScreenPixels::ScreenPixels(const RECT& area) : area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        throw std::runtime_error("an empty screen area");
    }
    const quillet::ScopedWindowDc screen(nullptr);
    if (screen.Get() == nullptr) {
        ThrowLastError("GetDC of the screen");
    }
    const ScopedMemoryDc memory(CreateCompatibleDC(screen.Get()));
    if (!memory) {
        ThrowLastError("CreateCompatibleDC");
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const ScopedBitmap bitmap(CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        ThrowLastError("CreateDIBSection");
    }
    {
        const quillet::SelectedObject selected(memory.Get(), bitmap.Get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY)) {
            ThrowLastError("BitBlt from the screen");
        }
    }
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    pixels_.assign(first, first + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

COLORREF ScreenPixels::At(POINT screen) const {
    if (screen.x < area_.left || screen.x >= area_.right || screen.y < area_.top || screen.y >= area_.bottom) {
        throw std::out_of_range("a point outside the copied screen area");
    }
    const auto width = static_cast<std::size_t>(area_.right - area_.left);
    const auto index =
        static_cast<std::size_t>(screen.y - area_.top) * width + static_cast<std::size_t>(screen.x - area_.left);
    const DWORD pixel = pixels_[index];
    return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8), static_cast<BYTE>(pixel));
}

}  // namespace quillet::e2e
