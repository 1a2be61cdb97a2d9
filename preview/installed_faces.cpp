#include "preview/installed_faces.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace typelens {
namespace {

// Positions in the face list are 16-bit; a list longer than that is beyond what the program
// was made for, and the faces past the limit are not looked at.
std::size_t WalkLength(const std::vector<FontFace>& faces) {
    return std::min<std::size_t>(faces.size(), std::numeric_limits<std::int16_t>::max());
}

}  // namespace

void TakeFaceSnapshot(Fonts& fonts, KeyedTexts& installed) {
    const std::vector<FontFace> faces = fonts.faceList();
    for (std::size_t i = 0; i < WalkLength(faces); ++i) {
        // A name seen before, in any letter case, is already in; the walk goes on.
        (void)installed.add(faces[i].name, faces[i].name);
    }
}

std::string getNewFontName(const std::vector<FontFace>& faces, const KeyedTexts& installed,
                           TextBox& txFontName) {
    for (std::size_t i = 0; i < WalkLength(faces); ++i) {
        const std::string& name = faces[i].name;
        // "@Face" is the face turned for vertical writing, never the face a file brings.
        if (installed.contains(name) || name.starts_with('@')) continue;
        if (!txFontName.setText(name)) return {};
        return name;
    }
    return {};
}

}  // namespace typelens
