// probe: reads and moves another program's windows for the end-to-end tests, one question per
// run. Windows are named by their handle in decimal; rectangles are "x y width height" on the
// screen; text comes out as UTF-8.
//   probe find <class> [<caption>]     a visible top-level window of that class (and caption)
//   probe client|frame <hwnd>          its client area, or the whole window
//   probe state <hwnd>                 normal|minimized|maximized, then enabled|disabled
//   probe control <hwnd> <id>          the descendant with that control id
//   probe text <hwnd> [<id>]           the window's (or that descendant's) text
//   probe items <hwnd> <id>            the texts of a list view's items, one a line
//   probe item <hwnd> <id> <text>      where that list item is, scrolled into view
//   probe node <hwnd> <id> <key>       where the tree node "C:\a\b" is, scrolled into view,
//                                      then its number of children and 1 when expanded
//   probe button <hwnd> <id> <command> where that toolbar button is, then 1 when checked
//   probe focus <hwnd>                 the control id of the focused control (a combo box's
//                                      edit part answers for the combo box)
//   probe size <hwnd> <width> <height> gives the window a client area of that size
//   probe show <hwnd> min|max|restore, probe close <hwnd>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Memory in the window's process, for messages whose structures must live there.
class Remote {
  public:
    Remote(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, 0, pid);
        memory_ =
            static_cast<char*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~Remote() {
        VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    LPARAM at(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(memory_ + offset); }
    template <typename T>
    void put(const T& value, SIZE_T offset = 0) {
        WriteProcessMemory(process_, memory_ + offset, &value, sizeof value, nullptr);
    }
    template <typename T>
    T get(SIZE_T offset = 0) const {
        T value{};
        ReadProcessMemory(process_, memory_ + offset, &value, sizeof value, nullptr);
        return value;
    }

  private:
    HANDLE process_;
    char* memory_;
};

HWND Handle(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(text, nullptr, 10)));
}

void Print(const std::wstring& text) {
    char utf8[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
}

void PrintRect(HWND from, RECT r) {
    MapWindowPoints(from, nullptr, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
}

HWND Control(HWND window, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM l) {
            auto* s = reinterpret_cast<Search*>(l);
            if (GetDlgCtrlID(child) == s->id) s->found = child;
            return s->found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ItemText(HWND list, int index) {
    Remote remote(list, sizeof(LVITEMW) + 1024);
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof item));
    item.cchTextMax = 500;
    remote.put(item);
    SendMessageW(list, LVM_GETITEMTEXTW, index, remote.at());
    wchar_t text[500] = {};
    for (int i = 0; i < 499 && (text[i] = remote.get<wchar_t>(sizeof item + 2 * i)); ++i) {
    }
    return text;
}

HTREEITEM FindNode(HWND tree, std::wstring key) {
    key = key.substr(3) + L"\\";  // below the drive's root, which has no node
    HTREEITEM node = TreeView_GetRoot(tree);
    Remote remote(tree, sizeof(TVITEMW) + 1024);
    for (std::size_t start = 0, end; (end = key.find(L'\\', start)) != std::wstring::npos;
         start = end + 1) {
        const std::wstring name = key.substr(start, end - start);
        for (; node; node = TreeView_GetNextSibling(tree, node)) {
            TVITEMW item{};
            item.mask = TVIF_TEXT;
            item.hItem = node;
            item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof item));
            item.cchTextMax = 500;
            remote.put(item);
            remote.put(wchar_t{0}, sizeof item);
            SendMessageW(tree, TVM_GETITEMW, 0, remote.at());
            wchar_t text[500] = {};
            for (int i = 0; i < 499 && (text[i] = remote.get<wchar_t>(sizeof item + 2 * i)); ++i) {
            }
            if (name == text) break;
        }
        if (!node) return nullptr;
        if (end + 1 < key.size()) node = TreeView_GetChild(tree, node);
    }
    return node;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    SetProcessDPIAware();  // screen pixels, as xdotool and the screenshots count them
    const std::wstring verb = argv[1];
    if (verb == L"find") {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, argv[2], argc > 3 ? argv[3] : nullptr))) {
            if (IsWindowVisible(window))
                return std::printf("%lld\n", (long long)(INT_PTR)window), 0;
        }
        return 1;
    }
    HWND window = Handle(argv[2]);
    const bool byId = argc > 3 && verb != L"size" && verb != L"show";
    HWND control = byId ? Control(window, _wtoi(argv[3])) : window;
    if (!IsWindow(window) || !control) return 1;
    RECT r{};
    if (verb == L"client") {
        GetClientRect(window, &r);
        PrintRect(window, r);
    } else if (verb == L"frame" || verb == L"control") {
        GetWindowRect(control, &r);
        PrintRect(nullptr, r);
    } else if (verb == L"state") {
        std::printf("%s %s",
                    IsIconic(window)   ? "minimized"
                    : IsZoomed(window) ? "maximized"
                                       : "normal",
                    IsWindowEnabled(window) ? "enabled" : "disabled");
    } else if (verb == L"text") {
        // Across processes only the message reads a control's text, not GetWindowText.
        std::wstring text(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        Print(text.c_str());
        return 0;
    } else if (verb == L"items") {
        for (int i = 0, n = ListView_GetItemCount(control); i < n; ++i) Print(ItemText(control, i));
        return 0;
    } else if (verb == L"item" && argc > 4) {
        int index = 0, count = ListView_GetItemCount(control);
        while (index < count && ItemText(control, index) != argv[4]) ++index;
        if (index == count) return 1;
        SendMessageW(control, LVM_ENSUREVISIBLE, index, FALSE);
        Remote remote(control, sizeof r);
        remote.put(RECT{LVIR_LABEL, 0, 0, 0});
        SendMessageW(control, LVM_GETITEMRECT, index, remote.at());
        PrintRect(control, remote.get<RECT>());
    } else if (verb == L"node" && argc > 4) {
        HTREEITEM node = FindNode(control, argv[4]);
        if (!node) return 1;
        TreeView_EnsureVisible(control, node);
        Remote remote(control, sizeof r);
        remote.put(node);
        SendMessageW(control, TVM_GETITEMRECT, TRUE, remote.at());
        PrintRect(control, remote.get<RECT>());
        int children = 0;
        for (HTREEITEM c = TreeView_GetChild(control, node); c;
             c = TreeView_GetNextSibling(control, c))
            ++children;
        std::printf(" %d %d", children,
                    (TreeView_GetItemState(control, node, TVIS_EXPANDED) & TVIS_EXPANDED) ? 1 : 0);
    } else if (verb == L"button" && argc > 4) {
        const int command = _wtoi(argv[4]);
        Remote remote(control, sizeof r);
        SendMessageW(control, TB_GETRECT, command, remote.at());
        PrintRect(control, remote.get<RECT>());
        std::printf(" %d", SendMessageW(control, TB_ISBUTTONCHECKED, command, 0) ? 1 : 0);
    } else if (verb == L"focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        HWND focus = info.hwndFocus;
        wchar_t kind[32] = {};
        GetClassNameW(GetParent(focus), kind, 32);
        if (!_wcsicmp(kind, L"ComboBox")) focus = GetParent(focus);
        std::printf("%d", GetDlgCtrlID(focus));
    } else if (verb == L"size" && argc > 4) {  // the last three print nothing
        r = {0, 0, _wtoi(argv[3]), _wtoi(argv[4])};
        AdjustWindowRectEx(&r, GetWindowLongW(window, GWL_STYLE), FALSE,
                           GetWindowLongW(window, GWL_EXSTYLE));
        SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER);
    } else if (verb == L"show") {
        const std::wstring how = argv[3];
        ShowWindow(window, how == L"min" ? SW_MINIMIZE : how == L"max" ? SW_MAXIMIZE : SW_RESTORE);
    } else if (verb == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    if (verb != L"size" && verb != L"show" && verb != L"close") std::printf("\n");
    return 0;
}
