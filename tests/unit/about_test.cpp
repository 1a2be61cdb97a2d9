#include <gtest/gtest.h>

#include "about/about_box.h"
#include "app/toolbar.h"
#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::World;

TEST(AboutBox, EveryOpeningShowsTheNoticeAndTheDonationRequest) {
    fakes::Faults faults;
    fakes::FakeShell shell(faults);
    const std::string first = AboutBox(shell).onLoad();
    EXPECT_EQ(AboutBox(shell).onLoad(), first);

    const auto lineBreak = first.find("\r\n");
    ASSERT_NE(lineBreak, std::string::npos);
    EXPECT_NE(first.substr(0, lineBreak).find("2026"), std::string::npos);
    EXPECT_EQ(first.substr(lineBreak + 2),
              "This program is free (as a free beer), but if you think it's cool please "
              "consider donating!");
    EXPECT_EQ(first.find("Label3"), std::string::npos);
}

TEST(AboutBox, EachClickAsksTheShellOnce) {
    fakes::Faults faults;
    fakes::FakeShell shell(faults);
    AboutBox about(shell);
    about.onImage2Click();
    about.onImage2Click();
    about.onLabel2Click();
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"https://typelens.example/donate.php",
                                                      "https://typelens.example/donate.php",
                                                      "https://typelens.example/"}));
    faults.fail(fakes::Op::Open);
    about.onLabel2Click();  // no browser: nothing happens and nothing breaks
    EXPECT_EQ(shell.opened.size(), 3u);
}

TEST(ToolbarDispatch, ActsByImageIndexOnly) {
    EXPECT_EQ(CommandForImage(1), ToolbarCommand::Install);
    EXPECT_EQ(CommandForImage(2), ToolbarCommand::Bold);
    EXPECT_EQ(CommandForImage(3), ToolbarCommand::Italic);
    EXPECT_EQ(CommandForImage(5), ToolbarCommand::About);
    for (int image : {0, 4, 6, -1}) EXPECT_EQ(CommandForImage(image), ToolbarCommand::None);

    World world;
    world.window.onLoad();
    for (int image : {0, 4, 6}) world.window.onToolbar1ButtonClick(image, 1);
    world.window.onToolbar1ButtonClick(5, 0);
    world.window.onToolbar1ButtonClick(1, 0);  // nothing previewed yet
    EXPECT_EQ(world.dialogs.aboutOpenings, 1);
    EXPECT_EQ(world.environment.beeps, 1);
    EXPECT_FALSE(world.txPreview.bold || world.txPreview.italic);
}

}  // namespace
}  // namespace typelens
