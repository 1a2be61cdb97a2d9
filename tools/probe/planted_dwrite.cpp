// A dwrite.dll such as someone could leave beside a downloaded program: loaded into a process,
// it leaves a marker (C:\planted.txt), and draws nothing. The end-to-end tests plant it beside
// Typelens.exe.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE marker = CreateFileW(L"C:\\planted.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (marker != INVALID_HANDLE_VALUE) CloseHandle(marker);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) HRESULT WINAPI DWriteCreateFactory(int, REFIID, IUnknown** made) {
    *made = nullptr;
    return E_FAIL;
}
