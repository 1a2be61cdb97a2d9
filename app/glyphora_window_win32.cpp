#include "app/glyphora_window_win32.h"

#include <windowsx.h>

#include <iterator>
#include <memory>
#include <thread>

#include "app/phases.h"
#include "app/pictures_win32.h"
#include "app/toolbar.h"
#include "platform/ansi_win32.h"
#include "platform/message_win32.h"

namespace typelens::win32 {
namespace {

constexpr wchar_t kSampleText[] = L"The Quick \r\nBrown Fox \r\nJumps over the \r\nlazy dog\r\n";
constexpr const wchar_t* kSizes[] = {L" 8", L" 9", L"10", L"12", L"14", L"16", L"18",
                                     L"20", L"22", L"24", L"28", L"36", L"72"};
constexpr int kPlaceholderLeft = 1710;  // twips from the toolbar's left end
constexpr int kComboDropHeight = 3600;  // twips of list below a combo box
// A drive the drive reader found: wParam its letter, lParam its label (a std::wstring the window
// takes over) or none yet.
constexpr UINT kDriveFound = WM_APP + 1;

// Each tip names the button's shortcut.
const wchar_t* TipFor(UINT_PTR command) {
    switch (command) {
        case control_id::InstallButton:
            return L"Install the selected font (Ctrl+Shift+I)";
        case control_id::BoldButton:
            return L"Bold (Ctrl+B)";
        case control_id::ItalicButton:
            return L"Italic (Ctrl+I)";
        case control_id::AboutButton:
            return L"About (F1)";
        default:
            return nullptr;
    }
}

// The toolbar's commands from the keyboard, wherever the focus is. Install takes Shift as well,
// so no slip of a finger while typing a sample installs anything.
UniqueAccelerators MakeShortcuts() {
    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'B', control_id::BoldButton},
                    {FVIRTKEY | FCONTROL, 'I', control_id::ItalicButton},
                    {FVIRTKEY | FCONTROL | FSHIFT, 'I', control_id::InstallButton},
                    {FVIRTKEY, VK_F1, control_id::AboutButton}};
    return UniqueAccelerators(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

// A drive as the classic drive box shows it: "c:", or "c: [LABEL]".
std::wstring DriveText(char letter, const std::wstring& label) {
    std::wstring text{static_cast<wchar_t>(letter - 'A' + 'a'), L':'};
    if (!label.empty()) text += L" [" + label + L"]";
    return text;
}

}  // namespace

GlyphoraWindow::GlyphoraWindow()
    : glyphora_({files_, environment_, fonts_, registry_, dialogs_},
                {tree_, list_, fontName_, sizeText_, previewFont_, installButton_}) {}

GlyphoraWindow::~GlyphoraWindow() {
    if (window_) DestroyWindow(window_);
}

void GlyphoraWindow::show() {
    if (!window_ && !load()) return;
    ShowWindow(window_, SW_SHOWNORMAL);
    StartupPhase("window shown");
    UpdateWindow(window_);
    StartupPhase("first paint");
    readDrives();
    if (!GetFocus() || !IsChild(window_, GetFocus())) SetFocus(Drive1_);
}

bool GlyphoraWindow::load() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    dpi_ = ScreenDpi();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, kMainWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TYPELENS));
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_TYPELENS), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kMainWindowClass;
        if (!RegisterClassExW(&windowClass)) return false;
    }

    // The tree, list and toolbar classes this window is made of; registering twice is harmless.
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    constexpr DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, px(design::ClientWidth), px(design::ClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT screen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    const int left = screen.left + (screen.right - screen.left - width) / 2;
    const int top = screen.top + (screen.bottom - screen.top - height) / 2;
    if (!CreateWindowExW(0, kMainWindowClass, kMainCaption, style, left > 0 ? left : 0,
                         top > 0 ? top : 0, width, height, nullptr, nullptr, instance, this)) {
        return false;
    }
    StartupPhase("window and controls");
    fonts_.setMainWindow(window_);
    dialogs_.setOwner(window_);
    glyphora_.onLoad();
    return true;
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
            createControls();
            return 0;
        case WM_GETMINMAXINFO:
            onGetMinMaxInfo(*AsPointer<MINMAXINFO>(l));
            return 0;
        case WM_SIZE:
            onSize(w);
            return 0;
        case WM_NOTIFY:
            return onNotify(*AsPointer<NMHDR>(l));
        case WM_COMMAND:
            onCommand(LOWORD(w), HIWORD(w), AsWindow(l));
            return 0;
        case WM_ACTIVATE:
            onActivate(LOWORD(w) != WA_INACTIVE);
            return 0;
        case kDriveFound:
            onDriveFound(static_cast<char>(w), std::unique_ptr<std::wstring>(AsPointer<std::wstring>(l)));
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

HWND GlyphoraWindow::add(DWORD exStyle, const wchar_t* kind, const wchar_t* text, DWORD style,
                         int id, const TwipRect& at, HFONT font, HWND parent) {
    HWND control = CreateWindowExW(
        exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, px(at.left), px(at.top), px(at.width),
        px(at.height), parent ? parent : window_, AsMenuId(id), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// A combo box is as high as its font makes it; its item height is set so that it comes out at
// the designed height instead. Windows and Wine disagree on how the height read back relates to
// the height set, so the box is measured after each try.
void GlyphoraWindow::setComboHeight(HWND combo, const TwipRect& designed) {
    const int target = px(designed.height);
    LRESULT item = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 4 && item > 0; ++attempt) {
        RECT now{};
        GetWindowRect(combo, &now);
        const int off = target - (now.bottom - now.top);
        if (off == 0) return;
        item += off;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    }
}

// Created in tab order: the drive box first, then the preview, the toolbar with the size box,
// the tree, the file list and the face-name box. Pictures and buttons come out at their
// designed size in twips whatever the screen's resolution.
void GlyphoraWindow::createControls() {
    // Made where the layout puts them, so that showing the window moves nothing.
    MainLayout at{design::Toolbar1, design::Drive1,     design::Dir1,
                  design::File1,    design::txFontName, design::txPreview};
    LayoutMainWindow(WindowState::Normal, design::ClientWidth, design::ClientHeight, at);
    windowFont_ = WindowFont(L"Tahoma", 8.25, dpi_);
    driveFont_ = WindowFont(L"MS Sans Serif", 8.25, dpi_);
    sizeFont_ = WindowFont(L"Tahoma", 9.75, dpi_, /*bold=*/true);
    const HFONT windowFont = windowFont_.get(), driveFont = driveFont_.get();

    const int image = px(picture::ToolbarImage), small = px(picture::ListImage);
    ImageList1_.reset(ImageList_Create(image, image, ILC_COLOR24 | ILC_MASK, 5, 0));
    ImageList2_.reset(ImageList_Create(small, small, ILC_COLOR24 | ILC_MASK, 2, 0));
    for (const auto& [list, bitmap, size, count] :
         {std::tuple{ImageList1_.get(), IDB_TOOLBAR, image, 5},
          std::tuple{ImageList2_.get(), IDB_LIST, small, 2}}) {
        const UniqueBitmap strip(LoadPicture(bitmap, size * count, size, dpi_));
        ImageList_AddMasked(list, strip.get(), RGB(255, 0, 255));  // magenta is transparent
    }

    TwipRect drive = at.Drive1;
    drive.height += kComboDropHeight;
    Drive1_ = add(0, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                  control_id::Drive1, drive, driveFont);
    setComboHeight(Drive1_, design::Drive1);
    fillDrives();

    // The sample comes once its font is set: the box lays its lines out anew in every font.
    txPreview_ =
        add(WS_EX_CLIENTEDGE, L"EDIT", L"",
            WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
            control_id::txPreview, at.txPreview, nullptr);
    previewFont_.attach(txPreview_, {"Arial", kCyrillicCharset}, 36, dpi_);
    SetWindowTextW(txPreview_, kSampleText);
    subclass(txPreview_, previewProc_);
    createToolbar();

    Dir1_ =
        add(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", kDir1Style, control_id::Dir1, at.Dir1, windowFont);
    TreeView_SetImageList(Dir1_, ImageList2_.get(), TVSIL_NORMAL);
    tree_.attach(Dir1_);
    subclass(Dir1_, dir1Proc_);

    File1_ = add(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", kFile1Style, control_id::File1, at.File1,
                 windowFont);
    ListView_SetImageList(File1_, ImageList2_.get(), LVSIL_SMALL);
    ListView_SetImageList(File1_, ImageList2_.get(), LVSIL_NORMAL);
    list_.attach(File1_);
    subclass(File1_, file1Proc_);

    txFontName_ = add(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY,
                      control_id::txFontName, at.txFontName, windowFont);
    fontName_.attach(txFontName_);
}

void GlyphoraWindow::createToolbar() {
    Toolbar1_ =
        add(WS_EX_CONTROLPARENT, TOOLBARCLASSNAMEW, L"",
            TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
            control_id::Toolbar1, design::Toolbar1, windowFont_.get());
    const int image = px(picture::ToolbarImage);
    const int buttonWidth = px(picture::ButtonWidth), buttonHeight = px(picture::ButtonHeight);
    SendMessageW(Toolbar1_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(Toolbar1_, TB_SETBITMAPSIZE, 0, MAKELPARAM(image, image));
    SendMessageW(Toolbar1_, TB_SETIMAGELIST, 0, AsParam(ImageList1_.get()));
    // The padding around an image sets the smallest button the toolbar allows.
    SendMessageW(Toolbar1_, TB_SETPADDING, 0,
                 MAKELPARAM(buttonWidth - image, buttonHeight - image));
    SendMessageW(Toolbar1_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));

    // The size box sits on a separator as wide as the box plus its margin on either side.
    const int margin = px(design::cmbSize.left - kPlaceholderLeft);
    const int placeholder = px(design::cmbSize.width) + 2 * margin;
    const int gap = px(picture::Separator);
    const auto button = [](int picture, int command, BYTE style) {
        TBBUTTON b{};
        b.iBitmap = picture - 1;  // the image list counts from 0
        b.idCommand = command;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = style;
        return b;
    };
    const auto separator = [](int width, int command) {
        TBBUTTON b{};
        b.iBitmap = width;  // a separator's "image" is its width
        b.idCommand = command;
        b.fsStyle = BTNS_SEP;
        return b;
    };
    const TBBUTTON buttons[] = {
        separator(gap, 0),
        button(toolbar_image::Install, control_id::InstallButton, BTNS_BUTTON),
        separator(gap, 0),
        button(toolbar_image::Bold, control_id::BoldButton, BTNS_CHECK),
        button(toolbar_image::Italic, control_id::ItalicButton, BTNS_CHECK),
        separator(gap, 0),
        separator(placeholder, control_id::SizePlaceholder),
        button(toolbar_image::About, control_id::AboutButton, BTNS_BUTTON),
    };
    SendMessageW(Toolbar1_, TB_ADDBUTTONSW, std::size(buttons), AsParam(buttons));
    installButton_.attach(Toolbar1_, control_id::InstallButton);
    subclass(Toolbar1_, toolbarProc_);
    shortcuts_ = MakeShortcuts();

    RECT slot{};
    SendMessageW(Toolbar1_, TB_GETITEMRECT, 6, AsParam(&slot));
    TwipRect size = design::cmbSize;
    size.left = PixelsToTwips(slot.left + margin, dpi_);
    size.height += kComboDropHeight;
    cmbSize_ = add(0, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                   control_id::cmbSize, size, sizeFont_.get(), Toolbar1_);
    for (const wchar_t* entry : kSizes) SendMessageW(cmbSize_, CB_ADDSTRING, 0, AsParam(entry));
    SetWindowTextW(cmbSize_, L"36");
    setComboHeight(cmbSize_, design::cmbSize);
    sizeText_.attach(cmbSize_);
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
        // closes nothing here.
        const bool tab = key && key->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0;
        if (key && key->message == WM_KEYDOWN && (tab || key->wParam == VK_ESCAPE)) {
            return pass() & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        }
        if ((message == WM_KEYDOWN || message == WM_CHAR) && w == VK_ESCAPE) return 0;
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

// The drive box starts with the tree's drive alone. The other drives and every label come from a
// thread once the window is drawn: asking Windows for the drives takes a while, and asking a
// drive for its label can take long (a network drive that does not answer, a floppy), while the
// window must answer meanwhile. A label that never comes is left out.
void GlyphoraWindow::fillDrives() {
    onDriveFound(kStartFolder[0], nullptr);
    SendMessageW(Drive1_, CB_SETCURSEL, 0, 0);
}

void GlyphoraWindow::readDrives() {
    std::thread([window = window_] {
        const auto post = [window](char letter, std::wstring* label) {
            if (!PostMessageW(window, kDriveFound, static_cast<WPARAM>(letter), AsParam(label)))
                delete label;
        };
        const std::vector<char> letters = Win32FileSystem::driveLetters();
        for (const char letter : letters) post(letter, nullptr);
        for (const char letter : letters) {
            const std::string label = Win32FileSystem::volumeLabel(letter);
            if (!label.empty()) post(letter, new std::wstring(Widen(label)));
        }
    }).detach();
}

// Drives stay in the order of their letters, the selected one selected.
void GlyphoraWindow::onDriveFound(char letter, std::unique_ptr<std::wstring> label) {
    const auto letterAt = [this](LRESULT index) {
        return static_cast<char>(SendMessageW(Drive1_, CB_GETITEMDATA, index, 0));
    };
    const LRESULT count = SendMessageW(Drive1_, CB_GETCOUNT, 0, 0);
    const LRESULT selected = SendMessageW(Drive1_, CB_GETCURSEL, 0, 0);
    const char selectedLetter = selected >= 0 ? letterAt(selected) : '\0';
    LRESULT at = 0;
    while (at < count && letterAt(at) < letter) ++at;
    if (at < count && letterAt(at) == letter) {
        if (!label) return;  // listed already
        SendMessageW(Drive1_, CB_DELETESTRING, at, 0);
    }
    const std::wstring text = DriveText(letter, label ? *label : std::wstring());
    at = SendMessageW(Drive1_, CB_INSERTSTRING, at, AsParam(text.c_str()));
    if (at < 0) return;
    SendMessageW(Drive1_, CB_SETITEMDATA, at, static_cast<LPARAM>(letter));
    for (LRESULT i = 0; selectedLetter && i <= count; ++i) {
        if (letterAt(i) == selectedLetter) SendMessageW(Drive1_, CB_SETCURSEL, i, 0);
    }
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
    }
    const MainLayout before = readLayout();
    MainLayout after = before;
    LayoutMainWindow(state, client.right * 1440.0 / dpi_, client.bottom * 1440.0 / dpi_, after);
    applyLayout(before, after);
}

// Below this size the controls would overlap or the toolbar lose its buttons.
void GlyphoraWindow::onGetMinMaxInfo(MINMAXINFO& limits) const {
    RECT frame{0, 0, px(design::MinClientWidth), px(design::MinClientHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
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
                if (change.action & TVE_EXPAND) glyphora_.onDir1Expanding(Node(change.itemNew.hItem));
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
        if (header.code == LVN_GETDISPINFOW) {
            list_.describe(reinterpret_cast<NMLVDISPINFOW&>(header));
        } else if (header.code == LVN_ODFINDITEMW) {
            return list_.find(reinterpret_cast<NMLVFINDITEMW&>(header));
        } else if (header.code == NM_CLICK) {
            glyphora_.onFile1Click();
        } else if (header.code == LVN_ITEMCHANGED && (change.uChanged & LVIF_STATE) &&
                   (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED)) {
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
    } else if (id == control_id::Drive1 && code == CBN_SELCHANGE) {
        const LRESULT index = SendMessageW(Drive1_, CB_GETCURSEL, 0, 0);
        if (index >= 0) {
            glyphora_.onDrive1Change(
                static_cast<char>(SendMessageW(Drive1_, CB_GETITEMDATA, index, 0)));
        }
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
