#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "app/design.h"
#include "app/layout.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

// The controls as the layout places them in a client area of the designed size.
MainLayout LaidOutAtDesignSize() {
    MainLayout c{design::Toolbar1, design::Drive1,     design::Dir1,
                 design::File1,    design::txFontName, design::txPreview};
    LayoutMainWindow(WindowState::Normal, design::ClientWidth, design::ClientHeight, c);
    return c;
}

void ExpectAt(const Row& child, const TwipRect& twips, const std::string& name) {
    const ScreenRect px = RectAt(child, 2);
    const auto near = [](int pixels, int twipValue) {
        return std::abs(pixels * 15 - twipValue) <= 15;
    };
    EXPECT_TRUE(near(px.x, twips.left) && near(px.y, twips.top))
        << name << " at " << px.x << "," << px.y;
    EXPECT_TRUE(near(px.width, twips.width)) << name << " width " << px.width;
    EXPECT_TRUE(near(px.height, twips.height)) << name << " height " << px.height;
}

TEST(Startup, OpensTheDesignedWindowListsCAndEndsWhenClosed) {
    Desktop desktop(TestName());
    const std::string font = testing::MakeTestFont("Startup Probe Face");
    for (const char* name : {"a.ttf", "B.TTF", "c.otf", "d.ttf.bak", "h.ttf", "s.ttf"}) {
        desktop.writeFile(std::string("C:\\") + name, font);
    }
    desktop.makeFolder("C:\\e.ttf");
    desktop.makeFolder("C:\\Fonts to try");
    Probe probe(desktop);
    ASSERT_EQ(probe.one("attributes C:\\h.ttf 2"), "ok");
    ASSERT_EQ(probe.one("attributes C:\\s.ttf 4"), "ok");

    Typelens app(desktop, probe);
    const Row window = probe.ask("window " + app.window()).at(0);
    EXPECT_EQ(window[0], "Typelens 1.2");
    EXPECT_EQ(window.at(9), "normal");
    const ScreenRect client = RectAt(window, 1);
    EXPECT_EQ(client.width, 595);  // 8925 x 6990 twips at 96 dots per inch
    EXPECT_EQ(client.height, 466);

    // Every control of its kind, where the layout puts it at the designed size.
    std::map<int, Row> children;
    for (const Row& row : probe.ask("children " + app.window())) children[std::stoi(row[0])] = row;
    const std::map<int, std::string> kinds = {{control_id::Toolbar1, "ToolbarWindow32"},
                                              {control_id::cmbSize, "ComboBox"},
                                              {control_id::Drive1, "ComboBox"},
                                              {control_id::Dir1, "SysTreeView32"},
                                              {control_id::File1, "SysListView32"},
                                              {control_id::txFontName, "Edit"},
                                              {control_id::txPreview, "Edit"}};
    for (const auto& [id, kind] : kinds) {
        ASSERT_TRUE(children.count(id)) << "no control " << id;
        EXPECT_EQ(children[id][1], kind);
        EXPECT_EQ(children[id][6], "1");
    }
    const MainLayout laid = LaidOutAtDesignSize();
    ExpectAt(children[control_id::Toolbar1], laid.Toolbar1, "Toolbar1");
    ExpectAt(children[control_id::Drive1], laid.Drive1, "Drive1");
    ExpectAt(children[control_id::Dir1], laid.Dir1, "Dir1");
    ExpectAt(children[control_id::File1], laid.File1, "File1");
    ExpectAt(children[control_id::txFontName], laid.txFontName, "txFontName");
    ExpectAt(children[control_id::txPreview], laid.txPreview, "txPreview");
    ExpectAt(children[control_id::cmbSize], design::cmbSize, "cmbSize");

    EXPECT_EQ(probe.one("text " + app.control(control_id::cmbSize)), "36");
    EXPECT_EQ(probe.one("text " + app.control(control_id::txFontName)), "");
    const auto sample = probe.ask("text " + app.control(control_id::txPreview));
    ASSERT_EQ(sample.size(), 5u);
    EXPECT_EQ(sample[0][0], "The Quick ");
    EXPECT_EQ(sample[3][0], "lazy dog");

    // The font files of C:\, keyed by their full paths; hidden ones too, system ones not.
    std::vector<std::string> texts;
    for (const Row& item : probe.ask("list-items " + app.control(control_id::File1))) {
        texts.push_back(item[0]);
        EXPECT_EQ(item[1], "C:\\" + item[0]);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"a.ttf", "B.TTF", "h.ttf"}));

    desktop.screenshot(ScreenshotPath("main-window.png"), RectAt(window, 5));

    // The keyboard walks the controls in their tab order, the size box inside the toolbar too.
    const auto focused = [&] {
        const Row row = probe.ask("focus " + app.window()).at(0);
        return row[0] == "1001" ? std::stoi(row[1]) : std::stoi(row[0]);  // a combo box's edit
    };
    EXPECT_EQ(focused(), control_id::Drive1);
    std::vector<int> order;
    for (int i = 0; i < 6; ++i) {
        desktop.key("Tab");
        order.push_back(focused());
    }
    EXPECT_EQ(order,
              (std::vector<int>{control_id::txPreview, control_id::cmbSize, control_id::Dir1,
                                control_id::File1, control_id::txFontName, control_id::Drive1}));

    EXPECT_TRUE(app.closeAndWait(10)) << "the process did not end after its window closed";
}

}  // namespace
}  // namespace typelens::e2e
