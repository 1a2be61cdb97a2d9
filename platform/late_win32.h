// Functions of system libraries that the program needs only now and then.
#pragma once

#include <windows.h>

namespace typelens::win32 {

// `name` of `library`, loaded the first time it is asked for; null when either is missing. A
// large library loaded with the program would slow every start for the sake of one command.
// Only known system libraries are named here, which Windows loads from its own folder.
template <typename Function>
Function* Late(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    return module
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace typelens::win32
