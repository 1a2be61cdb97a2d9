#include "browse/folder_tree.h"

#include <set>

#include "browse/font_file_list.h"
#include "platform/case_blind.h"

namespace typelens {
namespace {

constexpr std::uint32_t kFolderMask = attr::Directory | attr::Hidden;

void AddFolderNode(FolderTree& Dir1, const std::string& path, FolderEntry entry,
                   std::optional<NodeId> parent) {
    if (!(entry.attributes & attr::Directory) || entry.name == "." || entry.name == "..") return;
    // A key already in the tree leaves that entry out; the rest still come.
    std::string key = path + entry.name;
    (void)Dir1.add(parent, std::move(key), std::move(entry.name), kFolderImage);
}

// A folder found without subfolders no longer looks as if it could be opened.
void EndFill(FolderTree& Dir1, std::optional<NodeId> parentNode) {
    Dir1.endFill(parentNode);
    if (parentNode && !Dir1.hasChildren(*parentNode)) Dir1.setExpandable(*parentNode, false);
}

// The node under `parent` (the top level when none) of `folder` ("D:\a\b\") or of a folder on
// the way to it, names in any letter case; one spelled as `folder` spells it comes first.
std::optional<NodeId> StepTowards(const FolderTree& Dir1, std::optional<NodeId> parent,
                                  std::string_view folder) {
    std::optional<NodeId> found;
    for (const NodeId child : Dir1.children(parent)) {
        const std::string key = Dir1.key(child);
        if (key.size() >= folder.size() || folder[key.size()] != '\\') continue;
        if (folder.substr(0, key.size()) == key) return child;
        if (!found && EqualIgnoringCase(folder.substr(0, key.size()), key)) found = child;
    }
    return found;
}

}  // namespace

bool ReadFolderNodes(FileSystem& files, FolderTree& Dir1, const std::string& path,
                     std::optional<NodeId> parentNode) {
    if (parentNode && Dir1.hasChildren(*parentNode)) return false;

    // A folder that cannot be listed (a drive that is not ready, a path that names no folder)
    // simply has no subfolders to show.
    Dir1.beginFill();
    if (const auto listing = files.enumerate(path, kFolderMask)) {
        while (auto entry = listing->next())
            AddFolderNode(Dir1, path, std::move(*entry), parentNode);
    }
    EndFill(Dir1, parentNode);
    return true;
}

bool LoadFolderNodes(FileSystem& files, FolderTree& Dir1, const std::string& path,
                     std::optional<NodeId> parentNode) {
    if (!ReadFolderNodes(files, Dir1, path, parentNode)) return false;
    // Expanding a node without children shows nothing, and the tree may refuse it.
    if (parentNode) (void)Dir1.expand(*parentNode);
    return true;
}

void LoadFolderNodes(FolderTree& Dir1, const std::string& path,
                     const std::vector<FolderEntry>& reading, std::optional<NodeId> parentNode) {
    Dir1.beginFill();
    for (const FolderEntry& entry : reading) {
        if (Admitted(entry.attributes, kFolderMask)) AddFolderNode(Dir1, path, entry, parentNode);
    }
    EndFill(Dir1, parentNode);
}

// Each folder on the way is read as it is now, so that a folder made since its node was read is
// there to be opened.
std::optional<NodeId> OpenFolderNodes(FileSystem& files, FolderTree& Dir1,
                                      const std::string& folder) {
    std::optional<NodeId> node;
    std::string path = folder.substr(0, 3);  // the drive's root
    for (;;) {
        const auto reading = files.readFolder(path, kFontPattern);
        if (!reading) return node;
        LoadFolderNodes(Dir1, path, *reading, node);
        // A node that holds nothing the tree shows stays as it is.
        if (node) (void)Dir1.expand(*node);
        const auto next = StepTowards(Dir1, node, folder);
        if (!next) return node;
        node = next;
        path = Dir1.key(*node) + "\\";
        if (path.size() == folder.size()) return node;
    }
}

std::optional<NodeId> FindFolderNode(const FolderTree& Dir1, const std::string& folder) {
    std::optional<NodeId> node;
    while (const auto next = StepTowards(Dir1, node, folder)) {
        node = next;
        if (Dir1.key(*node).size() + 1 == folder.size()) return node;
    }
    return std::nullopt;
}

void RefreshFolderNodes(FolderTree& Dir1, const std::string& path,
                        const std::vector<FolderEntry>& reading, std::optional<NodeId> parentNode) {
    std::set<std::string> there;
    for (const FolderEntry& entry : reading) {
        if (entry.attributes & attr::Directory) there.insert(path + entry.name);
    }
    for (const NodeId child : Dir1.children(parentNode)) {
        if (!there.count(Dir1.key(child))) Dir1.remove(child);
    }
    // The folders there are: those the tree shows already are left as they are.
    LoadFolderNodes(Dir1, path, reading, parentNode);
}

std::string DriveRoot(char letter) {
    return std::string{letter, ':', '\\'};
}

}  // namespace typelens
