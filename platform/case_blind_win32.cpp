#include "platform/case_blind.h"

#include <windows.h>

#include "platform/ansi_win32.h"

namespace typelens {

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    if (ascii::IsPlain(text)) {
        for (char& c : folded) c = ascii::Upper(c);
        return folded;
    }
    std::wstring wide = win32::Widen(folded);
    const int length = static_cast<int>(wide.size());
    // Without LCMAP_LINGUISTIC_CASING this is the file system's table, the one that
    // CompareStringOrdinal folds with.
    std::wstring upper(wide.size(), L'\0');
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), length, upper.data(),
                      length, nullptr, nullptr, 0) != length) {
        return folded;
    }
    return win32::Narrow(upper.c_str());
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (ascii::IsPlain(a) && ascii::IsPlain(b)) return ascii::EqualIgnoringCase(a, b);
    const std::wstring wideA = win32::Widen(std::string(a)), wideB = win32::Widen(std::string(b));
    return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace typelens
