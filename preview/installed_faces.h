// The snapshot of the faces installed when the main window loaded, and the detection of the face
// that a font file just added to the font table brought.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/fonts.h"
#include "preview/keyed_texts.h"

namespace typelens {

// Adds every face listed now to `installed`, each distinct name once in the letter case of its
// first appearance.
void TakeFaceSnapshot(Fonts& fonts, KeyedTexts& installed);

// The first face of `faces` (the list as it is now) that `installed` lacks, also written into
// `txFontName`. Empty when every listed face was installed (`txFontName` keeps its text) or when
// the name could not be written into the box.
std::string getNewFontName(const std::vector<FontFace>& faces, const KeyedTexts& installed,
                           TextBox& txFontName);

}  // namespace typelens
