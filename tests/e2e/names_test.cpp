// Names and paths that strain the program: letters the ANSI code page lacks, paths near and past
// the 260-character limit, folders of 10,000 entries, folders that vanish while shown.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/design.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

namespace fs = std::filesystem;

TEST(Names, ShowsOnlyWhatIsThereAndStaysAlive) {
    Desktop desktop(TestName());
    const std::string font = testing::MakeTestFont("Qzx Names Face");
    // Code page 1252 has é but no Cyrillic: the second file and folder cannot be named in it.
    desktop.writeFile("C:\\Names\\Caf\xC3\xA9.ttf", font);  // the Linux side names files in UTF-8
    desktop.writeFile("C:\\Names\\\xD1\x88\xD1\x80\xD0\xB8\xD1\x84\xD1\x82.ttf", font);
    desktop.makeFolder("C:\\Names\\\xD0\xBF\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0");
    desktop.makeFolder("C:\\Names\\Plain");
    // A chain of folders that runs past 260 characters, with a font near the limit.
    std::string deep = "C:\\Deep";
    while (deep.size() < 200) deep += "\\" + std::string(20, 'd');
    desktop.writeFile(deep + "\\near.ttf", font);
    std::string past = deep;
    while (past.size() < 300) past += "\\" + std::string(20, 'p');
    desktop.writeFile(past + "\\past.ttf", font);
    // Ten thousand subfolders, and ten thousand font files (links to one file).
    for (int i = 0; i < 10000; ++i) desktop.makeFolder("C:\\Many Folders\\f" + std::to_string(i));
    desktop.writeFile("C:\\Many Files\\0.ttf", font);
    const std::string first = desktop.hostPath("C:\\Many Files\\0.ttf");
    for (int i = 1; i < 10000; ++i) {
        ASSERT_EQ(link(first.c_str(),
                       desktop.hostPath("C:\\Many Files\\" + std::to_string(i) + ".ttf").c_str()),
                  0);
    }
    desktop.makeFolder("C:\\Vanishing\\child");

    Probe probe(desktop);
    Typelens app(desktop, probe);
    const auto doubleClick = [&](const std::string& key) {
        const ScreenRect at = app.nodeOnScreen(key);
        desktop.doubleClick(at.centerX(), at.centerY());
    };

    // Names: what the code page can spell is listed and previews; the rest is not shown.
    doubleClick("C:\\Names");
    ASSERT_TRUE(WaitFor([&] { return app.node("C:\\Names")->children > 0; }));
    EXPECT_EQ(app.node("C:\\Names")->children, 1);
    app.click(app.nodeOnScreen("C:\\Names"));
    ASSERT_TRUE(WaitFor([&] { return !app.files().empty(); }));
    const auto names = app.files();
    ASSERT_EQ(names.size(), 1u);
    ASSERT_EQ(names.begin()->first, "Caf\xE9.ttf");
    app.click(names.begin()->second);
    EXPECT_TRUE(WaitFor([&] { return app.text(control_id::txFontName) == "Qzx Names Face"; }));

    // Long paths: each folder is shown as far as its path can be used.
    for (std::string key = "C:\\Deep"; key.size() <= deep.size();
         key += "\\" + std::string(20, 'd')) {
        ASSERT_TRUE(app.node(key)) << key.size();
        doubleClick(key);
        ASSERT_TRUE(WaitFor([&] { return app.node(key)->expanded || key == deep; })) << key.size();
    }
    app.click(app.nodeOnScreen(deep));
    ASSERT_TRUE(WaitFor([&] { return app.files().count("near.ttf") == 1; }));
    doubleClick(deep);  // its subfolder's path is still short enough; deeper ones are not
    std::string below = deep;
    while (app.node(below + "\\" + std::string(20, 'p'))) {
        below += "\\" + std::string(20, 'p');
        doubleClick(below);
        WaitFor([&] { return app.node(below)->children > 0; }, 1);
    }
    EXPECT_LE(below.size(), 260u);
    app.click(app.nodeOnScreen(below));
    EXPECT_TRUE(WaitFor([&] { return app.files().empty(); }));
    for (const auto& [name, at] : app.files()) ADD_FAILURE() << "listed " << name;

    // A folder that goes away while shown: nothing is listed or added, and nothing breaks.
    fs::remove_all(desktop.hostPath("C:\\Vanishing"));
    doubleClick("C:\\Vanishing");
    app.click(app.nodeOnScreen("C:\\Vanishing"));
    EXPECT_TRUE(WaitFor([&] { return app.files().empty(); }));
    EXPECT_EQ(app.node("C:\\Vanishing")->children, 0);
    EXPECT_EQ(probe.ask("top-windows " + app.window()).size(), 1u);

    // Ten thousand entries each way.
    doubleClick("C:\\Many Folders");
    EXPECT_TRUE(WaitFor([&] { return app.node("C:\\Many Folders")->children == 10000; }, 60));
    app.click(app.nodeOnScreen("C:\\Many Files"));
    EXPECT_TRUE(WaitFor([&] { return app.fileCount() == 10000; }, 60));
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e
