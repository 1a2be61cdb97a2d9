#include "platform/ansi_win32.h"

#include <windows.h>

namespace typelens::win32 {

std::wstring Widen(const std::string& ansi) {
    // Plain ASCII is spelled alike in every ANSI code page; most names are nothing else.
    std::wstring wide(ansi.size(), L'\0');
    std::size_t i = 0;
    for (; i < ansi.size() && static_cast<unsigned char>(ansi[i]) < 0x80; ++i) wide[i] = ansi[i];
    if (i == ansi.size()) return wide;
    const int size = static_cast<int>(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    wide.assign(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> ExactAnsi(const wchar_t* wide) {
    // Plain ASCII is spelled alike in every ANSI code page; most names are nothing else.
    const wchar_t* end = wide;
    while (*end > 0 && *end < 0x80) ++end;
    if (*end == 0) {
        std::string ascii(static_cast<std::size_t>(end - wide), '\0');
        for (std::size_t i = 0; i < ascii.size(); ++i) ascii[i] = static_cast<char>(wide[i]);
        return ascii;
    }
    // A UTF-8 code page spells every character, and refuses the "used default" question; what
    // it cannot spell is no character (half of a surrogate pair, which a file name may hold).
    static const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* askUsedDefault = utf8 ? nullptr : &usedDefault;
    // Names are short: one call into a buffer on the stack, a second only for a long text.
    char quick[512];
    int length =
        WideCharToMultiByte(CP_ACP, flags, wide, -1, quick, sizeof quick, nullptr, askUsedDefault);
    if (length > 0) {
        if (usedDefault) return std::nullopt;
        return std::string(quick, static_cast<std::size_t>(length) - 1);  // without the NUL
    }
    // Every character has a code of its own, so converting without the flags gives the same.
    length = WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, nullptr, askUsedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string spelled(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide, -1, spelled.data(), length, nullptr, nullptr);
    spelled.pop_back();
    return spelled;
}

std::string Narrow(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi.data(), length, nullptr, nullptr);
    ansi.pop_back();
    return ansi;
}

std::u32string Utf32(std::wstring_view wide) {
    std::u32string characters;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char32_t unit = wide[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] < 0xE000) {
            characters += 0x10000 + ((unit - 0xD800) << 10) + (wide[++i] - 0xDC00);
        } else {
            characters += unit;
        }
    }
    return characters;
}

}  // namespace typelens::win32
