// The list of the TrueType font files of one folder.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/filesystem.h"

namespace typelens {

// Picture of a font file in the program's small image list.
inline constexpr int kFontFileImage = 2;
// What the list lists, and how: hidden files too, system files and folders not.
inline constexpr char kFontPattern[] = "*.ttf";
inline constexpr std::uint32_t kFontMask = attr::Hidden;

// Replaces the items of `File1` with the *.ttf files of `folderPath` (which ends in "\"), each
// keyed by its full path and showing its bare name. Returns false when the listing could not
// start; the list is empty then.
bool ListFontFiles(FileSystem& files, FileList& File1, const std::string& folderPath);

// The same for a folder read already: `reading` holds every entry of `folderPath`.
void ListFontFiles(FileList& File1, const std::string& folderPath,
                   const std::vector<FolderEntry>& reading);

}  // namespace typelens
