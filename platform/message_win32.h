// Checked conversions of message parameters, so handlers never cast raw values themselves.
#pragma once

#include <windows.h>

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

}  // namespace typelens::win32
