// The drive's folder tree, read one level at a time.
#pragma once

#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/filesystem.h"

namespace typelens {

// Picture of a folder in the program's small image list.
inline constexpr int kFolderImage = 1;

// Adds a node for each subfolder of `path` (which ends in "\"): at the top level when there is
// no parent, else under `parentNode`, which is then expanded. A parent that has children was
// read before and is left alone. Returns whether the folder was read.
bool LoadFolderNodes(FileSystem& files, FolderTree& Dir1, std::string path,
                     std::optional<NodeId> parentNode);

// "C:\" for drive C.
std::string DriveRoot(char letter);

}  // namespace typelens
