// The main window as designed, in twips (1/1440 inch; 15 to a pixel at 96 dots per inch), and
// the numbers that identify its controls to Windows and to the tools that look at it.
#pragma once

#include <cmath>

#include "app/layout.h"
#include "version.h"

namespace typelens {

namespace design {
inline constexpr int ClientWidth = 8925;
inline constexpr int ClientHeight = 6990;
inline constexpr TwipRect Toolbar1{0, 0, 8925, 540};
inline constexpr TwipRect cmbSize{1740, 60, 675, 360};  // on the toolbar
inline constexpr TwipRect Drive1{60, 600, 4275, 315};
inline constexpr TwipRect Dir1{60, 960, 4275, 2415};
inline constexpr TwipRect File1{4380, 600, 4515, 2415};
inline constexpr TwipRect txFontName{4380, 3060, 4515, 285};
inline constexpr TwipRect txPreview{60, 3420, 8895, 1335};

// The smallest client area: the toolbar's buttons all shown, the tree and the list two rows
// high, the preview a line, and nothing overlapping.
inline constexpr int MinClientWidth = 3000;
inline constexpr int MinClientHeight = 2430;

// A combo box's window holds its list dropped down below it: this much list.
inline constexpr int ComboDropHeight = 3600;

inline constexpr int AboutClientWidth = 4830;
inline constexpr int AboutClientHeight = 3240;
}  // namespace design

namespace control_id {
inline constexpr int Toolbar1 = 2001;
inline constexpr int cmbSize = 2002;
inline constexpr int Drive1 = 2003;
inline constexpr int Dir1 = 2004;
inline constexpr int File1 = 2005;
inline constexpr int txFontName = 2006;
inline constexpr int txPreview = 2007;
inline constexpr int lblInstalled = 2008;  // on the toolbar, after its buttons
// The toolbar's buttons, left to right.
inline constexpr int InstallButton = 2101;
inline constexpr int BoldButton = 2102;
inline constexpr int ItalicButton = 2103;
inline constexpr int SizePlaceholder = 2104;
inline constexpr int AboutButton = 2105;
// Commands of the keyboard alone.
inline constexpr int Refresh = 2301;  // F5
// The About window; its OK button is the dialog's IDOK (1).
inline constexpr int Label5 = 2201;
inline constexpr int Image3 = 2202;
inline constexpr int Label2 = 2203;
inline constexpr int Label1 = 2204;
inline constexpr int Image2 = 2205;
}  // namespace control_id

inline constexpr wchar_t kMainWindowClass[] = L"Typelens.Glyphora";
#define TYPELENS_WIDE_(text) L##text
#define TYPELENS_WIDE(text) TYPELENS_WIDE_(text)
inline constexpr wchar_t kProductName[] = TYPELENS_WIDE(TYPELENS_PRODUCT);
inline constexpr wchar_t kMainCaption[] = TYPELENS_WIDE(TYPELENS_TITLE);

// Sizes of the pictures, in twips: 24, 16 and 48 pixels at 96 dots per inch.
namespace picture {
inline constexpr int ToolbarImage = 360;
inline constexpr int ButtonWidth = 450;  // 30 x 31 pixels
inline constexpr int ButtonHeight = 465;
inline constexpr int Separator = 120;
inline constexpr int ListImage = 240;
inline constexpr int ProgramIcon = 720;
inline constexpr int HandCursor = 480;
}  // namespace picture

// A row of the font list: the line in its file's face about twice as high as the names.
namespace row {
inline constexpr int Height = 450;  // 30 pixels at 96 dots per inch
inline constexpr int Em = 330;      // 16.5 points: twice the names' 8.25
inline constexpr int Widest = 12000;
}  // namespace row

inline int TwipsToPixels(int twips, int dpi) {
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

inline int PixelsToTwips(int pixels, int dpi) {
    return static_cast<int>(std::lround(pixels * 1440.0 / dpi));
}

}  // namespace typelens
