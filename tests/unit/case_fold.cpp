// The fake world folds letter case as Windows does, in every script: each character's upper case
// in a UTF-8 locale (the program's code page is UTF-8).
#include <locale.h>

#include <climits>
#include <cwchar>
#include <cwctype>

#include "platform/case_blind.h"

namespace typelens {

std::string FoldCase(std::string_view text) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    const locale_t before = uselocale(utf8);
    std::string folded;
    std::mbstate_t state{};
    for (std::size_t i = 0; i < text.size();) {
        wchar_t c = 0;
        const std::size_t read = std::mbrtowc(&c, text.data() + i, text.size() - i, &state);
        char bytes[MB_LEN_MAX];
        const std::size_t written = read > 0 && read <= text.size() - i
                                        ? std::wcrtomb(bytes, std::towupper(c), &state)
                                        : static_cast<std::size_t>(-1);
        if (written == static_cast<std::size_t>(-1)) {  // no character: the byte as it is
            folded += text[i++], state = {};
            continue;
        }
        folded.append(bytes, written), i += read;
    }
    uselocale(before);
    return folded;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return FoldCase(a) == FoldCase(b);
}

}  // namespace typelens
