// The program's pictures on Windows, drawn for 96, 120, 144 and 192 dots per inch
// (tools/draw-images.sh) and brought to any other size.
#pragma once

#include <windows.h>

#include "app/resources/resource.h"

namespace typelens::win32 {

// The picture `resource96` at `width` x `height` pixels, from the drawing made for the nearest
// resolution at or above `dpi`, its magenta transparent: a 32-bit bitmap with premultiplied
// alpha, for image lists of ILC_COLOR32.
HBITMAP LoadKeyedPicture(int resource96, int width, int height, int dpi);

// The same for a picture without transparent parts, scaled by the system.
HBITMAP LoadPicture(int resource96, int width, int height, int dpi);

// The program icon, `size` pixels square.
HICON LoadProgramIcon(int size);

}  // namespace typelens::win32
