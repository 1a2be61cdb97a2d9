// Every platform operation made to fail in turn under every handler: whatever failed, the window
// shows only what is there and the fonts folder and the registry stay in step.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/world.h"

namespace typelens {
namespace {

using fakes::World;
using Step = std::function<void(World&)>;

void Select(World& w, const std::string& text) {
    w.window.onDir1NodeClick(*w.Dir1.find("C:\\in"));
    w.File1.select(text);
}

const struct {
    const char* name;
    Step before, handler;  // the fault is on while the handler runs
} kHandlers[] = {
    {"load", [](World&) {}, [](World& w) { w.window.onLoad(); }},
    {"drive", [](World& w) { w.window.onLoad(); }, [](World& w) { w.window.onDrive1Change('C'); }},
    {"node click", [](World& w) { w.window.onLoad(); }, [](World& w) { Select(w, ""); }},
    {"double click",
     [](World& w) {
         w.window.onLoad();
         w.Dir1.selection = w.Dir1.find("C:\\in");
     },
     [](World& w) { w.window.onDir1DblClick(); }},
    {"file click",
     [](World& w) {
         w.window.onLoad();
         Select(w, "a.ttf");
     },
     [](World& w) { w.window.onFile1Click(); }},
    {"size",
     [](World& w) {
         w.window.onLoad();
         w.window.onCmbSizeGotFocus();
         w.cmbSize.value = "12abc";
     },
     [](World& w) {
         w.window.onCmbSizeClick();
         w.window.onCmbSizeValidate();
         w.window.onCmbSizeLostFocus();
     }},
    {"styles and About", [](World& w) { w.window.onLoad(); },
     [](World& w) {
         w.window.onToolbar1ButtonClick(2, 1);
         w.window.onToolbar1ButtonClick(5, 0);
     }},
    {"install",
     [](World& w) {
         w.window.onLoad();
         Select(w, "a.ttf");
         w.window.onFile1Click();
     },
     [](World& w) { w.window.onToolbar1ButtonClick(1, 0); }},
    {"install over another",
     [](World& w) {
         w.window.onLoad();
         Select(w, "b.ttf");
         w.window.onFile1Click();
     },
     [](World& w) { w.window.onToolbar1ButtonClick(1, 0); }},
    {"unload", [](World& w) { w.window.onLoad(); }, [](World& w) { w.window.onUnload(); }},
};

TEST(Faults, EveryOperationOfEveryHandlerMayFail) {
    for (const auto& handler : kHandlers) {
        for (int op = 0; op < int(fakes::Op::Count); ++op) {
            SCOPED_TRACE(std::string(handler.name) + ", operation " + std::to_string(op));
            World w;
            w.pc.font("C:\\in\\a.ttf", "Face A");
            w.pc.font("C:\\in\\b.ttf", "Face B");
            w.pc.folder("C:\\in\\sub");
            w.pc.file("C:\\windows\\Fonts\\b.ttf", "an older B");
            handler.before(w);
            w.fails = {fakes::Op(op)};
            handler.handler(w);
            w.fails.clear();

            for (const FileItem& item : w.File1.items) {
                EXPECT_TRUE(w.pc.find(item.key) && item.key.ends_with("\\" + item.text))
                    << item.key;
            }
            for (const auto& node : w.Dir1.nodes) {
                EXPECT_TRUE(w.pc.find(node.key) &&
                            (w.pc.find(node.key)->attributes & attr::Directory));
            }
            EXPECT_TRUE(w.txFontName.value.empty() || w.txFontName.value.starts_with("Face "));
            EXPECT_LE(w.pc.loaded.size(), 2u);  // the file clicked, and the one whose face shows
            EXPECT_EQ(w.pc.openListings + w.pc.openKeys + w.Dir1.openFills + w.File1.openFills, 0);
            EXPECT_EQ(w.pc.find("C:\\windows\\Fonts\\b.ttf")->content, "an older B");
            // A copy stays exactly when its value names it.
            EXPECT_EQ(w.pc.find("C:\\windows\\Fonts\\a.ttf") != nullptr,
                      w.pc.value("Face A (TrueType)") == "a.ttf");
            EXPECT_EQ(w.pc.value("Face B (TrueType)"), "<none>");
        }
    }
}

}  // namespace
}  // namespace typelens
