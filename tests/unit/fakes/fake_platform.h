// In-memory font table, registry, shell and controls.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "tests/unit/fakes/fake_files.h"

namespace typelens::fakes {

// A font table: the faces installed with the system, then the faces of each added file.
class FakeFonts : public Fonts {
  public:
    explicit FakeFonts(Faults& faults) : faults_(faults) {}

    std::vector<std::string> installed;                         // in the system's order
    std::map<std::string, std::vector<std::string>> fileFaces;  // what each font file holds
    std::vector<std::string> loaded;                            // added files, oldest first
    std::vector<std::string> calls;                             // "add x", "remove x", "announce"

    std::vector<std::string> faceList() override;
    int addFontResource(const std::string& path) override;
    bool removeFontResource(const std::string& path) override;
    void announceFontChange() override { calls.push_back("announce"); }

  private:
    Faults& faults_;
};

struct StoredValue {
    RegistryType type;
    std::string data;
    friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

class FakeRegistry : public Registry {
  public:
    explicit FakeRegistry(Faults& faults) : faults_(faults) {}

    std::map<std::pair<RegistryRoot, std::string>, std::map<std::string, StoredValue>> keys;
    int openKeys = 0;

    std::unique_ptr<RegistryKey> createKey(RegistryRoot root, const std::string& path) override;
    const StoredValue* value(RegistryRoot root, const std::string& path,
                             const std::string& name) const;
    std::size_t valueCount() const;

  private:
    Faults& faults_;
};

class FakeShell : public Shell {
  public:
    explicit FakeShell(Faults& faults) : faults_(faults) {}
    std::vector<std::string> opened;
    bool open(const std::string& address) override;

  private:
    Faults& faults_;
};

class FakeTextBox : public TextBox {
  public:
    explicit FakeTextBox(Faults& faults, std::string text = "")
        : faults_(faults), text_(std::move(text)) {}
    std::string text() const override { return text_; }
    bool setText(const std::string& text) override;

  private:
    Faults& faults_;
    std::string text_;
};

class FakeTree : public FolderTree {
  public:
    explicit FakeTree(Faults& faults) : faults_(faults) {}
    struct Node {
        std::string key, text;
        int image = 0;
        std::optional<std::size_t> parent;
        std::vector<std::size_t> children;
        bool expanded = false;
    };
    std::vector<Node> nodes;
    std::vector<std::size_t> topLevel;
    std::optional<NodeId> selection;
    int fills = 0;  // open beginFill brackets

    // "text" of each node under `parent` (the top level when none), in the order shown.
    std::vector<std::string> textsUnder(std::optional<NodeId> parent = std::nullopt) const;
    const Node& node(NodeId id) const { return nodes[id.value - 1]; }
    std::optional<NodeId> find(const std::string& key) const;

    void clear() override;
    std::optional<NodeId> add(std::optional<NodeId> parent, const std::string& key,
                              const std::string& text, int image) override;
    int children(NodeId node) const override;
    bool expand(NodeId node) override;
    std::optional<NodeId> selected() const override { return selection; }
    std::string key(NodeId id) const override { return node(id).key; }
    void beginFill() override { ++fills; }
    void endFill(std::optional<NodeId> parent) override;

  private:
    Faults& faults_;
};

class FakeList : public FileList {
  public:
    explicit FakeList(Faults& faults) : faults_(faults) {}
    std::vector<FileItem> items;
    std::map<std::string, int> images;  // by key
    std::optional<std::size_t> selection;
    int fills = 0;

    std::vector<std::string> texts() const;
    void select(const std::string& text);

    void clear() override;
    bool add(const std::string& key, const std::string& text, int image) override;
    std::optional<FileItem> selected() const override;
    void beginFill() override { ++fills; }
    void endFill() override;

  private:
    Faults& faults_;
};

class FakePreviewFont : public PreviewFont {
  public:
    explicit FakePreviewFont(Faults& faults) : faults_(faults) {}
    std::string face = "Arial";
    float size = 36;
    bool bold = false;
    bool italic = false;

    bool setFace(const std::string& value) override { return set(face, value); }
    bool setSize(float value) override { return set(size, value); }
    bool setBold(bool value) override { return set(bold, value); }
    bool setItalic(bool value) override { return set(italic, value); }

  private:
    template <typename T>
    bool set(T& field, const T& value) {
        if (faults_.fails(Op::SetFontAttribute)) return false;
        field = value;
        return true;
    }
    Faults& faults_;
};

class FakeDialogs : public Dialogs {
  public:
    int aboutOpenings = 0;
    void showAbout() override { ++aboutOpenings; }
};

}  // namespace typelens::fakes
