#include <gtest/gtest.h>

#include "install/install_command.h"
#include "install/registry_value.h"
#include "tests/unit/world.h"

namespace typelens {
namespace {

using fakes::Op;
using Calls = std::vector<std::string>;
const std::string kFonts = "C:\\windows\\Fonts\\";
const std::string kUser = "C:\\users\\me\\AppData\\Local\\Microsoft\\Windows\\Fonts\\";

void Prepare(fakes::World& w) {
    w.pc.folder("C:\\windows\\Fonts");
    w.pc.variables["LOCALAPPDATA"] = "C:\\users\\me\\AppData\\Local";
    for (std::string name : {"neat", "other"}) w.pc.font("C:\\in\\" + name + ".ttf", name);
    w.pc.file("C:\\in\\broken.ttf", "no font");
    w.pc.font("C:\\in\\ spaced.ttf", " Spaced ");
    w.window.onLoad();
}

struct Install : ::testing::Test {
    fakes::World w;
    Install() { Prepare(w); }
};

TEST_F(Install, CopiesThePreviewedFileAndRegistersItsFaceOnce) {
    w.window.install();  // nothing previewed: a beep, nothing else
    EXPECT_EQ(w.pc.beeps, 1);
    w.preview("C:\\in\\neat.ttf");
    w.File1.add("C:\\in\\other.ttf", "other.ttf", 2);
    w.File1.pick("other.ttf");  // moved by the keyboard since: the copy is still neat.ttf's
    w.window.install();
    EXPECT_FALSE(w.InstallButton.enabled);  // done: greyed until the next preview
    EXPECT_EQ(w.lblInstalled.value, "Installed for every user");
    w.window.install();
    EXPECT_EQ(w.lblInstalled.value, "Installed already, from this very file");
    EXPECT_EQ(w.pc.copy(kFonts + "neat.ttf"), "font neat Regular");
    EXPECT_EQ(w.pc.copy(kFonts + "other.ttf"), "<none>");
    ASSERT_EQ(w.pc.values.size(), 1u);
    EXPECT_EQ(w.pc.values.begin()->second,
              (std::pair{RegistryType::String, std::string("neat.ttf\0", 9)}));
    EXPECT_EQ(w.pc.value("neat (TrueType)"), "neat.ttf");
    // Blanks around a face stay in the value name; the copy is named as the value says.
    w.preview("C:\\in\\ spaced.ttf");
    EXPECT_TRUE(w.InstallButton.enabled);
    EXPECT_EQ(w.lblInstalled.value, "");
    w.window.install();
    EXPECT_EQ(w.pc.value(" Spaced  (TrueType)"), "spaced.ttf");
    EXPECT_EQ(w.pc.copy(kFonts + "spaced.ttf"), "font  Spaced  Regular");
    EXPECT_EQ(w.pc.beeps, 1);  // the one for nothing previewed
    EXPECT_EQ(w.pc.openKeys, 0);
    EXPECT_TRUE(w.pc.refusals.empty());
}

TEST_F(Install, RefusesWhatWouldNameTheWrongFaceOrReplaceAnotherFont) {
    w.preview("C:\\in\\neat.ttf");
    w.txFontName.value = "";  // an empty face box ends the command without a sound
    w.window.install();
    EXPECT_EQ(w.pc.beeps, 0);
    EXPECT_TRUE(w.pc.refusals.empty());
    w.preview("C:\\in\\neat.ttf");
    w.preview("C:\\in\\broken.ttf");  // no face at all: the box still says neat
    w.window.install();
    w.pc.file(kFonts + "other.ttf", "ANOTHER FONT");
    w.preview("C:\\in\\other.ttf");
    w.window.install();
    EXPECT_EQ(w.pc.copy(kFonts + "other.ttf"), "ANOTHER FONT");
    w.fails = {Op::Copy};  // a failure other than of rights: nothing is tried for the user
    w.preview("C:\\in\\neat.ttf");
    w.window.install();
    EXPECT_EQ(w.pc.copy(kUser + "neat.ttf"), "<none>");
    w.fails.clear();
    w.pc.entries.erase("c:\\in\\neat.ttf");  // gone since its preview
    w.window.install();
    // Each refusal says why in a sentence of its own; a beep is only for nothing previewed.
    EXPECT_EQ(w.pc.refusals,
              (std::vector<std::string>{
                  "\"broken.ttf\" is not a usable font.",
                  "A different font named \"other.ttf\" is in the fonts folder already.",
                  "The fonts folder or the list of installed fonts cannot be written.",
                  "\"neat.ttf\" is no longer there."}));
    EXPECT_EQ(w.pc.beeps, 0);
    EXPECT_TRUE(w.InstallButton.enabled);
    EXPECT_EQ(w.pc.copy(kFonts + "broken.ttf"), "<none>");
    EXPECT_EQ(w.pc.copy(kFonts + "neat.ttf"), "<none>");
    EXPECT_TRUE(w.pc.values.empty());
    w.pc.file("C:\\in\\neat.ttf", "font neat Regular");
    w.pc.file(kFonts + "neat.ttf", "font neat Regular");  // the same font, there before
    w.fails = {Op::SetValue};
    w.window.install();
    EXPECT_EQ(w.pc.copy(kFonts + "neat.ttf"),
              "font neat Regular");  // not the install's own to take back
}

// A family's first style takes the family's name; a later style, whose family value registers
// the first, takes its full name; a value that registers another file is never re-pointed. The
// names are whole, though the face list gives only their first 31 UTF-16 units.
TEST_F(Install, EachStyleOfAFamilyGetsAValueOfItsOwn) {
    const std::string fam = "Typelens Remarkably Long Family Name Q";
    w.pc.font("C:\\in\\Fam-Regular.ttf", fam);
    w.pc.font("C:\\in\\Fam-Bold.ttf", fam, "Bold", 700);
    w.pc.font("C:\\in\\Other-Bold.ttf", fam, "Bold", 700);  // the same face, another file
    for (const char* style : {"Regular", "Bold", "Bold"}) {
        w.preview("C:\\in\\Fam-" + std::string(style) + ".ttf");
        w.window.install();
    }
    EXPECT_EQ(w.pc.value(fam + " (TrueType)"), "Fam-Regular.ttf");
    EXPECT_EQ(w.pc.value(fam + " Bold (TrueType)"), "Fam-Bold.ttf");
    EXPECT_EQ(w.pc.copy(kFonts + "Fam-Bold.ttf"), "font " + fam + " Bold");
    EXPECT_TRUE(w.pc.refusals.empty());
    w.preview("C:\\in\\Other-Bold.ttf");
    w.window.install();
    EXPECT_EQ(w.pc.refusals,
              std::vector<std::string>{"The face \"" + fam +
                                       " Bold\" is registered for another font file already."});
    EXPECT_EQ(w.pc.copy(kFonts + "Other-Bold.ttf"), "<none>");
    EXPECT_EQ(w.pc.value(fam + " Bold (TrueType)"), "Fam-Bold.ttf");
    // This very file, in other letters, in any script: installed again.
    w.pc.file("C:\\in\\Другой.ttf", "font " + fam + " Bold");
    w.pc.facesOf["C:\\in\\Другой.ttf"] = w.pc.facesOf["C:\\in\\Other-Bold.ttf"];
    SetRegistryValue(w.pc, RegistryRoot::LocalMachine, kFontsKey, fam + " Bold (TrueType)",
                     "дРУГОЙ.TTF", {});
    w.preview("C:\\in\\Другой.ttf");
    w.window.install();
    EXPECT_EQ(w.pc.refusals.size(), 1u);
    EXPECT_EQ(w.pc.value(fam + " Bold (TrueType)"), "Другой.ttf");
    // A Regular whose full name is its family's, after the Bold took the family's name.
    w.pc.font("C:\\in\\Cond-Bold.ttf", "Cond", "Bold", 700);
    w.pc.font("C:\\in\\Cond.ttf", "Cond", "Regular", 400, false, "Cond");
    for (const char* file : {"Cond-Bold", "Cond"}) {
        w.preview("C:\\in\\" + std::string(file) + ".ttf");
        w.window.install();
    }
    EXPECT_EQ(w.pc.value("Cond (TrueType)"), "Cond-Bold.ttf");
    EXPECT_EQ(w.pc.value("Cond Regular (TrueType)"), "Cond.ttf");
    EXPECT_EQ(w.pc.refusals.size(), 1u);
}

// What is in the way stays, and the refusal says why: values that cannot be read as text (the
// full name's value is written where only the family's is in the way), a source another program
// holds (the user's place is no help for it), a copy that cannot be taken back.
TEST_F(Install, KeepsWhatIsInTheWay) {
    const auto put = [&](const std::string& name, RegistryType type) {
        w.pc.values["2\\" + fakes::Lower(kFontsKey) + name] = {type, std::string("\1\0\0\0", 4)};
    };
    put("other (TrueType)", RegistryType::Dword);
    w.preview("C:\\in\\other.ttf");
    w.window.install();
    EXPECT_EQ(w.pc.value("other Regular (TrueType)"), "other.ttf");
    put("neat (TrueType)", RegistryType::Dword);
    put("neat Regular (TrueType)", RegistryType(3));  // REG_BINARY
    w.preview("C:\\in\\neat.ttf");
    w.window.install();
    w.pc.locked.insert("c:\\in\\ spaced.ttf");
    w.pc.unwritable.insert("c:\\windows\\fonts");
    w.preview("C:\\in\\ spaced.ttf");
    w.window.install();
    w.pc.locked.clear(), w.pc.unwritable.clear();
    w.fails = {Op::SetValue, Op::Delete};
    w.window.install();
    EXPECT_EQ(w.pc.refusals,
              (std::vector<std::string>{
                  "The face \"neat Regular\" has a value in the list of installed fonts that "
                  "cannot be read, and it stays as it is.",
                  "\"spaced.ttf\" cannot be read; another program may be using it.",
                  "The list of installed fonts cannot be written, and the copy "
                  "\"C:\\windows\\Fonts\\spaced.ttf\" could not be taken back."}));
    for (const char* kept : {"other (TrueType)", "neat (TrueType)", "neat Regular (TrueType)"})
        EXPECT_NE(w.pc.values["2\\" + fakes::Lower(kFontsKey) + kept].first, RegistryType::String);
    EXPECT_EQ(w.pc.copy(kUser + "spaced.ttf"), "<none>");
}

// A standard user, or an administrator's program without elevation, may write neither the
// machine's fonts folder nor its key: the font is installed for the user.
TEST(InstallWithoutRights, EachRefusalOfTheMachineLeadsToTheUsersPlaceWithNothingLeftBehind) {
    for (int refused = 0; refused < 3; ++refused) {
        SCOPED_TRACE(refused);
        fakes::World w;
        Prepare(w);
        if (refused == 0) w.pc.unwritable.insert("c:\\windows\\fonts");
        if (refused == 1) w.pc.lockedKeys.insert(2);
        if (refused == 2) w.pc.lockedValues.insert(2);
        w.preview("C:\\in\\neat.ttf");
        w.window.install();
        EXPECT_EQ(w.pc.copy(kUser + "neat.ttf"), "font neat Regular");
        EXPECT_EQ(w.pc.value("neat (TrueType)", 1), kUser + "neat.ttf");
        EXPECT_EQ(w.pc.copy(kFonts + "neat.ttf"), "<none>");
        EXPECT_EQ(w.pc.value("neat (TrueType)"), "<none>");
        EXPECT_TRUE(w.pc.refusals.empty());
        EXPECT_EQ(w.lblInstalled.value,
                  "Installed for you alone: the machine's fonts folder may not be written");
        // Usable at once, here and in every program, and never again taken for a new face.
        EXPECT_EQ(w.pc.adds[kUser + "neat.ttf"], 1);
        EXPECT_EQ(w.pc.broadcasts, 1);
        w.preview("C:\\in\\other.ttf");
        EXPECT_EQ(w.txFontName.value, "other");
        w.window.onUnload();  // the previewed file goes out of the font table, the copy stays
        EXPECT_EQ(w.pc.loaded, Calls{kUser + "neat.ttf"});
    }
    fakes::World w;  // a different font of that name in the user's folder stays
    Prepare(w);
    w.pc.unwritable.insert("c:\\windows\\fonts");
    w.pc.file(kUser + "neat.ttf", "ANOTHER FONT");
    w.preview("C:\\in\\neat.ttf");
    w.window.install();
    EXPECT_EQ(w.pc.copy(kUser + "neat.ttf"), "ANOTHER FONT");
    EXPECT_EQ(w.pc.value("neat (TrueType)", 1), "<none>");
    EXPECT_EQ(w.pc.refusals.size(), 1u);
    w.pc.unwritable.insert(fakes::Lower(kUser.substr(0, kUser.size() - 1)));
    w.pc.entries.erase(fakes::Lower(kUser + "neat.ttf"));
    w.window.install();  // and where neither may be written: refused
    EXPECT_EQ(w.pc.refusals.size(), 2u);
    EXPECT_EQ(w.pc.openKeys, 0);
}

TEST(SetRegistryValue, TakesItsTypeFromTheValue) {
    fakes::Faults fails;
    fakes::Machine pc(fails);
    const auto write = [&](const RegistryValue& value) {
        pc.values.clear();
        if (SetRegistryValue(pc, RegistryRoot::CurrentUser, "K\\", "v", value, {}) != Outcome::Done)
            return std::string("<failed>");
        return std::to_string(int(pc.values["1\\k\\v"].first)) + ":" + pc.values["1\\k\\v"].second;
    };
    for (const RegistryValue& twelve :
         {RegistryValue(12.0), RegistryValue(" 12 "), RegistryValue(12.5)})
        EXPECT_EQ(write(twelve), std::string("4:\x0C\0\0\0", 6));  // 12.5: half to even
    EXPECT_EQ(write(-2.0), "4:\xFE\xFF\xFF\xFF");
    EXPECT_EQ(write(std::string("  a\tb  ")), std::string("1:a\tb\0", 6));
    EXPECT_EQ(write(3e9), "<failed>");
    EXPECT_EQ(pc.openKeys, 0);
}

}  // namespace
}  // namespace typelens
