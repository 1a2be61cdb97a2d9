#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "install/install_command.h"
#include "tests/unit/fakes/world.h"

namespace typelens {
namespace {

using fakes::Op;
using fakes::World;

const char* Name(Op op) {
    static const char* const names[] = {
        "Enumerate", "NextName",   "Attributes",       "Copy",    "Delete",     "Read",
        "Variable",  "CreateKey",  "SetValue",         "Open",    "SetText",    "FaceList",
        "AddFont",   "RemoveFont", "SetFontAttribute", "TreeAdd", "TreeExpand", "ListAdd"};
    return names[static_cast<int>(op)];
}

// A machine with fonts in C:\fonts, a font already installed, and a window that has loaded.
void Prepare(World& world, bool load) {
    world.fonts.installed = {"Arial", "Tahoma"};
    world.addFont("C:\\fonts\\a.ttf", "Face A", "AAA");
    world.addFont("C:\\fonts\\b.ttf", "Face B", "BBB");
    world.files.addFolder("C:\\fonts\\sub");
    world.addFont("C:\\windows\\Fonts\\b.ttf", "Face B", "an older B");
    world.files.addFile("C:\\a.ttf", "root font");
    if (load) world.window.onLoad();
}

void Select(World& world, const std::string& key) {
    for (std::size_t i = 0; i < world.File1.items.size(); ++i) {
        if (world.File1.items[i].key == key) world.File1.selection = i;
    }
}

void ShowFonts(World& world) {
    world.window.onDir1NodeClick(*world.Dir1.find("C:\\fonts"));
}

// What must hold whatever failed: the controls show only what is there, nothing is left open,
// at most one previewed file is in the font table, and the fonts folder and the registry agree
// with each other and keep what they held.
void ExpectConsistent(World& world, const std::map<std::string, std::string>& fontsBefore) {
    for (const FileItem& item : world.File1.items) {
        EXPECT_TRUE(world.files.exists(item.key)) << item.key;
        EXPECT_EQ(item.key.substr(item.key.size() - item.text.size()), item.text);
    }
    for (const auto& node : world.Dir1.nodes) {
        EXPECT_EQ(world.files.attributes(node.key).value_or(0) & attr::Directory, attr::Directory);
        EXPECT_EQ(node.key.substr(node.key.size() - node.text.size()), node.text);
    }
    const std::string face = world.txFontName.text();
    if (!face.empty()) {
        EXPECT_TRUE(face == "Face A" || face == "Face B") << face;
    }
    EXPECT_LE(world.fonts.loaded.size(), 1u);
    EXPECT_EQ(world.files.openListings(), 0);
    EXPECT_EQ(world.registry.openKeys, 0);
    EXPECT_EQ(world.Dir1.fills, 0);
    EXPECT_EQ(world.File1.fills, 0);

    for (const auto& [name, content] : fontsBefore) {
        EXPECT_EQ(world.files.content("C:\\windows\\Fonts\\" + name), content) << name;
    }
    const auto key = world.registry.keys.find(
        {RegistryRoot::LocalMachine, "software\\microsoft\\windows nt\\currentversion\\fonts\\"});
    std::set<std::string> registered;
    if (key != world.registry.keys.end()) {
        for (const auto& [value, stored] : key->second) {
            const std::string file = stored.data.substr(0, stored.data.size() - 1);
            registered.insert(file);
            EXPECT_TRUE(world.files.exists("C:\\windows\\Fonts\\" + file)) << value;
        }
    }
    for (const char* name : {"a.ttf"}) {
        // A copy the program made is registered; one it could not register is gone again.
        EXPECT_EQ(world.files.exists(std::string("C:\\windows\\Fonts\\") + name),
                  registered.count(name) == 1);
    }
}

// Set-ups: the file's folder listed and the file selected; and then previewed too.
std::function<void(World&)> Selecting(const std::string& key) {
    return [key](World& w) {
        ShowFonts(w);
        Select(w, key);
    };
}

std::function<void(World&)> Previewing(const std::string& key) {
    return [key](World& w) {
        Selecting(key)(w);
        w.window.onFile1Click();
    };
}

struct Handler {
    const char* name;
    bool loadFirst;
    std::function<void(World&)> setUp;  // runs before the fault is switched on
    std::function<void(World&)> run;
};

TEST(Faults, EveryOperationOfEveryHandlerMayFail) {
    const auto nothing = [](World&) {};
    const std::vector<Handler> handlers = {
        {"load", false, nothing, [](World& w) { w.window.onLoad(); }},
        {"drive change", true, nothing, [](World& w) { w.window.onDrive1Change('C'); }},
        {"node click", true, nothing, ShowFonts},
        {"double click", true, [](World& w) { w.Dir1.selection = w.Dir1.find("C:\\fonts"); },
         [](World& w) { w.window.onDir1DblClick(); }},
        {"file click", true, Selecting("C:\\fonts\\a.ttf"),
         [](World& w) { w.window.onFile1Click(); }},
        {"size picked", true, [](World& w) { w.cmbSize.setText("20"); },
         [](World& w) { w.window.onCmbSizeClick(); }},
        {"size typed", true,
         [](World& w) {
             w.window.onCmbSizeGotFocus();
             w.cmbSize.setText("12abc");
         },
         [](World& w) {
             w.window.onCmbSizeValidate();
             w.window.onCmbSizeLostFocus();
         }},
        {"bold", true, nothing, [](World& w) { w.window.onToolbar1ButtonClick(2, 1); }},
        {"about", true, nothing, [](World& w) { w.window.onToolbar1ButtonClick(5, 0); }},
        {"install", true, Previewing("C:\\fonts\\a.ttf"),
         [](World& w) { w.window.onToolbar1ButtonClick(1, 0); }},
        {"install over another", true, Previewing("C:\\fonts\\b.ttf"),
         [](World& w) { w.window.onToolbar1ButtonClick(1, 0); }},
        {"unload", true, nothing, [](World& w) { w.window.onUnload(); }},
    };
    for (const Handler& handler : handlers) {
        for (Op op : fakes::kAllOps) {
            SCOPED_TRACE(std::string(handler.name) + " with " + Name(op) + " failing");
            World world;
            Prepare(world, handler.loadFirst);
            handler.setUp(world);
            const std::map<std::string, std::string> fontsBefore = {
                {"b.ttf", world.files.content("C:\\windows\\Fonts\\b.ttf")}};
            world.faults.fail(op);
            handler.run(world);
            world.faults.heal();
            ExpectConsistent(world, fontsBefore);
        }
    }
}

}  // namespace
}  // namespace typelens
