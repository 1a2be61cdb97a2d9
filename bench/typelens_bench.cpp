// typelens_bench <Typelens.exe> <bare_window.exe>: measures Typelens against the bare platform
// in the same run and prints a table of ratios. Run it through scripts/bench.sh, which lays out
// the fonts and folders it reads.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/glyphora_window_win32.h"
#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "bench/gdi_objects_win32.h"
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

// From CreateProcess to a visible top-level window of `windowClass`; the program is closed again.
double StartUntilShown(const std::string& exe, const char* windowClass,
                       const std::string& arguments = "") {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + exe + "\" " + arguments;
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", exe.c_str());
        std::exit(1);
    }
    HWND window = nullptr;
    while (!(window = FindWindowA(windowClass, nullptr)) || !IsWindowVisible(window)) Sleep(1);
    const double shown = Now() - start;
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

// A shown window holding the controls the measured code fills, made as the main window makes
// them.
struct Host {
    HWND window, list, tree, fontName, size, preview;
    Host() {
        InitCommonControls();
        window = CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700,
                                 500, nullptr, nullptr, nullptr, nullptr);
        const auto child = [&](const char* kind, DWORD style, int x, int y, int w, int h) {
            return CreateWindowExA(WS_EX_CLIENTEDGE, kind, "", WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, window, nullptr, nullptr, nullptr);
        };
        tree = child(WC_TREEVIEWA, kDir1Style, 4, 40, 291, 186);
        list = child(WC_LISTVIEWA, kFile1Style, 299, 40, 291, 188);
        fontName = child("EDIT", ES_AUTOHSCROLL, 299, 232, 291, 19);
        size = child("COMBOBOX", CBS_DROPDOWN, 116, 4, 45, 200);
        preview = child("EDIT", ES_MULTILINE | WS_VSCROLL, 4, 255, 585, 207);
        SetWindowTextA(preview, "The Quick \r\nBrown Fox \r\nJumps over the \r\nlazy dog\r\n");
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
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
};

struct Row {
    std::string measure;
    double ours, bare;  // milliseconds
    double bound;       // the largest acceptable ratio
};

// The bare platform's listing: every entry of `pattern`, folders told from files by the data
// that came with them. Returns the number of folders, so the loop cannot be left out.
int BareListing(const char* pattern) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA(pattern, &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int folders = 0;
    do folders += (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return folders;
}

// The bare platform's preview: add the file, read the face list, take the file out again.
void BarePreview(const std::string& file) {
    AddFontResourceA(file.c_str());
    std::vector<std::string> faces;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesA(
        screen, nullptr,
        [](const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) -> int {
            reinterpret_cast<std::vector<std::string>*>(list)->emplace_back(font->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&faces));
    ReleaseDC(nullptr, screen);
    RemoveFontResourceA(file.c_str());
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

    explicit PreviewSession(Host& h)
        : host(h),
          fonts(h.window),
          list(h.list),
          fontName(h.fontName),
          size(h.size),
          pane(fonts, environment, {list, fontName, size, previewFont}) {
        previewFont.attach(h.preview, "Arial", 36, 204, 96);
        list.clear();
        list.add("C:\\Bench\\Preview\\one.ttf", "one.ttf", 2);
        list.add("C:\\Bench\\Preview\\two.ttf", "two.ttf", 2);
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

// The windows of this thread, their children included: the USER objects a session could leak
// (Wine counts no USER objects for GetGuiResources).
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: typelens_bench <Typelens.exe> <bare_window.exe>\n");
        return 2;
    }
    Host host;
    std::vector<Row> rows;

    // First, while nothing else has grown the process: a session of 200 previews.
    Memory first{}, last{};
    {
        PreviewSession session(host);
        session.select();
        session.click();
        host.pump();
        first = MemoryNow();
        for (int i = 1; i < 200; ++i) {
            session.select();
            session.click();
            host.pump();
        }
        last = MemoryNow();
    }

    {
        PreviewSession session(host);
        const double ours = Time(
            21, [&] { session.select(); }, [&] { session.click(); });
        int bareClicks = 0;
        const double bare = Time(
            21, [] {},
            [&] {
                BarePreview(++bareClicks % 2 ? "C:\\Bench\\Preview\\one.ttf"
                                             : "C:\\Bench\\Preview\\two.ttf");
            });
        rows.push_back({"one preview click", ours, bare, 1.2});
        // Of the click, what showing the found face costs: the box realises the new face and
        // lays its text out again. The bare platform does nothing of the kind.
        int shown = 0;
        const double face = Time(
            21, [] {},
            [&] {
                session.previewFont.setFace(
                    ++shown % 2 ? "Bench Preview One" : "Bench Preview Two", 0);
            });
        rows.push_back({"  of it: drawing the preview in the new face", face, bare, 0});
        rows.push_back({"  the click up to finding the face", ours - face, bare, 0});
    }

    Win32FileSystem files;
    {
        ListViewFileList list(host.list);
        const double ours = Time(
            5, [] {}, [&] { ListFontFiles(files, list, "C:\\Bench\\Files\\"); });
        const double bare = Time(
            5, [] {}, [] { BareListing("C:\\Bench\\Files\\*.ttf"); });
        rows.push_back({"listing a folder of 10,000 font files", ours, bare, 3.0});
        list.clear();
    }
    {
        TreeViewFolderTree tree(host.tree);
        std::optional<NodeId> parent;
        const double ours = Time(
            5,
            [&] {
                tree.clear();
                parent = tree.add(std::nullopt, "C:\\Bench\\Folders", "Folders", 1);
            },
            [&] { LoadFolderNodes(files, tree, "C:\\Bench\\Folders\\", parent); });
        const double bare = Time(
            5, [] {}, [] { BareListing("C:\\Bench\\Folders\\*"); });
        rows.push_back({"reading a folder of 10,000 subfolders into the tree", ours, bare, 3.0});
        tree.clear();
    }

    // Start-up: both programs once to warm the system's caches, then in turns.
    StartUntilShown(argv[1], "Typelens.Glyphora");
    StartUntilShown(argv[2], "TypelensBenchBare");
    std::vector<double> ours, bare, withFaces;
    for (int i = 0; i < 7; ++i) {
        ours.push_back(StartUntilShown(argv[1], "Typelens.Glyphora"));
        bare.push_back(StartUntilShown(argv[2], "TypelensBenchBare"));
        withFaces.push_back(StartUntilShown(argv[2], "TypelensBenchBare", "faces"));
    }
    rows.insert(rows.begin(), {{"start-up to the window shown (2,000 faces, folders and fonts)",
                                Median(ours), Median(bare), 1.5},
                               {"  the bare window when it also reads the face list once",
                                Median(withFaces), Median(bare), 0}});

    std::printf("| Measure | Typelens | Bare platform | Ratio | Bound |\n");
    std::printf("|---|---:|---:|---:|---|\n");
    bool within = true;
    for (const Row& row : rows) {
        const double ratio = row.ours / row.bare;
        if (row.bound == 0) {  // a part of the row above, for the reader; no bound of its own
            std::printf("| %s | %.2f ms | | %.2f x | |\n", row.measure.c_str(), row.ours, ratio);
            continue;
        }
        within = within && ratio <= row.bound;
        std::printf("| %s | %.2f ms | %.2f ms | %.2f x | %s %.1f x |\n", row.measure.c_str(),
                    row.ours, row.bare, ratio, ratio <= row.bound ? "within" : "OVER", row.bound);
    }
    const double grown = last.peakMb - first.peakMb;
    const bool steady = last.gdi == first.gdi && last.windows == first.windows;
    within = within && grown <= 2.0 && steady;
    std::printf(
        "| peak working set after 200 previews, against after the first | %.1f MB | %.1f MB | "
        "+%.2f MB | %s 2 MB |\n",
        last.peakMb, first.peakMb, grown, grown <= 2.0 ? "within" : "OVER");
    std::printf(
        "| GDI objects and windows after 200 previews, against after the first | %ld, %ld | "
        "%ld, %ld | %+ld, %+ld | %s no growth |\n",
        last.gdi, last.windows, first.gdi, first.windows, last.gdi - first.gdi,
        last.windows - first.windows, steady ? "within" : "OVER");
    std::printf("\n%s\n",
                within ? "Every figure is within its bound." : "Some figure is over its bound.");
    return 0;
}
