#include "tests/unit/fakes/fake_platform.h"

#include <algorithm>

namespace typelens::fakes {
namespace {

std::string Folded(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return text;
}

class FakeKey : public RegistryKey {
  public:
    FakeKey(FakeRegistry& registry, std::map<std::string, StoredValue>& values, Faults& faults)
        : registry_(registry), values_(values), faults_(faults) {
        ++registry_.openKeys;
    }
    ~FakeKey() override { --registry_.openKeys; }
    bool setValue(const std::string& name, RegistryType type, const std::string& data) override {
        if (faults_.fails(Op::SetValue)) return false;
        values_[name] = {type, data};
        return true;
    }

  private:
    FakeRegistry& registry_;
    std::map<std::string, StoredValue>& values_;
    Faults& faults_;
};

}  // namespace

std::vector<std::string> FakeFonts::faceList() {
    if (faults_.fails(Op::FaceList)) return {};
    std::vector<std::string> faces = installed;
    for (const std::string& file : loaded) {
        for (const std::string& face : fileFaces[file]) faces.push_back(face);
    }
    return faces;
}

int FakeFonts::addFontResource(const std::string& path) {
    calls.push_back("add " + path);
    const auto found = fileFaces.find(path);
    if (faults_.fails(Op::AddFont) || found == fileFaces.end() || found->second.empty()) return 0;
    if (std::find(loaded.begin(), loaded.end(), path) == loaded.end()) loaded.push_back(path);
    return static_cast<int>(found->second.size());
}

bool FakeFonts::removeFontResource(const std::string& path) {
    calls.push_back("remove " + path);
    const auto found = std::find(loaded.begin(), loaded.end(), path);
    if (faults_.fails(Op::RemoveFont) || found == loaded.end()) return false;
    loaded.erase(found);
    return true;
}

std::unique_ptr<RegistryKey> FakeRegistry::createKey(RegistryRoot root, const std::string& path) {
    if (faults_.fails(Op::CreateKey)) return nullptr;
    return std::make_unique<FakeKey>(*this, keys[{root, Folded(path)}], faults_);
}

const StoredValue* FakeRegistry::value(RegistryRoot root, const std::string& path,
                                       const std::string& name) const {
    const auto key = keys.find({root, Folded(path)});
    if (key == keys.end()) return nullptr;
    const auto found = key->second.find(name);
    return found == key->second.end() ? nullptr : &found->second;
}

std::size_t FakeRegistry::valueCount() const {
    std::size_t count = 0;
    for (const auto& [key, values] : keys) count += values.size();
    return count;
}

bool FakeShell::open(const std::string& address) {
    if (faults_.fails(Op::Open)) return false;
    opened.push_back(address);
    return true;
}

bool FakeTextBox::setText(const std::string& text) {
    if (faults_.fails(Op::SetText)) return false;
    text_ = text;
    return true;
}

std::vector<std::string> FakeTree::textsUnder(std::optional<NodeId> parent) const {
    std::vector<std::string> texts;
    for (std::size_t index : parent ? node(*parent).children : topLevel) {
        texts.push_back(nodes[index].text);
    }
    return texts;
}

std::optional<NodeId> FakeTree::find(const std::string& key) const {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].key == key) return NodeId{i + 1};
    }
    return std::nullopt;
}

void FakeTree::clear() {
    nodes.clear();
    topLevel.clear();
    selection.reset();
}

std::optional<NodeId> FakeTree::add(std::optional<NodeId> parent, const std::string& key,
                                    const std::string& text, int image) {
    if (faults_.fails(Op::TreeAdd) || find(key)) return std::nullopt;
    nodes.push_back(
        {key, text, image, parent ? std::optional(parent->value - 1) : std::nullopt, {}, false});
    (parent ? nodes[parent->value - 1].children : topLevel).push_back(nodes.size() - 1);
    return NodeId{nodes.size()};
}

int FakeTree::children(NodeId id) const {
    return static_cast<int>(node(id).children.size());
}

bool FakeTree::expand(NodeId id) {
    if (faults_.fails(Op::TreeExpand)) return false;
    nodes[id.value - 1].expanded = true;
    return true;
}

void FakeTree::endFill(std::optional<NodeId> parent) {
    --fills;
    auto& order = parent ? nodes[parent->value - 1].children : topLevel;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return Folded(nodes[a].text) < Folded(nodes[b].text);
    });
}

std::vector<std::string> FakeList::texts() const {
    std::vector<std::string> texts;
    for (const FileItem& item : items) texts.push_back(item.text);
    return texts;
}

void FakeList::select(const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].text == text) selection = i;
    }
}

void FakeList::clear() {
    items.clear();
    images.clear();
    selection.reset();
}

bool FakeList::add(const std::string& key, const std::string& text, int image) {
    if (faults_.fails(Op::ListAdd)) return false;
    items.push_back({key, text});
    images[key] = image;
    return true;
}

std::optional<FileItem> FakeList::selected() const {
    if (!selection) return std::nullopt;
    return items[*selection];
}

void FakeList::endFill() {
    --fills;
    std::stable_sort(items.begin(), items.end(), [](const FileItem& a, const FileItem& b) {
        return Folded(a.text) < Folded(b.text);
    });
}

}  // namespace typelens::fakes
