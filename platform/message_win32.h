// The conversions of message parameters, each named for what the parameter holds, so that a
// handler says what it takes a parameter for and spells no cast itself. They check nothing: a
// message's parameters are what its documentation says they are.
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
