// The floor of the start-up: what any font previewer must do before its window shows, and
// nothing more. Common controls 6 by manifest, the face list read once, and the main window's
// controls empty: a toolbar, two combo boxes, a tree view, a list view, a text box and the
// multi-line box, in the designed places and fonts; shown, drawn, then the message loop.
// With "/read" it also reads every entry of C:\ once, which the tree and the list need, and shows
// none of it; its list is the two-column report that shows a folder's fonts in rows.
#include <windows.h>
#include <commctrl.h>

#include "app/design.h"
#include "app/phases.h"
#include "bench/floor_work.h"
#include "platform/window_font_win32.h"

using typelens::StartupPhase;

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
    StartupPhase("process entry");
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_BAR_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&classes);
    StartupPhase("common controls");
    int faces = typelens::bench::ReadFaceList();
    StartupPhase("snapshot");
    const bool read = lstrcmpA(arguments, "/read") == 0;
    if (read) faces += typelens::bench::FloorListing(L"C:\\*");
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TypelensBenchFloor";
    RegisterClassW(&windowClass);
    const auto px = [dpi](int twips) { return typelens::TwipsToPixels(twips, dpi); };
    RECT frame{0, 0, px(8925), px(6990)};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Floor",
                                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    // The designed fonts, each face's file read the first time a control measures its text;
    // the preview's in the quality any font previewer gives it.
    using typelens::win32::WindowFont;
    const HFONT tahoma = WindowFont(L"Tahoma", 8.25, dpi).release();
    LOGFONTW sample{};
    sample.lfHeight = -MulDiv(36, dpi, 72);
    sample.lfCharSet = RUSSIAN_CHARSET;
    lstrcpyW(sample.lfFaceName, L"Arial");
    const auto child = [&](const wchar_t* kind, DWORD style, int x, int y, int w, int h,
                           HFONT with) {
        HWND control =
            CreateWindowExW(WS_EX_CLIENTEDGE, kind, L"", WS_CHILD | WS_VISIBLE | style, px(x),
                            px(y), px(w), px(h), window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(with), FALSE);
        return control;
    };
    child(TOOLBARCLASSNAMEW, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN, 0, 0, 8925, 540,
          tahoma);
    child(L"COMBOBOX", CBS_DROPDOWN, 1740, 60, 675, 3960,
          WindowFont(L"Tahoma", 9.75, dpi, true).release());
    child(L"COMBOBOX", CBS_DROPDOWNLIST, 60, 600, 4372, 3915,
          WindowFont(L"MS Sans Serif", 8.25, dpi).release());
    child(WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS, 60, 960, 4372, 2790, tahoma);
    // A list that has font files to show shows them in rows of two columns, the name and the face.
    HWND list = child(WC_LISTVIEWW, read ? LVS_REPORT | LVS_NOCOLUMNHEADER : LVS_LIST, 4492, 600,
                      4372, 2820, tahoma);
    if (read) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH;
        ListView_InsertColumn(list, 0, &column);
        ListView_InsertColumn(list, 1, &column);
    }
    child(L"EDIT", ES_AUTOHSCROLL, 4492, 3480, 4372, 285, tahoma);
    child(L"EDIT", ES_MULTILINE | WS_VSCROLL, 60, 3825, 8774, 3105, CreateFontIndirectW(&sample));
    StartupPhase("window and controls");
    ShowWindow(window, SW_SHOWNORMAL);
    StartupPhase("window shown");
    UpdateWindow(window);
    StartupPhase("first paint");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return faces > 0 ? 0 : 1;
}
