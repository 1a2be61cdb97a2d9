// The face a previewed file brings, named as the system lists it and asked for so that the system
// draws that very face.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/fonts.h"

namespace typelens {

struct ShownFace {
    std::string family;    // as the face list names it: what the face box shows
    std::string fullName;  // as Windows names the face
    FaceRequest request;
};

// A face's full name; without one, as Windows names it: the family, then the style unless that
// is "Regular".
std::string FullNameOf(const std::string& family, const std::string& fullName,
                       const std::string& style);

// The face of a family new to the machine, `styles` being the family's faces: as the first of
// them is listed.
ShownFace NewFamilyFace(const std::string& family, const std::vector<FontFace>& styles);

// The family of a file's face as the face list spells it: the first of the names the file gives
// that the list holds, in any letter case. nullopt when the list holds none of them.
std::optional<std::string> ListedFamily(const std::vector<FontFace>& faces,
                                        const std::vector<std::string>& families);

// A face of a family the machine has already, `styles` being that family's faces: the request
// takes the weight and slant with which the system lists the face of the same full name (or,
// without full names, of the same style), else those the file gives.
ShownFace KnownFamilyFace(const FileFace& file, const std::string& family,
                          const std::vector<FontFace>& styles);

// The character set to draw `face` in: Cyrillic (204) where the face has it, so Cyrillic typed
// into the sample still comes out in that face; else the first the face offers. The font mapper
// weighs a character set the face lacks above the face's name and would draw another face.
int PreviewCharset(const std::vector<FontFace>& faces, const std::string& face);

}  // namespace typelens
