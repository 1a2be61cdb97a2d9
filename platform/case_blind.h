// The program's one comparison of names without regard to letter case, as Windows compares the
// names of files, font faces and registry values: letter by letter, in every script (Windows'
// own upper-case table, which CompareStringOrdinal uses). Texts are in the program's code page.
#pragma once

#include <string>
#include <string_view>

namespace typelens {

// `text` with its letters in upper case as Windows folds them: two texts are the same name
// exactly when their folds are equal.
std::string FoldCase(std::string_view text);

bool EqualIgnoringCase(std::string_view a, std::string_view b);

inline bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           EqualIgnoringCase(text.substr(text.size() - ending.size()), ending);
}

namespace ascii {

// Plain ASCII is spelled alike in every code page, and Windows folds only a-z in it; most names
// are nothing else, and need not go to the system.
inline bool IsPlain(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

inline char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i])) return false;
    }
    return true;
}

}  // namespace ascii
}  // namespace typelens
