#include <gtest/gtest.h>
#include <windows.h>

#include "app/design.h"
#include "app/glyphora_window_win32.h"

namespace typelens::win32 {
namespace {

LOGFONTA FontOf(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

HWND Control(HWND window, int id) {
    HWND found = GetDlgItem(window, id);
    if (!found) found = GetDlgItem(GetDlgItem(window, control_id::Toolbar1), id);
    return found;
}

TEST(MainWindow, ControlsCarryTheirDesignedFonts) {
    GlyphoraWindow window;
    window.show();
    const HWND main = window.hwnd();
    ASSERT_NE(main, nullptr);

    struct Expected {
        int id;
        const char* face;
        LONG height;  // pixels at 96 dots per inch
        LONG weight;
    };
    for (const Expected& e : {Expected{control_id::Drive1, "MS Sans Serif", -11, FW_NORMAL},
                              Expected{control_id::cmbSize, "Tahoma", -13, FW_BOLD},
                              Expected{control_id::txFontName, "Tahoma", -11, FW_NORMAL},
                              Expected{control_id::Dir1, "Tahoma", -11, FW_NORMAL},
                              Expected{control_id::txPreview, "Arial", -48, FW_NORMAL}}) {
        const LOGFONTA font = FontOf(Control(main, e.id));
        EXPECT_STREQ(font.lfFaceName, e.face) << e.id;
        EXPECT_EQ(font.lfHeight, e.height) << e.id;
        EXPECT_EQ(font.lfWeight, e.weight) << e.id;
    }
    EXPECT_EQ(FontOf(Control(main, control_id::txPreview)).lfCharSet, 204);
    // The size box's text is drawn by its edit part.
    const HWND sizeEdit = GetWindow(Control(main, control_id::cmbSize), GW_CHILD);
    EXPECT_EQ(FontOf(sizeEdit).lfWeight, FW_BOLD);
    DestroyWindow(main);
}

}  // namespace
}  // namespace typelens::win32
