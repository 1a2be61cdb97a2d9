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
            default:
                return FALSE;
        }
    }

    int px(int twips) const { return TwipsToPixels(twips, dpi_); }

    HWND add(const wchar_t* kind, const std::wstring& text, DWORD style, int id, int left, int top,
             int width, int height, HFONT font) {
        HWND control = CreateWindowExW(0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                       px(left), px(top), px(width), px(height), dialog_,
                                       AsMenuId(id), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    }

    void onLoad() {
        dpi_ = DpiOf(owner_);  // the resolution of the monitor the main window is on
        const HINSTANCE instance = GetModuleHandleW(nullptr);

        RECT frame{0, 0, px(design::AboutClientWidth), px(design::AboutClientHeight)};
        AdjustWindowRectEx(&frame, kStyle, FALSE, GetWindowLongW(dialog_, GWL_EXSTYLE));
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        RECT over{};
        if (!owner_ || !GetWindowRect(owner_, &over)) {
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
        }
        SetWindowPos(dialog_, nullptr, over.left + (over.right - over.left - width) / 2,
                     over.top + (over.bottom - over.top - height) / 2, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);

        // The pictures at their designed size in twips, whatever the screen's resolution.
        smallIcon_.reset(LoadProgramIcon(GetSystemMetrics(SM_CXSMICON)));
        bigIcon_.reset(LoadProgramIcon(px(picture::ProgramIcon)));
        SendMessageW(dialog_, WM_SETICON, ICON_SMALL, AsParam(smallIcon_.get()));
        SendMessageW(dialog_, WM_SETICON, ICON_BIG, AsParam(bigIcon_.get()));
        hand_.reset(static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_HAND_POINTER),
                                                    IMAGE_CURSOR, px(picture::HandCursor),
                                                    px(picture::HandCursor), 0)));
        donate_.reset(LoadPicture(IDB_DONATE, px(930), px(465), dpi_));

        plainFont_ = WindowFont(L"MS Sans Serif", 8.25, dpi_);
        noticeFont_ = WindowFont(L"Tahoma", 8.25, dpi_);
        linkFont_ = WindowFont(L"Arial", 9.75, dpi_, /*bold=*/true, /*italic=*/true);
        titleFont_ = WindowFont(L"Verdana", 20.25, dpi_, /*bold=*/true);
        const HFONT plain = plainFont_.get(), notice = noticeFont_.get(), link = linkFont_.get(),
                    title = titleFont_.get();

        // Created from the top of the drawing order down; the white panel and the etched line
        // are painted beneath them all.
        HWND ok = add(L"BUTTON", L"&Ok", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 1568, 2820, 1695, 375,
                      plain);
        HWND Label5 = add(L"STATIC", L"Label3", SS_LEFT | SS_NOPREFIX, control_id::Label5, 60, 1320,
                          4695, 615, notice);
        HWND Image3 = add(L"STATIC", L"", SS_ICON | SS_REALSIZEIMAGE, control_id::Image3, 2055, 540,
                          720, 720, plain);
        Label2_ = add(L"STATIC", Widen(kHomePage), SS_LEFT | SS_NOTIFY | SS_NOPREFIX,
                      control_id::Label2, 120, 2460, 2430, 240, link);
        add(L"STATIC", Widen(kAboutTitle), SS_CENTER | SS_NOPREFIX, control_id::Label1, 0, 0, 4815,
            615, title);
        Image2_ = add(L"STATIC", L"", SS_BITMAP | SS_NOTIFY, control_id::Image2, 120, 1980, 930,
                      465, plain);

        SendMessageW(Image3, STM_SETICON, AsParam(bigIcon_.get()), 0);
        SendMessageW(Image2_, STM_SETIMAGE, IMAGE_BITMAP, AsParam(donate_.get()));
        fitToText(Label2_, link);
        addTip(Image2_, Widen(kDonateTip));

        SetWindowTextW(Label5, Widen(about_.onLoad()).c_str());
        SetFocus(ok);
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
