#include <gtest/gtest.h>

#include "app/design.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

using Names = std::vector<std::string>;

Names TopLevel(const std::vector<TreeNode>& nodes) {
    Names names;
    for (const TreeNode& node : nodes) {
        if (node.depth == 0) names.push_back(node.text);
    }
    return names;
}

TEST(Browse, TheTreeReadsOneLevelPerDoubleClickAndDrivesRebuildIt) {
    Desktop desktop(TestName(), {{'X', "/nonexistent-typelens-drive"}});  // a drive not ready
    const std::string font = testing::MakeTestFont("Qzx Browse Face");
    desktop.writeFile("C:\\Type Shop\\Serif.ttf", font);
    desktop.writeFile("C:\\Type Shop\\Sans.TTF", font);
    desktop.writeFile("C:\\Type Shop\\notes.txt", "not a font");
    desktop.makeFolder("C:\\Type Shop\\beta");
    desktop.makeFolder("C:\\Type Shop\\Alpha\\deeper");
    desktop.makeFolder("C:\\Hidden Drawer");
    desktop.makeFolder("C:\\System Drawer");
    Probe probe(desktop);
    ASSERT_EQ(probe.one("attributes \"C:\\Hidden Drawer\" 2"), "ok");
    ASSERT_EQ(probe.one("attributes \"C:\\System Drawer\" 4"), "ok");
    Typelens app(desktop, probe);

    // The subfolders of C:\, hidden ones too, system ones not, by name whatever the case.
    EXPECT_EQ(TopLevel(app.tree()), (Names{"Hidden Drawer", "Program Files", "Program Files (x86)",
                                           "ProgramData", "Type Shop", "users", "windows"}));
    const auto shop = app.node("C:\\Type Shop");
    ASSERT_TRUE(shop);
    EXPECT_EQ(shop->children, 0);

    // A double click reads the folder's subfolders under it, once.
    desktop.doubleClick(shop->at.centerX(), shop->at.centerY());
    ASSERT_TRUE(WaitFor([&] { return app.node("C:\\Type Shop")->children == 2; }));
    EXPECT_TRUE(app.node("C:\\Type Shop")->expanded);
    ASSERT_TRUE(app.node("C:\\Type Shop\\Alpha"));
    ASSERT_TRUE(app.node("C:\\Type Shop\\beta"));
    EXPECT_EQ(app.node("C:\\Type Shop\\Alpha")->text, "Alpha");
    desktop.doubleClick(shop->at.centerX(), shop->at.centerY());
    desktop.doubleClick(shop->at.centerX(), shop->at.centerY());
    EXPECT_EQ(app.node("C:\\Type Shop")->children, 2);

    // A click lists the folder's font files.
    desktop.click(shop->at.centerX(), shop->at.centerY());
    ASSERT_TRUE(WaitFor([&] { return app.files().size() == 2; }));
    const auto files = probe.ask("list-items " + app.control(control_id::File1));
    EXPECT_EQ(files.at(0).at(0), "Sans.TTF");
    EXPECT_EQ(files.at(0).at(1), "C:\\Type Shop\\Sans.TTF");
    EXPECT_EQ(files.at(1).at(1), "C:\\Type Shop\\Serif.ttf");
    desktop.screenshot(ScreenshotPath("browse.png"), app.frame());

    // Another drive: the tree starts again from its root, the list stays.
    const std::string drive = app.control(control_id::Drive1);
    Names drives;
    for (const Row& row : probe.ask("combo-items " + drive)) drives.push_back(row.at(0));
    EXPECT_EQ(drives, (Names{"c:", "x:", "z:"}));
    ASSERT_TRUE(app.pick(control_id::Drive1, "z:"));
    ASSERT_TRUE(WaitFor([&] { return app.node("Z:\\usr").has_value(); }));
    EXPECT_FALSE(app.node("C:\\Type Shop"));
    EXPECT_EQ(app.files().size(), 2u);

    // A drive that is not ready: an empty tree, no message, and the program goes on.
    ASSERT_TRUE(app.pick(control_id::Drive1, "x:"));
    EXPECT_TRUE(WaitFor([&] { return app.tree().empty(); }));
    EXPECT_EQ(app.files().size(), 2u);
    const auto windows = probe.ask("top-windows " + app.window());
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0][0], kMainWindowClass);
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e
