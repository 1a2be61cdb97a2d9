// Conversions between the system's ANSI code page, in which the program keeps its text, and the
// UTF-16 of the wide Windows calls.
#pragma once

#include <optional>
#include <string>

namespace typelens::win32 {

std::wstring Widen(const std::string& ansi);
// nullopt when a character has no exact ANSI form: a path spelled with a stand-in would name
// another file, or none.
std::optional<std::string> ExactAnsi(const wchar_t* wide);

}  // namespace typelens::win32
