#include "platform/screen_win32.h"

namespace typelens::win32 {

int DpiOf(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

}  // namespace typelens::win32
