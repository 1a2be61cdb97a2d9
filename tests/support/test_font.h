// Small, valid TrueType fonts made on the spot, with whatever face name a test needs, and the
// broken files that a font previewer must survive.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace typelens::testing {

enum class FontLook {
    Blocks,  // letters built from solid squares
    Dots,    // the same letters from small dots: visibly another face
};

// The bytes of a TrueType file whose family is `family`; it covers the printable ASCII letters,
// digits and space, and declares the Latin and Cyrillic code pages.
std::string MakeTestFont(const std::string& family, FontLook look = FontLook::Blocks);

// Files named "*.ttf" that are no usable font: empty, random, cut short, lying table counts
// and offsets, a text file. Each comes with a name to save it under.
std::vector<std::pair<std::string, std::string>> BrokenFonts(const std::string& goodFont);

}  // namespace typelens::testing
