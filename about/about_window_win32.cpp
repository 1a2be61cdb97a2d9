#include "about/about_window_win32.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "about/about_box.h"
#include "app/design.h"
#include "app/pictures_win32.h"
#include "platform/ansi_win32.h"
#include "platform/message_win32.h"
#include "platform/screen_win32.h"
#include "platform/window_font_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

constexpr DWORD kStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr COLORREF kGreen = RGB(0, 192, 0);

// A dialog template with no controls: the window places its own, in twips.
std::vector<WORD> EmptyTemplate(const wchar_t* caption) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = kStyle;
    words.push_back(0);  // no menu
    words.push_back(0);  // the standard dialog class
    for (const wchar_t* c = caption; *c; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

// Which of the window's fonts a control is drawn in.
enum class Face { Plain, Notice, Link, Title };

// Each control's place in twips of the client area, and its font.
constexpr struct {
    int id, left, top, width, height;
    Face face;
} kPlaces[] = {{IDOK, 1568, 2820, 1695, 375, Face::Plain},
               {control_id::Label5, 60, 1320, 4695, 615, Face::Notice},
               {control_id::Image3, 2055, 540, 720, 720, Face::Plain},
               {control_id::Label2, 120, 2460, 2430, 240, Face::Link},
               {control_id::Label1, 0, 0, 4815, 615, Face::Title},
               {control_id::Image2, 120, 1980, 930, 465, Face::Plain}};

// Windows (10, version 1703 and later) scales a dialog made from a template by itself when the
// resolution changes, fonts and controls alike; this one makes and scales its own controls, so
// the dialog manager is told to leave them be. Wine and older systems scale no dialog and lack
// the function, which is why it is looked up in the user32 the program has loaded.
void KeepDialogScalingOff(HWND dialog) {
    using SetBehavior = BOOL WINAPI(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto set = user32 ? reinterpret_cast<SetBehavior*>(reinterpret_cast<void*>(
                                  GetProcAddress(user32, "SetDialogDpiChangeBehavior")))
                            : nullptr;
    if (set) (void)set(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

class AboutWindow {
  public:
    AboutWindow(HWND owner, Shell& shell) : owner_(owner), about_(shell) {}

    void run() {
        std::vector<WORD> dialog = EmptyTemplate(L"About...");
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner_,
                                DialogProc, AsParam(this));
    }

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, l);
        auto* self = reinterpret_cast<AboutWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
        if (!self) return FALSE;
        if (message == WM_INITDIALOG) self->dialog_ = dialog;
        return self->handle(message, w, l);
    }

    INT_PTR handle(UINT message, WPARAM w, LPARAM l) {
        switch (message) {
            case WM_INITDIALOG:
                onLoad();
                return FALSE;  // the focus is set already
            case WM_PAINT:
                onPaint();
                return TRUE;
            case WM_CTLCOLORSTATIC:
                return onColorStatic(reinterpret_cast<HDC>(w), AsWindow(l));
            case WM_SETCURSOR:
                if (AsWindow(w) == Label2_ || AsWindow(w) == Image2_) {
                    SetCursor(hand_.get());
                    SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
                    return TRUE;
                }
                return FALSE;
            case WM_COMMAND:
                onCommand(LOWORD(w), HIWORD(w));
                return TRUE;
            case WM_DPICHANGED:
                onDpiChanged(HIWORD(w), *AsPointer<RECT>(l));
                return TRUE;
            default:
                return FALSE;
        }
    }

    int px(int twips) const { return TwipsToPixels(twips, dpi_); }

    HWND add(const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
        return CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                               dialog_, AsMenuId(id), GetModuleHandleW(nullptr), nullptr);
    }

    // The window is made at its owner's client area (no DS_ABSALIGN), so on its owner's monitor,
    // and has that monitor's resolution. Centred over the owner, it may yet move to another
    // monitor, and then hears of the change like any move.
    void onLoad() {
        dpi_ = DpiOf(dialog_);
        KeepDialogScalingOff(dialog_);

        // Created from the top of the drawing order down; the white panel and the etched line
        // are painted beneath them all.
        HWND ok = add(L"BUTTON", L"&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
        HWND Label5 = add(L"STATIC", L"Label3", SS_LEFT | SS_NOPREFIX, control_id::Label5);
        add(L"STATIC", L"", SS_ICON | SS_REALSIZEIMAGE, control_id::Image3);
        Label2_ =
            add(L"STATIC", Widen(kHomePage), SS_LEFT | SS_NOTIFY | SS_NOPREFIX, control_id::Label2);
        add(L"STATIC", Widen(kAboutTitle), SS_CENTER | SS_NOPREFIX, control_id::Label1);
        Image2_ = add(L"STATIC", L"", SS_BITMAP | SS_NOTIFY, control_id::Image2);
        applyDpi();
        addTip(Image2_, Widen(kDonateTip));
        SetWindowTextW(Label5, Widen(about_.onLoad()).c_str());

        RECT frame{0, 0, px(design::AboutClientWidth), px(design::AboutClientHeight)};
        AdjustWindowRectExForDpi(&frame, kStyle, FALSE, GetWindowLongW(dialog_, GWL_EXSTYLE), dpi_);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        RECT over{};
        if (!owner_ || !GetWindowRect(owner_, &over)) {
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
        }
        SetWindowPos(dialog_, nullptr, over.left + (over.right - over.left - width) / 2,
                     over.top + (over.bottom - over.top - height) / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetFocus(ok);
    }

    // Everything the resolution decides, at the designed size in points and twips: the fonts,
    // the icons, the cursor and the picture, and each control's place.
    void applyDpi() {
        UniqueFont plain = WindowFont(L"MS Sans Serif", 8.25, dpi_);
        UniqueFont notice = WindowFont(L"Tahoma", 8.25, dpi_);
        UniqueFont link = WindowFont(L"Arial", 9.75, dpi_, /*bold=*/true, /*italic=*/true);
        UniqueFont title = WindowFont(L"Verdana", 20.25, dpi_, /*bold=*/true);
        for (const auto& place : kPlaces) {
            const HWND control = GetDlgItem(dialog_, place.id);
            SetWindowPos(control, nullptr, px(place.left), px(place.top), px(place.width),
                         px(place.height), SWP_NOZORDER | SWP_NOACTIVATE);
            const HFONT font = place.face == Face::Notice  ? notice.get()
                               : place.face == Face::Link  ? link.get()
                               : place.face == Face::Title ? title.get()
                                                           : plain.get();
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
        fitToText(Label2_, link.get());

        UniqueIcon smallIcon(LoadProgramIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi_)));
        UniqueIcon bigIcon(LoadProgramIcon(px(picture::ProgramIcon)));
        UniqueBitmap donate(LoadPicture(IDB_DONATE, px(930), px(465), dpi_));
        SendMessageW(dialog_, WM_SETICON, ICON_SMALL, AsParam(smallIcon.get()));
        SendMessageW(dialog_, WM_SETICON, ICON_BIG, AsParam(bigIcon.get()));
        SendDlgItemMessageW(dialog_, control_id::Image3, STM_SETICON, AsParam(bigIcon.get()), 0);
        SendMessageW(Image2_, STM_SETIMAGE, IMAGE_BITMAP, AsParam(donate.get()));
        UniqueCursor hand(static_cast<HCURSOR>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_POINTER), IMAGE_CURSOR,
                       px(picture::HandCursor), px(picture::HandCursor), 0)));
        if (hand_ && GetCursor() == hand_.get()) SetCursor(hand.get());

        // The controls and the window have let go of the old ones before these are deleted.
        plainFont_ = std::move(plain), noticeFont_ = std::move(notice);
        linkFont_ = std::move(link), titleFont_ = std::move(title);
        smallIcon_ = std::move(smallIcon), bigIcon_ = std::move(bigIcon);
        donate_ = std::move(donate), hand_ = std::move(hand);
    }

    // The window moved to a monitor of another resolution, or the user changed its scale: it is
    // made anew for the resolution and takes the rectangle Windows suggests.
    void onDpiChanged(int dpi, const RECT& suggested) {
        dpi_ = dpi;
        applyDpi();
        SetWindowPos(dialog_, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(dialog_, nullptr, TRUE);  // the panel and its line, in the new pixels
    }

    // The link is as large as its one line of text, so only the text is clickable.
    void fitToText(HWND label, HFONT font) {
        wchar_t text[256] = {};
        GetWindowTextW(label, text, 256);
        const WindowDC dc(label);
        const SelectedObject selected(dc.get(), font);
        SIZE size{};
        GetTextExtentPoint32W(dc.get(), text, lstrlenW(text), &size);
        SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    }

    void addTip(HWND control, std::wstring text) {
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog_;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();  // the tip keeps its own copy
        SendMessageW(tip_, TTM_ADDTOOLW, 0, AsParam(&tool));
    }

    void onPaint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(dialog_, &paint);
        RECT panel{0, 0, px(4875), px(2775)};
        FillRect(dc, &panel, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const auto line = [&](int colour, int y, int toX) {
            const UniquePen pen(CreatePen(PS_SOLID, 1, GetSysColor(colour)));
            const SelectedObject selected(dc, pen.get());
            MoveToEx(dc, 0, px(y), nullptr);
            LineTo(dc, px(toX), px(y));
        };
        line(COLOR_BTNSHADOW, 2760, 4860);
        line(COLOR_BTNHIGHLIGHT, 2772, 4972);
        EndPaint(dialog_, &paint);
    }

    // Labels and pictures lie on the white panel, so their background is white.
    INT_PTR onColorStatic(HDC dc, HWND control) {
        const int id = GetDlgCtrlID(control);
        SetTextColor(dc, (id == control_id::Label1 || id == control_id::Label2)
                             ? kGreen
                             : GetSysColor(COLOR_WINDOWTEXT));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }

    void onCommand(int id, int code) {
        if (id == IDOK || id == IDCANCEL) {
            EndDialog(dialog_, id);
        } else if (id == control_id::Image2 && code == STN_CLICKED) {
            about_.onImage2Click();
        } else if (id == control_id::Label2 && code == STN_CLICKED) {
            about_.onLabel2Click();
        }
    }

    HWND owner_;
    AboutBox about_;
    HWND dialog_ = nullptr;
    HWND Label2_ = nullptr;
    HWND Image2_ = nullptr;
    HWND tip_ = nullptr;  // a child of the dialog: it goes with it
    int dpi_ = 96;
    UniqueIcon smallIcon_, bigIcon_;
    UniqueCursor hand_;
    UniqueBitmap donate_;
    UniqueFont plainFont_, noticeFont_, linkFont_, titleFont_;
};

}  // namespace

void ShowAboutWindow(HWND owner, Shell& shell) {
    AboutWindow window(owner, shell);
    window.run();
}

}  // namespace typelens::win32
