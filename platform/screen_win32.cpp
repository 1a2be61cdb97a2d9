#include "platform/screen_win32.h"

#include "platform/late_win32.h"

namespace typelens::win32 {

int DpiOf(HWND window) {
    using GetDpi = UINT WINAPI(HWND);
    static const auto forWindow = Late<GetDpi>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = forWindow && window ? forWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : ScreenDpi();
}

}  // namespace typelens::win32
