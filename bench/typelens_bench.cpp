// typelens_bench: measures Typelens against the floor of the same work, in one run, and prints
// rows of a table of ratios; it exits with 1 when a row is over its bound. scripts/bench.sh lays
// out what it reads and runs it.
//   typelens_bench startup <Typelens.exe> <floor.exe> <pairs> (<label> <bound> <floor's
//                          arguments>)...   each start of Typelens followed by one of each floor
//   typelens_bench phases <typelens_phases.exe>   (when each phase of start-up ended)
//   typelens_bench work <folder>   (holding Files\, Folders\ and Preview\)
//   typelens_bench memory <folder>   (the previews' memory and handles; Preview\ in the folder)
// Every ratio is the median of the ratios of alternated pairs, with their middle half beside it.
#include <windows.h>
#include <commctrl.h>
#include <dwrite_3.h>
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
#include "platform/gdi_objects_win32.h"
#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "platform/dwrite_win32.h"
#include "platform/late_win32.h"
#include "platform/screen_win32.h"
#include "platform/window_font_win32.h"
#include "platform/name_order_win32.h"
#include "preview/preview_pane.h"

using namespace typelens;
using namespace typelens::win32;

namespace {

bool over = false;              // a row missed its bound
constexpr DWORD kSettle = 100;  // milliseconds between the end of one program and the next start

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

// The value a `share` of the sorted values lie below.
double Quantile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * (values.size() - 1) + 0.5)];
}

double Median(const std::vector<double>& values) {
    return Quantile(values, 0.5);
}

// Milliseconds `work` takes, after an untimed `setUp`.
double Timed(const std::function<void()>& setUp, const std::function<void()>& work) {
    setUp();
    const double start = Now();
    work();
    return Now() - start;
}

// The median of 11 runs of `work`.
double MedianTime(const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < 11; ++i) times.push_back(Timed([] {}, work));
    return Median(times);
}

struct Comparison {
    double ours, floor;  // medians, in milliseconds
    std::vector<double> ratios;
};

// `pairs` runs of each, alternated.
Comparison Compare(int pairs, const std::function<double()>& ours,
                   const std::function<double()>& floor) {
    Comparison c{};
    std::vector<double> oursTimes, floorTimes;
    for (int i = 0; i < pairs; ++i) {
        oursTimes.push_back(ours());
        floorTimes.push_back(floor());
        c.ratios.push_back(oursTimes.back() / floorTimes.back());
    }
    c.ours = Median(oursTimes);
    c.floor = Median(floorTimes);
    return c;
}

// A bound of 0: a row that explains another, bound by nothing.
void Row(const std::string& measure, const Comparison& c, double bound) {
    const double ratio = Median(c.ratios);
    char verdict[32] = "";
    if (bound > 0) {
        std::snprintf(verdict, sizeof verdict, "%s %.2f x", ratio <= bound ? "within" : "OVER",
                      bound);
        over = over || ratio > bound;
    }
    std::printf("| %s | %.1f ms | %.1f ms | %.2f x (%.2f-%.2f) | %s |\n", measure.c_str(), c.ours,
                c.floor, ratio, Quantile(c.ratios, 0.25), Quantile(c.ratios, 0.75), verdict);
}

// A part of the row above, for the reader: its median against the floor's.
void Part(const std::string& measure, double ours, double floor) {
    std::printf("|   %s | %.1f ms | | %.2f x | |\n", measure.c_str(), ours, ours / floor);
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
    double start = Now();
    // Under load Wine now and then refuses a start once; the next try is timed afresh.
    for (int tries = 1; !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, "C:\\", &startup, &process);
         ++tries) {
        std::fprintf(stderr, "cannot start %s (error %lu, try %d)\n", exe.c_str(), GetLastError(),
                     tries);
        if (tries == 3) std::exit(2);
        Sleep(kSettle);
        start = Now();
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
    // The window server and the display are still tearing the window down: the next start would
    // share the machine with that.
    Sleep(kSettle);
    return shown;
}

struct FloorRow {
    std::string label;
    double bound;
    std::string arguments;
};

// Each start of Typelens is followed by one start of each floor; each floor's ratios come from
// its pairs with Typelens.
void Startup(const std::string& typelens, const std::string& floor, int pairs,
             const std::vector<FloorRow>& rows) {
    StartUntilShown(typelens);  // each once, to warm the system's caches
    for (const FloorRow& row : rows) StartUntilShown(floor, row.arguments);
    std::vector<double> ours;
    std::vector<std::vector<double>> floors(rows.size());
    for (int i = 0; i < pairs; ++i) {
        ours.push_back(StartUntilShown(typelens));
        for (std::size_t f = 0; f < rows.size(); ++f)
            floors[f].push_back(StartUntilShown(floor, rows[f].arguments));
    }
    for (std::size_t f = 0; f < rows.size(); ++f) {
        Comparison c{Median(ours), Median(floors[f]), {}};
        for (int i = 0; i < pairs; ++i) c.ratios.push_back(ours[i] / floors[f][i]);
        Row("start-up, " + rows[f].label, c, rows[f].bound);
    }
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
    UniqueImageList pictures{ImageList_Create(16, 16, ILC_COLOR32, 2, 0)};
    // What the list asks of its window, as the main window answers it; 0 where nothing answers.
    std::function<LRESULT(NMHDR&)> notify;
    Host() {
        InitCommonControls();
        window = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 700, 500, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc));
        const auto child = [&](const wchar_t* kind, DWORD style, int x, int y, int w, int h) {
            return CreateWindowExW(WS_EX_CLIENTEDGE, kind, L"", WS_CHILD | WS_VISIBLE | style, x, y,
                                   w, h, window, nullptr, nullptr, nullptr);
        };
        tree = child(WC_TREEVIEWW, kDir1Style, 4, 40, 291, 186);
        list = child(WC_LISTVIEWW, kFile1Style, 299, 40, 291, 188);
        for (HWND control : {tree, list})  // in the main window's font
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        ImageList_SetImageCount(pictures.get(), 2);
        ListView_SetImageList(list, pictures.get(), LVSIL_SMALL);
        ListViewFileList(list).showRows();  // as it is once it has shown rows, the floor's too
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
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
        auto* host = reinterpret_cast<Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NOTIFY && host && host->notify)
            return host->notify(*reinterpret_cast<NMHDR*>(l));
        return DefWindowProcW(window, message, w, l);
    }
    // Lets the window draw what changed, as it would between two clicks.
    void pump() const {
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    // A root node for a fill, the tree emptied first.
    HTREEITEM root(const wchar_t* text) const {
        TreeView_DeleteAllItems(tree);
        TVINSERTSTRUCTW insert{};
        insert.hParent = TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(text);
        return TreeView_InsertItem(tree, &insert);
    }
    static constexpr wchar_t kSample[] =
        L"The Quick \r\nBrown Fox \r\nJumps over the \r\nlazy dog\r\n";
};

// The names of `pattern` (folders only when asked), as cheaply as Windows gives them, in the
// order the tree and the list show them.
std::vector<std::wstring> FloorSortedNames(const std::wstring& pattern, bool folders) {
    struct Entry {
        std::string order;
        std::wstring name;
    };
    std::vector<Entry> entries;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const bool folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            if (folder != folders || (folder && found.cFileName[0] == L'.')) continue;
            entries.push_back({SortKey(found.cFileName), found.cFileName});
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.order < b.order; });
    std::vector<std::wstring> names;
    for (Entry& entry : entries) names.push_back(std::move(entry.name));
    return names;
}

// The floor of a tree fill: the folders' names in order, inserted under `root` with drawing
// held, the root expanded and drawing resumed.
void FloorTreeFill(HWND tree, HTREEITEM root, const std::wstring& pattern) {
    std::vector<std::wstring> names = FloorSortedNames(pattern, true);
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    for (std::wstring& name : names) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = root;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = name.data();
        TreeView_InsertItem(tree, &insert);
    }
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
    TreeView_Expand(tree, root, TVE_EXPAND);
}

// A font file's first face, straight from DirectWrite, with none of the program's checks.
UniqueCom<IDWriteFontFace> FloorFace(IDWriteFactory* factory, const std::wstring& path) {
    IDWriteFontFile* opened = nullptr;
    factory->CreateFontFileReference(path.c_str(), nullptr, &opened);
    const UniqueCom<IDWriteFontFile> file(opened);
    BOOL supported = FALSE;
    DWRITE_FONT_FILE_TYPE fileType{};
    DWRITE_FONT_FACE_TYPE faceType{};
    UINT32 faces = 0;
    file.get()->Analyze(&supported, &fileType, &faceType, &faces);
    IDWriteFontFace* made = nullptr;
    factory->CreateFontFace(faceType, 1, &opened, 0, DWRITE_FONT_SIMULATIONS_NONE, &made);
    return UniqueCom<IDWriteFontFace>(made);
}

// The floor of a list of fonts each drawn in its own face: the names in order, the list told
// their number, and each row as it comes into view: its name as the list draws it, and its line
// drawn straight from its file with DirectWrite, nothing kept.
class FloorRows {
  public:
    explicit FloorRows(Host& host) : host_(host) {
        IDWriteGdiInterop* interop = nullptr;
        DirectWrite()->GetGdiInterop(&interop);
        const UniqueCom<IDWriteGdiInterop> gdi(interop);
        IDWriteBitmapRenderTarget* target = nullptr;
        gdi.get()->CreateBitmapRenderTarget(nullptr, 800, kHeight, &target);
        target_.reset(target);
        IDWriteRenderingParams* params = nullptr;
        DirectWrite()->CreateRenderingParams(&params);
        params_.reset(params);
    }
    // Lists `folder` (ending in "\") into the host's list, which then draws its first page.
    void list(const std::wstring& folder) {
        host_.notify = [this](NMHDR& header) { return notify(header); };
        folder_ = folder;
        names_ = FloorSortedNames(folder + L"*.ttf", false);
        ListView_DeleteAllItems(host_.list);
        ListView_SetItemCountEx(host_.list, static_cast<int>(names_.size()), LVSICF_NOSCROLL);
        UpdateWindow(host_.list);
    }
    static constexpr int kHeight = 30;

  private:
    LRESULT notify(NMHDR& header) {
        if (header.code == LVN_GETDISPINFOW) {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
            if ((item.mask & LVIF_TEXT) && item.iSubItem == 0)
                lstrcpynW(item.pszText, names_[item.iItem].c_str(), item.cchTextMax);
            if (item.mask & LVIF_IMAGE) item.iImage = 1;
            return 0;
        }
        if (header.code != NM_CUSTOMDRAW) return 0;
        auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
        switch (draw.nmcd.dwDrawStage) {
            case CDDS_PREPAINT:
                return CDRF_NOTIFYITEMDRAW;
            case CDDS_ITEMPREPAINT:
                return CDRF_NOTIFYSUBITEMDRAW;
            case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
                if (draw.iSubItem != 1) return CDRF_DODEFAULT;
                drawLine(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec));
                return CDRF_SKIPDEFAULT;
            default:
                return CDRF_DODEFAULT;
        }
    }
    void drawLine(HDC dc, int index) {
        RECT cell{};
        ListView_GetSubItemRect(host_.list, index, 1, LVIR_BOUNDS, &cell);
        const UniqueCom<IDWriteFontFace> face = FloorFace(DirectWrite(), folder_ + names_[index]);
        const UINT32 line[] = {'T', 'h', 'e', ' ', 'Q', 'u', 'i', 'c', 'k', ' '};
        UINT16 glyphs[std::size(line)];
        face.get()->GetGlyphIndices(line, std::size(line), glyphs);
        HDC memory = target_.get()->GetMemoryDC();
        PatBlt(memory, 0, 0, cell.right - cell.left, kHeight, WHITENESS);
        DWRITE_GLYPH_RUN run{};
        run.fontFace = face.get();
        run.fontEmSize = 22;
        run.glyphCount = std::size(line);
        run.glyphIndices = glyphs;
        target_.get()->DrawGlyphRun(4, 22, DWRITE_MEASURING_MODE_NATURAL, &run, params_.get(), 0,
                                    nullptr);
        BitBlt(dc, cell.left, cell.top, cell.right - cell.left, kHeight, memory, 0, 0, SRCCOPY);
    }

    Host& host_;
    std::wstring folder_;
    std::vector<std::wstring> names_;
    UniqueCom<IDWriteBitmapRenderTarget> target_;
    UniqueCom<IDWriteRenderingParams> params_;
};

// The floor's previews: add the file, learn the face to ask for, give the multi-line box holding
// the sample a font of that face, take the file out again.
class FloorPreview {
  public:
    FloorPreview(HWND box) : box_(box) {
        using Create = HRESULT WINAPI(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);
        const auto create = reinterpret_cast<Create*>(reinterpret_cast<void*>(
            GetProcAddress(SystemLibrary(L"dwrite.dll"), "DWriteCreateFactory")));
        IUnknown* made = nullptr;
        create(DWRITE_FACTORY_TYPE_ISOLATED, __uuidof(IDWriteFactory), &made);
        factory_.reset(static_cast<IDWriteFactory*>(made));
    }
    ~FloorPreview() {
        if (font_) DeleteObject(font_);
    }

    // The file names its family, weight and slant, whether the family is new to the machine or
    // one of its styles is installed.
    void preview(const std::wstring& file) {
        AddFontResourceW(file.c_str());
        const UniqueCom<IDWriteFontFace> plain = FloorFace(factory_.get(), file);
        IDWriteFontFace3* face = nullptr;
        plain.get()->QueryInterface(__uuidof(IDWriteFontFace3), reinterpret_cast<void**>(&face));
        const UniqueCom<IDWriteFontFace3> owned(face);
        IDWriteLocalizedStrings* families = nullptr;
        BOOL exists = FALSE;
        face->GetInformationalStrings(DWRITE_INFORMATIONAL_STRING_WIN32_FAMILY_NAMES, &families,
                                      &exists);
        const UniqueCom<IDWriteLocalizedStrings> names(families);
        wchar_t family[LF_FACESIZE] = {};
        families->GetString(0, family, LF_FACESIZE);
        show(family, face->GetWeight(), face->GetStyle() != DWRITE_FONT_STYLE_NORMAL);
        RemoveFontResourceW(file.c_str());
    }

  private:
    // A font made afresh from the file now in the table, as any previewer needs under Wine (see
    // ClipPrecisionOf), not one Wine kept from the file's earlier preview.
    void show(const wchar_t* family, int weight, bool italic) {
        LOGFONTW wanted{};
        wanted.lfHeight = -48;
        wanted.lfWeight = weight;
        wanted.lfItalic = italic;
        wanted.lfClipPrecision = ClipPrecisionOf(++requests_);
        lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
        HFONT next = CreateFontIndirectW(&wanted);
        SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(next), TRUE);
        if (font_) DeleteObject(font_);
        font_ = next;
    }

    HWND box_;
    UniqueCom<IDWriteFactory> factory_;
    HFONT font_ = nullptr;
    unsigned requests_ = 0;
};

struct PreviewSession {
    Host& host;
    Win32Fonts fonts;
    Win32FileSystem files;
    Win32Environment environment;
    ListViewFileList list;
    WindowText fontName, size;
    ToolTipText details;
    EditPreviewFont previewFont;
    PreviewPane pane;
    int clicks = 0;

    // Two files to click in turn.
    PreviewSession(Host& h, const std::string& first, const std::string& second)
        : host(h),
          fonts(h.window),
          list(h.list),
          fontName(h.fontName),
          size(h.size),
          pane(fonts, files, environment, {list, fontName, details, size, previewFont}) {
        previewFont.attach(h.preview, kSampleFace, 36, 96);
        details.attach(h.window, h.fontName);
        list.clear();
        list.beginFill();
        list.add(first, "1", 2);
        list.add(second, "2", 2);
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

struct MemoryUse {
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

// The handles are counted first: under Wine the count reads the whole GDI handle table, 1.5 MB
// that join the working set the first time and would otherwise pass for the previews' growth.
MemoryUse MemoryNow() {
    const auto gdi = static_cast<long>(GdiObjectCount());
    const long windows = WindowCount();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return {counters.PeakWorkingSetSize / (1024.0 * 1024.0), gdi, windows};
}

// Peak working set, GDI objects and windows now against before: within `boundMb` of growth,
// and no more objects or windows.
void MemoryRow(const std::string& measure, const MemoryUse& now, const MemoryUse& before,
               double boundMb) {
    const double grown = now.peakMb - before.peakMb;
    const bool steady = now.gdi == before.gdi && now.windows == before.windows;
    over = over || grown > boundMb || !steady;
    std::printf("| peak working set, %s | %.1f MB | %.1f MB | %+.2f MB | %s %g MB |\n",
                measure.c_str(), now.peakMb, before.peakMb, grown,
                grown <= boundMb ? "within" : "OVER", boundMb);
    std::printf(
        "| GDI objects and windows, %s | %ld, %ld | %ld, %ld | %+ld, %+ld | %s no growth |\n",
        measure.c_str(), now.gdi, now.windows, before.gdi, before.windows, now.gdi - before.gdi,
        now.windows - before.windows, steady ? "within" : "OVER");
}

DWORD HandleCount() {
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    return handles;
}

// Whether no program holds `path` open: it opens for this alone, and takes another name and back.
bool Free(const std::wstring& path) {
    {
        const UniqueFile alone(
            CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!alone) return false;
    }
    const std::wstring moved = path + L".moved";
    return MoveFileW(path.c_str(), moved.c_str()) && MoveFileW(moved.c_str(), path.c_str());
}

void Work(const std::string& folder) {
    const std::wstring wide(folder.begin(), folder.end());
    const std::string preview = folder + "Preview\\";
    const std::wstring widePreview = wide + L"Preview\\";
    Host host;
    Win32FileSystem files;
    // What the file system layer alone costs: the listing, each entry with its attributes.
    const auto listingOnly = [&](const std::string& in, const char* wildcard, std::uint32_t mask) {
        auto listing = files.enumerate(in + wildcard, mask);
        while (auto entry = listing->next()) {
        }
    };
    const auto none = [] {};
    {
        // The list as the main window has it, its rows drawn in their faces as they show.
        ListViewFileList list(host.list);
        list.setRowMeasures(FloorRows::kHeight, 22, 800);
        FloorRows floor(host);
        const auto ours = [&](const std::string& in) {
            host.notify = [&](NMHDR& header) -> LRESULT {
                if (header.code == NM_CUSTOMDRAW)
                    return list.customDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
                if (header.code == LVN_GETDISPINFOW)
                    list.describe(reinterpret_cast<NMLVDISPINFOW&>(header));
                return 0;
            };
            ListFontFiles(files, list, folder + in);
            UpdateWindow(host.list);
        };
        const auto pageDown = [&] {
            SendMessageW(host.list, WM_VSCROLL, SB_PAGEDOWN, 0);
            UpdateWindow(host.list);
        };
        Comparison c = Compare(
            11, [&] { return Timed(none, [&] { ours("Files\\"); }); },
            [&] { return Timed(none, [&] { floor.list(wide + L"Files\\"); }); });
        Row("listing a folder of 10,000 font files, its first rows drawn", c, 1.3);
        const double listing =
            MedianTime([&] { listingOnly(folder + "Files\\", "*.ttf", attr::Hidden); });
        Part("of it: the names as the file system layer lists them", listing, c.floor);
        c = Compare(
            21, [&] { return Timed(none, [&] { ours("Rows\\"); }); },
            [&] { return Timed(none, [&] { floor.list(wide + L"Rows\\"); }); });
        Row("opening a folder of 1,000 font files until its first rows are drawn", c, 1.3);
        c = Compare(
            21, [&] { return Timed([&] { ours("Rows\\"); }, pageDown); },
            [&] { return Timed([&] { floor.list(wide + L"Rows\\"); }, pageDown); });
        Row("one page down in it", c, 1.3);

        // Every row of 10,000 drawn, a page at a time: the drawings kept are few, and no file
        // is held.
        ours("Files\\");
        const MemoryUse start = MemoryNow();
        const DWORD handles = HandleCount();
        const int perPage = std::max(1, ListView_GetCountPerPage(host.list));
        while (ListView_GetTopIndex(host.list) + perPage < ListView_GetItemCount(host.list))
            pageDown();
        const MemoryUse end = MemoryNow();
        const std::wstring shown = wide + L"Files\\file09999.ttf";
        const bool free = Free(shown) && HandleCount() <= handles;
        MemoryRow("scrolling 10,000 font files end to end, against the first page", end, start,
                  16.0);
        over = over || !free;
        std::printf("| files held open once their rows are drawn | %s | | | %s none |\n",
                    free ? "none" : "some", free ? "within" : "OVER");
        host.notify = nullptr;
        list.clear();
    }
    {
        TreeViewFolderTree tree(host.tree);
        const auto fresh = [&] {
            tree.clear();
            tree.add(std::nullopt, folder + "Folders", "Folders", 1);
        };
        const auto parent = [&] { return Node(TreeView_GetRoot(host.tree)); };
        HTREEITEM root = nullptr;
        const Comparison c = Compare(
            11,
            [&] {
                return Timed(fresh,
                             [&] { LoadFolderNodes(files, tree, folder + "Folders\\", parent()); });
            },
            [&] {
                return Timed([&] { tree.clear(), root = host.root(L"Folders"); },
                             [&] { FloorTreeFill(host.tree, root, wide + L"Folders\\*"); });
            });
        Row("reading a folder of 10,000 subfolders into the tree", c, 1.3);
        const double listing = MedianTime(
            [&] { listingOnly(folder + "Folders\\", "", attr::Directory | attr::Hidden); });
        Part("of it: the entries as the file system layer gives them", listing, c.floor);
        tree.clear();
    }
    {
        PreviewSession session(host, preview + "one.ttf", preview + "two.ttf");
        FloorPreview floor(host.preview);
        int clicks = 0;
        const Comparison c = Compare(
            101, [&] { return Timed([&] { session.select(); }, [&] { session.click(); }); },
            [&] {
                return Timed(none, [&] {
                    floor.preview(widePreview +
                                  (++clicks % 2 ? L"floor-one.ttf" : L"floor-two.ttf"));
                });
            });
        Row("one preview click, a family new to the machine", c, 1.2);
    }
    {
        // The family's Regular is installed; its Bold and Italic are clicked in turn.
        AddFontResourceW((widePreview + L"family-Regular.ttf").c_str());
        AddFontResourceW((widePreview + L"floor-family-Regular.ttf").c_str());
        PreviewSession session(host, preview + "family-Bold.ttf", preview + "family-Italic.ttf");
        FloorPreview floor(host.preview);
        int clicks = 0;
        const auto floorClick = [&] {
            floor.preview(widePreview +
                          (++clicks % 2 ? L"floor-family-Bold.ttf" : L"floor-family-Italic.ttf"));
        };
        for (int i = 0; i < 2; ++i) {  // each loads what it needs before anything is measured
            session.select(), session.click();
            floorClick();
        }
        const Comparison c = Compare(
            101, [&] { return Timed([&] { session.select(); }, [&] { session.click(); }); },
            [&] { return Timed(none, floorClick); });
        Row("one preview click, a style of an installed family", c, 1.2);
        RemoveFontResourceW((widePreview + L"family-Regular.ttf").c_str());
        RemoveFontResourceW((widePreview + L"floor-family-Regular.ttf").c_str());
    }
}

// Whether previews leak, in a process of their own: the 2,000th preview against the 200th, by
// which whatever a preview fills once (Wine's realized fonts, the font table, the heap) is full.
// The peak working set grows by 0.02 to 0.03 MB between the two here; a leak of 300 bytes a
// preview adds 0.5 MB over the 1,800 previews, one of 2 KB 3.6 MB.
void Memory(const std::string& folder) {
    constexpr double kBoundMb = 0.5;
    constexpr int kSettled = 200, kLast = 2000;
    const std::string preview = folder + "Preview\\";
    Host host;
    PreviewSession session(host, preview + "one.ttf", preview + "two.ttf");
    MemoryUse settled{}, last{};
    for (int i = 1; i <= kLast; ++i) {
        session.select();
        session.click();
        host.pump();
        if (i == kSettled) settled = MemoryNow();
    }
    last = MemoryNow();

    MemoryRow("after 2,000 previews, against after the 200th", last, settled, kBoundMb);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup" && argc >= 8 && (argc - 5) % 3 == 0) {
        std::vector<FloorRow> rows;
        for (int i = 5; i + 2 < argc; i += 3)
            rows.push_back({argv[i], std::atof(argv[i + 1]), argv[i + 2]});
        Startup(argv[2], argv[3], std::atoi(argv[4]), rows);
    } else if (mode == "phases" && argc == 3) {
        Phases(argv[2]);
    } else if (mode == "work" && argc == 3) {
        Work(argv[2]);
    } else if (mode == "memory" && argc == 3) {
        Memory(argv[2]);
    } else {
        std::fprintf(stderr,
                     "usage: typelens_bench startup <Typelens.exe> <floor.exe> <pairs> (<label> "
                     "<bound> <floor's arguments>)... | phases <exe> | work <folder> | memory "
                     "<folder>\n");
        return 2;
    }
    return over ? 1 : 0;
}
