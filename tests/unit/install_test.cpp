#include <gtest/gtest.h>

#include "install/install_command.h"
#include "install/registry_value.h"
#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::Op;
using fakes::StoredValue;
using fakes::World;

const std::string kFonts = "C:\\windows\\Fonts\\";

struct InstallTest : ::testing::Test {
    World world;
    InstallTest() {
        world.fonts.installed = {"Arial"};
        world.addFont("C:\\in\\neat.ttf", "Neat Face", "NEAT");
        world.addFont("C:\\in\\other.ttf", "Other Face", "OTHER");
        world.addFont("C:\\in\\arial.ttf", "Arial", "ARIAL COPY");
        world.window.onLoad();
    }
    const StoredValue* value(const std::string& face) {
        return world.registry.value(RegistryRoot::LocalMachine, kFontsKey, face + " (TrueType)");
    }
};

TEST_F(InstallTest, CopiesThePreviewedFileAndRegistersItsFace) {
    world.preview("C:\\in\\", "neat.ttf");
    world.window.install();

    EXPECT_EQ(world.files.content(kFonts + "neat.ttf"), "NEAT");
    ASSERT_NE(value("Neat Face"), nullptr);
    EXPECT_EQ(*value("Neat Face"),
              (StoredValue{RegistryType::String, std::string("neat.ttf\0", 9)}));
    EXPECT_EQ(world.environment.beeps, 0);
    EXPECT_EQ(world.registry.openKeys, 0);

    world.window.install();  // again: the same one file and one value
    EXPECT_EQ(world.files.content(kFonts + "neat.ttf"), "NEAT");
    EXPECT_EQ(world.registry.valueCount(), 1u);
    EXPECT_EQ(world.environment.beeps, 0);
}

TEST_F(InstallTest, NothingPreviewedBeepsOnceAndWritesNothing) {
    world.window.install();
    EXPECT_EQ(world.environment.beeps, 1);
    EXPECT_EQ(world.registry.valueCount(), 0u);
    EXPECT_FALSE(world.files.exists(kFonts + "neat.ttf"));
}

TEST_F(InstallTest, TheCopyIsNamedAfterThePreviewedFileNotTheSelection) {
    world.preview("C:\\in\\", "neat.ttf");
    world.File1.add("C:\\in\\other.ttf", "other.ttf", 2);
    world.File1.select("other.ttf");  // moved by the keyboard: nothing previewed
    world.window.install();
    EXPECT_EQ(world.files.content(kFonts + "neat.ttf"), "NEAT");
    EXPECT_FALSE(world.files.exists(kFonts + "other.ttf"));
}

TEST_F(InstallTest, AStaleFaceNameIsRefused) {
    world.preview("C:\\in\\", "neat.ttf");
    world.preview("C:\\in\\", "arial.ttf");  // brings no new face; the box still says Neat Face
    world.window.install();
    EXPECT_EQ(world.environment.beeps, 1);
    EXPECT_EQ(world.registry.valueCount(), 0u);
    EXPECT_FALSE(world.files.exists(kFonts + "arial.ttf"));
}

TEST_F(InstallTest, AnEmptyFaceBoxEndsSilently) {
    world.preview("C:\\in\\", "neat.ttf");
    world.txFontName.setText("");
    world.window.install();
    EXPECT_EQ(world.environment.beeps, 0);
    EXPECT_EQ(world.registry.valueCount(), 0u);
}

TEST_F(InstallTest, ADifferentFontOfTheSameNameIsNeverReplaced) {
    world.files.addFile(kFonts + "neat.ttf", "SOMETHING ELSE");
    world.preview("C:\\in\\", "neat.ttf");
    world.window.install();
    EXPECT_EQ(world.environment.beeps, 1);
    EXPECT_EQ(world.files.content(kFonts + "neat.ttf"), "SOMETHING ELSE");
    EXPECT_EQ(world.registry.valueCount(), 0u);
}

TEST_F(InstallTest, AFailedCopyRegistersNothing) {
    world.files.setReadOnlyFolder("C:\\windows\\Fonts");
    world.preview("C:\\in\\", "neat.ttf");
    world.window.install();
    EXPECT_EQ(world.environment.beeps, 1);
    EXPECT_EQ(world.registry.valueCount(), 0u);
}

TEST_F(InstallTest, AFailedRegistrationTakesBackOnlyItsOwnCopy) {
    world.preview("C:\\in\\", "neat.ttf");
    for (Op refusal : {Op::CreateKey, Op::SetValue}) {
        world.faults.fail(refusal);
        world.window.install();
        world.faults.heal();
        EXPECT_FALSE(world.files.exists(kFonts + "neat.ttf"));
    }
    EXPECT_EQ(world.environment.beeps, 2);

    world.files.addFile(kFonts + "neat.ttf", "NEAT");  // the same font, there before
    world.faults.fail(Op::SetValue);
    world.window.install();
    EXPECT_EQ(world.files.content(kFonts + "neat.ttf"), "NEAT");
    EXPECT_EQ(world.environment.beeps, 3);
    EXPECT_EQ(world.registry.openKeys, 0);
}

TEST_F(InstallTest, BlanksAroundTheFaceStayInTheValueNameAndTheCopyIsTheFileTheValueNames) {
    world.addFont("C:\\in\\ spaced.ttf", " Spaced Face ", "SPACED");
    world.preview("C:\\in\\", " spaced.ttf");
    world.window.install();
    ASSERT_NE(value(" Spaced Face "), nullptr);
    EXPECT_EQ(value(" Spaced Face ")->data, std::string("spaced.ttf\0", 11));
    EXPECT_EQ(world.files.content(kFonts + "spaced.ttf"), "SPACED");
    EXPECT_FALSE(world.files.exists(kFonts + " spaced.ttf"));
}

TEST(SetRegistryValue, ChoosesTheTypeFromTheValue) {
    fakes::Faults faults;
    fakes::FakeRegistry registry(faults);
    const NumberFormat format;
    const auto write = [&](const RegistryValue& value) {
        const bool written = SetRegistryValue(registry, RegistryRoot::CurrentUser, "Software\\T\\",
                                              "v", value, format);
        const StoredValue* stored = registry.value(RegistryRoot::CurrentUser, "Software\\T\\", "v");
        return written && stored ? *stored : StoredValue{RegistryType::String, "<none>"};
    };
    const StoredValue twelve{RegistryType::Dword, std::string("\x0C\0\0\0", 4)};
    EXPECT_EQ(write(12.0), twelve);
    EXPECT_EQ(write(std::string("12")), twelve);
    EXPECT_EQ(write(std::string(" 12 ")), twelve);
    EXPECT_EQ(write(12.5), twelve);  // half to even
    EXPECT_EQ(write(13.5), (StoredValue{RegistryType::Dword, std::string("\x0E\0\0\0", 4)}));
    EXPECT_EQ(write(-2.0), (StoredValue{RegistryType::Dword, "\xFE\xFF\xFF\xFF"}));
    EXPECT_EQ(write(std::string("  a b  ")),
              (StoredValue{RegistryType::String, std::string("a b\0", 4)}));
    EXPECT_EQ(write(std::string("")), (StoredValue{RegistryType::String, std::string("\0", 1)}));
    EXPECT_EQ(write(std::string("\ta\t")),
              (StoredValue{RegistryType::String, std::string("\ta\t\0", 4)}));

    registry.keys.clear();
    EXPECT_FALSE(SetRegistryValue(registry, RegistryRoot::CurrentUser, "K", "v", 3e9, format));
    EXPECT_EQ(registry.valueCount(), 0u);
    EXPECT_EQ(registry.openKeys, 0);
}

}  // namespace
}  // namespace typelens
