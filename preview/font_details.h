// What a font file says of itself besides its names: the face box's tool tip.
#pragma once

#include <string>
#include <vector>

#include "platform/fonts.h"

namespace typelens {

// The scripts whose letters `ranges` cover (a good part of a script's block at least), by name,
// in the order of their blocks.
std::vector<std::string> ScriptsOf(const std::vector<CodeRange>& ranges);

// The file's version, designer, maker, copyright and scripts, a line each, each where the file
// says it.
std::string DetailsText(const FileFace& face);

}  // namespace typelens
