// The resolution of the screen, and of the monitor a window is on.
#pragma once

#include <windows.h>

#include "platform/scoped_win32.h"

namespace typelens::win32 {

inline int ScreenDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

// The resolution of the monitor `window` is on (Windows 10, version 1607 and later, tells it for
// each monitor); the screen's for no window.
int DpiOf(HWND window);

}  // namespace typelens::win32
