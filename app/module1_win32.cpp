#include "app/module1_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/glyphora_window_win32.h"
#include "app/handed_path_win32.h"
#include "app/phases.h"
#include "platform/late_win32.h"

namespace typelens::win32 {

bool InitComctl() {
    // Looked up rather than linked, so that a library without the function is a false result
    // instead of a program that cannot start.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (!comctl) comctl = SystemLibrary(L"comctl32.dll");
    if (!comctl) return false;
    using InitProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init = reinterpret_cast<InitProc>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
    if (!init) return false;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;  // 8: two 32-bit fields
    controls.dwICC = ICC_USEREX_CLASSES;
    (void)init(&controls);
    return true;
}

GlyphoraWindow& DefaultGlyphora() {
    static std::unique_ptr<GlyphoraWindow> instance = std::make_unique<GlyphoraWindow>();
    return *instance;
}

void Main() {
    // A drive without a medium answers "not ready" instead of asking for a disk.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    (void)InitComctl();  // the window opens whether or not this worked
    StartupPhase("common controls");
    DefaultGlyphora().show(HandedOnCommandLine());
}

}  // namespace typelens::win32
