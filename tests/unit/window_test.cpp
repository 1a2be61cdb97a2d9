#include <gtest/gtest.h>

#include "about/about_box.h"
#include "app/design.h"
#include "app/layout.h"
#include "tests/unit/world.h"

namespace typelens {
namespace {

using Texts = std::vector<std::string>;

TEST(Window, LoadReadsCAndTheFontsFolderWhateverIsMissing) {
    fakes::World w;
    w.pc.folder("C:\\windows");
    w.pc.folder("C:\\Program Files");
    w.pc.file("C:\\a.ttf");
    w.pc.folder("D:\\elsewhere");
    w.window.onLoad();
    EXPECT_EQ(w.window.fontsFolder(), "C:\\windows\\Fonts\\");
    EXPECT_EQ(w.Dir1.texts(), (Texts{"Program Files", "windows"}));
    EXPECT_EQ(w.File1.texts(), Texts{"a.ttf"});
    EXPECT_EQ(w.window.preview().installedFaces().count(), 2u);
    EXPECT_EQ(w.window.preview().currentFontFile(), "");
    w.window.onUnload();
    EXPECT_EQ(w.window.preview().installedFaces().count(), 0u);

    fakes::World bare;
    bare.pc.variables.clear();
    bare.fails = {fakes::Op::Enumerate, fakes::Op::FaceList};
    bare.window.onLoad();
    EXPECT_EQ(bare.window.fontsFolder(), "\\Fonts\\");
    EXPECT_TRUE(bare.Dir1.nodes.empty() && bare.File1.items.empty());
}

TEST(Window, TheToolbarActsByImageIndexOnly) {
    fakes::World w;
    w.window.onLoad();
    for (int image : {0, 4, 6, -1}) w.window.onToolbar1ButtonClick(image, 1);
    EXPECT_FALSE(w.txPreview.bold || w.txPreview.italic || w.pc.beeps || w.pc.aboutOpenings);
    w.window.onToolbar1ButtonClick(2, 1);
    w.window.onToolbar1ButtonClick(3, 1);
    EXPECT_TRUE(w.txPreview.bold && w.txPreview.italic);
    w.window.onToolbar1ButtonClick(2, 0);
    EXPECT_FALSE(w.txPreview.bold);
    EXPECT_TRUE(w.txPreview.italic);
    EXPECT_EQ(w.txPreview.face, "Arial");
    EXPECT_EQ(w.txPreview.size, 36);
    w.window.onToolbar1ButtonClick(5, 0);
    w.window.onToolbar1ButtonClick(1, 0);  // Install with nothing previewed
    EXPECT_EQ(w.pc.aboutOpenings, 1);
    EXPECT_EQ(w.pc.beeps, 1);
}

TEST(Window, AboutSaysTheSameAtEveryOpeningAndAsksTheShellOncePerClick) {
    fakes::Faults fails;
    fakes::Machine pc(fails);
    AboutBox about(pc);
    const std::string notice = about.onLoad();
    EXPECT_EQ(AboutBox(pc).onLoad(), notice);
    EXPECT_NE(notice.substr(0, notice.find("\r\n")).find("2026"), std::string::npos);
    EXPECT_EQ(notice.substr(notice.find("\r\n") + 2),
              "This program is free (as a free beer), but if you think it's cool please "
              "consider donating!");
    about.onImage2Click();
    about.onImage2Click();
    about.onLabel2Click();
    fails = {fakes::Op::Open};
    about.onLabel2Click();  // no browser: nothing happens
    EXPECT_EQ(pc.opened,
              (Texts{"https://typelens.example/donate.php", "https://typelens.example/donate.php",
                     "https://typelens.example/"}));
}

MainLayout Designed() {
    return {design::Toolbar1, design::Drive1,     design::Dir1,
            design::File1,    design::txFontName, design::txPreview};
}

MainLayout LaidOut(WindowState state, double width, double height) {
    MainLayout c = Designed();
    LayoutMainWindow(state, width, height, c);
    return c;
}

TEST(Layout, TwoColumnsOverOneBandRoundedHalfToEven) {
    const MainLayout c = LaidOut(WindowState::Normal, 8925, 6990);  // W 4372.5 -> 4372, H 3105
    EXPECT_EQ(c.Drive1, (TwipRect{60, 600, 4372, 315}));
    EXPECT_EQ(c.Dir1, (TwipRect{60, 960, 4372, 2790}));
    EXPECT_EQ(c.File1, (TwipRect{4492, 600, 4372, 2820}));
    EXPECT_EQ(c.txFontName, (TwipRect{4492, 3480, 4372, 285}));
    EXPECT_EQ(c.txPreview, (TwipRect{60, 3825, 8774, 3105}));
    EXPECT_EQ(c.Toolbar1, design::Toolbar1);
    EXPECT_EQ(LaidOut(WindowState::Maximized, 8929, 7233).txPreview,
              (TwipRect{60, 3946, 8778, 3226}));
    EXPECT_EQ(LaidOut(WindowState::Minimized, 0, 0), Designed());
}

TEST(Layout, NegativeSizesAreLeftOutStepByStep) {
    MainLayout narrow = LaidOut(WindowState::Normal, 150, 6990);  // W -15: 2W + 30 = 0
    EXPECT_EQ(narrow.Drive1.width + narrow.Dir1.width + narrow.File1.width, 4275 + 4275 + 4515);
    EXPECT_EQ(narrow.File1.left, 105);
    EXPECT_EQ(narrow.txFontName, design::txFontName);
    EXPECT_EQ(narrow.txPreview, (TwipRect{60, 3825, 0, 3105}));
    EXPECT_EQ(LaidOut(WindowState::Normal, 60, 6990).txPreview, design::txPreview);

    const MainLayout low = LaidOut(WindowState::Normal, 8925, 1400);  // H 310: 285 < H < 315
    EXPECT_EQ(low.File1.height, 25);
    EXPECT_EQ(low.Dir1.height, 2415);
    EXPECT_EQ(low.txPreview, (TwipRect{60, 1030, 8774, 310}));
    const MainLayout flat = LaidOut(WindowState::Normal, 8925, 200);  // H -290
    EXPECT_EQ(flat.File1.height, 2415);
    EXPECT_EQ(flat.txPreview, design::txPreview);
    EXPECT_EQ(flat.txFontName, (TwipRect{4492, 3075, 4372, 285}));
}

}  // namespace
}  // namespace typelens
