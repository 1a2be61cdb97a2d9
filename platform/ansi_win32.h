// The program keeps its text in the active ANSI code page: UTF-8 where Windows honours the
// manifest's request (Windows 10 1903 and later), so every name can be spelled; the system's
// legacy code page before. Windows is spoken to in UTF-16, converted here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace typelens::win32 {

std::wstring Widen(const std::string& ansi);
// nullopt when a character has no exact form in the code page: a path spelled with a stand-in
// would name another file, or none.
std::optional<std::string> ExactAnsi(const wchar_t* wide);
// With stand-ins where the code page lacks a character: for text that names nothing.
std::string Narrow(const wchar_t* wide);
// Each character on its own, a surrogate pair made one.
std::u32string Utf32(std::wstring_view wide);

}  // namespace typelens::win32
