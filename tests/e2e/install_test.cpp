#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/design.h"
#include "tests/e2e/e2e.h"
#include "tests/support/test_font.h"

namespace typelens::e2e {
namespace {

using testing::MakeTestFont;

const char kFontsKey[] = "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";

// What `reg query` says of a value: "REG_SZ<tab>data", or "" when there is no such value.
std::string RegistryValue(const Desktop& desktop, const std::string& name) {
    std::string output;
    if (desktop.wine({"reg", "query", kFontsKey, "/v", name}, &output) != 0) return "";
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto at = line.find(name);
        if (at == std::string::npos) continue;
        std::istringstream rest(line.substr(at + name.size()));
        std::string type, data;
        rest >> type;
        std::getline(rest >> std::ws, data);
        return type + "\t" + data;
    }
    return "";
}

// Makes a folder of the Linux side unwritable while it lives: immutable for root (chattr +i),
// without write permission for anyone else.
class Frozen {
  public:
    explicit Frozen(std::string path) : path_(std::move(path)) {
        if (std::system(("chattr +i '" + path_ + "' 2>/dev/null").c_str()) != 0) {
            std::system(("chmod a-w '" + path_ + "'").c_str());
        }
        const std::string trial = path_ + "/.frozen";
        FILE* file = std::fopen(trial.c_str(), "w");
        ok_ = file == nullptr;
        if (file) {
            std::fclose(file);
            std::remove(trial.c_str());
        }
    }
    ~Frozen() {
        std::system(("chattr -i '" + path_ + "' 2>/dev/null").c_str());
        std::system(("chmod u+w '" + path_ + "'").c_str());
    }
    bool ok() const { return ok_; }

  private:
    std::string path_;
    bool ok_;
};

TEST(Install, CopiesAndRegistersThePreviewedFontAndRefusesWhatWouldHarm) {
    Desktop desktop(TestName());
    const std::string neat = MakeTestFont("Qzx Install Neat");
    desktop.writeFile("C:\\To Install\\neat.ttf", neat);
    desktop.writeFile("C:\\To Install\\other.ttf", MakeTestFont("Qzx Install Other"));
    desktop.writeFile("C:\\To Install\\third.ttf", MakeTestFont("Qzx Install Third"));
    const std::string occupant = MakeTestFont("Qzx Install Occupant", testing::FontLook::Dots);
    desktop.writeFile("C:\\windows\\Fonts\\other.ttf", occupant);
    Probe probe(desktop);
    {
        Typelens app(desktop, probe);
        const auto bellsReach = [&](int count) {
            return WaitFor([&] { return desktop.bells() >= count; }, 3) && desktop.bells() == count;
        };
        const auto preview = [&](const std::string& file, const std::string& face) {
            app.click(app.files().at(file));
            return WaitFor([&] { return app.text(control_id::txFontName) == face; });
        };
        const ScreenRect install = app.button(control_id::InstallButton);

        app.click(install);  // nothing previewed yet
        EXPECT_TRUE(bellsReach(1));

        app.click(app.node("C:\\To Install")->at);
        ASSERT_TRUE(WaitFor([&] { return app.files().size() == 3; }));
        ASSERT_TRUE(preview("neat.ttf", "Qzx Install Neat"));
        for (int time = 0; time < 2; ++time) {
            app.click(install);
            ASSERT_TRUE(WaitFor([&] { return desktop.exists("C:\\windows\\Fonts\\neat.ttf"); }));
            EXPECT_TRUE(WaitFor([&] {
                return RegistryValue(desktop, "Qzx Install Neat (TrueType)") == "REG_SZ\tneat.ttf";
            }));
            EXPECT_EQ(desktop.readFile("C:\\windows\\Fonts\\neat.ttf"), neat);
        }
        EXPECT_TRUE(bellsReach(1));

        // The installed copy held open by another program: it cannot be compared, so nothing is
        // written over it.
        ASSERT_EQ(probe.one("lock C:\\windows\\Fonts\\neat.ttf"), "ok");
        app.click(install);
        EXPECT_TRUE(bellsReach(2));
        probe.ask("unlock");
        EXPECT_EQ(desktop.readFile("C:\\windows\\Fonts\\neat.ttf"), neat);

        // A different font of the same name is in the way: refused, and it stays.
        ASSERT_TRUE(preview("other.ttf", "Qzx Install Other"));
        app.click(install);
        EXPECT_TRUE(bellsReach(3));
        EXPECT_EQ(desktop.readFile("C:\\windows\\Fonts\\other.ttf"), occupant);
        EXPECT_EQ(RegistryValue(desktop, "Qzx Install Other (TrueType)"), "");

        // A fonts folder that cannot be written: refused, nothing registered.
        {
            const Frozen frozen(desktop.hostPath("C:\\windows\\Fonts"));
            ASSERT_TRUE(frozen.ok()) << "the fonts folder cannot be made read-only here";
            ASSERT_TRUE(preview("third.ttf", "Qzx Install Third"));
            app.click(install);
            EXPECT_TRUE(bellsReach(4));
        }
        EXPECT_FALSE(desktop.exists("C:\\windows\\Fonts\\third.ttf"));
        EXPECT_EQ(RegistryValue(desktop, "Qzx Install Third (TrueType)"), "");
        ASSERT_TRUE(app.closeAndWait(10));
    }

    // Started again, the program finds the installed face among the installed ones.
    Typelens app(desktop, probe);
    app.click(app.node("C:\\windows")->at);
    const ScreenRect windows = app.node("C:\\windows")->at;
    desktop.doubleClick(windows.centerX(), windows.centerY());
    ASSERT_TRUE(WaitFor([&] { return app.node("C:\\windows\\Fonts").has_value(); }));
    app.click(app.node("C:\\windows\\Fonts")->at);
    ASSERT_TRUE(WaitFor([&] { return app.files().count("neat.ttf") == 1; }));
    app.click(app.files().at("neat.ttf"));
    // Give the click time to be handled, then see that no face counted as new.
    EXPECT_FALSE(WaitFor([&] { return !app.text(control_id::txFontName).empty(); }, 2));
    EXPECT_TRUE(app.closeAndWait(10));
}

}  // namespace
}  // namespace typelens::e2e
