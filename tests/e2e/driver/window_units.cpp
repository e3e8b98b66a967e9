#include "driver/window_units.h"

#include <cstring>
#include <stdexcept>

#include "winapi/scoped_win32.h"

namespace quillet::e2e {

WindowUnits MeasureMainWindowUnits() {
    const ScopedWindowDc screen(nullptr);
    if (screen.Get() == nullptr) {
        throw std::runtime_error("GetDC(nullptr) failed");
    }
    LOGFONTA log{};
    log.lfHeight = -MulDiv(10, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    log.lfWeight = FW_NORMAL;
    log.lfCharSet = 204;
    log.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strcpy(log.lfFaceName, "Lucida Console");
    const ScopedFont font(CreateFontIndirectA(&log));
    if (!font) {
        throw std::runtime_error("CreateFontIndirectA failed");
    }
    const SelectedObject selected(screen.Get(), font.Get());
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE line{};
    TEXTMETRICA metrics{};
    if (!GetTextExtentPoint32A(screen.Get(), kLetters, 52, &line) || !GetTextMetricsA(screen.Get(), &metrics)) {
        throw std::runtime_error("cannot measure the main window's font");
    }
    return WindowUnits{(line.cx / 26 + 1) / 2, metrics.tmHeight};
}

}  // namespace quillet::e2e
