#include <gtest/gtest.h>

#include "preview/installed_faces.h"
#include "preview/keyed_texts.h"
#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::World;

TEST(KeyedTexts, KeysIgnoreLetterCaseAndKeepTheFirstItem) {
    KeyedTexts texts;
    EXPECT_TRUE(texts.add("Arial", "Arial"));
    EXPECT_FALSE(texts.add("ARIAL", "ARIAL"));
    EXPECT_FALSE(texts.add("other", "arial"));
    EXPECT_TRUE(texts.add("Arial Black", "Arial Black"));

    EXPECT_EQ(texts.count(), 2u);
    EXPECT_TRUE(texts.contains("aRiAl"));
    EXPECT_EQ(texts.item("ARIAL"), "Arial");
    EXPECT_FALSE(texts.contains("Arial "));
    EXPECT_EQ(texts.item("Tahoma"), std::nullopt);
    // Letters outside A-Z are compared byte for byte.
    EXPECT_TRUE(texts.add("\xC9toile", "\xC9toile"));
    EXPECT_FALSE(texts.contains("\xE9toile"));

    texts.clear();
    EXPECT_EQ(texts.count(), 0u);
    EXPECT_FALSE(texts.contains("Arial"));
}

TEST(FaceSnapshot, HoldsEachDistinctNameOnceInItsFirstCase) {
    World world;
    world.fonts.installed = {"Tahoma", "Arial", "arial", "Tahoma", "ARIAL", "Courier"};
    world.window.onLoad();

    const KeyedTexts& installed = world.window.preview().installedFaces();
    EXPECT_EQ(installed.count(), 3u);
    EXPECT_EQ(installed.item("ARIAL"), "Arial");

    world.window.onUnload();
    EXPECT_EQ(world.window.preview().installedFaces().count(), 0u);
}

TEST(FaceSnapshot, EmptyListMakesTheFirstFaceNew) {
    World world;
    world.window.onLoad();
    EXPECT_EQ(world.window.preview().installedFaces().count(), 0u);

    world.fonts.installed = {"Tahoma", "Arial"};
    EXPECT_EQ(
        getNewFontName(world.fonts, world.window.preview().installedFaces(), world.txFontName),
        "Tahoma");
    EXPECT_EQ(world.txFontName.text(), "Tahoma");
}

TEST(GetNewFontName, TakesTheFirstNewFaceInListOrder) {
    World world;
    world.fonts.installed = {"Arial", "Tahoma"};
    KeyedTexts installed;
    TakeFaceSnapshot(world.fonts, installed);

    // A face installed by someone else after the snapshot, ahead of the file's two faces.
    world.fonts.installed = {"Arial", "Late Arrival", "Tahoma", "ARIAL"};
    world.fonts.fileFaces["C:\\two.ttf"] = {"Second Face", "First Face"};
    world.fonts.addFontResource("C:\\two.ttf");
    EXPECT_EQ(getNewFontName(world.fonts, installed, world.txFontName), "Late Arrival");

    world.fonts.installed = {"Arial", "Tahoma"};
    EXPECT_EQ(getNewFontName(world.fonts, installed, world.txFontName), "Second Face");
    EXPECT_EQ(world.txFontName.text(), "Second Face");
}

TEST(GetNewFontName, NothingNewLeavesTheFaceBoxAlone) {
    World world;
    world.fonts.installed = {"Arial", "Tahoma"};
    KeyedTexts installed;
    TakeFaceSnapshot(world.fonts, installed);
    world.txFontName.setText("Earlier Face");

    world.fonts.installed = {"tahoma", "Arial", "Tahoma"};
    EXPECT_EQ(getNewFontName(world.fonts, installed, world.txFontName), "");
    EXPECT_EQ(world.txFontName.text(), "Earlier Face");

    // A face box that refuses the name: no face is reported, so the preview keeps its own.
    world.fonts.installed.push_back("Brand New");
    world.faults.fail(fakes::Op::SetText);
    EXPECT_EQ(getNewFontName(world.fonts, installed, world.txFontName), "");
    EXPECT_EQ(world.txFontName.text(), "Earlier Face");
}

}  // namespace
}  // namespace typelens
