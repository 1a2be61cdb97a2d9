// The process's entry: start-up, then the message loop until the main window is gone.
#include <windows.h>

#include <cstdlib>

#include "app/glyphora_window_win32.h"
#include "app/module1_win32.h"
#include "app/phases.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    typelens::StartupPhase("process entry");
    // Whatever libraries are loaded on the program's behalf come from the system's folder, never
    // from the folder it was started from (see SystemLibrary).
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    typelens::win32::Main();
    // Without its window the program could never be closed: it ends at once, and says it failed.
    if (!typelens::win32::DefaultGlyphora().hwnd()) return EXIT_FAILURE;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (typelens::win32::DefaultGlyphora().translateShortcut(message)) continue;
        // Tab and the arrow keys move between the main window's controls as in a dialog.
        HWND top = GetAncestor(message.hwnd, GA_ROOT);
        if (top && IsDialogMessageW(top, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
