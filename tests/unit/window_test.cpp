#include <gtest/gtest.h>

#include "app/design.h"
#include "app/layout.h"
#include "app/pictures.h"
#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "tests/unit/world.h"

namespace typelens {
namespace {

using Texts = std::vector<std::string>;

struct Browse : ::testing::Test {
    fakes::World w;
    Browse() {
        for (std::string name : {"a.ttf", "B.TTF", "c.otf", "d.ttf.bak"})
            w.pc.file("D:\\F\\" + name);
        w.pc.file("D:\\F\\h.ttf", "x", attr::Hidden);
        w.pc.file("D:\\F\\s.ttf", "x", attr::System);
        w.pc.folder("D:\\F\\e.ttf");
        w.pc.folder("D:\\F\\sub\\deeper");
        w.pc.folder("D:\\F\\Empty");
        w.pc.folder("D:\\F\\.hidden", attr::Hidden);
        w.pc.folder("D:\\F\\System Volume Information", attr::System | attr::Hidden);
        w.pc.folder("D:\\Other");
    }
    void doubleClick(const std::string& key) {
        w.Dir1.selection = w.Dir1.find(key);
        w.window.onDir1DblClick();
    }
};

// What a listing gives, as the file system decides it: by mask, and for "*.ttf" by the name or
// the short name, in any letter case.
TEST(Listing, AdmitsByMaskAndMatchesNamesAndShortNames) {
    const std::vector<FolderEntry> reading = {{"a.ttf", 0},
                                              {"B.TTF", attr::ReadOnly},
                                              {"h.ttf", attr::Hidden},
                                              {"s.ttf", attr::System},
                                              {"d.ttf", attr::Directory},
                                              {"c.otf", 0},
                                              {"x.ttf.bak", 0},
                                              {"font.ttf~", 0, "FONTTT~1.TTF"},
                                              {"ttf", 0}};
    const auto names = [](const std::vector<FolderEntry>& entries) {
        std::vector<std::string> texts;
        for (const FolderEntry& entry : entries) texts.push_back(entry.name);
        return texts;
    };
    EXPECT_EQ(names(Listed(reading, "*.ttf", attr::Hidden)),
              (std::vector<std::string>{"a.ttf", "B.TTF", "h.ttf", "font.ttf~"}));
    EXPECT_EQ(names(Listed(reading, "*.TTF", 0)),
              (std::vector<std::string>{"a.ttf", "B.TTF", "font.ttf~"}));
    EXPECT_EQ(names(Listed(reading, "*", attr::Directory)).size(), 7u);  // not hidden, not system
    EXPECT_FALSE(MatchesEnding({"a.ttf", 0}, ".ttf"));                   // no wildcard
}

TEST_F(Browse, ListsTheTrueTypeFilesOfOneFolderAfreshKeyedByFullPath) {
    for (int fill = 0; fill < 2; ++fill) ASSERT_TRUE(ListFontFiles(w.pc, w.File1, "D:\\F\\"));
    EXPECT_EQ(w.File1.texts(), (Texts{"a.ttf", "B.TTF", "h.ttf"}));
    for (const FileItem& item : w.File1.items) EXPECT_EQ(item.key, "D:\\F\\" + item.text);
    EXPECT_FALSE(ListFontFiles(w.pc, w.File1, "D:\\Gone\\"));
    EXPECT_TRUE(w.File1.items.empty());
}

TEST_F(Browse, TheTreeReadsOneLevelAtATimeAndEachFolderOnce) {
    w.File1.add("C:\\old.ttf", "old.ttf", 2);
    w.Dir1.add(std::nullopt, "C:\\old", "old", kFolderImage);
    w.pc.file("D:\\root.ttf");
    w.window.onDrive1Change('D');
    EXPECT_EQ(w.Dir1.texts(), (Texts{"F", "Other"}));
    EXPECT_EQ(w.File1.texts(), Texts{"root.ttf"});  // the drive's own fonts

    doubleClick("D:\\F");
    EXPECT_EQ(w.Dir1.texts("D:\\F"), (Texts{".hidden", "e.ttf", "Empty", "sub"}));
    EXPECT_EQ(w.Dir1.node("D:\\F\\sub").image, kFolderImage);
    EXPECT_TRUE(w.Dir1.node("D:\\F").expanded);
    EXPECT_FALSE(w.Dir1.node("D:\\F\\sub").expanded);
    EXPECT_TRUE(w.Dir1.texts("D:\\F\\sub").empty());  // one level only

    w.pc.folder("D:\\F\\later");
    doubleClick("D:\\F");
    EXPECT_EQ(w.Dir1.texts("D:\\F").size(), 4u);  // read before: nothing is added

    EXPECT_TRUE(w.Dir1.node("D:\\F\\Empty").expandable);  // unread: it might hold folders
    doubleClick("D:\\F\\Empty");  // no subfolders: expanded, no button, read again next time
    EXPECT_TRUE(w.Dir1.node("D:\\F\\Empty").expanded);
    EXPECT_FALSE(w.Dir1.node("D:\\F\\Empty").expandable);
    w.pc.folder("D:\\F\\Empty\\new");
    doubleClick("D:\\F\\Empty");
    EXPECT_EQ(w.Dir1.texts("D:\\F\\Empty"), Texts{"new"});
    w.window.onDir1Expanding(*w.Dir1.find("D:\\F\\sub"));  // its button: read, not expanded here
    EXPECT_EQ(w.Dir1.texts("D:\\F\\sub"), Texts{"deeper"});
    EXPECT_FALSE(w.Dir1.node("D:\\F\\sub").expanded);

    w.window.onDir1NodeClick(*w.Dir1.find("D:\\F"));
    EXPECT_EQ(w.File1.items.at(0).key, "D:\\F\\a.ttf");
    EXPECT_EQ(w.pc.openListings, 0);
    EXPECT_EQ(w.Dir1.openFills, 0);

    w.window.onDrive1Change('D');  // what cannot be added is left out, and nothing else
    w.Dir1.add(std::nullopt, "D:\\F\\sub", "sub", kFolderImage);
    doubleClick("D:\\F");
    EXPECT_EQ(w.Dir1.texts("D:\\F"), (Texts{".hidden", "e.ttf", "Empty", "later"}));
    w.Dir1.selection.reset();
    EXPECT_FALSE(w.window.onDir1DblClick());
    w.window.onDrive1Change('E');  // not ready
    EXPECT_TRUE(w.Dir1.nodes.empty() && w.File1.items.empty());
}

// A path handed over, spelled in any letter case, is shown as if walked to and clicked: on
// another drive the tree is made anew, on the drive shown it keeps its open nodes. A path that
// leads nowhere is refused in one sentence, and nothing changes.
TEST_F(Browse, AHandedPathIsShownAsIfWalkedToAndClicked) {
    w.pc.file("D:\\F\\sub\\deeper\\Ёлка Font.ttf");
    w.pc.file("D:\\F\\sub\\deeper\\other.ttf");
    w.window.onLoad("d:/f/SUB/deeper/Ёлка FONT.TTF");
    EXPECT_EQ(w.Drive1.shown, 'D');
    EXPECT_TRUE(w.Dir1.node("D:\\F").expanded && w.Dir1.node("D:\\F\\sub").expanded);
    EXPECT_EQ(w.Dir1.selection, w.Dir1.find("D:\\F\\sub\\deeper"));
    EXPECT_EQ(w.File1.texts(), (Texts{"other.ttf", "Ёлка Font.ttf"}));
    EXPECT_EQ(w.File1.selection, 1u);
    EXPECT_EQ(w.window.preview().currentFontFile(), "D:\\F\\sub\\deeper\\Ёлка Font.ttf");

    w.pc.folder("D:\\F\\new");
    EXPECT_TRUE(w.window.openPath("D:\\F\\e.ttf\\"));  // a folder, though named like a font
    EXPECT_EQ(w.Dir1.selection, w.Dir1.find("D:\\F\\e.ttf"));
    EXPECT_TRUE(w.Dir1.node("D:\\F\\sub").expanded);
    EXPECT_TRUE(w.Dir1.find("D:\\F\\new"));  // each folder on the way is read again
    EXPECT_TRUE(w.File1.items.empty());
    w.pc.file("E:\\root.ttf");
    w.pc.file("\\\\server\\share\\a.ttf");
    EXPECT_TRUE(w.window.openPath("e:\\"));
    EXPECT_TRUE(w.Drive1.shown == 'E' && w.Dir1.nodes.empty() && !w.Dir1.selection);
    for (const char* path : {"E:\\gone.ttf", "D:\\F\\c.otf", "\\\\server\\share\\a.ttf"})
        EXPECT_FALSE(w.window.openPath(path));
    EXPECT_EQ(w.pc.refusals,
              (Texts{"\"E:\\gone.ttf\" is not there.",
                     "\"D:\\F\\c.otf\" is not a TrueType font file (*.ttf) or a folder.",
                     "\"\\\\server\\share\\a.ttf\" is not on a drive with a letter."}));
    EXPECT_TRUE(w.Drive1.shown == 'E' && w.File1.texts() == Texts{"root.ttf"});
}

// F5 reads the shown folder again, keeping open what is open and the selected font selected; a
// folder gone gives way to the nearest one above it, a drive's root being read again as a whole
// level.
TEST_F(Browse, F5ReadsTheShownFolderAgain) {
    w.window.onDrive1Change('D');
    doubleClick("D:\\F");
    doubleClick("D:\\F\\sub");
    w.window.onDir1NodeClick(*w.Dir1.find("D:\\F"));
    w.File1.pick("h.ttf");
    w.pc.folder("D:\\F\\new");
    w.pc.file("D:\\F\\z.ttf");
    w.pc.file("D:\\F\\c.ttf");
    w.pc.deleteFile("D:\\F\\Empty");
    w.window.onRefresh();
    EXPECT_EQ(w.Dir1.texts("D:\\F"), (Texts{".hidden", "e.ttf", "sub", "new"}));
    EXPECT_TRUE(w.Dir1.node("D:\\F\\sub").expanded);
    EXPECT_EQ(w.Dir1.texts("D:\\F\\sub"), Texts{"deeper"});
    EXPECT_EQ(w.File1.texts(), (Texts{"a.ttf", "B.TTF", "c.ttf", "h.ttf", "z.ttf"}));
    EXPECT_EQ(w.File1.selected().value_or(FileItem{}).text, "h.ttf");  // where it now is

    w.window.onDir1NodeClick(*w.Dir1.find("D:\\F\\sub\\deeper"));
    w.pc.deleteFile("D:\\F\\sub\\deeper"), w.pc.deleteFile("D:\\F\\sub");
    w.pc.deleteFile("D:\\F\\new"), w.pc.deleteFile("D:\\F");
    w.pc.folder("D:\\Later");
    w.window.onRefresh();  // up to the root, read again as a whole level
    EXPECT_EQ(w.Dir1.texts(), (Texts{"Other", "Later"}));
    EXPECT_FALSE(w.Dir1.find("D:\\F\\sub\\deeper"));
    EXPECT_TRUE(!w.Dir1.selection && w.File1.items.empty());
}

// The keyboard moves the selection as the mouse does, and a press of the mouse button is
// answered once, whether it moves the selection before its click or after, or not at all.
TEST_F(Browse, KeysMoveLikeClicksAndEachPressIsAnsweredOnce) {
    w.pc.font("D:\\F\\a.ttf", "Face A");
    w.window.onLoad();
    w.window.onDrive1Change('D');
    w.File1.fills = 0;
    const NodeId node = *w.Dir1.find("D:\\F");
    // p presses the mouse button and r lets it go, m moves the selection, c is a click.
    const auto run = [&](const std::string& events, bool tree) {
        for (char e : events) {
            if (e == 'p' || e == 'r')
                tree ? w.window.onDir1Press(e == 'p') : w.window.onFile1Press(e == 'p');
            if (e == 'm')
                tree ? w.window.onDir1SelectionChange(node) : w.window.onFile1SelectionChange();
            if (e == 'c') tree ? w.window.onDir1NodeClick(node) : w.window.onFile1Click();
        }
    };
    run("m pmcr pcmr pcr", true);  // a key; clicks that move first or after; one on the selected
    EXPECT_EQ(w.File1.fills, 4);
    w.File1.pick("a.ttf");
    run("m pmcr pcr", false);
    EXPECT_EQ(w.pc.adds["D:\\F\\a.ttf"], 3);
    EXPECT_EQ(w.txFontName.value, "Face A");
}

TEST(Window, LoadShowsCAndFindsTheFontsFoldersWhateverIsMissing) {
    fakes::World w;
    w.pc.folder("C:\\windows");
    w.pc.folder("C:\\Program Files");
    w.pc.file("C:\\a.ttf");
    w.pc.folder("D:\\elsewhere");
    w.window.onLoad("C:\\gone");  // said so, and the start goes on as usual
    EXPECT_EQ(w.pc.refusals, Texts{"\"C:\\gone\" is not there."});
    EXPECT_EQ(w.Dir1.texts(), (Texts{"Program Files", "windows"}));
    EXPECT_EQ(w.File1.texts(), Texts{"a.ttf"});
    EXPECT_EQ(w.window.preview().currentFontFile(), "");

    w.pc.variables["LOCALAPPDATA"] = "C:\\me";
    const FontsFolders found = FindFontsFolders(w.pc);
    EXPECT_EQ(found.machine + "|" + found.user,
              "C:\\windows\\Fonts\\|C:\\me\\Microsoft\\Windows\\Fonts\\");
    w.pc.variables.clear();
    const FontsFolders none = FindFontsFolders(w.pc);
    EXPECT_EQ(none.machine + "|" + none.user, "\\Fonts\\|");
}

const MainLayout kDesigned{design::Toolbar1, design::Drive1,     design::Dir1,
                           design::File1,    design::txFontName, design::txPreview};

MainLayout LaidOut(WindowState state, double width, double height) {
    MainLayout c = kDesigned;
    LayoutMainWindow(state, width, height, c);
    return c;
}

// A red dot on magenta, shrunk and grown: the magenta only ever makes pixels transparent, and
// every visible pixel stays red.
TEST(Pictures, TheKeyColourIsTakenOutBeforeScaling) {
    constexpr std::uint32_t M = kKeyColour, R = 0xD01818;
    const Picture drawing = Keyed(3, 3, {M, M, M, M, R, R, M, R, R});
    EXPECT_EQ(drawing.pixels[0], 0u);
    EXPECT_EQ(drawing.pixels[4], 0xFF000000 | R);
    for (const auto& [w, h] : {std::pair{2, 2}, std::pair{5, 4}, std::pair{3, 3}}) {
        const Picture scaled = Scaled(drawing, w, h);
        ASSERT_EQ(scaled.pixels.size(), std::size_t(w * h));
        for (const std::uint32_t p : scaled.pixels) {
            const std::uint32_t a = p >> 24, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF,
                                b = p & 0xFF;
            EXPECT_TRUE(b * 255 <= 0x18 * a + 255 && g * 255 <= 0x18 * a + 255 && r <= a)
                << std::hex << p;
        }
        EXPECT_EQ(scaled.pixels.back() >> 24, 0xFFu);   // the red corner stays opaque
        EXPECT_LT(scaled.pixels.front() >> 24, 0xFFu);  // the magenta corner does not
    }
}

// The window's smallest size leaves every control a place of its own below the toolbar.
TEST(Layout, NothingOverlapsAtTheSmallestSize) {
    const MainLayout c =
        LaidOut(WindowState::Normal, design::MinClientWidth, design::MinClientHeight);
    const TwipRect placed[] = {c.Drive1, c.Dir1, c.File1, c.txFontName, c.txPreview};
    for (const TwipRect& a : placed) {
        EXPECT_GT(a.width, 0);
        EXPECT_GE(a.top, c.Toolbar1.height);
        EXPECT_LE(a.left + a.width, design::MinClientWidth);
        EXPECT_LE(a.top + a.height, design::MinClientHeight);
        for (const TwipRect& b : placed) {
            const bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left ||
                               a.top + a.height <= b.top || b.top + b.height <= a.top;
            EXPECT_TRUE(&a == &b || apart)
                << a.left << "," << a.top << " " << b.left << "," << b.top;
        }
    }
    EXPECT_GE(c.Dir1.height, 480);  // two rows of 16 pixels
    EXPECT_GE(c.File1.height, 480);
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
