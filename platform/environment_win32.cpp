#include "platform/environment_win32.h"

#include <windows.h>

#include "platform/ansi_win32.h"

namespace typelens::win32 {

std::optional<std::string> Win32Environment::variable(const std::string& name) {
    const std::wstring wideName = Widen(name);
    SetLastError(ERROR_SUCCESS);
    const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string{};
    }
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
    value.resize(length < size ? length : 0);
    // A folder the code page cannot spell is no folder the program could use.
    return ExactAnsi(value.c_str());
}

void Win32Environment::beep() {
    MessageBeep(MB_OK);
}

NumberFormat Win32Environment::numberFormat() {
    const auto read = [](LCTYPE what, const char* fallback) {
        char text[8] = {};
        if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, what, text, sizeof text))
            return std::string(fallback);
        return std::string(text);
    };
    return {read(LOCALE_SDECIMAL, "."), read(LOCALE_STHOUSAND, ",")};
}

}  // namespace typelens::win32
