// Where the main window's controls go when its size changes. All values are twips.
#pragma once

#include <cstdint>

namespace typelens {

struct TwipRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// The controls that the layout reads or moves, as they stand now.
struct MainLayout {
    TwipRect Toolbar1, Drive1, Dir1, File1, txFontName, txPreview;
    friend bool operator==(const MainLayout&, const MainLayout&) = default;
};

enum class WindowState { Normal, Minimized, Maximized };

// Splits the client area into a left column (drive box over folder tree), a right column (file
// list over face-name box) and a lower band (preview). A step that would give a control a
// negative width or height is left out and the next step still runs; a minimised window is left
// as it is.
void LayoutMainWindow(WindowState state, double clientWidth, double clientHeight,
                      MainLayout& controls);

}  // namespace typelens
