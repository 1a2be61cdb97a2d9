#include "platform/shell_win32.h"

#include <windows.h>
#include <objbase.h>

#include "platform/ansi_win32.h"

namespace typelens::win32 {

namespace {

// A function of a system library loaded the first time it is asked for: the shell and COM are
// large, and loading them with the program would slow every start for the sake of one link. Both
// are known system libraries, which Windows loads from its own folder only.
template <typename Function>
Function* Late(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    return module
               ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

}  // namespace

bool Win32Shell::open(const std::string& address) {
    using Initialize = HRESULT WINAPI(LPVOID, DWORD);
    using Uninitialize = void WINAPI();
    using Execute = HINSTANCE WINAPI(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static const auto initialize = Late<Initialize>(L"ole32.dll", "CoInitializeEx");
    static const auto uninitialize = Late<Uninitialize>(L"ole32.dll", "CoUninitialize");
    static const auto execute = Late<Execute>(L"shell32.dll", "ShellExecuteW");
    if (!execute) return false;
    // The shell may hand the address to an extension it reaches through COM.
    const HRESULT com = initialize
                            ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                            : E_FAIL;
    const HINSTANCE result =
        execute(nullptr, L"open", Widen(address).c_str(), L"", L"", SW_SHOWNORMAL);
    if (SUCCEEDED(com) && uninitialize) uninitialize();
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace typelens::win32
