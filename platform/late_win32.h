// Functions of system libraries that the program needs only now and then.
#pragma once

#include <windows.h>

namespace typelens::win32 {

// A library of the system's, from the system's own folder only. The program is a download, started
// from Downloads or a stick, where a library of the same name may lie beside it; Windows looks
// there first for a library loaded by its bare name that is not one of its KnownDLLs.
inline HMODULE SystemLibrary(const wchar_t* library) {
    return LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// `name` of `library`, loaded the first time it is asked for; null when either is missing. A
// large library loaded with the program would slow every start for the sake of one command.
template <typename Function>
Function* Late(const wchar_t* library, const char* name) {
    const HMODULE module = SystemLibrary(library);
    return module
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace typelens::win32
