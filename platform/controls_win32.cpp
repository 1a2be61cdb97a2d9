#include "platform/controls_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <tuple>

#include "platform/ansi_win32.h"
#include "platform/screen_win32.h"
#include "platform/window_font_win32.h"
#include "platform/name_order_win32.h"

namespace typelens::win32 {
namespace {

// Names are shown in the order Windows lists them; names that only the letter case tells apart
// (a case-sensitive drive may hold both) as spelled.
template <typename T>
void SortByName(std::vector<T>& entries) {
    const auto before = [](const T& a, const T& b) {
        return std::tie(a.order, a.text) < std::tie(b.order, b.text);
    };
    // A listing often comes in this order already.
    if (!std::is_sorted(entries.begin(), entries.end(), before))
        std::sort(entries.begin(), entries.end(), before);
}

void SetRedraw(HWND window, bool on) {
    SendMessageW(window, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

void ToolbarButton::setEnabled(bool enabled) {
    SendMessageW(toolbar_, TB_ENABLEBUTTON, command_, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

std::string WindowText::text() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window_, text.data(), length + 1);
    return Narrow(text.c_str());
}

bool WindowText::setText(const std::string& text) {
    return SetWindowTextW(window_, Widen(text).c_str()) != FALSE;
}

void TreeViewFolderTree::attach(HWND tree) {
    tree_ = tree;
    treeProc_ = tree ? reinterpret_cast<WNDPROC>(GetClassLongPtrW(tree, GCLP_WNDPROC)) : nullptr;
}

void TreeViewFolderTree::clear() {
    TreeView_DeleteAllItems(tree_);
    keys_.clear();
    waiting_.clear();
}

bool TreeViewFolderTree::add(std::optional<NodeId> parent, std::string key, std::string text,
                             int image) {
    const auto [stored, fresh] = keys_.insert(std::move(key));
    if (!fresh) return false;
    std::wstring wide = Widen(text);
    if (!filling_) return insert(parent ? Item(*parent) : TVI_ROOT, TVI_LAST, *stored, wide, image);
    std::string order = SortKey(wide);
    waiting_.push_back({&*stored, std::move(wide), std::move(order), image});
    return true;
}

HTREEITEM TreeViewFolderTree::insert(HTREEITEM parent, HTREEITEM after, const std::string& key,
                                     std::wstring& wide, int image) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.cChildren = 1;  // not read yet: it may hold folders
    insert.item.pszText = wide.data();
    insert.item.iImage = image - 1;  // pictures count from 1, the image list from 0
    insert.item.iSelectedImage = image - 1;
    insert.item.lParam = reinterpret_cast<LPARAM>(key.c_str());
    // Straight to the tree view: a message sent takes Wine's whole way through the program's
    // subclass, which has nothing to do with inserting (2,000 folders: 1.8 ms against 1.1).
    const LPARAM asked = reinterpret_cast<LPARAM>(&insert);
    const auto item =
        reinterpret_cast<HTREEITEM>(CallWindowProcW(treeProc_, tree_, TVM_INSERTITEMW, 0, asked));
    if (!item) keys_.erase(keys_.find(key));  // `key` is the stored one: found first, then let go
    return item;
}

bool TreeViewFolderTree::hasChildren(NodeId node) const {
    return TreeView_GetChild(tree_, Item(node)) != nullptr;
}

HTREEITEM TreeViewFolderTree::firstChild(std::optional<NodeId> parent) const {
    return parent ? TreeView_GetChild(tree_, Item(*parent)) : TreeView_GetRoot(tree_);
}

std::vector<NodeId> TreeViewFolderTree::children(std::optional<NodeId> parent) const {
    std::vector<NodeId> nodes;
    for (HTREEITEM item = firstChild(parent); item; item = TreeView_GetNextSibling(tree_, item))
        nodes.push_back(Node(item));
    return nodes;
}

// The keys of the node and of every node under it go with them.
void TreeViewFolderTree::remove(NodeId node) {
    std::vector<std::string> gone;
    std::vector<NodeId> waiting{node};
    while (!waiting.empty()) {
        const NodeId next = waiting.back();
        waiting.pop_back();
        gone.push_back(key(next));
        for (const NodeId child : children(next)) waiting.push_back(child);
    }
    TreeView_DeleteItem(tree_, Item(node));
    for (const std::string& key : gone) keys_.erase(key);
}

void TreeViewFolderTree::setExpandable(NodeId node, bool expandable) {
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_CHILDREN;
    item.hItem = Item(node);
    item.cChildren = expandable ? 1 : 0;
    SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

bool TreeViewFolderTree::expand(NodeId node) {
    return TreeView_Expand(tree_, Item(node), TVE_EXPAND) != FALSE;
}

std::optional<NodeId> TreeViewFolderTree::selected() const {
    const HTREEITEM item = TreeView_GetSelection(tree_);
    if (!item) return std::nullopt;
    return Node(item);
}

void TreeViewFolderTree::select(std::optional<NodeId> node) {
    TreeView_SelectItem(tree_, node ? Item(*node) : nullptr);
    if (node) TreeView_EnsureVisible(tree_, Item(*node));
}

std::string TreeViewFolderTree::key(NodeId node) const {
    TVITEMW item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = Item(node);
    if (!SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) || !item.lParam) {
        return {};
    }
    return reinterpret_cast<const char*>(item.lParam);
}

void TreeViewFolderTree::beginFill() {
    SetRedraw(tree_, false);
    filling_ = true;
}

// Nodes there already (a folder read again) keep their places, and each new one goes after the
// last one before it by name. Those that come after every other are appended, as all are in a
// level filled for the first time: Wine's tree finds any other place by walking the level from
// its first node, once for each node inserted.
void TreeViewFolderTree::endFill(std::optional<NodeId> parent) {
    filling_ = false;
    SortByName(waiting_);
    const HTREEITEM under = parent ? Item(*parent) : TVI_ROOT;
    HTREEITEM after = TVI_FIRST, next = waiting_.empty() ? nullptr : firstChild(parent);
    for (Waiting& node : waiting_) {
        for (; next && !comesBefore(node, next); next = TreeView_GetNextSibling(tree_, next))
            after = next;
        const HTREEITEM added =
            insert(under, next ? after : TVI_LAST, *node.key, node.text, node.image);
        if (added) after = added;
    }
    waiting_.clear();
    SetRedraw(tree_, true);
}

std::wstring TreeViewFolderTree::textOf(HTREEITEM node) const {
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    return TreeView_GetItem(tree_, &item) ? std::wstring(text) : std::wstring();
}

bool TreeViewFolderTree::comesBefore(const Waiting& node, HTREEITEM item) const {
    const std::wstring name = textOf(item);
    const std::string order = SortKey(name);
    return std::tie(node.order, node.text) < std::tie(order, name);
}

// Letters typed within a second of each other make one name; a letter typed again and again
// steps through the names that begin with it. Wine's own search finds ASCII letters alone.
void TreeViewFolderTree::typed(wchar_t letter, DWORD time) {
    constexpr DWORD kPause = 1000;  // milliseconds after which typing starts a new name
    search_ = time - lastTyped_ > kPause ? std::wstring() : search_;
    lastTyped_ = time;
    search_ += letter;
    const bool repeated = search_.find_first_not_of(letter) == std::wstring::npos;
    const std::wstring wanted = repeated ? std::wstring(1, letter) : search_;
    const HTREEITEM selected = TreeView_GetSelection(tree_);
    // A name typed on may still be the selected node's; a single letter moves on from it.
    HTREEITEM node = !selected  ? nullptr
                     : repeated ? TreeView_GetNextVisible(tree_, selected)
                                : selected;
    for (int seen = 0; seen < 2;) {
        if (!node) {
            node = TreeView_GetRoot(tree_), ++seen;
            if (!node) return;
        }
        if (BeginsWith(textOf(node), wanted)) {
            if (node != selected) TreeView_SelectItem(tree_, node);
            return;
        }
        node = TreeView_GetNextVisible(tree_, node);
        if (node == selected) return;
    }
}

TOOLINFOW ToolTipText::toolInfo() {
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(tool_);
    info.lpszText = shown_.data();
    return info;
}

void ToolTipText::attach(HWND owner, HWND tool) {
    owner_ = owner, tool_ = tool;
}

// The tip's window is made when there is first something to say: a window more at start-up costs
// the start's time, and most starts preview nothing.
bool ToolTipText::setText(const std::string& text) {
    if (!owner_) return false;
    text_ = text;
    shown_ = Widen(text);
    TOOLINFOW info = toolInfo();
    if (!tip_ && !text.empty()) {
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
        // Lines of their own, and time enough to read them.
        SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 600);
        SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
    }
    if (tip_) SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

// The list takes its two columns when it first has rows: made as a report, it makes a header
// too, which an empty list at start-up (C:\ holds no fonts, as a rule) would pay for at every
// start.
void ListViewFileList::showRows() {
    if (ListView_GetView(list_) == LV_VIEW_DETAILS) return;
    ListView_SetView(list_, LV_VIEW_DETAILS);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    ListView_InsertColumn(list_, 0, &column);
    ListView_InsertColumn(list_, 1, &column);
    // A click anywhere on a row is a click on its file.
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
}

void ListViewFileList::clear() {
    ListView_DeleteAllItems(list_);  // the selection goes with the items
    items_.clear();
    selected_ = -1;
}

bool ListViewFileList::add(std::string key, std::string text, int image) {
    std::string order = SortKey(Widen(text));
    items_.push_back({std::move(key), std::move(text), std::move(order), image});
    return true;
}

bool ListViewFileList::select(const std::string& key) {
    const auto found = std::find_if(items_.begin(), items_.end(),
                                    [&](const Item& item) { return item.key == key; });
    if (found == items_.end()) return false;
    const int index = static_cast<int>(found - items_.begin());
    ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, index, FALSE);
    return true;
}

std::optional<FileItem> ListViewFileList::selected() const {
    const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return std::nullopt;
    return FileItem{items_[index].key, items_[index].text};
}

void ListViewFileList::beginFill() {
    SetRedraw(list_, false);
}

// The list learns only the number of items; the rows' faces are drawn as they come into view,
// from the files as they are now.
void ListViewFileList::endFill() {
    SortByName(items_);
    rows_.forget();
    if (!items_.empty()) showRows();
    ListView_SetItemCountEx(list_, static_cast<int>(items_.size()), LVSICF_NOSCROLL);
    fitColumns();
    SetRedraw(list_, true);
}

void ListViewFileList::fitColumns() {
    if (items_.empty()) return;  // no name to measure: the columns wait for the next fill
    RECT client{};
    GetClientRect(list_, &client);
    int icon = 0, unused = 0;
    ImageList_GetIconSize(ListView_GetImageList(list_, LVSIL_SMALL), &icon, &unused);
    const int padding = 2 * GetSystemMetricsForDpi(SM_CXEDGE, DpiOf(list_)) + 12;
    // The faces keep at least two fifths of the width; a longer name ends in an ellipsis.
    const int names =
        std::min(widestName() + icon + padding, static_cast<int>(client.right) * 3 / 5);
    const int faces = std::max(0, static_cast<int>(client.right) - names);
    if (names == ListView_GetColumnWidth(list_, 0) && faces == ListView_GetColumnWidth(list_, 1))
        return;
    ListView_SetColumnWidth(list_, 0, names);
    ListView_SetColumnWidth(list_, 1, faces);
    // Every cell moved, and the list repaints only some of them.
    InvalidateRect(list_, nullptr, FALSE);
}

void ListViewFileList::setRowMeasures(int height, int emPixels, int widest) {
    // A list view makes its rows as high as its highest picture: a blank state picture a pixel
    // wide does it, and takes no room from the name.
    UniqueImageList rowHeight(ImageList_Create(1, height, ILC_COLOR32, 1, 0));
    ListView_SetImageList(list_, rowHeight.get(), LVSIL_STATE);
    rowHeight_ = std::move(rowHeight);
    rows_.setMeasures(height, emPixels, widest);
}

// A name in ASCII is as wide as its letters' advances, which the font tells once for all; any
// other name is measured as drawn (its letters may come from another font).
int ListViewFileList::widestName() const {
    const WindowDC dc(list_);
    const SelectedObject font(dc.get(),
                              reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)));
    INT advances[128] = {};
    GetCharWidth32W(dc.get(), 0, 127, advances);
    int widest = 0;
    for (const Item& item : items_) {
        int width = 0;
        for (const char c : item.text) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                const std::wstring text = Widen(item.text);
                SIZE size{};
                GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
                width = size.cx;
                break;
            }
            width += advances[static_cast<unsigned char>(c)];
        }
        widest = std::max(widest, width);
    }
    return widest;
}

void ListViewFileList::describe(NMLVDISPINFOW& shown) const {
    LVITEMW& asked = shown.item;
    if (asked.iItem < 0 || static_cast<std::size_t>(asked.iItem) >= items_.size()) return;
    const Item& item = items_[asked.iItem];
    if ((asked.mask & LVIF_TEXT) && asked.pszText && asked.cchTextMax > 0) {
        const int length =
            MultiByteToWideChar(CP_ACP, 0, item.text.c_str(), -1, asked.pszText, asked.cchTextMax);
        if (length == 0) asked.pszText[asked.cchTextMax - 1] = L'\0';  // cut short
    }
    if (asked.iSubItem > 0) {  // the face's column, drawn by customDraw
        if ((asked.mask & LVIF_TEXT) && asked.pszText && asked.cchTextMax > 0)
            asked.pszText[0] = L'\0';
        return;
    }
    if (asked.mask & LVIF_IMAGE) asked.iImage = item.image - 1;
}

// The first item from `start` on (round to the start again) whose name begins with what was
// typed, in any letter case.
int ListViewFileList::find(const NMLVFINDITEMW& search) const {
    if (!(search.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || !search.lvfi.psz) return -1;
    const std::wstring typed = search.lvfi.psz;
    const std::size_t count = items_.size();
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = (static_cast<std::size_t>(std::max(search.iStart, 0)) + step) % count;
        if (BeginsWith(Widen(items_[i].text), typed)) return static_cast<int>(i);
    }
    return -1;
}

// The picture and the name in the middle of the row's height, which the list would draw at its
// top: the rows are as high as their faces' lines make them.
void ListViewFileList::paintName(HDC dc, RECT cell, const Item& item, bool selected,
                                 bool focused) const {
    // The first column's cell is reported as the whole row.
    cell.right = cell.left + ListView_GetColumnWidth(list_, 0);
    FillRect(
        dc, &cell,
        GetSysColorBrush(selected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW));
    const HIMAGELIST pictures = ListView_GetImageList(list_, LVSIL_SMALL);
    int size = 0, unused = 0;
    ImageList_GetIconSize(pictures, &size, &unused);
    const int gap = 2 * GetSystemMetricsForDpi(SM_CXEDGE, DpiOf(list_));
    ImageList_Draw(pictures, item.image - 1, dc, cell.left + gap,
                   cell.top + (cell.bottom - cell.top - size) / 2, ILD_TRANSPARENT);
    RECT text = cell;
    text.left += 2 * gap + size;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring name = Widen(item.text);
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// Both columns drawn here, as the list draws selected rows, the face's from its file.
LRESULT ListViewFileList::customDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const auto index = static_cast<int>(draw.nmcd.dwItemSpec);
            if (index < 0 || static_cast<std::size_t>(index) >= items_.size())
                return CDRF_DODEFAULT;
            RECT cell{};
            ListView_GetSubItemRect(list_, index, draw.iSubItem, LVIR_BOUNDS, &cell);
            const bool selected = ListView_GetItemState(list_, index, LVIS_SELECTED) != 0;
            const bool focused = GetFocus() == list_;
            if (draw.iSubItem == 0) {
                paintName(draw.nmcd.hdc, cell, items_[index], selected, focused);
            } else {
                rows_.paint(draw.nmcd.hdc, cell, items_[index].key, selected, focused);
            }
            return CDRF_SKIPDEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

void ListViewFileList::selectionMovedTo(int index) {
    repaintRow(selected_);
    repaintRow(index);
    selected_ = index;
}

void ListViewFileList::repaintRow(int index) const {
    RECT row{};
    if (index < 0 || !ListView_GetItemRect(list_, index, &row, LVIR_BOUNDS)) return;
    row.left = 0;
    InvalidateRect(list_, &row, FALSE);
}

// Each new face is asked for in a way unlike the requests for the 11 faces before it: by clip
// precisions that change nothing in how unrotated text is drawn, twelve of them, taken in turn.
BYTE ClipPrecisionOf(unsigned request) {
    constexpr BYTE kPrecisions[] = {CLIP_DEFAULT_PRECIS, CLIP_CHARACTER_PRECIS, CLIP_STROKE_PRECIS};
    constexpr BYTE kFlags[] = {0, CLIP_LH_ANGLES, CLIP_TT_ALWAYS, CLIP_LH_ANGLES | CLIP_TT_ALWAYS};
    return kPrecisions[request % 3] | kFlags[request / 3 % 4];
}

void EditPreviewFont::attach(HWND edit, const FaceRequest& face, float points, int dpi) {
    edit_ = edit;
    dpi_ = dpi;
    now_ = {face, 0, false, false, 0};
    setSize(points);
}

void EditPreviewFont::setDpi(int dpi) {
    if (dpi == dpi_ && handle_) return;  // the box has its font at this resolution
    const int before = dpi_;
    dpi_ = dpi;
    if (!apply(now_)) dpi_ = before;
}

bool EditPreviewFont::setFace(const FaceRequest& face) {
    if (Widen(face.family).size() >= LF_FACESIZE) return false;
    Attributes next = now_;
    next.face = face;
    ++next.request;
    return apply(next);
}

bool EditPreviewFont::setSize(float points) {
    Attributes next = now_;
    next.points = points;
    return apply(next);
}

bool EditPreviewFont::setBold(bool bold) {
    Attributes next = now_;
    next.bold = bold;
    return apply(next);
}

bool EditPreviewFont::setItalic(bool italic) {
    Attributes next = now_;
    next.italic = italic;
    return apply(next);
}

// The face at its own weight and slant; bold asks for at least the bold weight, italic for a
// slant, so a face that is bold or italic already stays as it is.
bool EditPreviewFont::apply(const Attributes& next) {
    LOGFONTW font{};
    font.lfHeight = std::min<LONG>(FontHeight(next.points, dpi_), -1);  // 0: the default size
    font.lfWeight = next.bold ? std::max(next.face.weight, kBoldWeight) : next.face.weight;
    font.lfItalic = next.italic || next.face.italic ? TRUE : FALSE;
    font.lfCharSet = static_cast<BYTE>(next.face.charset);
    font.lfClipPrecision = ClipPrecisionOf(next.request);
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, Widen(next.face.family).c_str(), LF_FACESIZE);
    UniqueFont handle(CreateFontIndirectW(&font));
    if (!handle) return false;
    // The box lets go of the old font before the old font is deleted.
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(handle.get()), TRUE);
    handle_ = std::move(handle);
    now_ = next;
    return true;
}

}  // namespace typelens::win32
