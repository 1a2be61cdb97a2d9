// The floor's own work, as bare as Windows allows, shared by the floor program and the
// benchmark's floor rows.
#pragma once

#include <windows.h>

namespace typelens::bench {

// Reads the face list once, as any font previewer must; returns the number of faces, so the
// reading cannot be left out.
inline int ReadFaceList() {
    HDC screen = GetDC(nullptr);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    int faces = 0;
    EnumFontFamiliesExW(
        screen, &all,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) -> int {
            ++*reinterpret_cast<int*>(count);
            return 1;
        },
        reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    return faces;
}

// Every entry of `pattern`, as cheaply as Windows gives it (without short names, in large
// fetches), folders told from files by the data that came with them. Returns the number of
// folders, so the loop cannot be left out.
inline int FloorListing(const wchar_t* pattern) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileExW(pattern, FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int folders = 0;
    do folders += (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return folders;
}

}  // namespace typelens::bench
