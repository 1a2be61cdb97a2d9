#include "platform/controls_win32.h"

#include <commctrl.h>

#include <climits>
#include <cmath>
#include <cstring>

#include "platform/ansi_win32.h"

namespace typelens::win32 {
namespace {

// Items sort by the name at the end of their keys (a folder's key is its parent's path plus its
// name), compared as Windows users expect: without regard to letter case.
int CALLBACK CompareKeyNames(LPARAM a, LPARAM b, LPARAM) {
    const auto name = [](LPARAM key) {
        const char* text = reinterpret_cast<const char*>(key);
        const char* slash = std::strrchr(text, '\\');
        return slash ? slash + 1 : text;
    };
    return lstrcmpiA(name(a), name(b));
}

HTREEITEM Item(NodeId node) {
    return reinterpret_cast<HTREEITEM>(node.value);
}

NodeId Node(HTREEITEM item) {
    return NodeId{reinterpret_cast<std::uintptr_t>(item)};
}

void SetRedraw(HWND window, bool on) {
    SendMessageW(window, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

std::string WindowText::text() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window_, text.data(), length + 1);
    return Narrow(text.c_str());
}

bool WindowText::setText(const std::string& text) {
    return SetWindowTextW(window_, Widen(text).c_str()) != FALSE;
}

void TreeViewFolderTree::clear() {
    TreeView_DeleteAllItems(tree_);
    keys_.clear();
}

std::optional<NodeId> TreeViewFolderTree::add(std::optional<NodeId> parent, const std::string& key,
                                              const std::string& text, int image) {
    const auto [stored, fresh] = keys_.insert(key);
    if (!fresh) return std::nullopt;
    std::wstring wide = Widen(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent ? Item(*parent) : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = wide.data();
    insert.item.iImage = image - 1;  // pictures count from 1, the image list from 0
    insert.item.iSelectedImage = image - 1;
    insert.item.lParam = reinterpret_cast<LPARAM>(stored->c_str());
    const auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item) {
        keys_.erase(stored);
        return std::nullopt;
    }
    return Node(item);
}

int TreeViewFolderTree::children(NodeId node) const {
    int count = 0;
    for (HTREEITEM child = TreeView_GetChild(tree_, Item(node)); child;
         child = TreeView_GetNextSibling(tree_, child)) {
        ++count;
    }
    return count;
}

bool TreeViewFolderTree::expand(NodeId node) {
    return TreeView_Expand(tree_, Item(node), TVE_EXPAND) != FALSE;
}

std::optional<NodeId> TreeViewFolderTree::selected() const {
    const HTREEITEM item = TreeView_GetSelection(tree_);
    if (!item) return std::nullopt;
    return Node(item);
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
}

void TreeViewFolderTree::endFill(std::optional<NodeId> parent) {
    TVSORTCB sort{};
    sort.hParent = parent ? Item(*parent) : TVI_ROOT;
    sort.lpfnCompare = CompareKeyNames;
    TreeView_SortChildrenCB(tree_, &sort, FALSE);
    SetRedraw(tree_, true);
}

void ListViewFileList::clear() {
    ListView_DeleteAllItems(list_);
    keys_.clear();
}

bool ListViewFileList::add(const std::string& key, const std::string& text, int image) {
    keys_.push_back(key);
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = INT_MAX;  // at the end
    item.pszText = wide.data();
    item.iImage = image - 1;
    item.lParam = reinterpret_cast<LPARAM>(keys_.back().c_str());
    if (SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) < 0) {
        keys_.pop_back();
        return false;
    }
    return true;
}

std::optional<FileItem> ListViewFileList::selected() const {
    const int index = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    if (index < 0) return std::nullopt;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageW(list_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) || !item.lParam) {
        return std::nullopt;
    }
    // The text is the key's last part: the list keeps no other spelling of it.
    const std::string key = reinterpret_cast<const char*>(item.lParam);
    return FileItem{key, key.substr(key.find_last_of('\\') + 1)};
}

void ListViewFileList::beginFill() {
    SetRedraw(list_, false);
}

void ListViewFileList::endFill() {
    ListView_SortItems(list_, CompareKeyNames, 0);
    SetRedraw(list_, true);
}

void EditPreviewFont::attach(HWND edit, const std::string& face, float points, BYTE charset,
                             int dpi) {
    edit_ = edit;
    dpi_ = dpi;
    LOGFONTW font{};
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = charset;
    font.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(font.lfFaceName, Widen(face).c_str(), LF_FACESIZE);
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi_ / 72.0));
    apply(font);
}

bool EditPreviewFont::setFace(const std::string& face, int charset) {
    const std::wstring wide = Widen(face);
    if (wide.size() >= LF_FACESIZE) return false;
    LOGFONTW font = font_;
    lstrcpynW(font.lfFaceName, wide.c_str(), LF_FACESIZE);
    font.lfCharSet = static_cast<BYTE>(charset);
    return apply(font);
}

bool EditPreviewFont::setSize(float points) {
    const long pixels = std::lround(points * dpi_ / 72.0);
    LOGFONTW font = font_;
    font.lfHeight = -(pixels < 1 ? 1 : pixels);  // 0 would ask for the default size
    return apply(font);
}

bool EditPreviewFont::setBold(bool bold) {
    LOGFONTW font = font_;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    return apply(font);
}

bool EditPreviewFont::setItalic(bool italic) {
    LOGFONTW font = font_;
    font.lfItalic = italic ? TRUE : FALSE;
    return apply(font);
}

bool EditPreviewFont::apply(const LOGFONTW& font) {
    UniqueFont handle(CreateFontIndirectW(&font));
    if (!handle) return false;
    // The box lets go of the old font before the old font is deleted.
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(handle.get()), TRUE);
    handle_ = std::move(handle);
    font_ = font;
    return true;
}

}  // namespace typelens::win32
