#include "preview/installed_faces.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace typelens {
namespace {

// Positions in the face list are 16-bit; a list longer than that is beyond what the program
// was made for, and the faces past the limit are not looked at.
std::size_t WalkLength(const std::vector<std::string>& faces) {
    return std::min<std::size_t>(faces.size(), std::numeric_limits<std::int16_t>::max());
}

}  // namespace

void TakeFaceSnapshot(Fonts& fonts, KeyedTexts& installed) {
    const std::vector<std::string> faces = fonts.faceList();
    for (std::size_t i = 0; i < WalkLength(faces); ++i) {
        // A name seen before, in any letter case, is already in; the walk goes on.
        (void)installed.add(faces[i], faces[i]);
    }
}

std::string getNewFontName(Fonts& fonts, const KeyedTexts& installed, TextBox& txFontName) {
    const std::vector<std::string> faces = fonts.faceList();
    for (std::size_t i = 0; i < WalkLength(faces); ++i) {
        if (installed.contains(faces[i])) continue;
        if (!txFontName.setText(faces[i])) return {};
        return faces[i];
    }
    return {};
}

}  // namespace typelens
