#include "app/main_toolbar_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "app/design.h"
#include "app/toolbar.h"
#include "platform/message_win32.h"
#include "platform/window_font_win32.h"

namespace typelens::win32 {
namespace {

constexpr const wchar_t* kSizes[] = {L" 8", L" 9", L"10", L"12", L"14", L"16", L"18",
                                     L"20", L"22", L"24", L"28", L"36", L"72"};
constexpr int kPlaceholderLeft = 1710;  // twips from the toolbar's left end
constexpr int kPlaceholder = 6;         // the placeholder's position, counted from 0

// The room between the size box and either end of the placeholder it sits on.
int SizeBoxMargin(int dpi) {
    return TwipsToPixels(design::cmbSize.left - kPlaceholderLeft, dpi);
}

// Where the size box goes on the sized toolbar, with its list dropped.
RECT SizeBoxPlace(HWND toolbar, int dpi) {
    RECT slot{};
    SendMessageW(toolbar, TB_GETITEMRECT, kPlaceholder, AsParam(&slot));
    const int left = slot.left + SizeBoxMargin(dpi);
    const int top = TwipsToPixels(design::cmbSize.top, dpi);
    return {left, top, left + TwipsToPixels(design::cmbSize.width, dpi),
            top + TwipsToPixels(design::cmbSize.height + design::ComboDropHeight, dpi)};
}

// The widest digit's advance in `font`; 0 when it cannot be told.
int WidestDigit(HDC dc, HFONT font) {
    const SelectedObject selected(dc, font);
    INT advances[10] = {};
    if (!GetCharWidth32W(dc, L'0', L'9', advances)) return 0;
    return *std::max_element(std::begin(advances), std::end(advances));
}

// `font`, or else the same font made smaller a pixel at a time until three of its widest digits
// fit in `room` pixels. Smaller rather than narrower: squeezed to fit, Tahoma's digits lost the
// shapes its hinting gives them (a "6" drawn with a stray step).
UniqueFont FittedToDigits(UniqueFont font, HWND edit, int room) {
    const WindowDC dc(edit);
    LOGFONTW smaller{};
    if (!GetObjectW(font.get(), sizeof smaller, &smaller)) return font;
    while (3 * WidestDigit(dc.get(), font.get()) > room && smaller.lfHeight < -1) {
        ++smaller.lfHeight;  // the em height, which a negative height names, a pixel less
        UniqueFont next(CreateFontIndirectW(&smaller));
        if (!next) break;
        font = std::move(next);
    }
    return font;
}

}  // namespace

HWND CreateToolbar(HWND parent, int width, HFONT font) {
    HWND toolbar = CreateWindowExW(WS_EX_CONTROLPARENT, TOOLBARCLASSNAMEW, L"",
                                   WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                       CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                   0, 0, width, 0, parent, AsMenuId(control_id::Toolbar1),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(toolbar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const auto button = [](int picture, int command, BYTE style) {
        TBBUTTON b{};
        b.iBitmap = picture - 1;  // the image list counts from 0
        b.idCommand = command;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = style;
        return b;
    };
    const auto separator = [](int command) {
        TBBUTTON b{};
        b.idCommand = command;
        b.fsStyle = BTNS_SEP;
        return b;
    };
    const TBBUTTON buttons[] = {
        separator(0),
        button(toolbar_image::Install, control_id::InstallButton, BTNS_BUTTON),
        separator(0),
        button(toolbar_image::Bold, control_id::BoldButton, BTNS_CHECK),
        button(toolbar_image::Italic, control_id::ItalicButton, BTNS_CHECK),
        separator(0),
        separator(control_id::SizePlaceholder),
        button(toolbar_image::About, control_id::AboutButton, BTNS_BUTTON),
    };
    SendMessageW(toolbar, TB_ADDBUTTONSW, std::size(buttons), AsParam(buttons));
    return toolbar;
}

HWND CreateSizeBox(HWND toolbar, int dpi, UniqueFont& font) {
    const RECT place = SizeBoxPlace(toolbar, dpi);
    HWND box = CreateWindowExW(
        0, L"COMBOBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
        place.left, place.top, place.right - place.left, place.bottom - place.top, toolbar,
        AsMenuId(control_id::cmbSize), GetModuleHandleW(nullptr), nullptr);
    // The sizes come once the box has its font: it would measure its list anew in each font.
    font = FitSizeBox(box, dpi);
    for (const wchar_t* entry : kSizes) SendMessageW(box, CB_ADDSTRING, 0, AsParam(entry));
    return box;
}

// Tahoma 9.75 pt bold leaves no room for a third digit in the edit part of a box 675 twips wide
// beside its button ("120" showed as "20"), so the font is made as much smaller as that needs. The
// edit part sits inside the box's border, and a digit's side bearings keep it off the edge: it
// needs no margin but the caret's width, after the last digit. Its margins are set after its
// font, which sets them anew.
UniqueFont FitSizeBox(HWND sizeBox, int dpi) {
    UniqueFont font = WindowFont(L"Tahoma", 9.75, dpi, /*bold=*/true);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    const bool edit = GetComboBoxInfo(sizeBox, &parts) && parts.hwndItem;
    RECT inside{};
    if (edit && GetClientRect(parts.hwndItem, &inside)) {
        DWORD caret = 1;
        (void)SystemParametersInfoW(SPI_GETCARETWIDTH, 0, &caret, 0);  // else the usual pixel
        font =
            FittedToDigits(std::move(font), parts.hwndItem, inside.right - static_cast<int>(caret));
    }
    SendMessageW(sizeBox, WM_SETFONT, AsParam(font.get()), TRUE);
    if (edit) SendMessageW(parts.hwndItem, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetComboHeight(sizeBox, TwipsToPixels(design::cmbSize.height, dpi));
    return font;
}

// The padding around an image sets the smallest button the toolbar allows; a separator's width
// is its "image". The size box sits on a separator as wide as the box and its margin on either
// side.
void SizeToolbar(HWND toolbar, HIMAGELIST pictures, int dpi) {
    const int image = TwipsToPixels(picture::ToolbarImage, dpi);
    const int buttonWidth = TwipsToPixels(picture::ButtonWidth, dpi),
              buttonHeight = TwipsToPixels(picture::ButtonHeight, dpi);
    SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(image, image));
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, AsParam(pictures));
    SendMessageW(toolbar, TB_SETPADDING, 0, MAKELPARAM(buttonWidth - image, buttonHeight - image));
    SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));
    const int margin = SizeBoxMargin(dpi);
    for (int index : {0, 2, 5, kPlaceholder}) {
        TBBUTTONINFOW gap{};
        gap.cbSize = sizeof gap;
        gap.dwMask = TBIF_BYINDEX | TBIF_SIZE;
        gap.cx = static_cast<WORD>(index == kPlaceholder
                                       ? TwipsToPixels(design::cmbSize.width, dpi) + 2 * margin
                                       : TwipsToPixels(picture::Separator, dpi));
        SendMessageW(toolbar, TB_SETBUTTONINFOW, index, AsParam(&gap));
    }
    RECT bar{};
    GetWindowRect(toolbar, &bar);
    SetWindowPos(toolbar, nullptr, 0, 0, bar.right - bar.left,
                 TwipsToPixels(design::Toolbar1.height, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceSizeBox(HWND toolbar, HWND sizeBox, int dpi) {
    const RECT place = SizeBoxPlace(toolbar, dpi);
    RECT now{};
    GetWindowRect(sizeBox, &now);
    MapWindowPoints(HWND_DESKTOP, toolbar, reinterpret_cast<POINT*>(&now), 2);
    // The closed box's height is its own (FitSizeBox); the place sets the rest.
    if (now.left != place.left || now.top != place.top ||
        now.right - now.left != place.right - place.left) {
        SetWindowPos(sizeBox, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

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

// Install takes Shift as well, so no slip of a finger while typing a sample installs anything.
UniqueAccelerators MakeShortcuts() {
    ACCEL keys[] = {{FVIRTKEY | FCONTROL, 'B', control_id::BoldButton},
                    {FVIRTKEY | FCONTROL, 'I', control_id::ItalicButton},
                    {FVIRTKEY | FCONTROL | FSHIFT, 'I', control_id::InstallButton},
                    {FVIRTKEY, VK_F1, control_id::AboutButton},
                    {FVIRTKEY, VK_F5, control_id::Refresh}};
    return UniqueAccelerators(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

// Windows and Wine disagree on how the height read back relates to the item height set, so the
// box is measured after each try.
void SetComboHeight(HWND combo, int height) {
    LRESULT item = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int attempt = 0; attempt < 4 && item > 0; ++attempt) {
        RECT now{};
        GetWindowRect(combo, &now);
        const int off = height - (now.bottom - now.top);
        if (off == 0) return;
        item += off;
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    }
}

}  // namespace typelens::win32
