#include <gtest/gtest.h>

#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::World;
using Texts = std::vector<std::string>;

TEST(ListFontFiles, ListsTrueTypeFilesKeyedByFullPath) {
    World world;
    for (const char* name : {"a.ttf", "B.TTF", "c.otf", "d.ttf.bak"}) {
        world.files.addFile(std::string("C:\\fonts\\") + name);
    }
    world.files.addFolder("C:\\fonts\\e.ttf");
    world.files.addFile("C:\\fonts\\h.ttf", "", attr::Hidden);
    world.files.addFile("C:\\fonts\\s.ttf", "", attr::System);

    EXPECT_TRUE(ListFontFiles(world.files, world.File1, "C:\\fonts\\"));

    EXPECT_EQ(world.File1.texts(), (Texts{"a.ttf", "B.TTF", "h.ttf"}));
    for (const FileItem& item : world.File1.items) {
        EXPECT_EQ(item.key, "C:\\fonts\\" + item.text);
        EXPECT_EQ(world.File1.images[item.key], kFontFileImage);
    }
    EXPECT_EQ(world.File1.fills, 0);
    EXPECT_EQ(world.files.openListings(), 0);
}

TEST(ListFontFiles, EveryFillStartsFromAnEmptyList) {
    World world;
    world.files.addFile("C:\\one\\x.ttf");
    world.files.addFolder("C:\\none");

    ListFontFiles(world.files, world.File1, "C:\\one\\");
    ListFontFiles(world.files, world.File1, "C:\\one\\");
    EXPECT_EQ(world.File1.texts(), (Texts{"x.ttf"}));

    ListFontFiles(world.files, world.File1, "C:\\none\\");
    EXPECT_TRUE(world.File1.items.empty());

    ListFontFiles(world.files, world.File1, "C:\\one\\");
    EXPECT_FALSE(ListFontFiles(world.files, world.File1, "C:\\gone\\"));
    EXPECT_TRUE(world.File1.items.empty());
}

struct TreeTest : ::testing::Test {
    World world;
    TreeTest() {
        world.files.addDrive('D', "DATA");
        world.files.addFolder("D:\\beta");
        world.files.addFolder("D:\\Alpha");
        world.files.addFile("D:\\x.ttf");
        world.files.addFolder("D:\\.secret", attr::Hidden);
        world.files.addFolder("D:\\System Volume Information", attr::System | attr::Hidden);
        world.files.addFolder("D:\\Alpha\\two");
        world.files.addFolder("D:\\Alpha\\One");
        world.files.addFile("D:\\Alpha\\f.ttf");
    }
    NodeId node(const std::string& key) { return *world.Dir1.find(key); }
    void doubleClick(const std::string& key) {
        world.Dir1.selection = node(key);
        world.window.onDir1DblClick();
    }
};

TEST_F(TreeTest, DriveChangeReadsTheRootsFoldersHiddenOnesTooSystemOnesNot) {
    world.File1.add("C:\\kept.ttf", "kept.ttf", kFontFileImage);
    world.Dir1.add(std::nullopt, "C:\\old", "old", kFolderImage);

    world.window.onDrive1Change('D');

    EXPECT_EQ(world.Dir1.textsUnder(), (Texts{".secret", "Alpha", "beta"}));
    const auto& alpha = world.Dir1.node(node("D:\\Alpha"));
    EXPECT_EQ(alpha.image, kFolderImage);
    EXPECT_EQ(alpha.children.size(), 0u);
    EXPECT_FALSE(world.Dir1.find("C:\\old"));
    EXPECT_EQ(world.File1.texts(), (Texts{"kept.ttf"}));
    EXPECT_EQ(world.files.openListings(), 0);
}

TEST_F(TreeTest, DoubleClickReadsAFolderOnce) {
    world.window.onDrive1Change('D');
    doubleClick("D:\\Alpha");

    EXPECT_EQ(world.Dir1.textsUnder(node("D:\\Alpha")), (Texts{"One", "two"}));
    EXPECT_TRUE(world.Dir1.find("D:\\Alpha\\One"));
    EXPECT_TRUE(world.Dir1.node(node("D:\\Alpha")).expanded);

    world.files.addFolder("D:\\Alpha\\three");
    world.Dir1.selection = node("D:\\Alpha");
    EXPECT_FALSE(world.window.onDir1DblClick());  // read before: the tree toggles it as usual
    EXPECT_EQ(world.Dir1.textsUnder(node("D:\\Alpha")).size(), 2u);
}

TEST_F(TreeTest, AFolderWithoutSubfoldersIsReadAgainOnEachDoubleClick) {
    world.window.onDrive1Change('D');
    doubleClick("D:\\beta");
    EXPECT_TRUE(world.Dir1.textsUnder(node("D:\\beta")).empty());
    EXPECT_TRUE(world.Dir1.node(node("D:\\beta")).expanded);

    world.files.addFolder("D:\\beta\\new");
    doubleClick("D:\\beta");
    EXPECT_EQ(world.Dir1.textsUnder(node("D:\\beta")), (Texts{"new"}));
}

TEST_F(TreeTest, NodeClickListsThatFoldersFonts) {
    world.window.onDrive1Change('D');
    world.window.onDir1NodeClick(node("D:\\Alpha"));
    ASSERT_EQ(world.File1.items.size(), 1u);
    EXPECT_EQ(world.File1.items[0].key, "D:\\Alpha\\f.ttf");
}

TEST_F(TreeTest, NothingHappensWithoutASelectionOrAReadyDrive) {
    world.window.onDrive1Change('D');
    EXPECT_FALSE(world.window.onDir1DblClick());
    EXPECT_EQ(world.Dir1.nodes.size(), 3u);

    world.File1.add("D:\\x.ttf", "x.ttf", kFontFileImage);
    world.window.onDrive1Change('E');  // not ready: no listing starts
    EXPECT_TRUE(world.Dir1.nodes.empty());
    EXPECT_EQ(world.File1.texts(), (Texts{"x.ttf"}));
}

TEST_F(TreeTest, EntriesWhoseAttributesCannotBeReadGetNoNode) {
    world.files.failAttributesOf("D:\\beta");
    world.window.onDrive1Change('D');
    EXPECT_EQ(world.Dir1.textsUnder(), (Texts{".secret", "Alpha"}));

    world.Dir1.clear();
    world.faults.fail(fakes::Op::Attributes);
    world.window.onDrive1Change('D');
    EXPECT_TRUE(world.Dir1.nodes.empty());
}

TEST_F(TreeTest, AKeyAlreadyInTheTreeLeavesOnlyThatEntryOut) {
    world.Dir1.add(std::nullopt, "D:\\Alpha", "Alpha", kFolderImage);
    LoadFolderNodes(world.files, world.Dir1, "D:\\", std::nullopt);
    EXPECT_EQ(world.Dir1.textsUnder(), (Texts{".secret", "Alpha", "beta"}));
}

}  // namespace
}  // namespace typelens
