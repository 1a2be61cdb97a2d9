#include <gtest/gtest.h>

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

TEST_F(Browse, ListsTheTrueTypeFilesOfOneFolderKeyedByFullPath) {
    w.File1.add("C:\\old.ttf", "old.ttf", 2);
    ASSERT_TRUE(ListFontFiles(w.pc, w.File1, "D:\\F\\"));
    EXPECT_EQ(w.File1.texts(), (Texts{"a.ttf", "B.TTF", "h.ttf"}));
    for (const FileItem& item : w.File1.items) {
        EXPECT_EQ(item.key, "D:\\F\\" + item.text);
        EXPECT_EQ(w.File1.images[item.key], kFontFileImage);
    }
    ListFontFiles(w.pc, w.File1, "D:\\F\\");
    EXPECT_EQ(w.File1.items.size(), 3u);  // afresh, without duplicates
    EXPECT_FALSE(ListFontFiles(w.pc, w.File1, "D:\\Gone\\"));
    EXPECT_TRUE(w.File1.items.empty());
    EXPECT_EQ(w.pc.openListings + w.File1.openFills, 0);
}

TEST_F(Browse, TheTreeReadsOneLevelAtATimeAndEachFolderOnce) {
    w.File1.add("C:\\kept.ttf", "kept.ttf", 2);
    w.Dir1.add(std::nullopt, "C:\\old", "old", kFolderImage);
    w.window.onDrive1Change('D');
    EXPECT_EQ(w.Dir1.texts(), (Texts{"F", "Other"}));
    EXPECT_EQ(w.File1.texts(), Texts{"kept.ttf"});  // a drive change leaves the list alone

    doubleClick("D:\\F");
    EXPECT_EQ(w.Dir1.texts("D:\\F"), (Texts{".hidden", "e.ttf", "Empty", "sub"}));
    EXPECT_EQ(w.Dir1.node("D:\\F\\sub").image, kFolderImage);
    EXPECT_TRUE(w.Dir1.node("D:\\F").expanded);
    EXPECT_FALSE(w.Dir1.node("D:\\F\\sub").expanded);
    EXPECT_TRUE(w.Dir1.texts("D:\\F\\sub").empty());  // one level only

    w.pc.folder("D:\\F\\later");
    doubleClick("D:\\F");
    EXPECT_EQ(w.Dir1.texts("D:\\F").size(), 4u);  // read before: nothing is added

    doubleClick("D:\\F\\Empty");  // no subfolders: expanded, and read again next time
    EXPECT_TRUE(w.Dir1.node("D:\\F\\Empty").expanded);
    w.pc.folder("D:\\F\\Empty\\new");
    doubleClick("D:\\F\\Empty");
    EXPECT_EQ(w.Dir1.texts("D:\\F\\Empty"), Texts{"new"});

    w.window.onDir1NodeClick(*w.Dir1.find("D:\\F"));
    EXPECT_EQ(w.File1.items.at(0).key, "D:\\F\\a.ttf");
    EXPECT_EQ(w.pc.openListings + w.Dir1.openFills, 0);
}

// The keyboard moves the selection as the mouse does, and a press of the mouse button is
// answered once, whether it moves the selection before its click or after, or not at all.
TEST_F(Browse, KeysMoveLikeClicksAndEachPressIsAnsweredOnce) {
    w.pc.font("D:\\F\\a.ttf", "Face A");
    w.window.onLoad();
    w.window.onDrive1Change('D');
    w.File1.fills = 0;
    const NodeId node = *w.Dir1.find("D:\\F");
    const auto press = [&](auto&& pressed, auto&&... events) {
        pressed(true);
        (events(), ...);
        pressed(false);
    };
    const auto dir = [&](bool down) { w.window.onDir1Press(down); };
    const auto moved = [&] { w.window.onDir1SelectionChange(node); };
    const auto clicked = [&] { w.window.onDir1NodeClick(node); };
    moved();  // by a key
    press(dir, moved, clicked);
    press(dir, clicked, moved);
    press(dir, clicked);  // on the node selected already
    EXPECT_EQ(w.File1.fills, 4);

    const auto file = [&](bool down) { w.window.onFile1Press(down); };
    const auto fileMoved = [&] { w.window.onFile1SelectionChange(); };
    const auto fileClicked = [&] { w.window.onFile1Click(); };
    w.File1.select("a.ttf");
    fileMoved();
    press(file, fileMoved, fileClicked);
    press(file, fileClicked);
    EXPECT_EQ(std::count(w.pc.fontCalls.begin(), w.pc.fontCalls.end(), "add D:\\F\\a.ttf"), 3);
    EXPECT_EQ(w.txFontName.value, "Face A");
}

TEST_F(Browse, WhatCannotBeReadIsLeftOutAndNothingElse) {
    w.window.onDrive1Change('D');
    w.Dir1.selection.reset();
    EXPECT_FALSE(w.window.onDir1DblClick());                      // no selection: nothing happens
    w.Dir1.add(std::nullopt, "D:\\F\\sub", "sub", kFolderImage);  // a key already there
    w.fails = {fakes::Op::Attributes};
    doubleClick("D:\\F");
    EXPECT_TRUE(w.Dir1.texts("D:\\F").empty());  // a file or a folder? not shown
    w.fails.clear();
    doubleClick("D:\\F");
    EXPECT_EQ(w.Dir1.texts("D:\\F"), (Texts{".hidden", "e.ttf", "Empty"}));

    w.window.onDrive1Change('E');  // not ready
    EXPECT_TRUE(w.Dir1.nodes.empty());
}

}  // namespace
}  // namespace typelens
