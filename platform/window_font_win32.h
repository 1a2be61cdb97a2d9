// The fonts of the program's own windows, at a resolution.
#pragma once

#include <windows.h>

#include "platform/scoped_win32.h"

namespace typelens::win32 {

// The font height in logical units for `points` at `dpi`: negative, so it names the em size.
inline LONG FontHeight(double points, int dpi) {
    return -static_cast<LONG>(points * dpi / 72.0 + 0.5);
}

// The smoothing the system gives text, named outright: what DEFAULT_QUALITY comes to, and what
// it looks like. Under Wine a window's device context takes a font that names it about fifteen
// times as fast (for DEFAULT_QUALITY it asks the X server's defaults every time), and a tree view
// takes its font once for each node it measures: 10,000 folders, 70 ms.
inline BYTE SmoothingQuality() {
    BOOL smoothing = FALSE;
    if (!SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &smoothing, 0)) return DEFAULT_QUALITY;
    if (!smoothing) return NONANTIALIASED_QUALITY;
    UINT type = 0;
    if (!SystemParametersInfoW(SPI_GETFONTSMOOTHINGTYPE, 0, &type, 0)) return DEFAULT_QUALITY;
    return type == FE_FONTSMOOTHINGCLEARTYPE ? CLEARTYPE_QUALITY : ANTIALIASED_QUALITY;
}

// A font of the program's own windows, `points` high at `dpi`; null when it cannot be made.
inline UniqueFont WindowFont(const wchar_t* face, double points, int dpi, bool bold = false,
                             bool italic = false) {
    LOGFONTW font{};
    font.lfHeight = FontHeight(points, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = SmoothingQuality();
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&font));
}

// The resolution Windows started with, the same on every monitor: a first guess, before a
// window has a monitor and a resolution of its own.

}  // namespace typelens::win32
