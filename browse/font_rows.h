// What each row of the font list shows beside the file's name: a line drawn in the file's face.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fonts.h"

namespace typelens {

// How many letters a row shows of a face that lacks the sample's.
inline constexpr std::size_t kRowLetters = 16;

// The sample's first line as the user has it: up to its first line break.
std::u32string SampleLine(std::u32string_view sample);

// The line a row draws in a face: the sample's line where the face has each of its characters;
// else up to kRowLetters letters the face has, in the order of its `ranges`, those beyond plain
// ASCII first (a script of its own shows itself), or without letters, any characters it draws (a
// symbol font). Empty where it draws nothing.
std::u32string RowLine(std::u32string_view sampleLine, const std::vector<CodeRange>& ranges,
                       const std::function<bool(char32_t)>& hasGlyph,
                       const std::function<bool(char32_t)>& isLetter);

}  // namespace typelens
