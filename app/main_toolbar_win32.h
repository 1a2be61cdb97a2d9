// The main window's toolbar on Windows: Install, Bold, Italic and About, and the size box on the
// placeholder between them, with their tips and keyboard shortcuts.
#pragma once

#include <windows.h>

#include "platform/scoped_win32.h"

namespace typelens::win32 {

// The toolbar and its buttons, a child of `parent`, `width` pixels wide; its other measures come
// from `SizeToolbar`.
HWND CreateToolbar(HWND parent, int width, HFONT font);
// The size box on the toolbar's placeholder, its list filled and "36" in it.
HWND CreateSizeBox(HWND toolbar, HFONT font);
// The pictures, buttons, gaps and size box at their designed sizes for `dpi`.
void SizeToolbar(HWND toolbar, HWND sizeBox, HIMAGELIST pictures, int dpi);

// A button's tip, naming its shortcut; null for anything else.
const wchar_t* TipFor(UINT_PTR command);
// The buttons' commands from the keyboard, wherever the focus is.
UniqueAccelerators MakeShortcuts();

// A combo box is as high as its font makes it; its items are made as high as brings the closed
// box to `height` pixels.
void SetComboHeight(HWND combo, int height);

}  // namespace typelens::win32
