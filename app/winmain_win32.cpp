// The process's entry: start-up, then the message loop until the main window is gone.
#include <windows.h>

#include "app/module1_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    typelens::win32::Main();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move between the main window's controls as in a dialog.
        HWND top = GetAncestor(message.hwnd, GA_ROOT);
        if (top && IsDialogMessageA(top, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
