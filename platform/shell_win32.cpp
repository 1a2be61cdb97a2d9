#include "platform/shell_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/ansi_win32.h"

namespace typelens::win32 {

bool Win32Shell::open(const std::string& address) {
    // The shell may hand the address to an extension it reaches through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Widen(address).c_str(), L"", L"", SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace typelens::win32
