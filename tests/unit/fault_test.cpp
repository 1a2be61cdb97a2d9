// Every platform operation made to fail in turn under every handler: whatever failed, the window
// shows only what is there, and each fonts folder and its key stay in step.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/world.h"

namespace typelens {
namespace {

using fakes::World;
using Step = std::function<void(World&)>;

void Click(World& w, const std::string& text) {
    w.window.onDir1NodeClick(*w.Dir1.find("C:\\in"));
    w.File1.pick(text);
    w.window.onFile1Click();
}

const Step kNothing = [](World&) {};
const Step kInstall = [](World& w) { w.window.onToolbar1ButtonClick(1, 0); };

// Each runs on a loaded window but the first; the fault is on while `handler` runs.
const struct {
    const char* name;
    Step before, handler;
} kHandlers[] = {
    {"load on a file handed", kNothing, [](World& w) { w.window.onLoad("c:\\IN\\a.ttf"); }},
    {"drive", kNothing, [](World& w) { w.window.onDrive1Change('C'); }},
    {"node click", kNothing, [](World& w) { w.window.onDir1NodeClick(*w.Dir1.find("C:\\in")); }},
    {"double click", [](World& w) { w.Dir1.selection = w.Dir1.find("C:\\in"); },
     [](World& w) { w.window.onDir1DblClick(); }},
    {"file click", kNothing, [](World& w) { Click(w, "a.ttf"); }},
    {"file handed", kNothing, [](World& w) { w.window.openPath("c:\\IN\\a.ttf"); }},
    {"F5",
     [](World& w) {
         w.Dir1.selection = w.Dir1.find("C:\\in"), w.window.onDir1DblClick(), Click(w, "a.ttf");
         w.pc.deleteFile("C:\\in\\sub");
     },
     [](World& w) { w.window.onRefresh(); }},
    {"file click after another", [](World& w) { Click(w, "a.ttf"); },
     [](World& w) { Click(w, "b.ttf"); }},
    {"size", [](World& w) { w.window.onCmbSizeGotFocus(), w.cmbSize.value = "12abc"; },
     [](World& w) {
         w.window.onCmbSizeClick(), w.window.onCmbSizeValidate(), w.window.onCmbSizeLostFocus();
     }},
    {"styles and About", kNothing,
     [](World& w) { w.window.onToolbar1ButtonClick(2, 1), w.window.onToolbar1ButtonClick(5, 0); }},
    {"install", [](World& w) { Click(w, "a.ttf"); }, kInstall},
    {"install over another", [](World& w) { Click(w, "b.ttf"); }, kInstall},
    {"install for the user",
     [](World& w) { w.pc.unwritable.insert("c:\\windows\\fonts"), Click(w, "a.ttf"); }, kInstall},
    {"unload", [](World& w) { Click(w, "a.ttf"); }, [](World& w) { w.window.onUnload(); }},
};

TEST(Faults, EveryOperationOfEveryHandlerMayFail) {
    const std::string user = "C:\\u\\Microsoft\\Windows\\Fonts\\";
    for (const auto& handler : kHandlers) {
        for (int op = 0; op < int(fakes::Op::Count); ++op) {
            SCOPED_TRACE(std::string(handler.name) + ", operation " + std::to_string(op));
            World w;
            w.pc.variables["LOCALAPPDATA"] = "C:\\u";
            w.pc.font("C:\\in\\a.ttf", "Face A");
            w.pc.font("C:\\in\\b.ttf", "Face B");
            w.pc.folder("C:\\in\\sub");
            w.pc.file("C:\\windows\\Fonts\\b.ttf", "an older B");
            if (!std::string(handler.name).starts_with("load")) w.window.onLoad();
            handler.before(w);
            w.fails = {fakes::Op(op)};
            handler.handler(w);
            w.fails.clear();

            for (const FileItem& item : w.File1.items) {
                EXPECT_TRUE(w.pc.find(item.key) && item.key.ends_with("\\" + item.text));
            }
            for (const auto& node : w.Dir1.nodes) {  // those taken out have no key
                EXPECT_TRUE(
                    node.key.empty() ||
                    (w.pc.find(node.key) && (w.pc.find(node.key)->attributes & attr::Directory)));
            }
            const std::string& name = w.txFontName.value;
            EXPECT_TRUE(name.empty() || name.starts_with("Face ") || name == kNotAFont);
            EXPECT_LE(w.pc.loaded.size(), 3u);  // the file clicked, one before it, a copy
            EXPECT_EQ(w.pc.openListings, 0);
            EXPECT_EQ(w.pc.openKeys, 0);
            EXPECT_EQ(w.Dir1.openFills, 0);
            EXPECT_EQ(w.File1.openFills, 0);
            EXPECT_EQ(w.pc.copy("C:\\windows\\Fonts\\b.ttf"), "an older B");
            EXPECT_EQ(w.pc.value("Face B (TrueType)"), "<none>");
            // A copy stays exactly when its value names it.
            EXPECT_EQ(w.pc.find("C:\\windows\\Fonts\\a.ttf") != nullptr,
                      w.pc.value("Face A (TrueType)") == "a.ttf");
            EXPECT_EQ(w.pc.find(user + "a.ttf") != nullptr,
                      w.pc.value("Face A (TrueType)", 1) == user + "a.ttf");
        }
    }
}

}  // namespace
}  // namespace typelens
