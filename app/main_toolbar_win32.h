// The main window's toolbar on Windows: Install, Bold, Italic and About, and the size box on the
// placeholder between them, with their tips and keyboard shortcuts.
#pragma once

#include <windows.h>

#include "platform/scoped_win32.h"

namespace typelens::win32 {

// The toolbar and its buttons, a child of `parent`, `width` pixels wide; its other measures come
// from `SizeToolbar`.
HWND CreateToolbar(HWND parent, int width, HFONT font);
// The pictures, buttons and gaps at their designed sizes for `dpi`.
void SizeToolbar(HWND toolbar, HIMAGELIST pictures, int dpi);
// The size box made where the sized toolbar's placeholder has it, in its font, its list filled
// and "36" in it: made in its place, it is not measured once more for a move.
HWND CreateSizeBox(HWND toolbar, HFONT font, int dpi);
// The size box moved to the placeholder, when elsewhere, at the measures of `dpi`.
void PlaceSizeBox(HWND toolbar, HWND sizeBox, int dpi);

// A button's tip, naming its shortcut; null for anything else.
const wchar_t* TipFor(UINT_PTR command);
// The buttons' commands from the keyboard, wherever the focus is, and F5 (Refresh).
UniqueAccelerators MakeShortcuts();

// A combo box is as high as its font makes it; its items are made as high as brings the closed
// box to `height` pixels.
void SetComboHeight(HWND combo, int height);

}  // namespace typelens::win32
