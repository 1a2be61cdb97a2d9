#include <gtest/gtest.h>

#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::World;

TEST(WindowLoad, ListsTheStartFolderAndFindsTheFontsFolder) {
    World world;
    world.files.addFolder("C:\\Program Files");
    world.files.addFolder("C:\\windows");
    world.files.addFile("C:\\a.ttf");
    world.files.addFolder("D:\\elsewhere");
    world.files.addDrive('D', "DATA");

    world.window.onLoad();

    EXPECT_EQ(world.window.fontsFolder(), "C:\\windows\\Fonts\\");
    EXPECT_EQ(world.Dir1.textsUnder(), (std::vector<std::string>{"Program Files", "windows"}));
    EXPECT_EQ(world.File1.texts(), (std::vector<std::string>{"a.ttf"}));
    EXPECT_EQ(world.window.preview().currentFontFile(), "");
    EXPECT_EQ(world.files.openListings(), 0);
}

TEST(WindowLoad, GoesOnWhenEverythingIsMissing) {
    World world;
    world.environment.variables.clear();
    world.faults.fail(fakes::Op::Enumerate);

    world.window.onLoad();

    EXPECT_EQ(world.window.fontsFolder(), "\\Fonts\\");
    EXPECT_TRUE(world.Dir1.nodes.empty());
    EXPECT_TRUE(world.File1.items.empty());
    world.window.onUnload();  // an empty snapshot closes like any other
}

}  // namespace
}  // namespace typelens
