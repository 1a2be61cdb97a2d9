#include "app/layout.h"

#include <cmath>

namespace typelens {
namespace {

// A control refuses a negative width or height; zero is accepted.
bool SetWidth(TwipRect& r, std::int32_t width) {
    if (width < 0) return false;
    r.width = width;
    return true;
}

bool SetHeight(TwipRect& r, std::int32_t height) {
    if (height < 0) return false;
    r.height = height;
    return true;
}

// A move either takes all its values or none.
void Move(TwipRect& r, std::int32_t left, std::int32_t top, std::int32_t width,
          std::int32_t height) {
    if (width < 0 || height < 0) return;
    r = {left, top, width, height};
}

std::int32_t RoundHalfEven(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));  // default rounding: half to even
}

}  // namespace

void LayoutMainWindow(WindowState state, double clientWidth, double clientHeight, MainLayout& c) {
    if (state == WindowState::Minimized) return;

    const std::int32_t W = RoundHalfEven(clientWidth / 2 - 90);
    const std::int32_t H = RoundHalfEven((clientHeight - c.Toolbar1.height) / 2 - 120);

    SetWidth(c.Drive1, W);
    SetWidth(c.Dir1, W);
    SetWidth(c.File1, W);
    c.File1.left = W + 120;
    SetHeight(c.File1, H - c.txFontName.height);
    SetHeight(c.Dir1, H - c.Drive1.height);
    Move(c.txFontName, W + 120, c.File1.top + c.File1.height + 60, W, c.txFontName.height);
    Move(c.txPreview, 60, c.Toolbar1.height + H + 180, 2 * W + 30, H);
}

}  // namespace typelens
