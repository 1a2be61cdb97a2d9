#include "app/glyphora_window_win32.h"

#include <windowsx.h>

#include <cctype>
#include <iterator>

#include "app/design.h"
#include "app/resources/resource.h"
#include "app/toolbar.h"
#include "platform/message_win32.h"

namespace typelens::win32 {
namespace {

constexpr char kSampleText[] = "The Quick \r\nBrown Fox \r\nJumps over the \r\nlazy dog\r\n";
constexpr BYTE kPreviewCharset = 204;
constexpr const char* kSizes[] = {" 8", " 9", "10", "12", "14", "16", "18",
                                  "20", "22", "24", "28", "36", "72"};
constexpr int kToolbarImage = 24;  // pixels, square
constexpr int kButtonWidth = 30;   // pixels
constexpr int kButtonHeight = 31;
constexpr int kSeparatorWidth = 8;
constexpr int kPlaceholderLeft = 1710;  // twips from the toolbar's left end
constexpr int kComboDropHeight = 240;   // pixels of list below a combo box

const char* TipFor(UINT_PTR command) {
    switch (command) {
        case control_id::InstallButton:
            return "Install the selected font";
        case control_id::BoldButton:
            return "Bold";
        case control_id::ItalicButton:
            return "Italic";
        case control_id::AboutButton:
            return "About";
        default:
            return nullptr;
    }
}

}  // namespace

GlyphoraWindow::GlyphoraWindow()
    : glyphora_({files_, environment_, fonts_, registry_, dialogs_},
                {tree_, list_, fontName_, sizeText_, previewFont_}) {}

GlyphoraWindow::~GlyphoraWindow() {
    if (window_) DestroyWindow(window_);
}

void GlyphoraWindow::show() {
    if (!window_ && !load()) return;
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    if (!GetFocus() || !IsChild(window_, GetFocus())) SetFocus(Drive1_);
}

bool GlyphoraWindow::load() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExA(instance, kMainWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TYPELENS));
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(IDI_TYPELENS), IMAGE_ICON,
                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kMainWindowClass;
        if (!RegisterClassExA(&windowClass)) return false;
    }

    // The tree, list and toolbar classes this window is made of; registering twice is harmless.
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);

    dpi_ = ScreenDpi();
    constexpr DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, TwipsToPixels(design::ClientWidth, dpi_),
               TwipsToPixels(design::ClientHeight, dpi_)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT screen{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    const int left = screen.left + (screen.right - screen.left - width) / 2;
    const int top = screen.top + (screen.bottom - screen.top - height) / 2;
    if (!CreateWindowExA(0, kMainWindowClass, kMainCaption, style, left > 0 ? left : 0,
                         top > 0 ? top : 0, width, height, nullptr, nullptr, instance, this)) {
        return false;
    }
    fonts_.setMainWindow(window_);
    dialogs_.setOwner(window_);
    glyphora_.onLoad();
    return true;
}

LRESULT CALLBACK GlyphoraWindow::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<GlyphoraWindow*>(AsPointer<CREATESTRUCTA>(l)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, AsParam(self));
    }
    auto* self = reinterpret_cast<GlyphoraWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, w, l);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, w, l);
    }
    return self->handle(message, w, l);
}

LRESULT GlyphoraWindow::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            createControls();
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
        case WM_DESTROY:
            glyphora_.onUnload();
            // No other window of the program is open now (the About window is modal).
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window_, message, w, l);
    }
}

HFONT GlyphoraWindow::makeFont(const char* face, double points, bool bold,
                               UniqueFont& owner) const {
    LOGFONTA font{};
    font.lfHeight = FontHeight(points, dpi_);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    owner.reset(CreateFontIndirectA(&font));
    return owner.get();
}

HWND GlyphoraWindow::add(DWORD exStyle, const char* kind, const char* text, DWORD style, int id,
                         const TwipRect& at, HFONT font, HWND parent) {
    HWND control = CreateWindowExA(
        exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, TwipsToPixels(at.left, dpi_),
        TwipsToPixels(at.top, dpi_), TwipsToPixels(at.width, dpi_), TwipsToPixels(at.height, dpi_),
        parent ? parent : window_, AsMenuId(id), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// A combo box is as high as its font makes it; its item height is set so that it comes out at
// the designed height instead. Windows and Wine disagree on how the height read back relates to
// the height set, so the box is measured after each try.
void GlyphoraWindow::setComboHeight(HWND combo, const TwipRect& designed) {
    const int target = TwipsToPixels(designed.height, dpi_);
    LRESULT item = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 4 && item > 0; ++attempt) {
        RECT now{};
        GetWindowRect(combo, &now);
        const int off = target - (now.bottom - now.top);
        if (off == 0) return;
        item += off;
        SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    }
}

// Created in tab order: the drive box first, then the preview, the toolbar with the size box,
// the tree, the file list and the face-name box.
void GlyphoraWindow::createControls() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const HFONT windowFont = makeFont("Tahoma", 8.25, false, windowFont_);
    const HFONT driveFont = makeFont("MS Sans Serif", 8.25, false, driveFont_);
    makeFont("Tahoma", 9.75, true, sizeFont_);

    ImageList1_.reset(ImageList_Create(kToolbarImage, kToolbarImage, ILC_COLOR24 | ILC_MASK, 5, 0));
    ImageList2_.reset(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
    for (const auto& [list, bitmap] :
         {std::pair{ImageList1_.get(), IDB_TOOLBAR}, std::pair{ImageList2_.get(), IDB_LIST}}) {
        const UniqueBitmap strip(static_cast<HBITMAP>(
            LoadImageA(instance, MAKEINTRESOURCEA(bitmap), IMAGE_BITMAP, 0, 0, 0)));
        ImageList_AddMasked(list, strip.get(), RGB(255, 0, 255));  // magenta is transparent
    }

    TwipRect drive = design::Drive1;
    drive.height += PixelsToTwips(kComboDropHeight, dpi_);
    Drive1_ = add(0, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, control_id::Drive1,
                  drive, driveFont);
    setComboHeight(Drive1_, design::Drive1);
    fillDrives();

    txPreview_ =
        add(WS_EX_CLIENTEDGE, "EDIT", kSampleText,
            WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
            control_id::txPreview, design::txPreview, windowFont);
    previewFont_.attach(txPreview_, "Arial", 36, kPreviewCharset, dpi_);
    SetWindowSubclass(txPreview_, PreviewProc, 1, 0);

    createToolbar();

    Dir1_ = add(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "", kDir1Style, control_id::Dir1, design::Dir1,
                windowFont);
    TreeView_SetImageList(Dir1_, ImageList2_.get(), TVSIL_NORMAL);
    tree_.attach(Dir1_);

    File1_ = add(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", kFile1Style, control_id::File1, design::File1,
                 windowFont);
    ListView_SetImageList(File1_, ImageList2_.get(), LVSIL_SMALL);
    ListView_SetImageList(File1_, ImageList2_.get(), LVSIL_NORMAL);
    list_.attach(File1_);

    txFontName_ = add(WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL,
                      control_id::txFontName, design::txFontName, windowFont);
    fontName_.attach(txFontName_);
}

void GlyphoraWindow::createToolbar() {
    Toolbar1_ =
        add(WS_EX_CONTROLPARENT, TOOLBARCLASSNAMEA, "",
            TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
            control_id::Toolbar1, design::Toolbar1, windowFont_.get());
    SendMessageA(Toolbar1_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(Toolbar1_, TB_SETBITMAPSIZE, 0, MAKELPARAM(kToolbarImage, kToolbarImage));
    SendMessageA(Toolbar1_, TB_SETIMAGELIST, 0, AsParam(ImageList1_.get()));
    // The padding around an image sets the smallest button the toolbar allows.
    SendMessageA(Toolbar1_, TB_SETPADDING, 0,
                 MAKELPARAM(kButtonWidth - kToolbarImage, kButtonHeight - kToolbarImage));
    SendMessageA(Toolbar1_, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonWidth, kButtonHeight));

    // The size box sits on a separator as wide as the box plus its margin on either side.
    const int margin = TwipsToPixels(design::cmbSize.left - kPlaceholderLeft, dpi_);
    const int placeholder = TwipsToPixels(design::cmbSize.width, dpi_) + 2 * margin;
    const auto button = [](int image, int command, BYTE style) {
        TBBUTTON b{};
        b.iBitmap = image - 1;  // the image list counts from 0
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
        separator(kSeparatorWidth, 0),
        button(toolbar_image::Install, control_id::InstallButton, BTNS_BUTTON),
        separator(kSeparatorWidth, 0),
        button(toolbar_image::Bold, control_id::BoldButton, BTNS_CHECK),
        button(toolbar_image::Italic, control_id::ItalicButton, BTNS_CHECK),
        separator(kSeparatorWidth, 0),
        separator(placeholder, control_id::SizePlaceholder),
        button(toolbar_image::About, control_id::AboutButton, BTNS_BUTTON),
    };
    SendMessageA(Toolbar1_, TB_ADDBUTTONSA, std::size(buttons), AsParam(buttons));
    SetWindowSubclass(Toolbar1_, ToolbarProc, 1, reinterpret_cast<DWORD_PTR>(this));

    RECT slot{};
    SendMessageA(Toolbar1_, TB_GETITEMRECT, 6, AsParam(&slot));
    TwipRect size = design::cmbSize;
    size.left = PixelsToTwips(slot.left + margin, dpi_);
    size.height += PixelsToTwips(kComboDropHeight, dpi_);
    cmbSize_ = add(0, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                   control_id::cmbSize, size, sizeFont_.get(), Toolbar1_);
    for (const char* entry : kSizes) SendMessageA(cmbSize_, CB_ADDSTRING, 0, AsParam(entry));
    SetWindowTextA(cmbSize_, "36");
    setComboHeight(cmbSize_, design::cmbSize);
    sizeText_.attach(cmbSize_);
}

// The size box lives on the toolbar, which would keep the box's notifications to itself.
LRESULT CALLBACK GlyphoraWindow::ToolbarProc(HWND toolbar, UINT message, WPARAM w, LPARAM l,
                                             UINT_PTR, DWORD_PTR self) {
    auto* window = reinterpret_cast<GlyphoraWindow*>(self);
    if (message == WM_COMMAND && AsWindow(l) == window->cmbSize_) {
        return SendMessageA(window->window_, WM_COMMAND, w, l);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(toolbar, ToolbarProc, 1);
    return DefSubclassProc(toolbar, message, w, l);
}

// A multi-line box keeps Tab for itself; here Tab moves on to the next control, as everywhere
// else in the window, and Ctrl+Tab types a tab.
LRESULT CALLBACK GlyphoraWindow::PreviewProc(HWND edit, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                             DWORD_PTR) {
    if (message == WM_GETDLGCODE && l) {
        const MSG* key = AsPointer<MSG>(l);
        if (key->message == WM_KEYDOWN && key->wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
            return DefSubclassProc(edit, message, w, l) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
        }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, PreviewProc, 1);
    return DefSubclassProc(edit, message, w, l);
}

// The drives the way the classic drive box shows them: "c: [LABEL]"; the current drive first
// selected.
void GlyphoraWindow::fillDrives() {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    const char currentLetter =
        current[1] == ':' ? static_cast<char>(std::toupper(static_cast<unsigned char>(current[0])))
                          : 'C';
    for (const Drive& drive : files_.drives()) {
        std::string text{static_cast<char>(std::tolower(static_cast<unsigned char>(drive.letter))),
                         ':'};
        if (!drive.label.empty()) text += " [" + drive.label + "]";
        const LRESULT index = SendMessageA(Drive1_, CB_ADDSTRING, 0, AsParam(text.c_str()));
        if (index < 0) continue;
        SendMessageA(Drive1_, CB_SETITEMDATA, index, drive.letter);
        if (drive.letter == currentLetter) SendMessageA(Drive1_, CB_SETCURSEL, index, 0);
    }
    if (SendMessageA(Drive1_, CB_GETCURSEL, 0, 0) < 0) SendMessageA(Drive1_, CB_SETCURSEL, 0, 0);
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
    HDWP moves = BeginDeferWindowPos(static_cast<int>(std::size(controls)));
    for (const auto& [control, was, now] : controls) {
        if (was == now) continue;
        int height = TwipsToPixels(now.height, dpi_);
        if (control == Drive1_) {
            // A combo box's window height is that of its dropped-down list.
            RECT dropped{};
            SendMessageA(control, CB_GETDROPPEDCONTROLRECT, 0, AsParam(&dropped));
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

LRESULT GlyphoraWindow::onNotify(NMHDR& header) {
    if (header.hwndFrom == Dir1_ && header.code == NM_CLICK) {
        const DWORD at = GetMessagePos();
        TVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
        ScreenToClient(Dir1_, &hit.pt);
        const HTREEITEM item = TreeView_HitTest(Dir1_, &hit);
        if (item && (hit.flags & TVHT_ONITEM)) {
            glyphora_.onDir1NodeClick(NodeId{reinterpret_cast<std::uintptr_t>(item)});
        }
        return 0;
    }
    if (header.hwndFrom == Dir1_ && header.code == NM_DBLCLK) {
        // A folder just read is expanded already; the tree's own toggle would fold it again.
        return glyphora_.onDir1DblClick() ? TRUE : FALSE;
    }
    if (header.hwndFrom == File1_ && header.code == NM_CLICK) {
        glyphora_.onFile1Click();
        return 0;
    }
    if (header.code == TTN_GETDISPINFOA) {
        auto& tip = reinterpret_cast<NMTTDISPINFOA&>(header);
        if (const char* text = TipFor(header.idFrom)) tip.lpszText = const_cast<char*>(text);
        return 0;
    }
    if (header.code == TTN_GETDISPINFOW) {
        auto& tip = reinterpret_cast<NMTTDISPINFOW&>(header);
        if (const char* text = TipFor(header.idFrom)) {
            MultiByteToWideChar(CP_ACP, 0, text, -1, tip.szText,
                                static_cast<int>(std::size(tip.szText)));
            tip.lpszText = tip.szText;
        }
        return 0;
    }
    return 0;
}

void GlyphoraWindow::onCommand(int id, int code, HWND from) {
    if (from && from == Toolbar1_) {
        onToolbarButton(id);
    } else if (id == control_id::Drive1 && code == CBN_SELCHANGE) {
        const LRESULT index = SendMessageA(Drive1_, CB_GETCURSEL, 0, 0);
        if (index >= 0) {
            glyphora_.onDrive1Change(
                static_cast<char>(SendMessageA(Drive1_, CB_GETITEMDATA, index, 0)));
        }
    } else if (id == control_id::cmbSize) {
        switch (code) {
            case CBN_SELCHANGE: {
                // The edit part takes the picked entry only after this notification.
                const LRESULT index = SendMessageA(cmbSize_, CB_GETCURSEL, 0, 0);
                char entry[16] = {};
                if (index >= 0 && SendMessageA(cmbSize_, CB_GETLBTEXTLEN, index, 0) <
                                      static_cast<LRESULT>(sizeof entry)) {
                    SendMessageA(cmbSize_, CB_GETLBTEXT, index, AsParam(entry));
                    SetWindowTextA(cmbSize_, entry);
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

void GlyphoraWindow::onToolbarButton(int command) {
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_IMAGE | TBIF_STATE;
    if (SendMessageA(Toolbar1_, TB_GETBUTTONINFOA, command, AsParam(&info)) < 0) return;
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
