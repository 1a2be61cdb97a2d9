// probe: reads another process's windows for the end-to-end tests.
//
// Interactive: one command per line on stdin; each answer is zero or more lines, then ".".
// Fields are separated by tabs; windows are named by their handle in decimal.
//   wait-window <class> <seconds>     the handle of a visible top-level window of that class
//   window <hwnd>                     caption, client rect on screen, window rect, state, enabled
//   children <hwnd>                   id, class, rect relative to <hwnd>'s client area, visible
//   child <hwnd> <id>                 the handle of the descendant with that control id
//   text <hwnd>                       the window's text
//   list-items <hwnd>                 text, key, label rect on screen, selected (list views)
//   tree-items <hwnd>                 depth, text, key, expanded, children, rect on screen
//   tree-node <hwnd> <key>            the tree-items row of the node with that key
//   tree-show <hwnd> <key>            the same, once the tree has scrolled the node into view
//   count <hwnd>                      the number of items in a list view
//   toolbar <hwnd>                    id, image, checked, style, rect on screen
//   combo-items <hwnd>                the entries of a combo box, and which is selected
//   combo-entry <hwnd> <index>        where that entry of the dropped-down list is on screen
//   top-windows <hwnd>                the visible top-level windows of <hwnd>'s process: class,
//   caption focus <hwnd>                      control id of the focused window in <hwnd>'s thread,
//   and
//                                     that of its parent
//   set-client <hwnd> <w> <h>         gives a normal window that client size
//   show <hwnd> min|max|restore       changes the window state
//   close <hwnd>                      asks the window to close
//   attributes <path> <add-bits>      adds attribute bits to a file (2 hidden, 4 system)
//   lock <path>                       opens the file sharing nothing, until "unlock"
//   quit
// One-shot: "probe warm-up" starts the prefix's desktop and exits; "probe record-open <file>
// <address>" appends the address to a file, standing in for a web browser.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Memory in the target process, for messages whose buffers must live there.
class Remote {
  public:
    Remote(HWND window, std::size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ =
            OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~Remote() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool ok() const { return memory_ != nullptr; }
    char* at(std::size_t offset = 0) const { return static_cast<char*>(memory_) + offset; }
    LPARAM param(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(at(offset)); }
    void write(const void* data, std::size_t size, std::size_t offset = 0) {
        WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    void read(void* data, std::size_t size, std::size_t offset = 0) const {
        ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }
    // A NUL-ended string anywhere in the target process.
    std::string string(const void* where) const {
        std::string text;
        char chunk[64];
        for (const char* at = static_cast<const char*>(where); at; at += sizeof chunk) {
            SIZE_T got = 0;
            if (!ReadProcessMemory(process_, at, chunk, sizeof chunk, &got) || got == 0) break;
            for (SIZE_T i = 0; i < got; ++i) {
                if (!chunk[i]) return text;
                text += chunk[i];
            }
        }
        return text;
    }

  private:
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
    std::size_t size_;
};

HWND Handle(const std::string& text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::stoll(text)));
}

long long Number(HWND window) {
    return static_cast<long long>(reinterpret_cast<INT_PTR>(window));
}

std::string Rect(const RECT& r) {
    std::ostringstream s;
    s << r.left << '\t' << r.top << '\t' << (r.right - r.left) << '\t' << (r.bottom - r.top);
    return s.str();
}

RECT ToScreen(HWND window, RECT r) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TextOf(HWND window) {
    char text[4096] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return text;
}

void WaitWindow(std::istream& args) {
    std::string kind;
    double seconds = 10;
    args >> kind >> seconds;
    for (DWORD start = GetTickCount(); GetTickCount() - start < seconds * 1000; Sleep(50)) {
        HWND window = FindWindowA(kind.c_str(), nullptr);
        if (window && IsWindowVisible(window)) {
            std::cout << Number(window) << '\n';
            return;
        }
    }
}

void Window(HWND window) {
    RECT client{}, frame{};
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    const char* state = IsIconic(window) ? "minimized" : IsZoomed(window) ? "maximized" : "normal";
    std::cout << TextOf(window) << '\t' << Rect(ToScreen(window, client)) << '\t' << Rect(frame)
              << '\t' << state << '\t' << (IsWindowEnabled(window) ? "enabled" : "disabled")
              << '\n';
}

void Children(HWND window) {
    struct Walk {
        HWND top;
        static BOOL CALLBACK Each(HWND child, LPARAM self) {
            HWND top = reinterpret_cast<Walk*>(self)->top;
            char kind[64] = {};
            GetClassNameA(child, kind, sizeof kind);
            RECT r{};
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
            std::cout << GetDlgCtrlID(child) << '\t' << kind << '\t' << Rect(r) << '\t'
                      << (IsWindowVisible(child) ? 1 : 0) << '\t' << Number(child) << '\n';
            return TRUE;
        }
    } walk{window};
    EnumChildWindows(window, Walk::Each, reinterpret_cast<LPARAM>(&walk));
}

HWND Child(HWND window, int id) {
    struct Find {
        int id;
        HWND found = nullptr;
        static BOOL CALLBACK Each(HWND child, LPARAM self) {
            auto* find = reinterpret_cast<Find*>(self);
            if (GetDlgCtrlID(child) != find->id) return TRUE;
            find->found = child;
            return FALSE;
        }
    } find{id};
    EnumChildWindows(window, Find::Each, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

void ListItems(HWND list) {
    constexpr std::size_t kText = 1024;
    Remote remote(list, sizeof(LVITEMA) + kText + sizeof(RECT));
    if (!remote.ok()) return;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        item.iItem = i;
        item.stateMask = LVIS_SELECTED;
        item.pszText = remote.at(sizeof(LVITEMA));
        item.cchTextMax = kText;
        remote.write(&item, sizeof item);
        SendMessageA(list, LVM_GETITEMA, 0, remote.param());
        remote.read(&item, sizeof item);
        char text[kText] = {};
        remote.read(text, kText - 1, sizeof(LVITEMA));
        RECT r{};
        r.left = LVIR_LABEL;
        remote.write(&r, sizeof r, sizeof(LVITEMA) + kText);
        SendMessageA(list, LVM_GETITEMRECT, i, remote.param(sizeof(LVITEMA) + kText));
        remote.read(&r, sizeof r, sizeof(LVITEMA) + kText);
        std::cout << text << '\t' << remote.string(reinterpret_cast<void*>(item.lParam)) << '\t'
                  << Rect(ToScreen(list, r)) << '\t' << ((item.state & LVIS_SELECTED) ? 1 : 0)
                  << '\n';
    }
}

constexpr std::size_t kNodeText = 1024;
constexpr std::size_t kNodeMemory = sizeof(TVITEMA) + kNodeText + sizeof(RECT);

HTREEITEM Next(HWND tree, UINT which, HTREEITEM item) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree, TVM_GETNEXTITEM, which, reinterpret_cast<LPARAM>(item)));
}

// depth, text, key, expanded, number of children, rectangle on screen (zero when out of view).
void PrintNode(HWND tree, Remote& remote, HTREEITEM item, int depth) {
    TVITEMA data{};
    data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE | TVIF_HANDLE;
    data.hItem = item;
    data.stateMask = TVIS_EXPANDED;
    data.pszText = remote.at(sizeof(TVITEMA));
    data.cchTextMax = kNodeText;
    remote.write(&data, sizeof data);
    SendMessageA(tree, TVM_GETITEMA, 0, remote.param());
    remote.read(&data, sizeof data);
    char text[kNodeText] = {};
    remote.read(text, kNodeText - 1, sizeof(TVITEMA));
    RECT r{};
    std::memcpy(&r, &item, sizeof item);  // the item goes in, its rectangle comes out
    remote.write(&r, sizeof r, sizeof(TVITEMA) + kNodeText);
    const bool shown =
        SendMessageA(tree, TVM_GETITEMRECT, TRUE, remote.param(sizeof(TVITEMA) + kNodeText)) != 0;
    remote.read(&r, sizeof r, sizeof(TVITEMA) + kNodeText);
    int children = 0;
    for (HTREEITEM child = Next(tree, TVGN_CHILD, item); child;
         child = Next(tree, TVGN_NEXT, child)) {
        ++children;
    }
    std::cout << depth << '\t' << text << '\t'
              << remote.string(reinterpret_cast<void*>(data.lParam)) << '\t'
              << ((data.state & TVIS_EXPANDED) ? 1 : 0) << '\t' << children << '\t'
              << (shown ? Rect(ToScreen(tree, r)) : "0\t0\t0\t0") << '\n';
}

void TreeItems(HWND tree) {
    Remote remote(tree, kNodeMemory);
    if (!remote.ok()) return;
    struct Visit {
        HWND tree;
        Remote& remote;
        void operator()(HTREEITEM item, int depth) {
            for (; item; item = Next(tree, TVGN_NEXT, item)) {
                PrintNode(tree, remote, item, depth);
                (*this)(Next(tree, TVGN_CHILD, item), depth + 1);
            }
        }
    } visit{tree, remote};
    visit(Next(tree, TVGN_ROOT, nullptr), 0);
}

// Finds the node whose key is `key` among `item`, its later siblings and their descendants.
// Keys are paths, so only a node whose key begins the wanted one is searched below.
HTREEITEM FindNode(HWND tree, Remote& remote, HTREEITEM item, const std::string& key) {
    for (; item; item = Next(tree, TVGN_NEXT, item)) {
        TVITEMA data{};
        data.mask = TVIF_PARAM | TVIF_HANDLE;
        data.hItem = item;
        remote.write(&data, sizeof data);
        SendMessageA(tree, TVM_GETITEMA, 0, remote.param());
        remote.read(&data, sizeof data);
        const std::string here = remote.string(reinterpret_cast<void*>(data.lParam));
        if (here == key) return item;
        if (key.rfind(here + "\\", 0) != 0) continue;
        if (HTREEITEM found = FindNode(tree, remote, Next(tree, TVGN_CHILD, item), key)) {
            return found;
        }
    }
    return nullptr;
}

// The node with the key that ends the command line, or nothing.
void TreeNode(HWND tree, std::istream& args, bool show) {
    std::string key;
    std::getline(args >> std::ws, key);
    Remote remote(tree, kNodeMemory);
    if (!remote.ok()) return;
    HTREEITEM item = FindNode(tree, remote, Next(tree, TVGN_ROOT, nullptr), key);
    if (!item) return;
    if (show) SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    int depth = 0;
    for (HTREEITEM up = Next(tree, TVGN_PARENT, item); up; up = Next(tree, TVGN_PARENT, up)) {
        ++depth;
    }
    PrintNode(tree, remote, item, depth);
}

void Toolbar(HWND toolbar) {
    Remote remote(toolbar, sizeof(TBBUTTON) + sizeof(RECT));
    if (!remote.ok()) return;
    const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        SendMessageA(toolbar, TB_GETBUTTON, i, remote.param());
        remote.read(&button, sizeof button);
        RECT r{};
        SendMessageA(toolbar, TB_GETITEMRECT, i, remote.param(sizeof(TBBUTTON)));
        remote.read(&r, sizeof r, sizeof(TBBUTTON));
        const bool separator = button.fsStyle & BTNS_SEP;
        std::cout << button.idCommand << '\t' << (separator ? 0 : button.iBitmap + 1) << '\t'
                  << ((button.fsState & TBSTATE_CHECKED) ? 1 : 0) << '\t'
                  << (separator                       ? "separator"
                      : (button.fsStyle & BTNS_CHECK) ? "check"
                                                      : "button")
                  << '\t' << Rect(ToScreen(toolbar, r)) << '\n';
    }
}

void ComboItems(HWND combo) {
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    for (int i = 0; i < count; ++i) {
        // The wide form: Wine carries the ANSI one across processes cut to its first letter.
        wchar_t wide[512] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= static_cast<LRESULT>(std::size(wide))) {
            continue;
        }
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        std::cout << text << '\t' << (i == selected ? 1 : 0) << '\n';
    }
}

void ComboEntry(HWND combo, int index) {
    Remote remote(combo, sizeof(COMBOBOXINFO));
    if (!remote.ok()) return;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    remote.write(&info, sizeof info);
    SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, remote.param());
    remote.read(&info, sizeof info);
    if (!info.hwndList || !IsWindowVisible(info.hwndList)) return;
    // List box and combo box messages are carried across processes by the system itself.
    RECT r{};
    SendMessageA(info.hwndList, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    std::cout << Rect(ToScreen(info.hwndList, r)) << '\n';
}

void TopWindows(HWND window) {
    struct Walk {
        DWORD pid;
        static BOOL CALLBACK Each(HWND top, LPARAM self) {
            DWORD pid = 0;
            GetWindowThreadProcessId(top, &pid);
            if (pid != reinterpret_cast<Walk*>(self)->pid || !IsWindowVisible(top)) return TRUE;
            char kind[64] = {};
            GetClassNameA(top, kind, sizeof kind);
            std::cout << kind << '\t' << TextOf(top) << '\t' << Number(top) << '\n';
            return TRUE;
        }
    } walk{};
    GetWindowThreadProcessId(window, &walk.pid);
    EnumWindows(Walk::Each, reinterpret_cast<LPARAM>(&walk));
}

void Focus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus)
        return;
    std::cout << GetDlgCtrlID(info.hwndFocus) << '\t' << GetDlgCtrlID(GetParent(info.hwndFocus))
              << '\n';
}

void SetClient(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

using Handler = void (*)(HWND window, std::istream& args);

// The commands that name a window first.
const std::map<std::string, Handler>& WindowCommands() {
    static const std::map<std::string, Handler> commands = {
        {"window", [](HWND w, std::istream&) { Window(w); }},
        {"children", [](HWND w, std::istream&) { Children(w); }},
        {"child",
         [](HWND w, std::istream& args) {
             int id = 0;
             args >> id;
             if (HWND found = Child(w, id)) std::cout << Number(found) << '\n';
         }},
        {"text", [](HWND w, std::istream&) { std::cout << TextOf(w) << '\n'; }},
        {"list-items", [](HWND w, std::istream&) { ListItems(w); }},
        {"tree-items", [](HWND w, std::istream&) { TreeItems(w); }},
        {"toolbar", [](HWND w, std::istream&) { Toolbar(w); }},
        {"tree-node", [](HWND w, std::istream& args) { TreeNode(w, args, false); }},
        {"tree-show", [](HWND w, std::istream& args) { TreeNode(w, args, true); }},
        {"count",
         [](HWND w, std::istream&) {
             std::cout << SendMessageA(w, LVM_GETITEMCOUNT, 0, 0) << '\n';
         }},
        {"combo-items", [](HWND w, std::istream&) { ComboItems(w); }},
        {"combo-entry",
         [](HWND w, std::istream& args) {
             int index = 0;
             args >> index;
             ComboEntry(w, index);
         }},
        {"focus", [](HWND w, std::istream&) { Focus(w); }},
        {"top-windows", [](HWND w, std::istream&) { TopWindows(w); }},
        {"set-client",
         [](HWND w, std::istream& args) {
             int width = 0, height = 0;
             args >> width >> height;
             SetClient(w, width, height);
         }},
        {"show",
         [](HWND w, std::istream& args) {
             std::string how;
             args >> how;
             const int show = how == "min" ? SW_MINIMIZE : how == "max" ? SW_MAXIMIZE : SW_RESTORE;
             ShowWindowAsync(w, show);
         }},
        {"close", [](HWND w, std::istream&) { PostMessageA(w, WM_CLOSE, 0, 0); }},
    };
    return commands;
}

// The file that "lock" holds open.
HANDLE& Locked() {
    static HANDLE file = INVALID_HANDLE_VALUE;
    return file;
}

bool Command(const std::string& line) {
    std::istringstream args(line);
    std::string verb;
    args >> verb;
    if (verb == "quit") return false;
    if (verb == "wait-window") {
        WaitWindow(args);
    } else if (verb == "attributes") {
        std::string path;
        DWORD add = 0;
        args >> std::quoted(path) >> add;
        const DWORD now = GetFileAttributesA(path.c_str());
        if (now != INVALID_FILE_ATTRIBUTES && SetFileAttributesA(path.c_str(), now | add)) {
            std::cout << "ok\n";
        }
    } else if (verb == "lock") {
        std::string path;
        args >> std::quoted(path);
        Locked() = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (Locked() != INVALID_HANDLE_VALUE) std::cout << "ok\n";
    } else if (verb == "unlock") {
        if (Locked() != INVALID_HANDLE_VALUE) CloseHandle(Locked());
        Locked() = INVALID_HANDLE_VALUE;
    } else if (const auto command = WindowCommands().find(verb);
               command != WindowCommands().end()) {
        std::string target;
        args >> target;
        command->second(target.empty() ? nullptr : Handle(target), args);
    } else {
        std::cout << "error: unknown command " << verb << '\n';
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "warm-up") {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      nullptr, nullptr);
        DestroyWindow(window);
        return 0;
    }
    if (argc >= 4 && std::string(argv[1]) == "record-open") {
        if (FILE* log = std::fopen(argv[2], "ab")) {
            std::fprintf(log, "%s\n", argv[3]);
            std::fclose(log);
        }
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool more = Command(line);
        std::cout << ".\n" << std::flush;
        if (!more) break;
    }
    return 0;
}
