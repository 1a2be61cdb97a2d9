#include "platform/name_order_win32.h"

#include <windows.h>

namespace typelens::win32 {
namespace {

constexpr DWORD kFileNameOrder = LCMAP_SORTKEY | NORM_IGNORECASE | SORT_DIGITSASNUMBERS;

}  // namespace

std::string SortKey(const std::wstring& name) {
    // Names are short: one call into a buffer on the stack, a second only for a long name.
    char quick[512];
    const int length = static_cast<int>(name.size());
    int size = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFileNameOrder, name.c_str(), length,
                             reinterpret_cast<LPWSTR>(quick), sizeof quick, nullptr, nullptr, 0);
    if (size > 0) return std::string(quick, static_cast<std::size_t>(size));
    size = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFileNameOrder, name.c_str(), length, nullptr, 0,
                         nullptr, nullptr, 0);
    if (size <= 0) return {};
    std::string key(static_cast<std::size_t>(size), '\0');
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, kFileNameOrder, name.c_str(), length,
                  reinterpret_cast<LPWSTR>(key.data()), size, nullptr, nullptr, 0);
    return key;
}

bool BeginsWith(const std::wstring& name, const std::wstring& typed) {
    if (typed.size() > name.size()) return false;
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, name.c_str(),
                           static_cast<int>(typed.size()), typed.c_str(),
                           static_cast<int>(typed.size()), nullptr, nullptr, 0) == CSTR_EQUAL;
}

}  // namespace typelens::win32
