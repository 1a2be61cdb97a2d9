#include "platform/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

namespace typelens::win32 {

bool Win32Shell::open(const std::string& address) {
    const HINSTANCE result = ShellExecuteA(nullptr, "open", address.c_str(), "", "", SW_SHOWNORMAL);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace typelens::win32
