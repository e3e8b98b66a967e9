#include "window/window_font_win32.h"

#include <cstring>

namespace quillet {

ScopedFont CreateDefinedFont(const FontDefinition& font) {
    const ScopedWindowDc screen(nullptr);
    LOGFONTA log{};
    log.lfHeight = -MulDiv(font.points, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    log.lfWeight = font.weight;
    log.lfItalic = font.italic ? TRUE : FALSE;
    log.lfUnderline = font.underline ? TRUE : FALSE;
    log.lfStrikeOut = font.strike_out ? TRUE : FALSE;
    log.lfCharSet = font.charset;
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = static_cast<BYTE>(font.fixed_pitch ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH | FF_DONTCARE);
    strncpy_s(log.lfFaceName, sizeof log.lfFaceName, font.face, _TRUNCATE);
    return ScopedFont{CreateFontIndirectA(&log)};
}

DialogBase MeasureDialogBase(HFONT font) {
    const ScopedWindowDc screen(nullptr);
    const SelectedObject selected(screen.Get(), font);
    SIZE line{};
    GetTextExtentPoint32A(screen.Get(), kAlphabetLine, static_cast<int>(std::strlen(kAlphabetLine)), &line);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.Get(), &metrics);
    return DialogBase{AverageCharWidth(line.cx), metrics.tmHeight};
}

}  // namespace quillet
