// The bare platform's start-up: one empty window, shown, and a message loop. With the argument
// "faces" it first reads the screen's face list once, as any font previewer must.
#include <windows.h>

#include <cstring>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    if (std::strstr(arguments, "faces")) {
        HDC screen = GetDC(nullptr);
        EnumFontFamiliesA(
            screen, nullptr, [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM) { return 1; },
            0);
        ReleaseDC(nullptr, screen);
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TypelensBenchBare";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "Bare", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 603, 493, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
