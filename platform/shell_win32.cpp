#include "platform/shell_win32.h"

#include <windows.h>
#include <objbase.h>

#include "platform/ansi_win32.h"
#include "platform/late_win32.h"

namespace typelens::win32 {

bool Win32Shell::open(const std::string& address) {
    using Initialize = HRESULT WINAPI(LPVOID, DWORD);
    using Uninitialize = void WINAPI();
    using Execute = HINSTANCE WINAPI(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    // The shell and COM are large, and only a link in the About window needs them.
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
