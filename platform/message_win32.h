// Checked conversions of message parameters, so handlers never cast raw values themselves.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/scoped_win32.h"

namespace typelens::win32 {

template <typename T>
T* AsPointer(LPARAM value) {
    return reinterpret_cast<T*>(value);
}

inline HWND AsWindow(LPARAM value) {
    return reinterpret_cast<HWND>(value);
}
inline HWND AsWindow(WPARAM value) {
    return reinterpret_cast<HWND>(value);
}

template <typename T>
LPARAM AsParam(T* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

inline HMENU AsMenuId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// The font height in logical units for `points` at `dpi`: negative, so it names the em size.
inline LONG FontHeight(double points, int dpi) {
    return -static_cast<LONG>(points * dpi / 72.0 + 0.5);
}

inline int ScreenDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

}  // namespace typelens::win32
