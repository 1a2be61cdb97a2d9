#include "browse/font_rows.h"

#include <algorithm>

namespace typelens {
namespace {

constexpr std::size_t kMostLooks = 65536;  // characters looked at in a face's ranges, at most

// Spaces, and the space of a symbol font, which draws from the private use area.
bool IsSpace(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\uF020';
}

// A character that draws something: no space, no control.
bool Visible(char32_t c) {
    return c > U' ' && !(c >= 0x7F && c < 0xA0) && !IsSpace(c);
}

}  // namespace

std::u32string SampleLine(std::u32string_view sample) {
    return std::u32string(sample.substr(0, sample.find_first_of(U"\r\n")));
}

std::u32string RowLine(std::u32string_view sampleLine, const std::vector<CodeRange>& ranges,
                       const std::function<bool(char32_t)>& hasGlyph,
                       const std::function<bool(char32_t)>& isLetter) {
    const bool anything = std::any_of(sampleLine.begin(), sampleLine.end(), Visible);
    const bool drawsAll = std::all_of(sampleLine.begin(), sampleLine.end(),
                                      [&](char32_t c) { return IsSpace(c) || hasGlyph(c); });
    if (anything && drawsAll) return std::u32string(sampleLine);

    std::u32string line;
    const auto take = [&](const std::function<bool(char32_t)>& wanted) {
        std::size_t looks = 0;
        for (const CodeRange& range : ranges) {
            for (char32_t c = range.first; c <= range.last; ++c) {
                if (line.size() == kRowLetters || ++looks > kMostLooks) return;
                if (wanted(c) && hasGlyph(c)) line += c;
            }
        }
    };
    take([&](char32_t c) { return c >= 0x80 && isLetter(c); });
    if (line.empty()) take([&](char32_t c) { return c < 0x80 && isLetter(c); });
    if (line.empty()) take(Visible);
    return line;
}

}  // namespace typelens
