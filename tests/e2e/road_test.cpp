// The road of one font, as a user walks it: from the drive to the folder, the preview, the
// styles, the installation, the About window and the end.
#include <gtest/gtest.h>

#include "app/design.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

TEST(Road, OneFontFromTheDriveToTheFontsFolder) {
    Desktop desktop(TestName());
    const std::string font = testing::MakeTestFont("Qzx Road Geometric");
    desktop.writeFile("C:\\Type Library\\Display\\Geometric\\road.ttf", font);
    desktop.writeFile("C:\\Type Library\\Display\\Geometric\\other.ttf",
                      testing::MakeTestFont("Qzx Road Other", testing::FontLook::Dots));
    desktop.makeFolder("C:\\Type Library\\Text");
    Probe probe(desktop);
    // Started from the Linux side, the drive box shows Z: while the tree shows C:\.
    Typelens app(desktop, probe, "Z:\\tmp");
    const auto stage = [&](const std::string& name) {
        desktop.screenshot(ScreenshotPath("road-" + name + ".png"), app.frame());
    };
    const auto doubleClick = [&](const std::string& key) {
        const ScreenRect at = app.node(key)->at;
        desktop.doubleClick(at.centerX(), at.centerY());
    };
    const std::string drive = app.control(control_id::Drive1);
    EXPECT_EQ(probe.ask("combo-items " + drive).at(1).at(1), "1");  // z:, selected
    stage("1-start");

    ASSERT_TRUE(app.pick(control_id::Drive1, "c:"));
    ASSERT_TRUE(WaitFor([&] { return app.node("C:\\Type Library").has_value(); }));
    doubleClick("C:\\Type Library");
    ASSERT_TRUE(WaitFor([&] { return app.node("C:\\Type Library\\Display").has_value(); }));
    doubleClick("C:\\Type Library\\Display");
    ASSERT_TRUE(
        WaitFor([&] { return app.node("C:\\Type Library\\Display\\Geometric").has_value(); }));
    stage("2-folders");

    app.click(app.node("C:\\Type Library\\Display\\Geometric")->at);
    ASSERT_TRUE(WaitFor([&] { return app.files().size() == 2; }));
    stage("3-listed");

    const ScreenRect preview = app.controlOnScreen(control_id::txPreview);
    desktop.screenshot(Scratch("before.png"), preview);
    app.click(app.files().at("road.ttf"));
    ASSERT_TRUE(WaitFor([&] { return app.text(control_id::txFontName) == "Qzx Road Geometric"; }));
    desktop.screenshot(Scratch("after.png"), preview);
    EXPECT_GT(DifferingPixels(Scratch("before.png"), Scratch("after.png")), 2000);
    stage("4-preview");

    ASSERT_TRUE(app.pick(control_id::cmbSize, "72"));
    ASSERT_TRUE(WaitFor([&] { return app.text(control_id::cmbSize) == "72"; }));
    app.click(app.button(control_id::BoldButton));
    app.click(app.button(control_id::ItalicButton));
    desktop.screenshot(Scratch("styled.png"), preview);
    EXPECT_GT(DifferingPixels(Scratch("after.png"), Scratch("styled.png")), 2000);
    stage("5-styled");

    app.click(app.button(control_id::InstallButton));
    ASSERT_TRUE(WaitFor([&] { return desktop.exists("C:\\windows\\Fonts\\road.ttf"); }));
    EXPECT_EQ(desktop.readFile("C:\\windows\\Fonts\\road.ttf"), font);
    std::string value;
    desktop.wine({"reg", "query", "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts",
                  "/v", "Qzx Road Geometric (TrueType)"},
                 &value);
    EXPECT_NE(value.find("REG_SZ    road.ttf"), std::string::npos) << value;
    EXPECT_EQ(desktop.bells(), 0);
    stage("6-installed");

    app.click(app.button(control_id::AboutButton));
    std::string about;
    ASSERT_TRUE(WaitFor([&] {
        for (const Row& row : probe.ask("top-windows " + app.window())) {
            if (row.at(1) == "About...") about = row.at(2);
        }
        return !about.empty();
    }));
    desktop.screenshot(ScreenshotPath("road-7-about.png"),
                       RectAt(probe.ask("window " + about).at(0), 5));
    desktop.key("Escape");
    ASSERT_TRUE(WaitFor([&] { return probe.ask("top-windows " + app.window()).size() == 1; }));

    EXPECT_TRUE(app.closeAndWait(10)) << "the process did not end after its window closed";
}

}  // namespace
}  // namespace typelens::e2e
