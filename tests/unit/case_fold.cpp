// The fake world folds letter case as Windows does, in every script: the C library's upper case
// of each character, in a UTF-8 locale (the program's code page is UTF-8).
#include <locale>

#include "platform/case_blind.h"

namespace typelens {
namespace {

std::u32string Decode(std::string_view text) {
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k) c = c << 6 | (text[i + k] & 0x3F);
        decoded.push_back(c);
        i += length;
    }
    return decoded;
}

std::string Encode(const std::u32string& text) {
    std::string encoded;
    for (const char32_t c : text) {
        const int length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (length == 1) {
            encoded += static_cast<char>(c);
            continue;
        }
        constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
        encoded += static_cast<char>(kLead[length] | (c >> (6 * (length - 1))));
        for (int k = length - 2; k >= 0; --k)
            encoded += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return encoded;
}

}  // namespace

std::string FoldCase(std::string_view text) {
    static const std::locale utf8("C.UTF-8");
    std::u32string letters = Decode(text);
    for (char32_t& c : letters)
        c = static_cast<char32_t>(std::toupper(static_cast<wchar_t>(c), utf8));
    return Encode(letters);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return FoldCase(a) == FoldCase(b);
}

}  // namespace typelens
