#include <gtest/gtest.h>

#include "app/design.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

using Names = std::vector<std::string>;

struct Node {
    int depth;
    std::string text, key;
    bool expanded;
    int children;
    ScreenRect at;
};

std::vector<Node> TreeOf(Probe& probe, const std::string& tree) {
    std::vector<Node> nodes;
    for (const Row& row : probe.ask("tree-items " + tree)) {
        nodes.push_back({std::stoi(row.at(0)), row.at(1), row.at(2), row.at(3) == "1",
                         std::stoi(row.at(4)), RectAt(row, 5)});
    }
    return nodes;
}

Names TopLevel(const std::vector<Node>& nodes) {
    Names names;
    for (const Node& node : nodes) {
        if (node.depth == 0) names.push_back(node.text);
    }
    return names;
}

const Node* Find(const std::vector<Node>& nodes, const std::string& key) {
    for (const Node& node : nodes) {
        if (node.key == key) return &node;
    }
    return nullptr;
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
    const std::string tree = app.control(control_id::Dir1);
    const std::string list = app.control(control_id::File1);

    // The subfolders of C:\, hidden ones too, system ones not, by name whatever the case.
    auto nodes = TreeOf(probe, tree);
    EXPECT_EQ(TopLevel(nodes), (Names{"Hidden Drawer", "Program Files", "Program Files (x86)",
                                      "ProgramData", "Type Shop", "users", "windows"}));
    const Node* shop = Find(nodes, "C:\\Type Shop");
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->children, 0);

    // A double click reads the folder's subfolders under it, once.
    desktop.doubleClick(shop->at.centerX(), shop->at.centerY());
    ASSERT_TRUE(WaitFor([&] { return Find(TreeOf(probe, tree), "C:\\Type Shop")->children == 2; }));
    nodes = TreeOf(probe, tree);
    EXPECT_TRUE(Find(nodes, "C:\\Type Shop")->expanded);
    ASSERT_NE(Find(nodes, "C:\\Type Shop\\Alpha"), nullptr);
    ASSERT_NE(Find(nodes, "C:\\Type Shop\\beta"), nullptr);
    EXPECT_EQ(Find(nodes, "C:\\Type Shop\\Alpha")->text, "Alpha");
    desktop.doubleClick(shop->at.centerX(), shop->at.centerY());
    desktop.doubleClick(shop->at.centerX(), shop->at.centerY());
    EXPECT_EQ(Find(TreeOf(probe, tree), "C:\\Type Shop")->children, 2);

    // A click lists the folder's font files.
    desktop.click(shop->at.centerX(), shop->at.centerY());
    ASSERT_TRUE(WaitFor([&] { return ItemsOf(probe, list).size() == 2; }));
    const auto files = probe.ask("list-items " + list);
    EXPECT_EQ(files.at(0).at(0), "Sans.TTF");
    EXPECT_EQ(files.at(0).at(1), "C:\\Type Shop\\Sans.TTF");
    EXPECT_EQ(files.at(1).at(1), "C:\\Type Shop\\Serif.ttf");
    desktop.screenshot(ScreenshotPath("browse.png"),
                       RectAt(probe.ask("window " + app.window()).at(0), 5));

    // Another drive: the tree starts again from its root, the list stays.
    const std::string drive = app.control(control_id::Drive1);
    const auto pick = [&](const std::string& name) {
        int index = 0;
        for (const Row& row : probe.ask("combo-items " + drive)) {
            if (row.at(0).rfind(name, 0) == 0) break;
            ++index;
        }
        const ScreenRect box = app.controlOnScreen(control_id::Drive1);
        desktop.click(box.x + box.width - 8, box.centerY());
        const std::string ask = "combo-entry " + drive + " " + std::to_string(index);
        ASSERT_TRUE(WaitFor([&] { return !probe.ask(ask).empty(); }));
        const ScreenRect entry = RectAt(probe.ask(ask).at(0), 0);
        desktop.click(entry.centerX(), entry.centerY());
    };
    Names drives;
    for (const Row& row : probe.ask("combo-items " + drive)) drives.push_back(row.at(0));
    EXPECT_EQ(drives, (Names{"c:", "x:", "z:"}));
    pick("z:");
    ASSERT_TRUE(WaitFor([&] { return Find(TreeOf(probe, tree), "Z:\\usr") != nullptr; }));
    EXPECT_EQ(Find(TreeOf(probe, tree), "C:\\Type Shop"), nullptr);
    EXPECT_EQ(ItemsOf(probe, list).size(), 2u);

    // A drive that is not ready: an empty tree, no message, and the program goes on.
    pick("x:");
    EXPECT_TRUE(WaitFor([&] { return TreeOf(probe, tree).empty(); }));
    EXPECT_EQ(ItemsOf(probe, list).size(), 2u);
    const auto windows = probe.ask("top-windows " + app.window());
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0][0], kMainWindowClass);
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e
