// The face a previewed file brings, named as its file names it and asked for by the name the
// system knows it by, so that the system draws that very face.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/fonts.h"

namespace typelens {

// How much of a name the face list gives, in UTF-16 units: a LOGFONT's face name and an
// ENUMLOGFONTEX's full name, each without its NUL.
inline constexpr std::size_t kListedFamilyUnits = 31;
inline constexpr std::size_t kListedFullNameUnits = 63;

// The first `units` UTF-16 units of `name` (in the program's code page, UTF-8): the name under
// which the face list holds a family of a longer one.
std::string ListedName(std::string_view name, std::size_t units = kListedFamilyUnits);

struct ShownFace {
    std::string family;    // whole: what the face box shows
    std::string fullName;  // whole, as Windows names the face
    FaceRequest request;   // by the family's name in the face list
    std::string style{};   // "Bold", "Regular"...; empty where nothing names it
};

// A face's full name; without one, as Windows names it: the family, then the style unless that
// is "Regular".
std::string FullNameOf(const std::string& family, const std::string& fullName,
                       const std::string& style);

// The face of a family new to the machine, `styles` being the family's faces: as the first of
// them is listed.
ShownFace NewFamilyFace(const std::string& family, const std::vector<FontFace>& styles);

// The face `file` describes, of its `family`, `styles` being the faces the face list holds under
// that family's listed name (those of other families whose names begin alike among them): the
// request takes the weight and slant with which the system lists the face of the same full name
// (or, without full names, of the same style), else those the file gives.
ShownFace OwnFace(const FileFace& file, const std::string& family,
                  const std::vector<FontFace>& styles);

// The character set to draw `face` in: Cyrillic (204) where the face has it, so Cyrillic typed
// into the sample still comes out in that face; else the first the face offers. The font mapper
// weighs a character set the face lacks above the face's name and would draw another face.
int PreviewCharset(const std::vector<FontFace>& faces, const std::string& face);

}  // namespace typelens
