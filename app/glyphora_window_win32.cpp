#include "app/glyphora_window_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "app/handed_path_win32.h"
#include "app/main_toolbar_win32.h"
#include "app/phases.h"
#include "app/pictures_win32.h"
#include "browse/font_rows.h"
#include "platform/ansi_win32.h"
#include "platform/message_win32.h"
#include "platform/screen_win32.h"
#include "platform/window_font_win32.h"
#include "preview/number_text.h"

namespace typelens::win32 {
namespace {

constexpr wchar_t kSampleText[] = L"The Quick \r\nBrown Fox \r\nJumps over the \r\nlazy dog\r\n";
constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Files dropped onto the window come as WM_DROPFILES (what DragAcceptFiles sets, without loading
// the shell before anything is dropped).
constexpr DWORD kMainExStyle = WS_EX_ACCEPTFILES;
// The timer that brings the sample to the font list's rows once the user stops typing.
constexpr UINT_PTR kSampleSettled = 1;
constexpr UINT kSampleSettleMs = 200;

// The controls' places as the layout makes them for the designed client area.
MainLayout Designed() {
    MainLayout at{design::Toolbar1, design::Drive1,     design::Dir1,
                  design::File1,    design::txFontName, design::txPreview};
    LayoutMainWindow(WindowState::Normal, design::ClientWidth, design::ClientHeight, at);
    at.Drive1.height += design::ComboDropHeight;
    return at;
}

}  // namespace

GlyphoraWindow::GlyphoraWindow()
    : glyphora_({files_, environment_, fonts_, registry_, dialogs_},
                {drives_, tree_, list_, fontName_, fontDetails_, sizeText_, previewFont_,
                 installButton_, installedNote_}) {}

GlyphoraWindow::~GlyphoraWindow() {
    if (window_) DestroyWindow(window_);
}

void GlyphoraWindow::show(const std::string& handed) {
    if (!window_ && !load(handed)) return;
    ShowWindow(window_, SW_SHOWNORMAL);
    StartupPhase("window shown");
    UpdateWindow(window_);
    StartupPhase("first paint");
    makeInstalledNote();
    drives_.read(window_);
    if (!GetFocus() || !IsChild(window_, GetFocus())) SetFocus(Drive1_);
}

bool GlyphoraWindow::load(const std::string& handed) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Until the window is made it has no monitor, and the resolution Windows started with is the
    // guess; made, it has its own (WM_CREATE).
    const int guess = dpi_ = ScreenDpi();
    // The class brings the window's icons for this resolution, which the window then sets up
    // once, as it is made; a window told of each icon sets all of them up again for each.
    loadIcons();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = bigIcon_.get();
    windowClass.hIconSm = smallIcon_.get();
    windowClass.lpszClassName = kMainWindowClass;
    if (!RegisterClassExW(&windowClass)) {
        if (GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
        iconDpi_ = 0;  // an earlier window's class: its icons are given anew
    }

    // The tree, list and toolbar classes this window is made of; registering twice is harmless.
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    const RECT frame = frameOn(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    if (!CreateWindowExW(kMainExStyle, kMainWindowClass, kMainCaption, kMainStyle, frame.left,
                         frame.top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                         nullptr, instance, this)) {
        return false;
    }
    // Windows sends no WM_DPICHANGED as a window is made. On a monitor whose scale is not the one
    // Windows started with (a laptop docked, a scale changed since signing in), the controls are
    // made at the monitor's resolution already, and here the frame follows, before it shows.
    if (dpi_ != guess) {
        const RECT fitted = frameOn(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST));
        SetWindowPos(window_, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                     fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    StartupPhase("window and controls");
    fonts_.setMainWindow(window_);
    dialogs_.setOwner(window_);
    glyphora_.onLoad(handed);
    // A font file handed over is selected in the list, which the window's first activation then
    // gives the focus, as a click in it would.
    if (ListView_GetSelectedCount(File1_) > 0) lastFocus_ = File1_;
    return true;
}

// The frame around the designed client area at the window's resolution, centred in the work
// area of `monitor`.
RECT GlyphoraWindow::frameOn(HMONITOR monitor) const {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    (void)GetMonitorInfoW(monitor, &info);  // failing, the frame goes to the screen's top left
    const RECT& area = info.rcWork;
    RECT frame{0, 0, px(design::ClientWidth), px(design::ClientHeight)};
    AdjustWindowRectExForDpi(&frame, kMainStyle, FALSE, kMainExStyle, dpi_);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = std::max(area.left + (area.right - area.left - width) / 2, area.left);
    const int top = std::max(area.top + (area.bottom - area.top - height) / 2, area.top);
    return {left, top, left + width, top + height};
}

LRESULT CALLBACK GlyphoraWindow::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<GlyphoraWindow*>(AsPointer<CREATESTRUCTW>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, AsParam(self));
    }
    auto* self = reinterpret_cast<GlyphoraWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, w, l);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, w, l);
    }
    return self->handle(message, w, l);
}

LRESULT GlyphoraWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            dpi_ = DpiOf(window_);  // the monitor's it is made on
            createControls();
            return 0;
        case WM_GETMINMAXINFO:
            onGetMinMaxInfo(*AsPointer<MINMAXINFO>(l));
            return 0;
        case WM_SIZE:
            onSize(w);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(w), *AsPointer<RECT>(l));
            return 0;
        case WM_NOTIFY:
            return onNotify(*AsPointer<NMHDR>(l));
        case WM_COMMAND:
            onCommand(LOWORD(w), HIWORD(w), AsWindow(l));
            return 0;
        case WM_ACTIVATE:
            onActivate(LOWORD(w) != WA_INACTIVE);
            return 0;
        case WM_DROPFILES:
            onDropFiles(reinterpret_cast<HDROP>(w));
            return 0;
        case WM_FONTCHANGE:
            glyphora_.onFontsChanged();
            return 0;
        case WM_TIMER:
            if (w != kSampleSettled) return DefWindowProcW(window_, message, w, l);
            KillTimer(window_, kSampleSettled);
            showSampleInRows();
            return 0;
        case kDriveFound:
            drives_.onDriveFound(static_cast<char>(w),
                                 std::unique_ptr<std::wstring>(AsPointer<std::wstring>(l)));
            return 0;
        case WM_DESTROY:
            glyphora_.onUnload();
            // No other window of the program is open now (the About window is modal).
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, w, l);
    }
}

HWND GlyphoraWindow::add(DWORD exStyle, const wchar_t* kind, DWORD style, int id,
                         const TwipRect& at) {
    return CreateWindowExW(exStyle, kind, L"", WS_CHILD | WS_VISIBLE | style, px(at.left),
                           px(at.top), px(at.width), px(at.height), window_, AsMenuId(id),
                           GetModuleHandleW(nullptr), nullptr);
}

// Created in tab order: the drive box first, then the preview, the toolbar, the tree, the file
// list and the face-name box, where the layout puts them, so that showing the window moves
// nothing. Fonts and pictures follow, and then the size box, in its place on the sized toolbar.
void GlyphoraWindow::createControls() {
    const MainLayout at = Designed();
    Drive1_ = add(0, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, control_id::Drive1,
                  at.Drive1);
    drives_.attach(Drive1_, kStartFolder[0]);
    txPreview_ = add(WS_EX_CLIENTEDGE, L"EDIT",
                     WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                     control_id::txPreview, at.txPreview);
    subclass(txPreview_, previewProc_);
    Toolbar1_ = CreateToolbar(window_, px(design::Toolbar1.width), nullptr);
    installButton_.attach(Toolbar1_, control_id::InstallButton);
    subclass(Toolbar1_, toolbarProc_);
    Dir1_ = add(WS_EX_CLIENTEDGE, WC_TREEVIEWW, kDir1Style, control_id::Dir1, at.Dir1);
    tree_.attach(Dir1_);
    subclass(Dir1_, dir1Proc_);
    File1_ = add(WS_EX_CLIENTEDGE, WC_LISTVIEWW, kFile1Style, control_id::File1, at.File1);
    list_.attach(File1_);
    subclass(File1_, file1Proc_);
    txFontName_ = add(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY,
                      control_id::txFontName, at.txFontName);
    fontName_.attach(txFontName_);
    fontDetails_.attach(window_, txFontName_);
    list_.rows().setMark(Widen(kNotAFont));
    shortcuts_ = MakeShortcuts();

    // The sample comes once its font is set: the box lays its lines out anew in every font.
    previewFont_.attach(txPreview_, kSampleFace, kStartPoints, dpi_);
    SetWindowTextW(txPreview_, kSampleText);
    showSampleInRows();
    applyDpi();
    cmbSize_ = CreateSizeBox(Toolbar1_, dpi_, sizeFont_);
    sizeText_.attach(cmbSize_);
    (void)sizeText_.setText(NumberText(kStartPoints));
}

// Everything the window's resolution decides: the windows' fonts, pictures and icons, the
// toolbar's measures and the combo boxes' heights. Pictures and buttons come out at their
// designed size in twips whatever the resolution.
void GlyphoraWindow::applyDpi() {
    UniqueFont windowFont = WindowFont(L"Tahoma", 8.25, dpi_);
    UniqueFont driveFont = WindowFont(L"MS Sans Serif", 8.25, dpi_);
    for (HWND control : {Toolbar1_, Dir1_, File1_, txFontName_, lblInstalled_}) {
        if (control) SendMessageW(control, WM_SETFONT, AsParam(windowFont.get()), TRUE);
    }
    SendMessageW(Drive1_, WM_SETFONT, reinterpret_cast<WPARAM>(driveFont.get()), TRUE);
    // The controls have let go of the old fonts before the old fonts are deleted.
    windowFont_ = std::move(windowFont), driveFont_ = std::move(driveFont);

    const int image = px(picture::ToolbarImage), small = px(picture::ListImage);
    UniqueImageList toolbarPictures(ImageList_Create(image, image, ILC_COLOR32, 5, 0));
    UniqueImageList listPictures(ImageList_Create(small, small, ILC_COLOR32, 2, 0));
    for (const auto& [list, bitmap, size, count] :
         {std::tuple{toolbarPictures.get(), IDB_TOOLBAR, image, 5},
          std::tuple{listPictures.get(), IDB_LIST, small, 2}}) {
        const UniqueBitmap strip(LoadKeyedPicture(bitmap, size * count, size, dpi_));
        ImageList_Add(list, strip.get(), nullptr);
    }
    SizeToolbar(Toolbar1_, toolbarPictures.get(), dpi_);
    if (cmbSize_) {
        PlaceSizeBox(Toolbar1_, cmbSize_, dpi_);
        sizeFont_ = FitSizeBox(cmbSize_, dpi_);  // the box has let go of the old font
    }
    placeInstalledNote();
    TreeView_SetImageList(Dir1_, listPictures.get(), TVSIL_NORMAL);
    ListView_SetImageList(File1_, listPictures.get(), LVSIL_SMALL);
    ListView_SetImageList(File1_, listPictures.get(), LVSIL_NORMAL);
    list_.setRowMeasures(px(row::Height), px(row::Em), px(row::Widest));
    ImageList1_ = std::move(toolbarPictures), ImageList2_ = std::move(listPictures);

    SetComboHeight(Drive1_, px(design::Drive1.height));
    previewFont_.setDpi(dpi_);
    list_.fitColumns();

    if (iconDpi_ != dpi_) {
        UniqueIcon oldSmall(std::move(smallIcon_)), oldBig(std::move(bigIcon_));
        loadIcons();
        SetClassLongPtrW(window_, GCLP_HICONSM, AsParam(smallIcon_.get()));
        SetClassLongPtrW(window_, GCLP_HICON, AsParam(bigIcon_.get()));
        SendMessageW(window_, WM_SETICON, ICON_SMALL, AsParam(smallIcon_.get()));
        SendMessageW(window_, WM_SETICON, ICON_BIG, AsParam(bigIcon_.get()));
    }  // the old icons go once nothing holds them
}

// The rows of the font list draw the sample's first line as the user has it now.
void GlyphoraWindow::showSampleInRows() {
    std::wstring sample(static_cast<std::size_t>(GetWindowTextLengthW(txPreview_)) + 1, L'\0');
    sample.resize(static_cast<std::size_t>(
        GetWindowTextW(txPreview_, sample.data(), static_cast<int>(sample.size()))));
    if (list_.rows().setSample(SampleLine(Utf32(sample)))) InvalidateRect(File1_, nullptr, FALSE);
}

// The note of the last install: after the About button and a gap, as high as the buttons, to the
// toolbar's right end.
// Made once the window is shown: it says nothing until something is installed.
void GlyphoraWindow::makeInstalledNote() {
    lblInstalled_ = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_ENDELLIPSIS | SS_NOPREFIX, 0,
        0, 0, 0, Toolbar1_, AsMenuId(control_id::lblInstalled), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(lblInstalled_, WM_SETFONT, AsParam(windowFont_.get()), FALSE);
    installedNote_.attach(lblInstalled_);
    placeInstalledNote();
}

void GlyphoraWindow::placeInstalledNote() {
    if (!lblInstalled_) return;
    RECT about{}, bar{};
    SendMessageW(Toolbar1_, TB_GETRECT, control_id::AboutButton, AsParam(&about));
    GetClientRect(Toolbar1_, &bar);
    const int left = about.right + px(picture::Separator);
    SetWindowPos(lblInstalled_, nullptr, left, about.top,
                 std::max(0, static_cast<int>(bar.right) - left), about.bottom - about.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The icons of the sizes this resolution asks for: 16 and 32 pixels at 96 dots per inch.
void GlyphoraWindow::loadIcons() {
    smallIcon_.reset(LoadProgramIcon(TwipsToPixels(240, dpi_)));
    bigIcon_.reset(LoadProgramIcon(TwipsToPixels(480, dpi_)));
    iconDpi_ = dpi_;
}

// The window moved to a monitor of another resolution, or the user changed its scale: every
// control goes to its designed place at the new resolution, gets its fonts and pictures again,
// and the window takes the size Windows suggests, which lays the controls out anew.
void GlyphoraWindow::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const MainLayout at = Designed();
    for (const auto& [control, place] :
         {std::pair{Drive1_, at.Drive1}, std::pair{Dir1_, at.Dir1}, std::pair{File1_, at.File1},
          std::pair{txFontName_, at.txFontName}, std::pair{txPreview_, at.txPreview}}) {
        SetWindowPos(control, nullptr, px(place.left), px(place.top), px(place.width),
                     px(place.height), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    applyDpi();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    onSize(IsZoomed(window_) ? SIZE_MAXIMIZED : SIZE_RESTORED);  // also where the size stays
}

// The toolbar, the preview, the tree and the list get their messages here first. They are
// subclassed the classic way, their own procedures kept here and `this` in their user data:
// the comctl32 helper looks its chain up in a window property on every message, which under Wine
// is a round trip to the window server (inserting 2,000 folders into the tree took 300 ms).
void GlyphoraWindow::subclass(HWND control, WNDPROC& original) {
    SetWindowLongPtrW(control, GWLP_USERDATA, AsParam(this));
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
}

LRESULT CALLBACK GlyphoraWindow::ControlProc(HWND control, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<GlyphoraWindow*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return self->onControlMessage(control, message, w, l);
}

LRESULT GlyphoraWindow::onControlMessage(HWND control, UINT message, WPARAM w, LPARAM l) {
    const WNDPROC original = control == Toolbar1_    ? toolbarProc_
                             : control == txPreview_ ? previewProc_
                             : control == Dir1_      ? dir1Proc_
                                                     : file1Proc_;
    const auto pass = [&] { return CallWindowProcW(original, control, message, w, l); };
    const MSG* key = message == WM_GETDLGCODE && l ? AsPointer<MSG>(l) : nullptr;
    if (control == Toolbar1_) {
        // The size box lives on the toolbar, which would keep the box's notifications to itself.
        if (message == WM_COMMAND && AsWindow(l) == cmbSize_) {
            return SendMessageW(window_, WM_COMMAND, w, l);
        }
    } else if (control == txPreview_) {
        // A multi-line box keeps Tab for itself; here Tab moves on to the next control, as
        // everywhere else in the window, and Ctrl+Tab types a tab. Driven by the dialog keys,
        // the box would answer Esc by closing the whole window, typed sample and all; Esc
        // closes nothing here. Tabbed into, the sample keeps its caret: selected whole, it would
        // scroll its first lines away and show its glyphs white on blue. (A selection shows only
        // while the box has the focus, so a font previewed from the list is seen as drawn.)
        if (message == WM_GETDLGCODE) {
            const bool tab = key && key->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0;
            const bool leaves =
                key && key->message == WM_KEYDOWN && (tab || key->wParam == VK_ESCAPE);
            return pass() & ~(DLGC_HASSETSEL | (leaves ? DLGC_WANTALLKEYS | DLGC_WANTTAB : 0));
        }
        if ((message == WM_KEYDOWN || message == WM_CHAR) && w == VK_ESCAPE) return 0;
        // Ctrl+Tab makes no character of its own, so the tab is typed here.
        if (message == WM_KEYDOWN && w == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
            SendMessageW(control, EM_REPLACESEL, TRUE, AsParam(L"\t"));
            return 0;
        }
    } else {
        // The tree and the list tell of each press of the mouse button, so that a click that
        // moved the selection is not answered twice. Enter or the Right key on a folder not yet
        // read reads it, as a double click does.
        const bool tree = control == Dir1_;
        const auto press = [&](bool down) {
            tree ? glyphora_.onDir1Press(down) : glyphora_.onFile1Press(down);
        };
        switch (message) {
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                press(true);
                break;
            case WM_LBUTTONUP: {
                const LRESULT result = pass();
                press(false);
                return result;
            }
            case WM_GETDLGCODE:
                if (tree && key && key->wParam == VK_RETURN) return DLGC_WANTALLKEYS;
                break;
            case WM_SIZE:
                if (!tree) {
                    const LRESULT result = pass();
                    list_.fitColumns();  // the faces take the width there is
                    return result;
                }
                break;
            case WM_CHAR:
                if (tree && w >= L' ') {
                    tree_.typed(static_cast<wchar_t>(w), static_cast<DWORD>(GetMessageTime()));
                    return 0;
                }
                break;
            case WM_KEYDOWN:
                press(false);  // whatever the mouse did is over
                if (tree && (w == VK_RETURN || w == VK_RIGHT) && glyphora_.onDir1DblClick()) {
                    return 0;
                }
                break;
            default:
                break;
        }
    }
    return pass();
}

TwipRect GlyphoraWindow::twipsOf(HWND control) const {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {PixelsToTwips(r.left, dpi_), PixelsToTwips(r.top, dpi_),
            PixelsToTwips(r.right - r.left, dpi_), PixelsToTwips(r.bottom - r.top, dpi_)};
}

MainLayout GlyphoraWindow::readLayout() const {
    return {twipsOf(Toolbar1_), twipsOf(Drive1_),     twipsOf(Dir1_),
            twipsOf(File1_),    twipsOf(txFontName_), twipsOf(txPreview_)};
}

void GlyphoraWindow::applyLayout(const MainLayout& before, const MainLayout& after) {
    const struct {
        HWND control;
        const TwipRect& was;
        const TwipRect& now;
    } controls[] = {{Drive1_, before.Drive1, after.Drive1},
                    {Dir1_, before.Dir1, after.Dir1},
                    {File1_, before.File1, after.File1},
                    {txFontName_, before.txFontName, after.txFontName},
                    {txPreview_, before.txPreview, after.txPreview}};
    const auto pixels = [this](const TwipRect& r) {
        return TwipRect{px(r.left), px(r.top), px(r.width), px(r.height)};
    };
    HDWP moves = BeginDeferWindowPos(static_cast<int>(std::size(controls)));
    for (const auto& [control, was, now] : controls) {
        // A move to where a control is already still makes it lay itself out and draw anew.
        if (pixels(was) == pixels(now)) continue;
        int height = TwipsToPixels(now.height, dpi_);
        if (control == Drive1_) {
            // A combo box's window height is that of its dropped-down list.
            RECT dropped{};
            SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, AsParam(&dropped));
            height = dropped.bottom - dropped.top;
        }
        const int x = TwipsToPixels(now.left, dpi_);
        const int y = TwipsToPixels(now.top, dpi_);
        const int width = TwipsToPixels(now.width, dpi_);
        constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (moves) {
            moves = DeferWindowPos(moves, control, nullptr, x, y, width, height, flags);
        } else {
            SetWindowPos(control, nullptr, x, y, width, height, flags);
        }
    }
    if (moves) EndDeferWindowPos(moves);
}

void GlyphoraWindow::onSize(WPARAM kind) {
    if (!Toolbar1_) return;  // still being created
    const WindowState state = kind == SIZE_MINIMIZED   ? WindowState::Minimized
                              : kind == SIZE_MAXIMIZED ? WindowState::Maximized
                                                       : WindowState::Normal;
    RECT client{};
    GetClientRect(window_, &client);
    if (state != WindowState::Minimized) {
        // The toolbar is docked to the top edge: as wide as the client area, its height its own.
        RECT bar{};
        GetWindowRect(Toolbar1_, &bar);
        SetWindowPos(Toolbar1_, nullptr, 0, 0, client.right, bar.bottom - bar.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        placeInstalledNote();
    }
    const MainLayout before = readLayout();
    MainLayout after = before;
    LayoutMainWindow(state, client.right * 1440.0 / dpi_, client.bottom * 1440.0 / dpi_, after);
    applyLayout(before, after);
}

// Below this size the controls would overlap or the toolbar lose its buttons.
void GlyphoraWindow::onGetMinMaxInfo(MINMAXINFO& limits) const {
    RECT frame{0, 0, px(design::MinClientWidth), px(design::MinClientHeight)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)),
                             dpi_);
    limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

LRESULT GlyphoraWindow::onNotify(NMHDR& header) {
    if (header.hwndFrom == Dir1_) {
        switch (header.code) {
            case NM_CLICK: {
                const DWORD at = GetMessagePos();
                TVHITTESTINFO hit{};
                hit.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
                ScreenToClient(Dir1_, &hit.pt);
                const HTREEITEM item = TreeView_HitTest(Dir1_, &hit);
                if (item && (hit.flags & TVHT_ONITEM)) glyphora_.onDir1NodeClick(Node(item));
                return 0;
            }
            case TVN_SELCHANGEDW: {
                const HTREEITEM item = reinterpret_cast<NMTREEVIEWW&>(header).itemNew.hItem;
                if (item) glyphora_.onDir1SelectionChange(Node(item));
                return 0;
            }
            case TVN_ITEMEXPANDINGW: {
                const auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
                if (change.action & TVE_EXPAND)
                    glyphora_.onDir1Expanding(Node(change.itemNew.hItem));
                return FALSE;  // let it expand
            }
            case NM_DBLCLK:
                // A folder just read is expanded already; the tree's own toggle would fold it
                // again.
                return glyphora_.onDir1DblClick() ? TRUE : FALSE;
            default:
                return 0;
        }
    }
    if (header.hwndFrom == File1_) {
        const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
        if (header.code == NM_CUSTOMDRAW) {
            return list_.customDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
        } else if (header.code == LVN_GETDISPINFOW) {
            list_.describe(reinterpret_cast<NMLVDISPINFOW&>(header));
        } else if (header.code == LVN_ODFINDITEMW) {
            return list_.find(reinterpret_cast<NMLVFINDITEMW&>(header));
        } else if (header.code == NM_CLICK) {
            glyphora_.onFile1Click();
        } else if (header.code == LVN_ITEMCHANGED && (change.uChanged & LVIF_STATE) &&
                   (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
            list_.selectionMovedTo(change.iItem);
            glyphora_.onFile1SelectionChange();
        }
        return 0;
    }
    if (header.code == TTN_GETDISPINFOW) {
        if (const wchar_t* text = TipFor(header.idFrom)) {
            reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = const_cast<wchar_t*>(text);
        }
    }
    return 0;
}

bool GlyphoraWindow::translateShortcut(MSG& message) {
    return window_ && shortcuts_ && TranslateAcceleratorW(window_, shortcuts_.get(), &message);
}

void GlyphoraWindow::onCommand(int id, int code, HWND from) {
    if (from && from == Toolbar1_) {
        onToolbarButton(id);
    } else if (!from && code == 1) {
        onShortcut(id);
    } else if (id == IDOK && cmbSize_ && IsChild(cmbSize_, GetFocus())) {
        // Enter in the size box, which the dialog keys turn into the window's default command.
        glyphora_.onCmbSizeClick();
    } else if (id == control_id::txPreview && code == EN_CHANGE) {
        // The rows follow once the typing pauses: each of them draws from its own file.
        SetTimer(window_, kSampleSettled, kSampleSettleMs, nullptr);
    } else if (id == control_id::Drive1 && code == CBN_SELCHANGE) {
        if (const auto letter = drives_.selected()) glyphora_.onDrive1Change(*letter);
    } else if (id == control_id::cmbSize) {
        switch (code) {
            case CBN_SELCHANGE: {
                // The edit part takes the picked entry only after this notification.
                const LRESULT index = SendMessageW(cmbSize_, CB_GETCURSEL, 0, 0);
                wchar_t entry[16] = {};
                if (index >= 0 && SendMessageW(cmbSize_, CB_GETLBTEXTLEN, index, 0) <
                                      static_cast<LRESULT>(std::size(entry))) {
                    SendMessageW(cmbSize_, CB_GETLBTEXT, index, AsParam(entry));
                    SetWindowTextW(cmbSize_, entry);
                }
                glyphora_.onCmbSizeClick();
                break;
            }
            case CBN_SETFOCUS:
                glyphora_.onCmbSizeGotFocus();
                break;
            case CBN_KILLFOCUS:
                glyphora_.onCmbSizeValidate();
                glyphora_.onCmbSizeLostFocus();
                break;
            default:
                break;
        }
    }
}

// A shortcut does what a click on its button does: a check button flips first, and a greyed
// button does nothing.
void GlyphoraWindow::onShortcut(int command) {
    if (command == control_id::Refresh) return glyphora_.onRefresh();
    const LRESULT state = SendMessageW(Toolbar1_, TB_GETSTATE, command, 0);
    if (state < 0 || !(state & TBSTATE_ENABLED)) return;
    if (command == control_id::BoldButton || command == control_id::ItalicButton) {
        SendMessageW(Toolbar1_, TB_CHECKBUTTON, command,
                     MAKELPARAM((state & TBSTATE_CHECKED) ? FALSE : TRUE, 0));
    }
    onToolbarButton(command);
}

void GlyphoraWindow::onToolbarButton(int command) {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE | TBIF_STATE;
    if (SendMessageW(Toolbar1_, TB_GETBUTTONINFOW, command, AsParam(&info)) < 0) return;
    // The toolbar has flipped a check button's state by the time it reports the click.
    glyphora_.onToolbar1ButtonClick(info.iImage + 1, (info.fsState & TBSTATE_CHECKED) ? 1 : 0);
}

// A file or folder dropped is taken as one handed on the command line.
void GlyphoraWindow::onDropFiles(HDROP drop) {
    const std::string path = HandedByDrop(drop);
    if (!path.empty()) (void)glyphora_.openPath(path);
}

// The focus comes back to the control that had it when the window was last left.
void GlyphoraWindow::onActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) lastFocus_ = focus;
        return;
    }
    SetFocus(lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : Drive1_);
}

}  // namespace typelens::win32
