#include <gtest/gtest.h>

#include <cmath>

#include "preview/installed_faces.h"
#include "preview/number_text.h"
#include "tests/unit/world.h"

namespace typelens {
namespace {

TEST(Faces, TheSnapshotHoldsEachNameOnceAndANewFaceIsTheFirstOutsideIt) {
    fakes::World w;
    w.pc.installedFaces = {{"Tahoma"}, {"Arial"}, {"arial"}, {"ARIAL", 204}, {"Étoile"}};
    KeyedTexts installed;
    TakeFaceSnapshot(w.pc, installed);
    EXPECT_TRUE(installed.contains("aRiAl") && installed.contains("TAHOMA"));
    EXPECT_TRUE(installed.contains("éTOILE"));

    w.txFontName.value = "Earlier";
    EXPECT_EQ(getNewFontName({{"tahoma"}, {"Arial"}}, installed, w.txFontName), "");
    EXPECT_EQ(w.txFontName.value, "Earlier");
    // A face someone installed after the snapshot comes first; a face turned for vertical
    // writing is no face of its own.
    EXPECT_EQ(getNewFontName({{"Arial"}, {"Late"}, {"Second"}, {"First"}}, installed, w.txFontName),
              "Late");
    EXPECT_EQ(getNewFontName({{"Arial"}, {"@Second"}, {"Second"}}, installed, w.txFontName),
              "Second");
    EXPECT_EQ(w.txFontName.value, "Second");
    w.fails = {fakes::Op::SetText};  // the box refuses the name: no face is reported
    EXPECT_EQ(getNewFontName({{"Brand New"}}, installed, w.txFontName), "");
    w.fails.clear();
    EXPECT_EQ(getNewFontName({{"Brand New"}}, KeyedTexts(), w.txFontName), "Brand New");
}

struct Preview : ::testing::Test {
    fakes::World w;
    Preview() {
        w.pc.font("C:\\f\\one.ttf", "Face One");
        w.pc.font("C:\\f\\two.ttf", "Face Two");
        w.pc.file("C:\\f\\broken.ttf", "not a font");
        w.pc.installedFaces = {{"Fam", 0, 400, false, "Fam Regular", "Regular"},
                               {"Fam", 0, 700, false, "Fam Bold", "Bold"},
                               {"Fam", 0, 400, true, "", "Italic"}};
        w.pc.font("C:\\f\\Fam-Bold.ttf", "Fam", "Bold", 700);
        w.pc.font("C:\\f\\Fam-Italic.ttf", "Fam", "Italic", 400, true, "Fam Italic");
        w.window.onLoad();
    }
    const std::string& current() const { return w.window.preview().currentFontFile(); }
};

TEST_F(Preview, AClickShowsTheClickedFilesFaceAndTakesTheFileBeforeOut) {
    w.preview("C:\\f\\one.ttf");
    EXPECT_EQ(w.txFontName.value, "Face One");
    EXPECT_EQ(w.txPreview.face, (FaceRequest{"Face One", 204, 400, false}));

    w.txPreview.size = 72;
    w.txPreview.bold = true;
    // No face of its own: the box says why, the sample is drawn in its own face again, never in
    // the face before, and Install is greyed. A file the font table refused is never read (the
    // world fails a test that reads one).
    for (const auto& [name, why] :
         {std::pair{"broken.ttf", kNotAFont}, {"gone.ttf", kNoLongerThere}}) {
        w.preview(std::string("C:\\f\\") + name);
        EXPECT_EQ(current(), std::string("C:\\f\\") + name);
        EXPECT_EQ(w.txFontName.value, why);
        EXPECT_EQ(w.txPreview.face, kSampleFace);
        EXPECT_FALSE(w.InstallButton.enabled);
        EXPECT_TRUE(w.pc.loaded.empty());
    }
    w.preview("C:\\f\\two.ttf");
    EXPECT_TRUE(w.InstallButton.enabled);
    w.File1.selection.reset();
    w.window.onFile1Click();  // nothing selected: the same file out and in again
    EXPECT_EQ(w.txPreview.face.family, "Face Two");
    EXPECT_EQ(w.txPreview.size, 72);  // size and style stay with the next face
    EXPECT_TRUE(w.txPreview.bold);
    EXPECT_EQ(w.pc.loaded, std::vector<std::string>{"C:\\f\\two.ttf"});
}

// The face list gives a family's first 31 UTF-16 units; the file gives its names whole, and they
// say which face it is, whatever another program added meanwhile and whether or not the file
// before left the font table. Only a file whose names cannot be read is known by the face it
// added, and the window hears of the faces others add.
TEST_F(Preview, AFileIsWhoItsOwnNamesSay) {
    const std::string q = "Typelens Remarkably Long Family Name Q", cut = q.substr(0, 31);
    const std::string r = "Typelens Remarkably Long Family Name R";  // alike in its first 31
    w.pc.font("C:\\f\\q.ttf", q);
    w.pc.font("C:\\f\\q-bold.ttf", q, "Bold", 700);
    w.pc.font("C:\\f\\r.ttf", r);
    w.pc.font("C:\\f\\mute.ttf", "Mute");
    w.pc.says["C:\\f\\mute.ttf"] = {};
    w.pc.installedFaces.insert(w.pc.installedFaces.begin(), FontFace{"Intruder"});

    w.preview("C:\\f\\q.ttf");
    EXPECT_EQ(w.txFontName.value, q);
    EXPECT_EQ(w.txPreview.face, (FaceRequest{cut, 204, 400, false}));
    w.fails = {fakes::Op::RemoveFont};  // q stays in the font table
    w.preview("C:\\f\\r.ttf");
    w.fails.clear();
    EXPECT_EQ(w.txFontName.value, r);
    w.preview("C:\\f\\q-bold.ttf");  // beside q, under the same listed name
    EXPECT_EQ(w.txFontName.value, q);
    EXPECT_EQ(w.txPreview.face, (FaceRequest{cut, 204, 700, false}));
    EXPECT_EQ(w.window.preview().previewedFace()->fullName, q + " Bold");

    w.window.onFontsChanged();  // Windows tells of Intruder; Wine tells nothing
    w.preview("C:\\f\\mute.ttf");
    EXPECT_EQ(w.txFontName.value, "Mute");
}

// A style of an installed family is named by its family and asked for at the weight and slant
// with which the system lists that face (Wine lists a semibold face at 400, and would draw it
// emboldened if asked for the 600 its file gives), or else at the file's own.
TEST_F(Preview, AStyleOfAnInstalledFamilyIsDrawnInItsOwnFace) {
    w.preview("C:\\f\\Fam-Bold.ttf");
    EXPECT_EQ(w.txFontName.value, "Fam");
    EXPECT_EQ(w.txPreview.face, (FaceRequest{"Fam", 204, 700, false}));
    w.pc.says["C:\\f\\Fam-Italic.ttf"] = {{"Other", "FAM"}, "Italic", "", 600, true, "Version 3"};
    w.preview("C:\\f\\Fam-Italic.ttf");  // no full name: the same style
    EXPECT_EQ(w.txPreview.face, (FaceRequest{"Fam", 204, 400, true}));
    EXPECT_EQ(w.txFontNameTip.value, "Version 3");  // what the file says of itself
    w.pc.says["C:\\f\\Fam-Italic.ttf"].style = "Oblique";
    w.preview("C:\\f\\Fam-Italic.ttf");
    EXPECT_EQ(w.txPreview.face.weight, 600);
    EXPECT_EQ(w.window.preview().previewedFace()->fullName, "Fam Oblique");
    // Windows' compare of names folds letter case in every script.
    w.pc.installedFaces.push_back({"Шрифт", 0, 400, false, "Шрифт Жирный", "Жирный"});
    w.pc.font("C:\\f\\Шрифт.ttf", "ШРИФТ", "жирный", 700);
    w.preview("C:\\f\\Шрифт.ttf");
    EXPECT_EQ(w.txPreview.face, (FaceRequest{"Шрифт", 204, 400, false}));
    w.pc.says["C:\\f\\Fam-Italic.ttf"].families = {"Unlisted"};  // nothing to draw it by
    w.preview("C:\\f\\Fam-Italic.ttf");
    EXPECT_FALSE(w.window.preview().previewedFace());
    EXPECT_EQ(w.txFontName.value, kNotAFont);
    EXPECT_EQ(w.txFontNameTip.value, "");
}

TEST_F(Preview, TheSizeBoxAppliesItsLeadingNumberAndShowsTheSizeInUseOnceLeft) {
    const std::pair<const char*, float> picks[] = {{" 8", 8},    {"72", 72},       {"abc", 72},
                                                   {"0", 72},    {"-5", 72},       {"1001", 72},
                                                   {"1e40", 72}, {"12.5pt", 12.5f}};
    for (const auto& [text, size] : picks) {
        w.cmbSize.value = text;
        w.window.onCmbSizeClick();
        EXPECT_EQ(w.txPreview.size, size) << text;
    }
    w.cmbSize.value = " 8";  // picked from the list
    w.window.onCmbSizeClick();
    // typed, then the box is left: the size applied, and the text it shows after
    const auto typeAndLeave = [&](const char* text, float size, const char* shown) {
        w.window.onCmbSizeGotFocus();
        w.cmbSize.value = text;
        w.window.onCmbSizeValidate();
        w.window.onCmbSizeLostFocus();
        EXPECT_EQ(w.txPreview.size, size) << text;
        EXPECT_EQ(w.cmbSize.value, shown) << text;
    };
    typeAndLeave("abc", 8, " 8");  // the text on entry spells the size in use
    typeAndLeave("5000", 8, " 8");
    typeAndLeave(" 24 ", 24, " 24 ");
    typeAndLeave("12abc", 12, "12");  // the text on entry spells another size
    typeAndLeave("10,5", 10, "10");   // read up to the comma; a number where ',' groups digits
    w.window.onCmbSizeGotFocus();     // Enter applies a size while the box has the focus
    w.cmbSize.value = "20";
    w.window.onCmbSizeClick();
    typeAndLeave("0", 20, "20");
    w.pc.format = {",", "."};
    typeAndLeave("12.5", 12.5f, "12.5");  // a thousands separator here: shown as the box reads it
    w.fails = {fakes::Op::SetFont};       // the sample keeps its size, and the box shows it
    typeAndLeave("30", 12.5f, "12.5");
}

TEST(NumberText, LeadingNumbersAndWholeNumbers) {
    const std::pair<const char*, double> leading[] = {
        {"36", 36},          {" 8", 8},    {"12abc", 12}, {"10,5", 10},   {"10.5.7", 10.5},
        {"1 2\t3\n4", 1234}, {" - 3", -3}, {".5", 0.5},   {"1E+2x", 100}, {"2.5e-1", 0.25},
        {"1d2", 100},        {"3e+", 3},   {"&H1F", 31},  {"&o17", 15},   {"&o8", 0},
        {"abc", 0},          {"", 0},      {"--1", 0},    {"1\r2", 1}};
    for (const auto& [text, value] : leading) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));

    const NumberFormat english{".", ","}, german{",", "."};
    for (const char* text : {" 36 ", "\t-1.5", "+2", "1,234.5", "1.5E-2", "&HFF", "10,5", "5."})
        EXPECT_TRUE(IsNumeric(text, english)) << text;
    for (const char* text : {"", "  ", "12abc", "1 2", "-", ",5", "1e", "1.2.3", "&HFG", "\n3"})
        EXPECT_FALSE(IsNumeric(text, english)) << text;
    EXPECT_DOUBLE_EQ(*ParseLocaleNumber("1.234,5", german), 1234.5);
    EXPECT_FALSE(IsNumeric("10,5,1", german));
    EXPECT_FALSE(IsNumeric("1,000", {".", ""}));
}

}  // namespace
}  // namespace typelens
