// probe: reads and moves another program's windows for the end-to-end tests, one question per
// run. Windows are named by their handle in decimal; rectangles are "x y width height" on the
// screen; text comes out as UTF-8.
//   find <class> [<caption>]  a visible top-level window    client <hwnd>  its client area
//   control <hwnd> [<id>]     the window or its descendant  text <hwnd> [<id>]  its text
//   state <hwnd>              normal|maximized enabled|disabled
//   items <hwnd> <id>         a list view's item texts      item <hwnd> <id> <text> [face]
//                             the place of the item's name (or of the cell of its face)
//   entries <hwnd> <id>       a combo box's entries
//   node <hwnd> <id> <key>    where the tree node "C:\a\b" is, its children, 1 when expanded
//   button <hwnd> <id> <cmd>  where the toolbar button is, 1 when checked, 1 when enabled
//   expander <hwnd> <id> <key>  the middle of the node's expand button; fails where it has none
//   selected <hwnd> <id>      the text of a tree's or a list's selected node or item
//   focus <hwnd>              the focused control's id (a combo box's edit: the combo box's)
//   load <dll>                loads a library by its bare name; fails where it cannot
//   selection <hwnd> <id>     an edit box's selection: "start end"
//   painted <hwnd>            succeeds once no shown window of its thread, nor any control in
//                             one, waits to be drawn
//   maximize <hwnd>, close <hwnd>; items and nodes are scrolled into view
// "No" (no such window, node or item; not drawn yet) is status 3, told apart from a probe that
// Wine failed to start or that broke off.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace {

constexpr int kNo = 3;
constexpr int kBrokeOff = 4;  // the probe could not ask: started again, it may

// Memory in the window's process, for messages whose structures must live there.
class Remote {
  public:
    Remote(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, 0, pid);
        at_ =
            static_cast<char*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        if (!at_) std::exit(kBrokeOff);
    }
    ~Remote() {
        VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    LPARAM at(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(at_ + offset); }
    void put(const auto& value) { WriteProcessMemory(process_, at_, &value, sizeof value, 0); }
    template <typename T>
    T get(SIZE_T offset = 0) const {
        T value{};
        return ReadProcessMemory(process_, at_ + offset, &value, sizeof value, 0), value;
    }

  private:
    HANDLE process_;
    char* at_;
};

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
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM l) {
            auto* s = reinterpret_cast<std::pair<int, HWND>*>(l);
            if (GetDlgCtrlID(child) == s->first) s->second = child;
            return s->second ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// An item's text, through a structure (LVITEMW or TVITEMW) that the control fills in.
template <typename Item>
std::wstring TextOf(HWND control, UINT message, WPARAM w, Item item) {
    Remote remote(control, sizeof item + 1024);
    item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof item));
    item.cchTextMax = 500;
    remote.put(item);
    SendMessageW(control, message, w, remote.at());
    std::wstring text;
    for (wchar_t c;
         (c = remote.get<wchar_t>(sizeof item + 2 * text.size())) && text.size() < 500;) {
        text += c;
    }
    return text;
}

// Enumerates on while no window met waits to be drawn.
BOOL CALLBACK Drawn(HWND window, LPARAM waiting) {
    bool& found = *reinterpret_cast<bool*>(waiting);
    found = found || (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE));
    return !found;
}

HTREEITEM FindNode(HWND tree, std::wstring key) {
    key = key.substr(3) + L"\\";  // below the drive's root, which has no node
    HTREEITEM node = TreeView_GetRoot(tree);
    for (std::size_t start = 0, end; (end = key.find(L'\\', start)) != std::wstring::npos;
         start = end + 1) {
        TVITEMW item{};
        item.mask = TVIF_TEXT;
        while (node && (item.hItem = node, TextOf(tree, TVM_GETITEMW, 0, item)) !=
                           key.substr(start, end - start)) {
            node = TreeView_GetNextSibling(tree, node);
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
        for (HWND w = nullptr;
             (w = FindWindowExW(nullptr, w, argv[2], argc > 3 ? argv[3] : nullptr));) {
            if (IsWindowVisible(w)) return std::printf("%lld\n", (long long)(INT_PTR)w), 0;
        }
        return kNo;
    }
    // A library by its bare name, as a careless program loads it: the one beside the probe first.
    if (verb == L"load") return LoadLibraryW(argv[2]) ? 0 : kNo;
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[2], nullptr, 10)));
    const bool byId = argc > 3;
    HWND control = byId ? Control(window, _wtoi(argv[3])) : window;
    if (!IsWindow(window) || !control) return kNo;
    RECT r{};
    if (verb == L"client") {
        GetClientRect(window, &r);
        PrintRect(window, r);
    } else if (verb == L"control") {
        GetWindowRect(control, &r);
        PrintRect(nullptr, r);
    } else if (verb == L"state") {
        std::printf("%s %s", IsZoomed(window) ? "maximized" : "normal",
                    IsWindowEnabled(window) ? "enabled" : "disabled");
    } else if (verb == L"text") {
        // Across processes only the message reads a control's text, not GetWindowText.
        std::wstring text(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0) + 1, L'\0');
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        return Print(text.c_str()), 0;
    } else if (verb == L"entries") {
        for (LRESULT i = 0, count = SendMessageW(control, CB_GETCOUNT, 0, 0); i < count; ++i) {
            std::wstring text(SendMessageW(control, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
            SendMessageW(control, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            Print(text.c_str());
        }
        return 0;
    } else if (verb == L"items" || verb == L"item") {
        const int count = ListView_GetItemCount(control);
        int i = 0;
        for (; i < count; ++i) {
            const std::wstring text = TextOf(control, LVM_GETITEMTEXTW, i, LVITEMW{});
            if (verb == L"items")
                Print(text);
            else if (argc > 4 && text == argv[4])
                break;
        }
        if (verb == L"items") return 0;
        if (i == count) return kNo;
        SendMessageW(control, LVM_ENSUREVISIBLE, i, FALSE);
        Remote remote(control, sizeof r);
        const bool face = argc > 5 && std::wstring(argv[5]) == L"face";
        remote.put(RECT{face ? LVIR_BOUNDS : LVIR_LABEL, face ? 1 : 0, 0, 0});
        SendMessageW(control, face ? LVM_GETSUBITEMRECT : LVM_GETITEMRECT, i, remote.at());
        PrintRect(control, remote.get<RECT>());
    } else if (verb == L"node" && argc > 4) {
        HTREEITEM node = FindNode(control, argv[4]);
        if (!node) return kNo;
        TreeView_EnsureVisible(control, node);
        Remote remote(control, sizeof r);
        remote.put(node);
        SendMessageW(control, TVM_GETITEMRECT, TRUE, remote.at());
        PrintRect(control, remote.get<RECT>());
        int children = 0;
        for (HTREEITEM c = TreeView_GetChild(control, node); c;
             c = TreeView_GetNextSibling(control, c)) {
            ++children;
        }
        std::printf(" %d %d", children,
                    (TreeView_GetItemState(control, node, TVIS_EXPANDED) & TVIS_EXPANDED) ? 1 : 0);
    } else if (verb == L"button" && argc > 4) {
        Remote remote(control, sizeof r);
        SendMessageW(control, TB_GETRECT, _wtoi(argv[4]), remote.at());
        PrintRect(control, remote.get<RECT>());
        std::printf(" %d %d", SendMessageW(control, TB_ISBUTTONCHECKED, _wtoi(argv[4]), 0) ? 1 : 0,
                    SendMessageW(control, TB_ISBUTTONENABLED, _wtoi(argv[4]), 0) ? 1 : 0);
    } else if (verb == L"expander" && argc > 4) {
        HTREEITEM node = FindNode(control, argv[4]);
        if (!node) return kNo;
        Remote item(control, sizeof(TVITEMW));
        TVITEMW asked{};
        asked.mask = TVIF_HANDLE | TVIF_CHILDREN;
        asked.hItem = node;
        item.put(asked);
        SendMessageW(control, TVM_GETITEMW, 0, item.at());
        if (item.get<TVITEMW>().cChildren <= 0 && !TreeView_GetChild(control, node)) return kNo;
        TreeView_EnsureVisible(control, node);
        Remote remote(control, sizeof(TVHITTESTINFO));
        remote.put(node);
        SendMessageW(control, TVM_GETITEMRECT, TRUE, remote.at());
        const RECT text = remote.get<RECT>();
        const int y = (text.top + text.bottom) / 2;
        int first = -1, last = -1;  // where the tree says its button is
        for (int x = 0; x < text.left; ++x) {
            TVHITTESTINFO hit{};
            hit.pt = {x, y};
            remote.put(hit);
            SendMessageW(control, TVM_HITTEST, 0, remote.at());
            if (!(remote.get<TVHITTESTINFO>().flags & TVHT_ONITEMBUTTON)) continue;
            if (first < 0) first = x;
            last = x;
        }
        if (first < 0) return kNo;
        POINT at{(first + last) / 2, y};
        ClientToScreen(control, &at);
        return std::printf("%ld %ld\n", at.x, at.y), 0;
    } else if (verb == L"selected") {
        wchar_t kind[32] = {};
        GetClassNameW(control, kind, 32);
        if (!_wcsicmp(kind, WC_TREEVIEWW)) {
            TVITEMW item{};
            item.mask = TVIF_TEXT;
            item.hItem = TreeView_GetSelection(control);
            if (!item.hItem) return kNo;
            return Print(TextOf(control, TVM_GETITEMW, 0, item)), 0;
        }
        const int index = ListView_GetNextItem(control, -1, LVNI_SELECTED);
        if (index < 0) return kNo;
        return Print(TextOf(control, LVM_GETITEMTEXTW, index, LVITEMW{})), 0;
    } else if (verb == L"focus") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        wchar_t kind[32] = {};
        GetClassNameW(GetParent(info.hwndFocus), kind, 32);
        std::printf("%d", GetDlgCtrlID(_wcsicmp(kind, L"ComboBox") ? info.hwndFocus
                                                                   : GetParent(info.hwndFocus)));
    } else if (verb == L"selection") {
        const auto both = static_cast<DWORD>(SendMessageW(control, EM_GETSEL, 0, 0));
        std::printf("%u %u\n", LOWORD(both), HIWORD(both));
    } else if (verb == L"painted") {
        bool waiting = false;
        const auto each = [](HWND top, LPARAM l) -> BOOL {
            EnumChildWindows(top, Drawn, l);
            return Drawn(top, l);
        };
        EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), each,
                          reinterpret_cast<LPARAM>(&waiting));
        return waiting ? kNo : 0;
    } else if (verb == L"maximize") {
        return ShowWindow(window, SW_MAXIMIZE), 0;
    } else if (verb == L"close") {
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : kNo;
    } else {
        return 2;
    }
    std::printf("\n");
    return 0;
}
