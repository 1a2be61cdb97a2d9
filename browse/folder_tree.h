// The drive's folder tree, read one level at a time.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/filesystem.h"

namespace typelens {

// Picture of a folder in the program's small image list.
inline constexpr int kFolderImage = 1;

// Reads `path` (which ends in "\") and adds a node for each of its subfolders, hidden ones too,
// system ones not: at the top level when there is no parent, else under `parentNode`, which is
// then expanded. A parent that has children was read before and is left alone; one that gains
// none loses its expand button. Returns whether the folder was read.
bool LoadFolderNodes(FileSystem& files, FolderTree& Dir1, const std::string& path,
                     std::optional<NodeId> parentNode);

// The same without expanding the parent: for a node the tree is expanding itself.
bool ReadFolderNodes(FileSystem& files, FolderTree& Dir1, const std::string& path,
                     std::optional<NodeId> parentNode);

// The same for a folder read already, `reading` holding every entry of `path`, without expanding
// the parent; a subfolder that has a node already keeps it as it is.
void LoadFolderNodes(FolderTree& Dir1, const std::string& path,
                     const std::vector<FolderEntry>& reading, std::optional<NodeId> parentNode);

// Opens the tree down to `folder` ("D:\a\b\", a folder on the drive whose folders the tree
// shows, or its root): the drive's root and each folder above `folder` are read and filled in,
// and their nodes expanded; `folder`'s own node is left as it is. Names match in any letter case.
// Returns the node of `folder`, or of the last folder on the way that has one (nullopt: none, or
// `folder` is the root).
std::optional<NodeId> OpenFolderNodes(FileSystem& files, FolderTree& Dir1,
                                      const std::string& folder);

// The node of `folder` ("D:\a\b\") among the nodes there are, reading nothing; nullopt when none.
std::optional<NodeId> FindFolderNode(const FolderTree& Dir1, const std::string& folder);

// Brings the subfolders under `parentNode` (the top level when none) in step with `reading`, a new
// reading of `path`: the nodes of folders gone are taken out with every node under them, folders
// new since are added in name order among the others, and every other node stays as it was, open
// or closed.
void RefreshFolderNodes(FolderTree& Dir1, const std::string& path,
                        const std::vector<FolderEntry>& reading, std::optional<NodeId> parentNode);

// "C:\" for drive C.
std::string DriveRoot(char letter);

}  // namespace typelens
