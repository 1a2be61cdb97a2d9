#include <gtest/gtest.h>

#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::World;
using Calls = std::vector<std::string>;

struct PreviewTest : ::testing::Test {
    World world;
    PreviewTest() {
        world.fonts.installed = {"Arial", "Tahoma"};
        world.addFont("C:\\f\\one.ttf", "Face One");
        world.addFont("C:\\f\\two.ttf", "Face Two");
        world.addFont("C:\\f\\tahoma.ttf", "Tahoma");
        world.files.addFile("C:\\f\\broken.ttf", "not a font");
        world.window.onLoad();
        world.fonts.calls.clear();
    }
};

TEST_F(PreviewTest, FirstPreviewShowsTheFacesOfTheClickedFile) {
    world.preview("C:\\f\\", "one.ttf");

    EXPECT_EQ(world.fonts.calls, (Calls{"add C:\\f\\one.ttf", "announce"}));
    EXPECT_EQ(world.window.preview().currentFontFile(), "C:\\f\\one.ttf");
    EXPECT_EQ(world.txFontName.text(), "Face One");
    EXPECT_EQ(world.txPreview.face, "Face One");
    EXPECT_EQ(world.window.preview().previewedFace(), "Face One");
}

TEST_F(PreviewTest, TheSameFileTwiceShowsTheSameFace) {
    world.preview("C:\\f\\", "one.ttf");
    world.preview("C:\\f\\", "one.ttf");
    EXPECT_EQ(world.fonts.calls, (Calls{"add C:\\f\\one.ttf", "announce", "remove C:\\f\\one.ttf",
                                        "add C:\\f\\one.ttf", "announce"}));
    EXPECT_EQ(world.txPreview.face, "Face One");
    EXPECT_EQ(world.fonts.loaded.size(), 1u);
}

TEST_F(PreviewTest, AFaceInstalledAtLoadKeepsTheEarlierFaceButMovesTheFileOn) {
    world.txPreview.setSize(72);
    world.txPreview.setBold(true);
    world.preview("C:\\f\\", "one.ttf");
    world.preview("C:\\f\\", "tahoma.ttf");

    EXPECT_EQ(world.window.preview().currentFontFile(), "C:\\f\\tahoma.ttf");
    EXPECT_EQ(world.txFontName.text(), "Face One");
    EXPECT_EQ(world.txPreview.face, "Face One");
    EXPECT_EQ(world.window.preview().previewedFace(), "");
    EXPECT_EQ(world.fonts.loaded, (Calls{"C:\\f\\tahoma.ttf"}));

    world.preview("C:\\f\\", "two.ttf");
    EXPECT_EQ(world.txPreview.face, "Face Two");
    EXPECT_EQ(world.txPreview.size, 72);  // size and style stay with the next file
    EXPECT_TRUE(world.txPreview.bold);
}

TEST_F(PreviewTest, UnusableFilesChangeNothingVisible) {
    world.preview("C:\\f\\", "one.ttf");
    world.preview("C:\\f\\", "broken.ttf");
    world.preview("C:\\f\\", "missing.ttf");
    EXPECT_EQ(world.txFontName.text(), "Face One");
    EXPECT_EQ(world.txPreview.face, "Face One");
    EXPECT_EQ(world.window.preview().currentFontFile(), "C:\\f\\missing.ttf");
}

TEST_F(PreviewTest, AClickWithoutSelectionAddsTheLastFileAgain) {
    world.File1.selection.reset();
    world.window.onFile1Click();  // nothing previewed yet: nothing to add
    EXPECT_EQ(world.fonts.calls, (Calls{"announce"}));
    EXPECT_EQ(world.window.preview().currentFontFile(), "");

    world.preview("C:\\f\\", "two.ttf");
    world.File1.selection.reset();
    world.fonts.calls.clear();
    world.window.onFile1Click();
    EXPECT_EQ(world.fonts.calls,
              (Calls{"remove C:\\f\\two.ttf", "add C:\\f\\two.ttf", "announce"}));
    EXPECT_EQ(world.txPreview.face, "Face Two");
}

TEST_F(PreviewTest, PickingASizeAppliesItAtOnceAndOutOfRangeSizesAreIgnored) {
    const std::pair<const char*, float> picks[] = {{" 8", 8},    {"72", 72},        {"abc", 72},
                                                   {"0", 72},    {"-5", 72},        {"1001", 72},
                                                   {"1e40", 72}, {"12.5pt", 12.5f}, {"1000", 1000}};
    for (const auto& [text, expected] : picks) {
        world.cmbSize.setText(text);
        world.window.onCmbSizeClick();
        EXPECT_EQ(world.txPreview.size, expected) << '"' << text << '"';
    }
    world.faults.fail(fakes::Op::SetFontAttribute);
    world.cmbSize.setText("20");
    world.window.onCmbSizeClick();
    EXPECT_EQ(world.txPreview.size, 1000);
}

TEST_F(PreviewTest, LeavingTheSizeBoxAppliesTheNumberAndTakesBackText) {
    world.window.onCmbSizeGotFocus();
    world.cmbSize.setText("12abc");
    world.window.onCmbSizeValidate();
    world.window.onCmbSizeLostFocus();
    EXPECT_EQ(world.txPreview.size, 12);
    EXPECT_EQ(world.cmbSize.text(), "36");

    world.window.onCmbSizeGotFocus();
    world.cmbSize.setText("  24 ");
    world.window.onCmbSizeValidate();
    world.window.onCmbSizeLostFocus();
    EXPECT_EQ(world.txPreview.size, 24);
    EXPECT_EQ(world.cmbSize.text(), "  24 ");
}

TEST_F(PreviewTest, TheNumericTestFollowsTheUsersDecimalComma) {
    world.window.onCmbSizeGotFocus();
    world.cmbSize.setText("10,5");
    world.window.onCmbSizeValidate();
    world.window.onCmbSizeLostFocus();
    EXPECT_EQ(world.txPreview.size, 10);      // the size is read up to the comma
    EXPECT_EQ(world.cmbSize.text(), "10,5");  // and "10,5" is a number where ',' groups digits

    world.environment.format = {",", "."};
    world.cmbSize.setText("10,5,5");
    world.window.onCmbSizeLostFocus();
    EXPECT_EQ(world.cmbSize.text(), "36");
    world.cmbSize.setText("10,5");
    world.window.onCmbSizeLostFocus();
    EXPECT_EQ(world.cmbSize.text(), "10,5");
}

TEST_F(PreviewTest, BoldAndItalicChangeOnlyTheirOwnAttribute) {
    world.window.onToolbar1ButtonClick(2, 1);
    world.window.onToolbar1ButtonClick(3, 1);
    EXPECT_TRUE(world.txPreview.bold);
    EXPECT_TRUE(world.txPreview.italic);
    world.window.onToolbar1ButtonClick(2, 0);
    EXPECT_FALSE(world.txPreview.bold);
    EXPECT_TRUE(world.txPreview.italic);
    EXPECT_EQ(world.txPreview.face, "Arial");
    EXPECT_EQ(world.txPreview.size, 36);
}

}  // namespace
}  // namespace typelens
