// The main window's pictures and its answer to a change of resolution, on the real controls.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "about/about_window_win32.h"
#include "app/glyphora_window_win32.h"
#include "app/pictures_win32.h"
#include "platform/message_win32.h"
#include "platform/screen_win32.h"
#include "platform/window_font_win32.h"
#include "platform/shell_win32.h"

namespace typelens::win32 {
namespace {

// Magenta, or a tint of it that an edge mixed with the background: what a picture scaled before
// its magenta was taken out shows (#D210EE beside the B at 120 dpi).
bool Magentaish(DWORD pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return r > 150 && b > 150 && g < 100;
}

// Every picture of the toolbar and the list, drawn on white as the controls draw them, at the
// resolutions people use: drawn for some, scaled for the others.
TEST(Pictures, NoMagentaAtAnyResolution) {
    for (const int dpi : {96, 120, 144, 168, 192}) {
        for (const auto& [resource, size, count] :
             {std::tuple{IDB_TOOLBAR, 24, 5}, std::tuple{IDB_LIST, 16, 2}}) {
            const int side = MulDiv(size, dpi, 96);
            const UniqueBitmap strip(LoadKeyedPicture(resource, side * count, side, dpi));
            const UniqueImageList list(ImageList_Create(side, side, ILC_COLOR32, count, 0));
            ASSERT_EQ(ImageList_Add(list.get(), strip.get(), nullptr), 0);
            BITMAPINFO info{};
            info.bmiHeader = {sizeof info.bmiHeader, side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
            void* bits = nullptr;
            const UniqueBitmap canvas(
                CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
            HDC dc = CreateCompatibleDC(nullptr);
            const HGDIOBJ old = SelectObject(dc, canvas.get());
            int found = 0, drawn = 0;
            for (int image = 0; image < count; ++image) {
                RECT all{0, 0, side, side};
                FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                ImageList_Draw(list.get(), image, dc, 0, 0, ILD_NORMAL);
                GdiFlush();
                for (int i = 0; i < side * side; ++i) {
                    const DWORD pixel = static_cast<const DWORD*>(bits)[i] & 0xFFFFFF;
                    found += Magentaish(pixel);
                    drawn += pixel != 0xFFFFFF;
                }
            }
            SelectObject(dc, old);
            DeleteDC(dc);
            EXPECT_EQ(found, 0) << dpi << " dpi, picture " << resource;
            EXPECT_GT(drawn, side * count) << dpi << " dpi, picture " << resource;  // not blank
        }
    }
}

TwipRect Twips(HWND control, int dpi) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {PixelsToTwips(r.left, dpi), PixelsToTwips(r.top, dpi),
            PixelsToTwips(r.right - r.left, dpi), PixelsToTwips(r.bottom - r.top, dpi)};
}

LONG FontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

// Moved to a monitor of twice the resolution, the window keeps its designed size in twips, its
// controls their places, and its fonts and pictures their size in points and twips.
TEST(GlyphoraWindow, FollowsAChangeOfResolution) {
    GlyphoraWindow window;
    window.show();
    const HWND main = window.hwnd();
    ASSERT_TRUE(main);
    const int before = ScreenDpi();
    for (const int dpi : {before * 2, before}) {
        RECT frame{0, 0, TwipsToPixels(design::ClientWidth, dpi),
                   TwipsToPixels(design::ClientHeight, dpi)};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(main, GWL_STYLE)), FALSE,
                           0);
        OffsetRect(&frame, 10 - frame.left, 10 - frame.top);
        SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        SCOPED_TRACE(dpi);
        const auto control = [&](int id) { return GetDlgItem(main, id); };
        const TwipRect dir = Twips(control(control_id::Dir1), dpi);
        EXPECT_NEAR(dir.left, 60, 15);
        EXPECT_NEAR(dir.top, 960, 15);
        EXPECT_NEAR(dir.width, 4372, 15);  // as the layout makes it for the designed client area
        EXPECT_NEAR(Twips(control(control_id::txPreview), dpi).height, 3105, 15);
        EXPECT_EQ(FontHeightOf(control(control_id::Dir1)), FontHeight(8.25, dpi));
        EXPECT_EQ(FontHeightOf(control(control_id::txPreview)), FontHeight(36, dpi));
        const HWND toolbar = control(control_id::Toolbar1);
        EXPECT_EQ(LOWORD(SendMessageW(toolbar, TB_GETBUTTONSIZE, 0, 0)),
                  TwipsToPixels(picture::ButtonWidth, dpi));
        int side = 0, unused = 0;
        ImageList_GetIconSize(
            reinterpret_cast<HIMAGELIST>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0)), &side,
            &unused);
        EXPECT_EQ(side, TwipsToPixels(picture::ToolbarImage, dpi));
        // The size box shows any size of three digits whole, with the caret after it.
        const HWND size = GetDlgItem(toolbar, control_id::cmbSize);
        const HWND digits = FindWindowExW(size, nullptr, L"Edit", nullptr);
        SetWindowTextW(size, L"888");
        SendMessageW(digits, EM_SETSEL, 3, 3);
        SendMessageW(digits, EM_SCROLLCARET, 0, 0);
        EXPECT_GE(static_cast<short>(LOWORD(SendMessageW(digits, EM_POSFROMCHAR, 0, 0))), 0);
    }
}

// The About window at twice its resolution: it takes the rectangle Windows suggests, and its
// controls, pictures and fonts keep their designed size in twips and points.
TEST(AboutWindow, FollowsAChangeOfResolution) {
    static bool changed = false;
    SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR timer, DWORD) {
        const HWND about = FindWindowW(L"#32770", L"About...");
        if (!about) return;  // not open yet
        KillTimer(nullptr, timer);
        const int dpi = DpiOf(about) * 2;
        const auto px = [dpi](int twips) { return TwipsToPixels(twips, dpi); };
        RECT suggested{20, 30, 20 + px(5000), 30 + px(3800)}, now{};
        SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), AsParam(&suggested));
        GetWindowRect(about, &now);
        EXPECT_TRUE(EqualRect(&now, &suggested));
        const TwipRect ok = Twips(GetDlgItem(about, IDOK), dpi);
        EXPECT_NEAR(ok.left, 1568, 15);
        EXPECT_NEAR(ok.width, 1695, 15);
        EXPECT_EQ(Twips(GetDlgItem(about, control_id::Image3), dpi).width, 720);
        const TwipRect donate = Twips(GetDlgItem(about, control_id::Image2), dpi);
        EXPECT_EQ(donate.width, 930);
        EXPECT_EQ(donate.height, 465);
        EXPECT_EQ(FontHeightOf(GetDlgItem(about, control_id::Label1)), FontHeight(20.25, dpi));
        changed = true;
        SendMessageW(about, WM_COMMAND, IDOK, 0);
    });
    Win32Shell shell;
    ShowAboutWindow(nullptr, shell);
    EXPECT_TRUE(changed);
}

}  // namespace
}  // namespace typelens::win32
