// typelens_bench: measures Typelens against the floor of the same work, in one run, and prints
// rows of a table of ratios. scripts/bench.sh lays out what it reads and runs it.
//   typelens_bench startup <Typelens.exe> <floor.exe> <label> <bound> [floor's arguments]
//                          [the first program's arguments]
//   typelens_bench phases <typelens_phases.exe>   (when each phase of start-up ended)
//   typelens_bench work <folder>   (holding Files\, Folders\ and Preview\one.ttf, two.ttf)
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/glyphora_window_win32.h"
#include "bench/floor_work.h"
#include "bench/gdi_objects_win32.h"
#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "platform/message_win32.h"
#include "preview/preview_pane.h"

using namespace typelens;
using namespace typelens::win32;

namespace {

double Now() {
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / frequency;  // milliseconds
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs `setUp` (untimed) and `work` (timed) `runs` times; the median in milliseconds.
double Time(int runs, const std::function<void()>& setUp, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        setUp();
        const double start = Now();
        work();
        times.push_back(Now() - start);
    }
    return Median(times);
}

// A part of the row above, for the reader; no bound of its own.
void Part(const std::string& measure, double ours, double floor) {
    std::printf("|   %s | %.1f ms | | %.2f x | |\n", measure.c_str(), ours, ours / floor);
}

// A bound of 0: a row that explains another, bound by nothing.
void Row(const std::string& measure, double ours, double floor, double bound) {
    const double ratio = ours / floor;
    char verdict[32] = "";
    if (bound > 0)
        std::snprintf(verdict, sizeof verdict, "%s %.2f x", ratio <= bound ? "within" : "OVER",
                      bound);
    std::printf("| %s | %.1f ms | %.1f ms | %.2f x | %s |\n", measure.c_str(), ours, floor, ratio,
                verdict);
}

// From CreateProcess to a visible top-level window of the program; the program is closed again.
double StartUntilShown(const std::string& exe, const std::string& arguments = "") {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\" " + arguments;
    FILETIME launch;  // for the phases of the benchmark's builds
    GetSystemTimePreciseAsFileTime(&launch);
    SetEnvironmentVariableA(
        "TYPELENS_PHASES_LAUNCH",
        std::to_string(ULONGLONG(launch.dwHighDateTime) << 32 | launch.dwLowDateTime).c_str());
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", exe.c_str());
        std::exit(1);
    }
    HWND window = nullptr;
    const auto visibleOfProcess = [](HWND candidate, LPARAM found) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(candidate, &pid);
        auto* result = reinterpret_cast<std::pair<DWORD, HWND>*>(found);
        if (pid != result->first || !IsWindowVisible(candidate)) return TRUE;
        result->second = candidate;
        return FALSE;
    };
    while (!window) {
        std::pair<DWORD, HWND> found{process.dwProcessId, nullptr};
        EnumWindows(visibleOfProcess, reinterpret_cast<LPARAM>(&found));
        window = found.second;
        if (!window) Sleep(1);
    }
    const double shown = Now() - start;
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

void Startup(const std::string& typelens, const std::string& floor, const std::string& label,
             double bound, const std::string& floorArguments, const std::string& ourArguments) {
    StartUntilShown(typelens, ourArguments);  // both once, to warm the system's caches
    StartUntilShown(floor, floorArguments);
    std::vector<double> ours, floors;
    for (int i = 0; i < 11; ++i) {
        ours.push_back(StartUntilShown(typelens, ourArguments));
        floors.push_back(StartUntilShown(floor, floorArguments));
    }
    Row("start-up, " + label, Median(ours), Median(floors), bound);
}

// The benchmark's builds note when each phase of their start-up ended; printed as
// "phase<TAB>end<TAB>length", medians of 11 starts, in milliseconds since the launch.
void Phases(const std::string& exe) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string file = std::string(temp) + "typelens-phases.txt";
    DeleteFileA(file.c_str());
    SetEnvironmentVariableA("TYPELENS_PHASES_FILE", file.c_str());
    for (int i = 0; i < 11; ++i) StartUntilShown(exe);
    std::vector<std::string> names;
    std::vector<std::vector<double>> ends;
    FILE* in = std::fopen(file.c_str(), "r");
    char line[1024];
    while (in && std::fgets(line, sizeof line, in)) {
        std::size_t index = 0;
        for (char* field = std::strtok(line, "\t\n"); field; field = std::strtok(nullptr, "\t\n")) {
            char* equals = std::strchr(field, '=');
            if (!equals) continue;
            *equals = '\0';
            if (index == names.size()) names.push_back(field), ends.emplace_back();
            ends[index++].push_back(std::atof(equals + 1));
        }
    }
    if (in) std::fclose(in);
    double before = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const double end = Median(ends[i]);
        std::printf("%s\t%.1f\t%.1f\n", names[i].c_str(), end, end - before);
        before = end;
    }
}

// A shown window holding the controls the measured code fills, made as the main window makes
// them, with the sample text in the preview.
struct Host {
    HWND window, list, tree, fontName, size, preview;
    UniqueFont font = WindowFont(L"Tahoma", 8.25, ScreenDpi());
    Host() {
        InitCommonControls();
        window = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 700, 500, nullptr, nullptr, nullptr, nullptr);
        const auto child = [&](const wchar_t* kind, DWORD style, int x, int y, int w, int h) {
            return CreateWindowExW(WS_EX_CLIENTEDGE, kind, L"", WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, window, nullptr, nullptr, nullptr);
        };
        tree = child(WC_TREEVIEWW, kDir1Style, 4, 40, 291, 186);
        list = child(WC_LISTVIEWW, kFile1Style, 299, 40, 291, 188);
        for (HWND control : {tree, list})  // in the main window's font
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        fontName = child(L"EDIT", ES_AUTOHSCROLL, 299, 232, 291, 19);
        size = child(L"COMBOBOX", CBS_DROPDOWN, 116, 4, 45, 200);
        preview = child(L"EDIT", ES_MULTILINE | WS_VSCROLL, 4, 255, 585, 207);
        SetWindowTextW(preview, kSample);
        for (int i = 0; i < 10; ++i) {  // mapped and drawn once before anything is measured
            pump();
            Sleep(20);
        }
    }
    ~Host() { DestroyWindow(window); }
    // Lets the window draw what changed, as it would between two clicks.
    void pump() const {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    static constexpr wchar_t kSample[] =
        L"The Quick \r\nBrown Fox \r\nJumps over the \r\nlazy dog\r\n";
};

// The floor's preview: add the file, read the face list, give the multi-line box holding the
// sample a font of the new face, take the file out again.
void FloorPreview(HWND box, const std::wstring& file, const wchar_t* face, HFONT& font) {
    AddFontResourceW(file.c_str());
    (void)bench::ReadFaceList();
    LOGFONTW wanted{};
    wanted.lfHeight = -48;
    lstrcpyW(wanted.lfFaceName, face);
    HFONT next = CreateFontIndirectW(&wanted);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(next), TRUE);
    if (font) DeleteObject(font);
    font = next;
    RemoveFontResourceW(file.c_str());
}

struct PreviewSession {
    Host& host;
    Win32Fonts fonts;
    Win32Environment environment;
    ListViewFileList list;
    WindowText fontName, size;
    EditPreviewFont previewFont;
    PreviewPane pane;
    int clicks = 0;

    PreviewSession(Host& h, const std::string& folder)
        : host(h),
          fonts(h.window),
          list(h.list),
          fontName(h.fontName),
          size(h.size),
          pane(fonts, environment, {list, fontName, size, previewFont}) {
        previewFont.attach(h.preview, {"Arial", kCyrillicCharset}, 36, 96);
        list.clear();
        list.beginFill();
        list.add(folder + "one.ttf", "one.ttf", 2);
        list.add(folder + "two.ttf", "two.ttf", 2);
        list.endFill();
        pane.takeSnapshot();
    }
    // Selects the other file, as a click would; the click itself is `click`.
    void select() { ListView_SetItemState(host.list, clicks % 2, LVIS_SELECTED, LVIS_SELECTED); }
    void click() {
        pane.onFile1Click();
        ++clicks;
    }
};

struct Memory {
    double peakMb;
    long gdi, windows;
};

// The windows of this thread, their children included: the USER objects a session could leak.
long WindowCount() {
    long count = 0;
    const auto each = [](HWND window, LPARAM counter) -> BOOL {
        ++*reinterpret_cast<long*>(counter);
        EnumChildWindows(
            window,
            [](HWND, LPARAM c) -> BOOL {
                ++*reinterpret_cast<long*>(c);
                return TRUE;
            },
            counter);
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), each, reinterpret_cast<LPARAM>(&count));
    return count;
}

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {counters.PeakWorkingSetSize / (1024.0 * 1024.0), static_cast<long>(GdiObjectCount()),
            WindowCount()};
}

void Work(const std::string& folder) {
    const std::wstring wide(folder.begin(), folder.end());
    Host host;

    // First, while nothing else has grown the process: a session of 200 previews.
    Memory first{}, last{};
    {
        PreviewSession session(host, folder + "Preview\\");
        for (int i = 0; i < 200; ++i) {
            session.select();
            session.click();
            host.pump();
            if (i == 0) first = MemoryNow();
        }
        last = MemoryNow();
    }

    Win32FileSystem files;
    // What the file system layer alone costs: the listing, and for folders the attribute query
    // of each name, as the tree asks it.
    const auto listingOnly = [&](const std::string& in, const char* wildcard, std::uint32_t mask) {
        auto listing = files.enumerate(in + wildcard, mask);
        while (auto name = listing->next()) {
            if (mask & attr::Directory) (void)files.attributes(in + *name);
        }
    };
    {
        ListViewFileList list(host.list);
        const double ours = Time(
            7, [] {}, [&] { ListFontFiles(files, list, folder + "Files\\"); });
        const double floor = Time(
            7, [] {}, [&] { bench::FloorListing((wide + L"Files\\*.ttf").c_str()); });
        const double listing = Time(
            7, [] {}, [&] { listingOnly(folder + "Files\\", "*.ttf", attr::Hidden); });
        Row("listing a folder of 10,000 font files", ours, floor, 1.3);
        Part("of it: the names as the file system layer lists them", listing, floor);
        Part("the list sorting them and taking their number", ours - listing, floor);
        list.clear();
    }
    {
        TreeViewFolderTree tree(host.tree);
        std::optional<NodeId> parent;
        const double ours = Time(
            7,
            [&] {
                tree.clear();
                tree.add(std::nullopt, folder + "Folders", "Folders", 1);
                parent = NodeId{reinterpret_cast<std::uintptr_t>(TreeView_GetRoot(host.tree))};
            },
            [&] { LoadFolderNodes(files, tree, folder + "Folders\\", parent); });
        const double floor = Time(
            7, [] {}, [&] { bench::FloorListing((wide + L"Folders\\*").c_str()); });
        const double listing = Time(
            7, [] {},
            [&] { listingOnly(folder + "Folders\\", "", attr::Directory | attr::Hidden); });
        Row("reading a folder of 10,000 subfolders into the tree", ours, floor, 1.5);
        Part("of it: the names and attributes as the file system layer gives them", listing, floor);
        Part("the tree taking 10,000 nodes and showing them expanded", ours - listing, floor);
        tree.clear();
    }
    {
        PreviewSession session(host, folder + "Preview\\");
        const double ours = Time(
            21, [&] { session.select(); }, [&] { session.click(); });
        HFONT font = nullptr;
        int clicks = 0;
        const double floor = Time(
            21, [] {},
            [&] {
                const bool one = ++clicks % 2;
                FloorPreview(host.preview, wide + (one ? L"Preview\\one.ttf" : L"Preview\\two.ttf"),
                             one ? L"Bench Preview One" : L"Bench Preview Two", font);
            });
        Row("one preview click", ours, floor, 1.2);
        if (font) DeleteObject(font);
    }

    const double grown = last.peakMb - first.peakMb;
    std::printf(
        "| peak working set after 200 previews, against after the first | %.1f MB | %.1f MB "
        "| +%.2f MB | %s 2 MB |\n",
        last.peakMb, first.peakMb, grown, grown <= 2.0 ? "within" : "OVER");
    const bool steady = last.gdi == first.gdi && last.windows == first.windows;
    std::printf(
        "| GDI objects and windows after 200 previews, against after the first | %ld, %ld "
        "| %ld, %ld | %+ld, %+ld | %s no growth |\n",
        last.gdi, last.windows, first.gdi, first.windows, last.gdi - first.gdi,
        last.windows - first.windows, steady ? "within" : "OVER");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc >= 6 && argc <= 8) {
        Startup(argv[2], argv[3], argv[4], std::atof(argv[5]), argc >= 7 ? argv[6] : "",
                argc == 8 ? argv[7] : "");
    } else if (mode == "phases" && argc == 3) {
        Phases(argv[2]);
    } else if (mode == "work" && argc == 3) {
        Work(argv[2]);
    } else {
        std::fprintf(stderr,
                     "usage: typelens_bench startup <Typelens.exe> <floor.exe> <label> "
                     "<bound> | work <folder>\n");
        return 2;
    }
    return 0;
}
