// One small machine in memory: files, a font table, a registry and the main window's
// controls, any platform operation of which a test can make fail. Unit tests start from it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/glyphora.h"
#include "install/install_command.h"
#include "platform/case_blind.h"

namespace typelens::fakes {

// clang-format off
enum class Op {
    Enumerate, NextName, Attributes, Copy, CreateFolder, Delete, Read, Variable, CreateKey,
    SetValue, ReadValue, SetText, FaceList, FamilyFaces, FileFaces, AddFont, RemoveFont, SetFont,
    TreeAdd, TreeExpand, ListAdd, Count
};
// clang-format on
using Faults = std::set<Op>;

inline std::string Lower(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
    return text;
}
inline std::string ParentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? "" : path.substr(0, slash);
}
inline std::string NoNul(const std::string& data) {
    return data.substr(0, data.find('\0'));
}
// As much of a UTF-8 name as GDI's face list gives: `units` UTF-16 units.
inline std::string Cut(const std::string& name, std::size_t units) {
    std::size_t at = 0;
    for (; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if ((byte & 0xC0) == 0x80) continue;  // within a letter
        const std::size_t needs = byte >= 0xF0 ? 2 : 1;
        if (needs > units) break;
        units -= needs;
    }
    return name.substr(0, at);
}

// Files and folders by full path (no trailing "\") folded to lower case, listed in that order.
// Registry values by "root\key\name", the root 1 for the user's, 2 for the machine's.
struct Machine : FileSystem, Environment, Fonts, Registry, Dialogs {
    explicit Machine(Faults& f) : fails(f) {}
    Faults& fails;
    bool failing(Op op) const { return fails.count(op) > 0; }

    struct Entry {
        std::string path, content;
        std::uint32_t attributes = 0;
    };
    std::map<std::string, Entry> entries;
    std::set<std::string> unwritable;        // folded folders no one has the right to write to
    std::set<std::string> locked;            // folded files another program holds: unreadable
    std::set<int> lockedKeys, lockedValues;  // roots whose keys or values may not be written
    std::map<std::string, std::string> variables{{"windir", "C:\\windows"}};
    NumberFormat format;
    std::vector<FontFace> installedFaces{{"Arial", 0}, {"Tahoma", 0}};
    std::map<std::string, std::vector<FontFace>> facesOf;  // by font file, each charset once
    // What a file says of its face, where not as listed; no families: its names cannot be read.
    std::map<std::string, FileFace> says;
    std::vector<std::string> loaded;  // the files in the font table
    std::map<std::string, int> adds;  // by file, how often it was added
    int broadcasts = 0;
    std::function<void()> heard;        // the main window, told of each change to the font table
    std::vector<std::string> refusals;  // the messages a refusal showed
    std::map<std::string, std::pair<RegistryType, std::string>> values;
    int openListings = 0, openKeys = 0, beeps = 0, aboutOpenings = 0;

    void file(const std::string& path, const std::string& content = "x", std::uint32_t a = 0) {
        if (!ParentOf(path).empty() && !find(ParentOf(path))) folder(ParentOf(path));
        entries[Lower(path)] = {path, content, a};
    }
    void folder(const std::string& path, std::uint32_t a = 0) {
        file(path, "", a | attr::Directory);
    }
    // A font file of one face, in the Western and the Cyrillic character sets.
    void font(const std::string& path, const std::string& family,
              const std::string& style = "Regular", int weight = 400, bool italic = false,
              std::string fullName = "") {
        if (fullName.empty()) fullName = family + " " + style;
        file(path, "font " + fullName);
        facesOf[path] = {{family, 0, weight, italic, fullName, style},
                         {family, 204, weight, italic, fullName, style}};
    }
    const Entry* find(const std::string& path) const {
        const auto found = entries.find(Lower(path));
        return found == entries.end() ? nullptr : &found->second;
    }
    std::string copy(const std::string& path) const {
        return find(path) ? find(path)->content : "<none>";
    }
    // A text value of the fonts key, without its NUL.
    std::string value(const std::string& name, int root = 2) {
        const TextValue read = readText(RegistryRoot(0x80000000 | root), kFontsKey, name);
        return read.state == TextValue::State::Text ? read.text : "<none>";
    }

    std::optional<std::vector<FolderEntry>> readFolder(const std::string& folder,
                                                       std::string_view = {}) override {
        const std::string in = Lower(folder.substr(0, folder.size() - 1));
        if (failing(Op::Enumerate) || (in.size() > 2 && !find(in))) return std::nullopt;
        std::vector<FolderEntry> reading;
        if (in.size() > 2) reading = {{".", attr::Directory}, {"..", attr::Directory}};
        for (const auto& [folded, e] : entries)
            if (ParentOf(folded) == in)
                reading.push_back({e.path.substr(in.size() + 1), e.attributes});
        return reading;
    }
    std::unique_ptr<FolderEnumeration> enumerate(const std::string& pattern,
                                                 std::uint32_t mask) override {
        struct Listing : FolderEnumeration {
            Machine& pc;
            std::vector<FolderEntry> entries;
            std::size_t at = 0;
            Listing(Machine& m, std::vector<FolderEntry> e) : pc(m), entries(std::move(e)) {
                ++pc.openListings;
            }
            ~Listing() override { --pc.openListings; }
            std::optional<FolderEntry> next() override {
                if (at == entries.size() || (at > 0 && pc.failing(Op::NextName)))
                    return std::nullopt;
                return entries[at++];
            }
        };
        const std::string folder = pattern.substr(0, pattern.find_last_of('\\') + 1);
        const std::string wildcard = pattern.substr(folder.size());
        const auto reading = readFolder(folder);
        if (!reading) return nullptr;
        auto listed = Listed(*reading, wildcard.empty() ? "*" : wildcard, mask);
        return listed.empty() ? nullptr : std::make_unique<Listing>(*this, listed);
    }
    std::optional<std::uint32_t> attributes(const std::string& path) override {
        const std::string at = path.ends_with(":\\") ? path.substr(0, 2) : path;  // a root: "D:"
        if (failing(Op::Attributes) || !find(at)) return std::nullopt;
        return find(at)->attributes;
    }
    Outcome copyNewFile(const std::string& from, const std::string& to) override {
        if (locked.count(Lower(from))) return Outcome::Unreadable;
        if (unwritable.count(Lower(ParentOf(to)))) return Outcome::Denied;
        if (failing(Op::Copy) || !find(from) || find(to) || !find(ParentOf(to)))
            return Outcome::Failed;
        file(to, find(from)->content);
        facesOf[to] = facesOf[from];
        return Outcome::Done;
    }
    Outcome createFolder(const std::string& path) override {
        if (failing(Op::CreateFolder)) return Outcome::Failed;
        if (!find(ParentOf(path))) folder(ParentOf(path));
        return Outcome::Done;
    }
    bool deleteFile(const std::string& path) override {
        return !failing(Op::Delete) && entries.erase(Lower(path)) > 0;
    }
    std::optional<std::string> readFile(const std::string& path) override {
        if (failing(Op::Read) || !find(path) || locked.count(Lower(path))) return std::nullopt;
        return find(path)->content;
    }
    std::optional<std::string> variable(const std::string& name) override {
        if (failing(Op::Variable) || !variables.count(name)) return std::nullopt;
        return variables[name];
    }
    void beep() override { ++beeps; }
    NumberFormat numberFormat() override { return format; }

    // Every face in the table, installed ones first, named as GDI lists them: the family's first
    // 31 UTF-16 units, the full name's first 63.
    std::vector<FontFace> table() {
        std::vector<FontFace> faces = installedFaces;
        for (const std::string& f : loaded)
            faces.insert(faces.end(), facesOf[f].begin(), facesOf[f].end());
        for (FontFace& face : faces)
            face.name = Cut(face.name, 31), face.fullName = Cut(face.fullName, 63);
        return faces;
    }
    std::vector<FontFace> faceList() override {  // each family's first face
        if (failing(Op::FaceList)) return {};
        std::vector<FontFace> faces;
        for (const FontFace& face : table()) {
            if (std::none_of(faces.begin(), faces.end(), [&](const FontFace& f) {
                    return f.name == face.name && f.fullName != face.fullName;
                }))
                faces.push_back(face);
        }
        return faces;
    }
    std::vector<FontFace> familyFaces(const std::string& family) override {
        std::vector<FontFace> faces;
        if (failing(Op::FamilyFaces)) return faces;
        for (const FontFace& face : table())
            if (EqualIgnoringCase(face.name, family)) faces.push_back(face);
        return faces;
    }
    std::vector<FileFace> fileFaces(const std::string& path) override {
        // Wine's DirectWrite crashes on some files the font table refuses.
        if (std::find(loaded.begin(), loaded.end(), path) == loaded.end())
            ADD_FAILURE() << "a file the font table refused is read: " << path;
        if (failing(Op::FileFaces) || facesOf[path].empty()) return {};
        if (says.count(path))
            return says[path].families.empty() ? std::vector<FileFace>{} : std::vector{says[path]};
        const FontFace& f = facesOf[path].front();
        return {{{f.name}, f.style, f.fullName, f.weight, f.italic}};
    }
    int addFontResource(const std::string& path) override {
        ++adds[path];
        if (failing(Op::AddFont) || !find(path) || facesOf[path].empty()) return 0;
        if (std::find(loaded.begin(), loaded.end(), path) == loaded.end()) loaded.push_back(path);
        return int(facesOf[path].size());
    }
    bool removeFontResource(const std::string& path) override {
        const auto found = std::find(loaded.begin(), loaded.end(), path);
        if (failing(Op::RemoveFont) || found == loaded.end()) return false;
        loaded.erase(found);
        return true;
    }
    void announceFontChange() override {
        if (heard) heard();
    }
    void broadcastFontChange() override {
        ++broadcasts;
        if (heard) heard();
    }

    OpenedKey createKey(RegistryRoot root, const std::string& path) override {
        struct Key : RegistryKey {
            Machine& pc;
            int root;
            std::string where;
            Key(Machine& m, int r, std::string w) : pc(m), root(r), where(w) { ++pc.openKeys; }
            ~Key() override { --pc.openKeys; }
            Outcome setValue(const std::string& name, RegistryType type,
                             const std::string& data) override {
                if (pc.lockedValues.count(root)) return Outcome::Denied;
                if (pc.failing(Op::SetValue)) return Outcome::Failed;
                pc.values[where + name] = {type, data};
                return Outcome::Done;
            }
        };
        const int r = int(root) & 0xF;
        if (lockedKeys.count(r)) return {nullptr, Outcome::Denied};
        if (failing(Op::CreateKey)) return {nullptr, Outcome::Failed};
        return {std::make_unique<Key>(*this, r, std::to_string(r) + "\\" + Lower(path)),
                Outcome::Done};
    }
    TextValue readText(RegistryRoot root, const std::string& path,
                       const std::string& name) override {
        const auto v = values.find(std::to_string(int(root) & 0xF) + "\\" + Lower(path) + name);
        if (v == values.end()) return {};
        if (failing(Op::ReadValue) || v->second.first != RegistryType::String)
            return {TextValue::State::Unreadable};
        return {TextValue::State::Text, NoNul(v->second.second)};
    }
    void showAbout() override { ++aboutOpenings; }
    void showRefusal(const std::string& text) override { refusals.push_back(text); }
};

// The folder tree: NodeId n is nodes[n - 1].
struct Tree : FolderTree {
    explicit Tree(Faults& f) : fails(f) {}
    Faults& fails;
    struct Node {
        std::string key, text;
        int image = 0;
        std::vector<std::size_t> children;
        bool expanded = false, expandable = true;
    };
    std::vector<Node> nodes;
    std::vector<std::size_t> top;
    std::optional<NodeId> selection;
    int openFills = 0;

    std::optional<NodeId> find(const std::string& key) const {
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i].key == key && !key.empty()) return NodeId{i + 1};
        return std::nullopt;
    }
    Node& node(const std::string& key) { return nodes[find(key)->value - 1]; }
    // The texts under the node keyed `key`, or at the top level.
    std::vector<std::string> texts(const std::string& key = "") {
        std::vector<std::string> texts;
        for (std::size_t i : key.empty() ? top : node(key).children) texts.push_back(nodes[i].text);
        return texts;
    }
    void clear() override { nodes.clear(), top.clear(), selection.reset(); }
    bool add(std::optional<NodeId> parent, std::string key, std::string text, int image) override {
        if (fails.count(Op::TreeAdd) || find(key)) return false;
        nodes.push_back({key, text, image, {}, false, true});
        (parent ? nodes[parent->value - 1].children : top).push_back(nodes.size() - 1);
        return true;
    }
    bool hasChildren(NodeId n) const override { return !nodes[n.value - 1].children.empty(); }
    std::vector<NodeId> children(std::optional<NodeId> n) const override {
        std::vector<NodeId> ids;
        for (std::size_t i : n ? nodes[n->value - 1].children : top) ids.push_back({i + 1});
        return ids;
    }
    void remove(NodeId n) override {  // its key and the keys under it are free again
        const std::string gone = nodes[n.value - 1].key;
        std::erase(top, n.value - 1);
        for (Node& node : nodes) {
            std::erase(node.children, n.value - 1);
            if (node.key == gone || node.key.starts_with(gone + "\\")) node.key.clear();
        }
    }
    void setExpandable(NodeId n, bool e) override { nodes[n.value - 1].expandable = e; }
    bool expand(NodeId n) override {
        return !fails.count(Op::TreeExpand) && (nodes[n.value - 1].expanded = true);
    }
    std::optional<NodeId> selected() const override { return selection; }
    void select(std::optional<NodeId> n) override { selection = n; }
    std::string key(NodeId n) const override { return nodes[n.value - 1].key; }
    void beginFill() override { ++openFills; }
    void endFill(std::optional<NodeId>) override { --openFills; }
};

struct List : FileList {
    explicit List(Faults& f) : fails(f) {}
    Faults& fails;
    std::vector<FileItem> items;
    std::optional<std::size_t> selection;
    int openFills = 0, fills = 0;

    std::vector<std::string> texts() const {
        std::vector<std::string> texts;
        for (const FileItem& item : items) texts.push_back(item.text);
        return texts;
    }
    void pick(const std::string& text) {  // as the user does
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].text == text) selection = i;
    }
    void clear() override { items.clear(), selection.reset(); }
    bool add(std::string key, std::string text, int) override {
        return !fails.count(Op::ListAdd) && (items.push_back({key, text}), true);
    }
    std::optional<FileItem> selected() const override {
        return selection ? std::optional(items[*selection]) : std::nullopt;
    }
    bool select(const std::string& key) override {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].key == key) return selection = i, true;
        return false;
    }
    void beginFill() override { ++openFills, ++fills; }
    void endFill() override { --openFills; }
};

struct Text : TextBox {
    Text(Faults& f, std::string v) : fails(f), value(std::move(v)) {}
    Faults& fails;
    std::string value;
    std::string text() const override { return value; }
    bool setText(const std::string& text) override {
        return !fails.count(Op::SetText) && (value = text, true);
    }
};

struct Font : PreviewFont {
    explicit Font(Faults& f) : fails(f) {}
    Faults& fails;
    FaceRequest face{"Arial", 204};
    float size = 36;
    bool bold = false, italic = false;
    bool set(auto& field, auto v) { return !fails.count(Op::SetFont) && (field = v, true); }
    bool setFace(const FaceRequest& v) override { return set(face, v); }
    bool setSize(float v) override { return set(size, v); }
    bool setBold(bool v) override { return set(bold, v); }
    bool setItalic(bool v) override { return set(italic, v); }
};

struct Drives : DrivePicker {
    char shown = 'C';
    void show(char letter) override { shown = letter; }
};

struct Button : CommandButton {
    bool enabled = true;
    void setEnabled(bool e) override { enabled = e; }
};

// The main window over the machine, not yet loaded.
struct World {
    Faults fails;
    Machine pc{fails};
    Tree Dir1{fails};
    List File1{fails};
    Text txFontName{fails, ""}, txFontNameTip{fails, ""}, cmbSize{fails, "36"},
        lblInstalled{fails, ""};
    Font txPreview{fails};
    Button InstallButton;
    Drives Drive1;
    Glyphora window{{pc, pc, pc, pc, pc},
                    {Drive1, Dir1, File1, txFontName, txFontNameTip, cmbSize, txPreview,
                     InstallButton, lblInstalled}};
    World() {
        pc.heard = [this] { window.onFontsChanged(); };
    }

    // Shows the file alone in the list and clicks it.
    void preview(const std::string& path) {
        File1.clear();
        File1.add(path, path.substr(path.find_last_of('\\') + 1), 2);
        File1.selection = 0;
        window.onFile1Click();
    }
};

}  // namespace typelens::fakes
