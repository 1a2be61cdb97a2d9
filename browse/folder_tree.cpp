#include "browse/folder_tree.h"

namespace typelens {

bool LoadFolderNodes(FileSystem& files, FolderTree& Dir1, std::string path,
                     std::optional<NodeId> parentNode) {
    if (parentNode && Dir1.children(*parentNode) > 0) return false;

    // A folder that cannot be listed (a drive that is not ready, a path that names no folder)
    // simply has no subfolders to show.
    if (const auto listing = files.enumerate(path, attr::Directory | attr::Hidden)) {
        Dir1.beginFill();
        while (auto name = listing->next()) {
            if (*name == "." || *name == "..") continue;
            // An entry whose attributes cannot be read may be a file or may be gone: it is
            // not shown as a folder.
            std::string key = path + *name;
            const auto attributes = files.attributes(key);
            if (!attributes || (*attributes & attr::Directory) == 0) continue;
            // A key already in the tree leaves that entry out; the rest still come.
            (void)Dir1.add(parentNode, std::move(key), std::move(*name), kFolderImage);
        }
        Dir1.endFill(parentNode);
    }

    // Expanding a node without children shows nothing, and the tree may refuse it.
    if (parentNode) (void)Dir1.expand(*parentNode);
    return true;
}

std::string DriveRoot(char letter) {
    return std::string{letter, ':', '\\'};
}

}  // namespace typelens
