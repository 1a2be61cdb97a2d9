// The order in which Windows lists file names, as Explorer shows them: letter case folded in
// every script, and numbers in names by value (font2 before font10).
#pragma once

#include <string>

namespace typelens::win32 {

// Bytes that compare (with <) in that order; made once per name, so sorting many names asks
// Windows once for each, not once for each comparison.
std::string SortKey(const std::wstring& name);

// Whether `name` begins with `typed`, in any letter case.
bool BeginsWith(const std::wstring& name, const std::wstring& typed);

}  // namespace typelens::win32
