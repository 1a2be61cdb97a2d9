#include <gtest/gtest.h>

#include "app/layout.h"

namespace typelens {
namespace {

// The controls where the window was designed: 8925 x 6990 twips of client area.
MainLayout Designed() {
    MainLayout c;
    c.Toolbar1 = {0, 0, 8925, 540};
    c.Drive1 = {60, 600, 4275, 315};
    c.Dir1 = {60, 960, 4275, 2415};
    c.File1 = {4380, 600, 4515, 2415};
    c.txFontName = {4380, 3060, 4515, 285};
    c.txPreview = {60, 3420, 8895, 1335};
    return c;
}

TEST(Layout, TheDesignedSizeSplitsIntoTwoColumnsAndTwoBands) {
    MainLayout c = Designed();
    LayoutMainWindow(WindowState::Normal, 8925, 6990, c);  // W = 4372.5 -> 4372, H = 3105

    EXPECT_EQ(c.Drive1, (TwipRect{60, 600, 4372, 315}));
    EXPECT_EQ(c.Dir1, (TwipRect{60, 960, 4372, 2790}));
    EXPECT_EQ(c.File1, (TwipRect{4492, 600, 4372, 2820}));
    EXPECT_EQ(c.txFontName, (TwipRect{4492, 3480, 4372, 285}));
    EXPECT_EQ(c.txPreview, (TwipRect{60, 3825, 8774, 3105}));
    EXPECT_EQ(c.txPreview.top + c.txPreview.height, 6990 - 60);
    EXPECT_EQ(c.Toolbar1, Designed().Toolbar1);
}

TEST(Layout, HalvesRoundToEven) {
    MainLayout c = Designed();
    LayoutMainWindow(WindowState::Maximized, 8929, 7233, c);  // W = 4374.5, H = 3226.5
    EXPECT_EQ(c.Drive1.width, 4374);
    EXPECT_EQ(c.txPreview.height, 3226);
}

TEST(Layout, AMinimisedWindowIsLeftAlone) {
    MainLayout c = Designed();
    LayoutMainWindow(WindowState::Minimized, 0, 0, c);
    EXPECT_EQ(c, Designed());
}

TEST(Layout, ANarrowWindowKeepsWidthsButStillMovesWhatItCan) {
    MainLayout c = Designed();
    LayoutMainWindow(WindowState::Normal, 150, 6990, c);  // W = -15, so 2W + 30 = 0
    EXPECT_EQ(c.Drive1.width, 4275);
    EXPECT_EQ(c.Dir1.width, 4275);
    EXPECT_EQ(c.File1.width, 4515);
    EXPECT_EQ(c.File1.left, 105);
    EXPECT_EQ(c.txFontName, Designed().txFontName);
    EXPECT_EQ(c.txPreview, (TwipRect{60, 3825, 0, 3105}));

    MainLayout d = Designed();
    LayoutMainWindow(WindowState::Normal, 60, 6990, d);  // W = -60: the preview stays too
    EXPECT_EQ(d.txPreview, Designed().txPreview);
}

TEST(Layout, ALowWindowKeepsHeightsThatWouldTurnNegative) {
    MainLayout c = Designed();
    LayoutMainWindow(WindowState::Normal, 8925, 1400, c);  // H = 310: between 285 and 315
    EXPECT_EQ(c.File1.height, 25);
    EXPECT_EQ(c.Dir1.height, 2415);
    EXPECT_EQ(c.txPreview, (TwipRect{60, 1030, 8774, 310}));

    MainLayout d = Designed();
    LayoutMainWindow(WindowState::Normal, 8925, 200, d);  // H = -290
    EXPECT_EQ(d.File1.height, 2415);
    EXPECT_EQ(d.txPreview, Designed().txPreview);
    EXPECT_EQ(d.txFontName, (TwipRect{4492, 3075, 4372, 285}));
}

}  // namespace
}  // namespace typelens
