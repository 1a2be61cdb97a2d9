#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <map>
#include <thread>

#include "app/design.h"
#include "app/layout.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

// The About window, when it is open: its handle.
std::string AboutWindow(Probe& probe, Typelens& app) {
    for (const Row& row : probe.ask("top-windows " + app.window())) {
        if (row.at(1) == "About...") return row.at(2);
    }
    return "";
}

TEST(Toolbar, BoldAndItalicStyleThePreviewAndAboutIsModal) {
    Desktop desktop(TestName());
    desktop.writeFile("C:\\style.ttf", testing::MakeTestFont("Qzx Style Face"));
    // The prefix's web browser is the probe, which notes every address it is asked to open.
    ASSERT_EQ(
        desktop.wine({"reg", "add", "HKCR\\https\\shell\\open\\command", "/ve", "/d",
                      "\"" + WindowsPath(TYPELENS_PROBE) + "\" record-open C:\\opened.txt \"%1\"",
                      "/f"}),
        0);
    Probe probe(desktop);
    Typelens app(desktop, probe);
    const ScreenRect preview = app.controlOnScreen(control_id::txPreview);
    const auto press = [&](int command) { app.click(app.button(command)); };
    const auto shot = [&](const std::string& name) {
        desktop.screenshot(Scratch(name), preview);
        return Scratch(name);
    };

    // Eight positions: separators, Install, Bold and Italic (check buttons), the size box's
    // placeholder and About; buttons 30 x 31 pixels, the placeholder at 1710 twips.
    std::vector<std::string> layout;
    for (const Row& row : probe.ask("toolbar " + app.control(control_id::Toolbar1))) {
        const ScreenRect r = RectAt(row, 4);
        layout.push_back(row.at(3) + " " + row.at(1) + " " + std::to_string(r.width) + "x" +
                         std::to_string(r.height));
    }
    EXPECT_EQ(layout,
              (std::vector<std::string>{"separator 0 8x31", "button 1 30x31", "separator 0 8x31",
                                        "check 2 30x31", "check 3 30x31", "separator 0 8x31",
                                        "separator 0 49x31", "button 5 30x31"}));
    const ScreenRect bar = app.controlOnScreen(control_id::Toolbar1);
    EXPECT_EQ(RectAt(probe.ask("toolbar " + app.control(control_id::Toolbar1)).at(6), 4).x - bar.x,
              1710 / 15);
    std::vector<std::string> sizes;
    for (const Row& row : probe.ask("combo-items " + app.control(control_id::cmbSize))) {
        sizes.push_back(row.at(0));
    }
    EXPECT_EQ(sizes, (std::vector<std::string>{" 8", " 9", "10", "12", "14", "16", "18", "20", "22",
                                               "24", "28", "36", "72"}));

    // Resting on a button shows its tip.
    const ScreenRect install = app.button(control_id::InstallButton);
    desktop.moveMouse(install.centerX(), install.y + 200);  // off the toolbar first, then onto it
    desktop.moveMouse(install.centerX(), install.centerY());
    EXPECT_TRUE(WaitFor([&] {
        for (const Row& row : probe.ask("top-windows " + app.window())) {
            if (row.at(0) == "tooltips_class32" && row.at(1) == "Install the selected font")
                return true;
        }
        return false;
    }));

    const std::string regular = shot("regular.png");
    press(control_id::BoldButton);
    ASSERT_TRUE(WaitFor([&] { return DifferingPixels(regular, shot("bold.png")) > 500; }));
    press(control_id::ItalicButton);
    const std::string bold = Scratch("bold.png");
    ASSERT_TRUE(WaitFor([&] { return DifferingPixels(bold, shot("both.png")) > 500; }));
    press(control_id::BoldButton);
    press(control_id::ItalicButton);
    EXPECT_TRUE(WaitFor([&] { return DifferingPixels(regular, shot("back.png")) == 0; }));

    press(control_id::AboutButton);
    ASSERT_TRUE(WaitFor([&] { return !AboutWindow(probe, app).empty(); }));
    std::string about = AboutWindow(probe, app);
    const Row frame = probe.ask("window " + about).at(0);
    desktop.screenshot(ScreenshotPath("about.png"), RectAt(frame, 5));
    EXPECT_EQ(RectAt(frame, 1).width, 322);  // 4830 x 3240 twips
    EXPECT_EQ(RectAt(frame, 1).height, 216);
    EXPECT_EQ(probe.ask("window " + app.window()).at(0).at(10), "disabled");

    // The donation picture and the link each ask the shell once per click; the window stays.
    const ScreenRect client = RectAt(frame, 1);
    const auto controlAt = [&](int id) {
        for (const Row& row : probe.ask("children " + about)) {
            if (row.at(0) != std::to_string(id)) continue;
            ScreenRect r = RectAt(row, 2);
            return ScreenRect{client.x + r.x, client.y + r.y, r.width, r.height};
        }
        throw std::runtime_error("no such control");
    };
    for (int id : {control_id::Image2, control_id::Image2, control_id::Label2}) {
        desktop.click(controlAt(id).centerX(), controlAt(id).centerY());
        std::this_thread::sleep_for(std::chrono::milliseconds(700));  // two clicks, not a double
    }
    EXPECT_TRUE(WaitFor([&] {
        return desktop.readFile("C:\\opened.txt") ==
               "https://typelens.example/donate.php\nhttps://typelens.example/donate.php\n"
               "https://typelens.example/\n";
    })) << desktop.readFile("C:\\opened.txt");
    EXPECT_EQ(AboutWindow(probe, app), about);

    // While it is open the main window takes no clicks.
    const ScreenRect item = app.files().at("style.ttf");
    app.click(item);
    EXPECT_FALSE(WaitFor([&] { return !app.text(control_id::txFontName).empty(); }, 1));

    // Esc, Enter, Alt+O and the OK button each close it; it opens again every time.
    const std::vector<std::string> closers = {"Escape", "Return", "alt+o", "ok", "close box"};
    for (const std::string& closer : closers) {
        if (closer == "close box") {
            const ScreenRect r = RectAt(probe.ask("window " + about).at(0), 5);
            desktop.click(r.x + r.width - 12, r.y + 11);
        } else if (closer == "ok") {
            const std::string ok = probe.one("child " + about + " 1");
            const ScreenRect r = RectAt(probe.ask("window " + ok).at(0), 5);
            desktop.click(r.centerX(), r.centerY());
        } else {
            // The shell's browser may have taken the keyboard; a click on the title gives it back.
            const ScreenRect title = controlAt(control_id::Label1);
            desktop.click(title.centerX(), title.centerY());
            desktop.key(closer);
        }
        ASSERT_TRUE(WaitFor([&] { return AboutWindow(probe, app).empty(); })) << closer;
        EXPECT_EQ(probe.ask("window " + app.window()).at(0).at(10), "enabled");
        press(control_id::AboutButton);
        ASSERT_TRUE(WaitFor([&] { return !(about = AboutWindow(probe, app)).empty(); })) << closer;
        const std::string notice = probe.one(
            "text " + probe.one("child " + about + " " + std::to_string(control_id::Label5)));
        EXPECT_NE(notice.find("2026"), std::string::npos);
    }
    desktop.key("Escape");
    ASSERT_TRUE(WaitFor([&] { return AboutWindow(probe, app).empty(); }));
    app.click(item);
    EXPECT_TRUE(WaitFor([&] { return app.text(control_id::txFontName) == "Qzx Style Face"; }));
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e

namespace typelens::e2e {
namespace {

// The main window's controls as they stand, in twips (the window runs at 96 dots per inch).
MainLayout LiveLayout(Probe& probe, Typelens& app) {
    std::map<int, TwipRect> rects;
    for (const Row& row : probe.ask("children " + app.window())) {
        const ScreenRect r = RectAt(row, 2);
        rects[std::stoi(row.at(0))] = {r.x * 15, r.y * 15, r.width * 15, r.height * 15};
    }
    return {rects[control_id::Toolbar1],   rects[control_id::Drive1],
            rects[control_id::Dir1],       rects[control_id::File1],
            rects[control_id::txFontName], rects[control_id::txPreview]};
}

void ExpectNear(const TwipRect& live, const TwipRect& laid, const std::string& what) {
    const auto near = [](int a, int b) { return std::abs(a - b) <= 15; };  // one pixel
    EXPECT_TRUE(near(live.left, laid.left) && near(live.top, laid.top) &&
                near(live.width, laid.width) && near(live.height, laid.height))
        << what << ": live " << live.left << "," << live.top << " " << live.width << "x"
        << live.height << ", laid out " << laid.left << "," << laid.top << " " << laid.width << "x"
        << laid.height;
}

TEST(Layout, EverySizeChangeMovesTheControlsWhereTheLayoutSays) {
    Desktop desktop(TestName());
    Probe probe(desktop);
    Typelens app(desktop, probe);
    const auto client = [&] { return app.clientOnScreen(); };
    const auto state = [&] { return probe.ask("window " + app.window()).at(0).at(9); };
    const auto check = [&](const MainLayout& before, WindowState how, const std::string& what) {
        MainLayout laid = before;
        LayoutMainWindow(how, client().width * 15.0, client().height * 15.0, laid);
        laid.Toolbar1.width = client().width * 15;  // docked: as wide as the client area
        const MainLayout live = LiveLayout(probe, app);
        ExpectNear(live.Toolbar1, laid.Toolbar1, what + " Toolbar1");
        ExpectNear(live.Drive1, laid.Drive1, what + " Drive1");
        ExpectNear(live.Dir1, laid.Dir1, what + " Dir1");
        ExpectNear(live.File1, laid.File1, what + " File1");
        ExpectNear(live.txFontName, laid.txFontName, what + " txFontName");
        ExpectNear(live.txPreview, laid.txPreview, what + " txPreview");
    };

    // Wider, smaller, and so low that the band height turns negative and the preview stays.
    for (const auto& [width, height] :
         std::vector<std::pair<int, int>>{{900, 640}, {420, 330}, {480, 12}, {760, 520}}) {
        const MainLayout before = LiveLayout(probe, app);
        probe.ask("set-client " + app.window() + " " + std::to_string(width) + " " +
                  std::to_string(height));
        ASSERT_TRUE(
            WaitFor([&] { return client().width != 0 && LiveLayout(probe, app) != before; }));
        check(before, WindowState::Normal, std::to_string(width) + "x" + std::to_string(height));
    }

    const MainLayout normal = LiveLayout(probe, app);
    probe.ask("show " + app.window() + " max");
    ASSERT_TRUE(
        WaitFor([&] { return state() == "maximized" && LiveLayout(probe, app) != normal; }));
    check(normal, WindowState::Maximized, "maximised");
    desktop.screenshot(ScreenshotPath("main-window-large.png"), app.frame());

    const MainLayout maximised = LiveLayout(probe, app);
    probe.ask("show " + app.window() + " min");
    ASSERT_TRUE(WaitFor([&] { return state() == "minimized"; }));
    EXPECT_EQ(LiveLayout(probe, app), maximised);  // nothing moves while minimised
    probe.ask("show " + app.window() + " restore");
    ASSERT_TRUE(WaitFor([&] { return state() != "minimized" && client().width > 0; }));
    check(maximised, state() == "maximized" ? WindowState::Maximized : WindowState::Normal,
          "restored");
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e
