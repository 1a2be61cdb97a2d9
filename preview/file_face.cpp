#include "preview/file_face.h"

#include <algorithm>

#include "preview/keyed_texts.h"

namespace typelens {
namespace {

// Cyrillic where one of the entries offers it, else the first entry's character set.
int CharsetAmong(const std::vector<const FontFace*>& entries) {
    for (const FontFace* entry : entries) {
        if (entry->charset == kCyrillicCharset) return kCyrillicCharset;
    }
    return entries.empty() ? kDefaultCharset : entries.front()->charset;
}

std::vector<const FontFace*> EntriesOf(const std::vector<FontFace>& faces,
                                       const std::string& face) {
    std::vector<const FontFace*> entries;
    for (const FontFace& listed : faces) {
        if (listed.name == face) entries.push_back(&listed);
    }
    return entries;
}

}  // namespace

std::string FullNameOf(const std::string& family, const std::string& fullName,
                       const std::string& style) {
    if (!fullName.empty()) return fullName;
    if (style.empty() || EqualIgnoringCase(style, "Regular")) return family;
    return family + " " + style;
}

int PreviewCharset(const std::vector<FontFace>& faces, const std::string& face) {
    return CharsetAmong(EntriesOf(faces, face));
}

ShownFace NewFamilyFace(const std::string& family, const std::vector<FontFace>& styles) {
    ShownFace shown{family, family, {family, kDefaultCharset, kNormalWeight, false}};
    if (styles.empty()) return shown;
    const FontFace& first = styles.front();
    std::vector<const FontFace*> entries;
    for (const FontFace& listed : styles) {
        if (listed.fullName == first.fullName && listed.style == first.style)
            entries.push_back(&listed);
    }
    shown.fullName = FullNameOf(family, first.fullName, first.style);
    shown.request = {family, CharsetAmong(entries), first.weight, first.italic};
    return shown;
}

std::optional<std::string> ListedFamily(const std::vector<FontFace>& faces,
                                        const std::vector<std::string>& families) {
    for (const std::string& family : families) {
        const auto listed = std::find_if(faces.begin(), faces.end(), [&](const FontFace& face) {
            return EqualIgnoringCase(face.name, family);
        });
        if (listed != faces.end()) return listed->name;
    }
    return std::nullopt;
}

ShownFace KnownFamilyFace(const FileFace& file, const std::string& family,
                          const std::vector<FontFace>& styles) {
    const auto same = [&](const FontFace& listed) {
        if (!file.fullName.empty() && !listed.fullName.empty()) {
            return EqualIgnoringCase(listed.fullName, file.fullName);
        }
        return EqualIgnoringCase(listed.style, file.style);
    };
    std::vector<const FontFace*> entries;
    for (const FontFace& listed : styles) {
        if (same(listed)) entries.push_back(&listed);
    }
    ShownFace shown{family,
                    FullNameOf(family, file.fullName, file.style),
                    {family, 0, file.weight, file.italic}};
    if (entries.empty()) {
        // The system lists the face otherwise; the file's own weight and slant lead to it.
        shown.request.charset = PreviewCharset(styles, family);
    } else {
        shown.request.charset = CharsetAmong(entries);
        shown.request.weight = entries.front()->weight;
        shown.request.italic = entries.front()->italic;
    }
    return shown;
}

}  // namespace typelens
