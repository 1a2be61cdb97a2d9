// A path handed to the program: on its command line (Explorer's "Open with", a shortcut, a file
// dropped on the program's icon) or dropped onto its window.
#pragma once

#include <string>
#include <variant>

#include "platform/filesystem.h"

namespace typelens {

// Where a handed path leads.
struct HandedPlace {
    std::string folder;  // "D:\a\b\" or "D:\", shown and listed
    std::string file;    // the font file in it to preview, bare; empty when a folder was handed
};

// The place of the full path `path` ("D:\a\b.ttf", "D:\a\b"), or the one sentence that says why
// there is none: it is not there, it is neither a TrueType font file nor a folder, or it is on
// no drive with a letter (a network path).
std::variant<HandedPlace, std::string> PlaceOf(FileSystem& files, std::string path);

}  // namespace typelens
