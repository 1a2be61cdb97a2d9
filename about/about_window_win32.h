// The About window on Windows: modal over its owner, created afresh at every opening.
#pragma once

#include <windows.h>

#include "platform/shell.h"

namespace typelens::win32 {

// Returns once the window has been closed.
void ShowAboutWindow(HWND owner, Shell& shell);

}  // namespace typelens::win32
