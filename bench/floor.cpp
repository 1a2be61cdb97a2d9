// The floor of the start-up: what any font previewer must do before its window shows, and
// nothing more. Common controls 6 by manifest, the face list read once, and the main window's
// controls empty: a toolbar, two combo boxes, a tree view, a list view, a text box and the
// multi-line box with its 36-point font, in the designed places; shown, drawn, then the message
// loop.
#include <windows.h>
#include <commctrl.h>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    int faces = 0;
    EnumFontFamiliesExW(
        screen, &all,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) -> int {
            ++*reinterpret_cast<int*>(count);
            return 1;
        },
        reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TypelensBenchFloor";
    RegisterClassW(&windowClass);
    const auto px = [dpi](int twips) { return MulDiv(twips, dpi, 1440); };
    RECT frame{0, 0, px(8925), px(6990)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Floor",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    const auto child = [&](const wchar_t* kind, DWORD style, int x, int y, int w, int h) {
        return CreateWindowExW(WS_EX_CLIENTEDGE, kind, L"", WS_CHILD | WS_VISIBLE | style, px(x),
                               px(y), px(w), px(h), window, nullptr, instance, nullptr);
    };
    child(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0, 8925, 540);
    child(L"COMBOBOX", CBS_DROPDOWN, 1740, 60, 675, 3960);
    child(L"COMBOBOX", CBS_DROPDOWNLIST, 60, 600, 4372, 3915);
    child(WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS, 60, 960, 4372, 2790);
    child(WC_LISTVIEWW, LVS_LIST, 4492, 600, 4372, 2820);
    child(L"EDIT", ES_AUTOHSCROLL, 4492, 3480, 4372, 285);
    HWND preview = child(L"EDIT", ES_MULTILINE | WS_VSCROLL, 60, 3825, 8774, 3105);
    LOGFONTW arial{};
    arial.lfHeight = -MulDiv(36, dpi, 72);
    arial.lfCharSet = 204;
    lstrcpyW(arial.lfFaceName, L"Arial");
    SendMessageW(preview, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectW(&arial)), FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return faces > 0 ? 0 : 1;
}
