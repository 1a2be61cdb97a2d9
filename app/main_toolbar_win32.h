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
// The size box made where the sized toolbar's placeholder has it, fitted (`font` is its font, see
// FitSizeBox) and its list filled: made in its place, it is not measured once more for a move.
HWND CreateSizeBox(HWND toolbar, int dpi, UniqueFont& font);
// The size box moved to the placeholder, when elsewhere, at the measures of `dpi`.
void PlaceSizeBox(HWND toolbar, HWND sizeBox, int dpi);
// The size box in its place given its font, margins and height for `dpi`, so that any size of
// three digits shows whole; returns the font, which must outlive its use by the box.
UniqueFont FitSizeBox(HWND sizeBox, int dpi);

// A button's tip, naming its shortcut; null for anything else.
const wchar_t* TipFor(UINT_PTR command);
// The buttons' commands from the keyboard, wherever the focus is, and F5 (Refresh).
UniqueAccelerators MakeShortcuts();

// A combo box is as high as its font makes it; its items are made as high as brings the closed
// box to `height` pixels.
void SetComboHeight(HWND combo, int height);

}  // namespace typelens::win32
