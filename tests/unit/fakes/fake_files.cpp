#include "tests/unit/fakes/fake_files.h"

#include <algorithm>

namespace typelens::fakes {
namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Wildcards as the file system matches names: '*' any run, '?' any one character, no case.
bool Matches(const std::string& pattern, const std::string& name, std::size_t p = 0,
             std::size_t n = 0) {
    if (p == pattern.size()) return n == name.size();
    if (pattern[p] == '*') {
        for (std::size_t k = n; k <= name.size(); ++k) {
            if (Matches(pattern, name, p + 1, k)) return true;
        }
        return false;
    }
    if (n == name.size()) return false;
    if (pattern[p] != '?' && Lower(pattern[p]) != Lower(name[n])) return false;
    return Matches(pattern, name, p + 1, n + 1);
}

}  // namespace

class FakeListing : public FolderEnumeration {
  public:
    FakeListing(FakeFileSystem& files, std::vector<std::string> names)
        : files_(files), names_(std::move(names)) {
        ++files_.openListings_;
    }
    ~FakeListing() override { --files_.openListings_; }
    std::optional<std::string> next() override {
        if (at_ == names_.size() || (at_ > 0 && files_.faults_.fails(Op::NextName))) {
            return std::nullopt;
        }
        return names_[at_++];
    }

  private:
    FakeFileSystem& files_;
    std::vector<std::string> names_;
    std::size_t at_ = 0;
};

std::string FakeFileSystem::Fold(const std::string& path) {
    std::string folded = path;
    std::transform(folded.begin(), folded.end(), folded.begin(), Lower);
    while (folded.size() > 3 && folded.back() == '\\') folded.pop_back();
    return folded;
}

std::string FakeFileSystem::ParentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos) return {};
    return slash == 2 ? path.substr(0, 3) : path.substr(0, slash);  // "C:\" for root entries
}

void FakeFileSystem::ensureFolder(const std::string& path) {
    if (path.size() <= 3 || exists(path)) return;
    addFolder(path);
}

void FakeFileSystem::addFolder(const std::string& path, std::uint32_t attributes) {
    ensureFolder(ParentOf(path));
    entries_[Fold(path)] = {path.substr(path.find_last_of('\\') + 1), Fold(ParentOf(path)),
                            attributes | attr::Directory, "", nextOrder_++};
}

void FakeFileSystem::addFile(const std::string& path, std::string content,
                             std::uint32_t attributes) {
    ensureFolder(ParentOf(path));
    entries_[Fold(path)] = {path.substr(path.find_last_of('\\') + 1), Fold(ParentOf(path)),
                            attributes, std::move(content), nextOrder_++};
}

void FakeFileSystem::remove(const std::string& path) {
    entries_.erase(Fold(path));
}

std::string FakeFileSystem::content(const std::string& path) const {
    const auto found = entries_.find(Fold(path));
    return found == entries_.end() ? std::string{} : found->second.content;
}

std::unique_ptr<FolderEnumeration> FakeFileSystem::enumerate(const std::string& pattern,
                                                             std::uint32_t mask) {
    if (faults_.fails(Op::Enumerate)) return nullptr;
    const auto slash = pattern.find_last_of('\\');
    const std::string folder = Fold(pattern.substr(0, slash + 1));
    std::string wildcard = pattern.substr(slash + 1);
    if (wildcard.empty()) wildcard.assign(1, '*');
    const bool root = folder.size() == 3;
    if (!root && !exists(folder)) return nullptr;
    if (root && drives_.end() == std::find_if(drives_.begin(), drives_.end(), [&](const Drive& d) {
                    return Lower(d.letter) == folder[0];
                })) {
        return nullptr;  // no such drive, or not ready
    }

    std::vector<const Entry*> found;
    for (const auto& [path, entry] : entries_) {
        if (entry.parent != folder || !Matches(wildcard, entry.name)) continue;
        if (entry.attributes & attr::System) continue;
        if ((entry.attributes & attr::Hidden) && !(mask & attr::Hidden)) continue;
        if ((entry.attributes & attr::Directory) && !(mask & attr::Directory)) continue;
        found.push_back(&entry);
    }
    std::sort(found.begin(), found.end(),
              [](const Entry* a, const Entry* b) { return a->order < b->order; });
    std::vector<std::string> names;
    if (!root && (mask & attr::Directory) && Matches(wildcard, ".")) {
        names = {".", ".."};
    }
    for (const Entry* entry : found) names.push_back(entry->name);
    return std::make_unique<FakeListing>(*this, std::move(names));
}

std::optional<std::uint32_t> FakeFileSystem::attributes(const std::string& path) {
    if (faults_.fails(Op::Attributes) || unreadable_.count(Fold(path))) return std::nullopt;
    const auto found = entries_.find(Fold(path));
    if (found == entries_.end()) return std::nullopt;
    return found->second.attributes;
}

bool FakeFileSystem::copyNewFile(const std::string& from, const std::string& to) {
    if (faults_.fails(Op::Copy) || exists(to) || readOnly_.count(Fold(ParentOf(to)))) return false;
    const auto source = entries_.find(Fold(from));
    if (source == entries_.end() || (source->second.attributes & attr::Directory)) return false;
    if (!exists(ParentOf(to))) return false;
    addFile(to, source->second.content);
    return true;
}

bool FakeFileSystem::deleteFile(const std::string& path) {
    if (faults_.fails(Op::Delete) || !exists(path)) return false;
    remove(path);
    return true;
}

std::optional<std::string> FakeFileSystem::readFile(const std::string& path) {
    const auto found = entries_.find(Fold(path));
    if (faults_.fails(Op::Read) || found == entries_.end() ||
        (found->second.attributes & attr::Directory)) {
        return std::nullopt;
    }
    return found->second.content;
}

std::optional<std::string> FakeEnvironment::variable(const std::string& name) {
    if (faults_.fails(Op::Variable)) return std::nullopt;
    const auto found = variables.find(name);
    if (found == variables.end()) return std::nullopt;
    return found->second;
}

}  // namespace typelens::fakes
