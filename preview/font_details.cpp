#include "preview/font_details.h"

#include <algorithm>

namespace typelens {
namespace {

struct Script {
    const char* name;
    CodeRange block;
};

// The main block of each script, by Unicode's blocks.
constexpr Script kScripts[] = {
    {"Latin", {0x0041, 0x024F}},
    {"Greek", {0x0370, 0x03FF}},
    {"Cyrillic", {0x0400, 0x04FF}},
    {"Armenian", {0x0530, 0x058F}},
    {"Hebrew", {0x0590, 0x05FF}},
    {"Arabic", {0x0600, 0x06FF}},
    {"Syriac", {0x0700, 0x074F}},
    {"Thaana", {0x0780, 0x07BF}},
    {"N'Ko", {0x07C0, 0x07FF}},
    {"Devanagari", {0x0900, 0x097F}},
    {"Bengali", {0x0980, 0x09FF}},
    {"Gurmukhi", {0x0A00, 0x0A7F}},
    {"Gujarati", {0x0A80, 0x0AFF}},
    {"Oriya", {0x0B00, 0x0B7F}},
    {"Tamil", {0x0B80, 0x0BFF}},
    {"Telugu", {0x0C00, 0x0C7F}},
    {"Kannada", {0x0C80, 0x0CFF}},
    {"Malayalam", {0x0D00, 0x0D7F}},
    {"Sinhala", {0x0D80, 0x0DFF}},
    {"Thai", {0x0E00, 0x0E7F}},
    {"Lao", {0x0E80, 0x0EFF}},
    {"Tibetan", {0x0F00, 0x0FFF}},
    {"Myanmar", {0x1000, 0x109F}},
    {"Georgian", {0x10A0, 0x10FF}},
    {"Ethiopic", {0x1200, 0x137F}},
    {"Cherokee", {0x13A0, 0x13FF}},
    {"Canadian Syllabics", {0x1400, 0x167F}},
    {"Khmer", {0x1780, 0x17FF}},
    {"Mongolian", {0x1800, 0x18AF}},
    {"Balinese", {0x1B00, 0x1B7F}},
    {"Tifinagh", {0x2D30, 0x2D7F}},
    {"Japanese kana", {0x3040, 0x30FF}},
    {"Chinese characters", {0x4E00, 0x9FFF}},
    {"Yi", {0xA000, 0xA48F}},
    {"Vai", {0xA500, 0xA63F}},
    {"Javanese", {0xA980, 0xA9DF}},
    {"Hangul", {0xAC00, 0xD7AF}},
    {"Symbols", {0xE000, 0xF8FF}},  // the private use area, where symbol fonts draw
};

// How many characters of `block` the ranges cover.
std::size_t Covered(const std::vector<CodeRange>& ranges, const CodeRange& block) {
    std::size_t covered = 0;
    for (const CodeRange& range : ranges) {
        const char32_t first = std::max(range.first, block.first);
        const char32_t last = std::min(range.last, block.last);
        if (first <= last) covered += last - first + 1;
    }
    return covered;
}

}  // namespace

std::vector<std::string> ScriptsOf(const std::vector<CodeRange>& ranges) {
    std::vector<std::string> scripts;
    for (const Script& script : kScripts) {
        // A few of a block's characters (pi and omega in a Latin font) are no script of the font's.
        const std::size_t size = script.block.last - script.block.first + 1;
        if (Covered(ranges, script.block) >= std::min<std::size_t>(26, size / 4)) {
            scripts.push_back(script.name);
        }
    }
    return scripts;
}

std::string DetailsText(const FileFace& face) {
    std::string text;
    const auto line = [&](const std::string& label, const std::string& said) {
        if (said.empty()) return;
        if (!text.empty()) text += "\r\n";
        text += label + said;
    };
    line("", face.version);
    line("Designer: ", face.designer);
    line("Maker: ", face.maker);
    line("", face.copyright);
    std::string scripts;
    for (const std::string& script : ScriptsOf(face.ranges)) {
        scripts += (scripts.empty() ? "" : ", ") + script;
    }
    line("Scripts: ", scripts);
    return text;
}

}  // namespace typelens
