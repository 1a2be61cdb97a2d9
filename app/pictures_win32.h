// The program's pictures, drawn for 96, 144 and 192 dots per inch (tools/draw-images.sh).
#pragma once

#include <windows.h>

#include "app/resources/resource.h"

namespace typelens::win32 {

// The bitmap `resource96` at the designed size in pixels, from the drawing made for the nearest
// resolution at or above the screen's (scaled where the screen is between two).
inline HBITMAP LoadPicture(int resource96, int width, int height, int dpi) {
    const int drawing = dpi > 144 ? kPicturesFor192 : dpi > 96 ? kPicturesFor144 : 0;
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(resource96 + drawing), IMAGE_BITMAP,
                                           width, height, 0));
}

inline HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TYPELENS),
                                         IMAGE_ICON, size, size, 0));
}

}  // namespace typelens::win32
