// Start-up: the common controls, and the one main window.
#pragma once

namespace typelens::win32 {

class GlyphoraWindow;

// True when the common-control classes were registered.
bool InitComctl();

// The program-wide main window, made the first time anything asks for it.
GlyphoraWindow& DefaultGlyphora();

// Registers the common controls and shows the main window, on the place of a path handed on the
// command line; the window's events drive the program from then on.
void Main();

}  // namespace typelens::win32
