#include <gtest/gtest.h>

#include <filesystem>

#include "app/design.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

using testing::BrokenFonts;
using testing::FontLook;
using testing::MakeTestFont;

TEST(Preview, AClickShowsTheFilesFaceAndTheSizeListAppliesAtOnce) {
    Desktop desktop(TestName());
    const std::string blocks = MakeTestFont("Qzx Preview Blocks");
    desktop.writeFile("C:\\Qzx Blocks.ttf", blocks);
    desktop.writeFile("C:\\Qzx Dots.ttf", MakeTestFont("Qzx Preview Dots", FontLook::Dots));
    for (const auto& [name, bytes] : BrokenFonts(blocks)) desktop.writeFile("C:\\" + name, bytes);
    desktop.writeFile("C:\\vanishing.ttf", blocks);
    desktop.makeFolder("C:\\a folder.ttf");
    Probe probe(desktop);
    Typelens app(desktop, probe);
    auto items = app.files();
    EXPECT_EQ(items.count("a folder.ttf"), 0u);
    const ScreenRect preview = app.controlOnScreen(control_id::txPreview);
    const auto faceShown = [&] { return app.text(control_id::txFontName); };

    desktop.screenshot(Scratch("arial.png"), preview);
    app.click(items["Qzx Blocks.ttf"]);
    ASSERT_TRUE(WaitFor([&] { return faceShown() == "Qzx Preview Blocks"; }));
    desktop.screenshot(Scratch("blocks.png"), preview);
    EXPECT_GT(DifferingPixels(Scratch("arial.png"), Scratch("blocks.png")), 2000);

    // The size list: a real click on its arrow, then on "72".
    ASSERT_TRUE(app.pick(control_id::cmbSize, "72"));
    EXPECT_TRUE(WaitFor([&] { return app.text(control_id::cmbSize) == "72"; }));
    desktop.screenshot(Scratch("blocks72.png"), preview);
    EXPECT_GT(DifferingPixels(Scratch("blocks.png"), Scratch("blocks72.png")), 2000);

    // Files that are no usable font, and one deleted after it was listed: nothing changes and
    // the program keeps answering.
    std::filesystem::remove(desktop.hostPath("C:\\vanishing.ttf"));
    std::vector<std::string> unusable{"vanishing.ttf"};
    for (const auto& [name, bytes] : BrokenFonts(blocks)) unusable.push_back(name);
    for (const std::string& name : unusable) {
        app.click(items[name]);
        ASSERT_FALSE(app.files().empty()) << name;  // it answers
        EXPECT_EQ(faceShown(), "Qzx Preview Blocks") << name;
    }
    desktop.screenshot(Scratch("after-broken.png"), preview);
    EXPECT_EQ(DifferingPixels(Scratch("blocks72.png"), Scratch("after-broken.png")), 0);

    // A typed size counts once the focus leaves the box; Enter alone changes nothing, and a text
    // that is no number is taken back after its leading number was applied.
    const ScreenRect size = app.controlOnScreen(control_id::cmbSize);
    const auto typeSize = [&](const std::string& text) {
        desktop.click(size.x + 8, size.centerY());
        desktop.key("End");
        desktop.key("shift+Home");
        desktop.type(text);
    };
    typeSize("24");
    desktop.key("Return");
    desktop.screenshot(Scratch("typed.png"), preview);
    EXPECT_EQ(DifferingPixels(Scratch("blocks72.png"), Scratch("typed.png")), 0);
    desktop.key("Tab");
    desktop.screenshot(Scratch("24.png"), preview);
    EXPECT_GT(DifferingPixels(Scratch("typed.png"), Scratch("24.png")), 2000);
    EXPECT_EQ(app.text(control_id::cmbSize), "24");
    typeSize("12abc");
    desktop.key("Tab");
    EXPECT_TRUE(WaitFor([&] { return app.text(control_id::cmbSize) == "24"; }));
    desktop.screenshot(Scratch("12.png"), preview);
    EXPECT_GT(DifferingPixels(Scratch("24.png"), Scratch("12.png")), 2000);
    typeSize("72");
    desktop.key("Tab");

    app.click(items["Qzx Dots.ttf"]);
    ASSERT_TRUE(WaitFor([&] { return faceShown() == "Qzx Preview Dots"; }));
    app.click(items["Qzx Blocks.ttf"]);
    ASSERT_TRUE(WaitFor([&] { return faceShown() == "Qzx Preview Blocks"; }));
    desktop.screenshot(ScreenshotPath("preview.png"), app.frame());
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e
