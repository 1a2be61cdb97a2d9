#include "preview/file_face.h"

#include "platform/case_blind.h"

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

std::string ListedName(std::string_view name, std::size_t units) {
    std::size_t end = 0;
    while (end < name.size()) {
        const auto lead = static_cast<unsigned char>(name[end]);
        const std::size_t bytes = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t taken = bytes == 4 ? 2 : 1;  // beyond the BMP: a surrogate pair
        if (taken > units) break;
        units -= taken;
        end += bytes;
    }
    return std::string(name.substr(0, end));
}

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
    shown.style = first.style;
    return shown;
}

ShownFace OwnFace(const FileFace& file, const std::string& family,
                  const std::vector<FontFace>& styles) {
    const std::string listedFullName = ListedName(file.fullName, kListedFullNameUnits);
    const auto same = [&](const FontFace& listed) {
        if (!file.fullName.empty() && !listed.fullName.empty()) {
            return EqualIgnoringCase(listed.fullName, listedFullName);
        }
        return EqualIgnoringCase(listed.style, file.style);
    };
    std::vector<const FontFace*> entries;
    for (const FontFace& listed : styles) {
        if (same(listed)) entries.push_back(&listed);
    }
    const std::string& listedFamily = styles.empty() ? family : styles.front().name;
    // A name the face list gives whole is shown as the list spells it; a longer one, whole.
    const std::string& shownFamily = ListedName(family) == family ? listedFamily : family;
    ShownFace shown{shownFamily,
                    FullNameOf(shownFamily, file.fullName, file.style),
                    {listedFamily, 0, file.weight, file.italic},
                    file.style};
    if (entries.empty()) {
        // The system lists the face otherwise; the file's own weight and slant lead to it.
        shown.request.charset = PreviewCharset(styles, listedFamily);
    } else {
        shown.request.charset = CharsetAmong(entries);
        shown.request.weight = entries.front()->weight;
        shown.request.italic = entries.front()->italic;
    }
    return shown;
}

}  // namespace typelens
