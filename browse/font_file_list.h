// The list of the TrueType font files of one folder.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/filesystem.h"

namespace typelens {

// Picture of a font file in the program's small image list.
inline constexpr int kFontFileImage = 2;

// Replaces the items of `File1` with the *.ttf files of `folderPath` (which ends in "\"), each
// keyed by its full path and showing its bare name. Hidden files are listed, system files not.
// Returns false when the listing could not start; the list is empty then.
bool ListFontFiles(FileSystem& files, FileList& File1, std::string folderPath);

}  // namespace typelens
