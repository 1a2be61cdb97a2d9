// The main window on Windows: it makes the controls, turns their messages into the events of
// `Glyphora`, and keeps the layout on every size change.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "app/dialogs_win32.h"
#include "app/drive_box_win32.h"
#include "app/design.h"
#include "app/glyphora.h"
#include "app/layout.h"
#include "platform/controls_win32.h"
#include "platform/environment_win32.h"
#include "platform/filesystem_win32.h"
#include "platform/fonts_win32.h"
#include "platform/registry_win32.h"
#include "platform/scoped_win32.h"
#include "platform/shell_win32.h"

namespace typelens::win32 {

// The styles of the folder tree and the file list, shared with the benchmark.
inline constexpr DWORD kDir1Style =
    WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
// The file list becomes a report of two columns when it first has rows (ListViewFileList).
inline constexpr DWORD kFile1Style = WS_TABSTOP | LVS_LIST | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                                     LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDATA;

class GlyphoraWindow {
  public:
    GlyphoraWindow();
    GlyphoraWindow(const GlyphoraWindow&) = delete;
    GlyphoraWindow& operator=(const GlyphoraWindow&) = delete;
    ~GlyphoraWindow();

    // Shows the window, creating and loading it first when it is not loaded: on the place of
    // `handed`, a full path the program was handed, if any.
    void show(const std::string& handed = {});
    HWND hwnd() const { return window_; }
    // Turns a key that is one of the toolbar's shortcuts into its command; false for any other.
    bool translateShortcut(MSG& message);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM w, LPARAM l);
    LRESULT onControlMessage(HWND control, UINT message, WPARAM w, LPARAM l);
    void subclass(HWND control, WNDPROC& original);
    LRESULT handle(UINT message, WPARAM w, LPARAM l);

    bool load(const std::string& handed);
    RECT frameOn(HMONITOR monitor) const;
    void createControls();
    void applyDpi();
    void loadIcons();
    void makeInstalledNote();
    void placeInstalledNote();
    void showSampleInRows();
    HWND add(DWORD exStyle, const wchar_t* kind, DWORD style, int id, const TwipRect& at);
    int px(int twips) const { return TwipsToPixels(twips, dpi_); }

    void onGetMinMaxInfo(MINMAXINFO& limits) const;
    void onSize(WPARAM kind);
    void onDpiChanged(int dpi, const RECT& suggested);
    LRESULT onNotify(NMHDR& header);
    void onCommand(int id, int code, HWND from);
    void onToolbarButton(int command);
    void onShortcut(int command);
    void onActivate(bool active);
    void onDropFiles(HDROP drop);

    MainLayout readLayout() const;
    void applyLayout(const MainLayout& before, const MainLayout& after);
    TwipRect twipsOf(HWND control) const;

    HWND window_ = nullptr;
    int dpi_ = 96;
    HWND Toolbar1_ = nullptr;
    HWND cmbSize_ = nullptr;
    HWND Drive1_ = nullptr;
    HWND Dir1_ = nullptr;
    HWND File1_ = nullptr;
    HWND txFontName_ = nullptr;
    HWND txPreview_ = nullptr;
    HWND lblInstalled_ = nullptr;
    HWND lastFocus_ = nullptr;
    WNDPROC toolbarProc_ = nullptr, previewProc_ = nullptr, dir1Proc_ = nullptr,
            file1Proc_ = nullptr;

    UniqueAccelerators shortcuts_;
    UniqueImageList ImageList1_;
    UniqueImageList ImageList2_;
    UniqueFont windowFont_, driveFont_, sizeFont_;
    UniqueIcon smallIcon_, bigIcon_;  // the class's, at the resolution `iconDpi_`
    int iconDpi_ = 0;
    DriveBox drives_;

    Win32FileSystem files_;
    Win32Environment environment_;
    Win32Fonts fonts_;
    Win32Registry registry_;
    Win32Shell shell_;
    WindowDialogs dialogs_{shell_};
    TreeViewFolderTree tree_;
    ListViewFileList list_;
    WindowText fontName_;
    ToolTipText fontDetails_;
    WindowText sizeText_;
    WindowText installedNote_;
    EditPreviewFont previewFont_;
    ToolbarButton installButton_;
    Glyphora glyphora_;
};

}  // namespace typelens::win32
