#include "app/handed_path_win32.h"

#include "platform/ansi_win32.h"
#include "platform/late_win32.h"

namespace typelens::win32 {
namespace {

// Relative to the current folder, with "." and ".." gone and "/" made "\", nothing else looked
// up. A name the code page cannot spell keeps its stand-ins, so that it names nothing and is
// refused as not there.
std::string FullPath(const wchar_t* path) {
    const DWORD size = GetFullPathNameW(path, 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = size ? GetFullPathNameW(path, size, full.data(), nullptr) : 0;
    const wchar_t* spelled = length > 0 && length < size ? full.c_str() : path;
    return ExactAnsi(spelled).value_or(Narrow(spelled));
}

// Whether the command line holds more than the program's name: that runs to its closing quote,
// or unquoted to the first space or tab.
bool HasArguments(const wchar_t* line) {
    const bool quoted = *line == L'"';
    for (line += quoted; *line && (quoted ? *line != L'"' : *line != L' ' && *line != L'\t');)
        ++line;
    for (line += quoted && *line; *line == L' ' || *line == L'\t';) ++line;
    return *line != L'\0';
}

}  // namespace

// The shell, which splits the line as every program's arguments are split, is loaded only when
// there is something to split: loaded with the program, it would slow every start.
std::string HandedOnCommandLine() {
    const wchar_t* line = GetCommandLineW();
    if (!HasArguments(line)) return {};
    using Split = LPWSTR* WINAPI(LPCWSTR, int*);
    static const auto split = Late<Split>(L"shell32.dll", "CommandLineToArgvW");
    int count = 0;
    LPWSTR* arguments = split ? split(line, &count) : nullptr;
    if (!arguments) return {};
    std::string path = count > 1 && *arguments[1] ? FullPath(arguments[1]) : "";
    LocalFree(arguments);
    return path;
}

// Of several files dropped, the first.
std::string HandedByDrop(HDROP drop) {
    using Query = UINT WINAPI(HDROP, UINT, LPWSTR, UINT);
    using Finish = void WINAPI(HDROP);
    static const auto query = Late<Query>(L"shell32.dll", "DragQueryFileW");
    static const auto finish = Late<Finish>(L"shell32.dll", "DragFinish");
    std::string path;
    if (query) {
        std::wstring first(query(drop, 0, nullptr, 0) + 1, L'\0');
        if (query(drop, 0, first.data(), static_cast<UINT>(first.size())) > 0)
            path = FullPath(first.c_str());
    }
    if (finish) finish(drop);
    return path;
}

}  // namespace typelens::win32
