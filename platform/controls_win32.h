// The main window's controls over their Windows counterparts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <unordered_set>
#include <vector>

#include "platform/controls.h"
#include "platform/font_rows_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {

// One button of a toolbar, by its command.
class ToolbarButton : public CommandButton {
  public:
    void attach(HWND toolbar, int command) { toolbar_ = toolbar, command_ = command; }
    void setEnabled(bool enabled) override;

  private:
    HWND toolbar_ = nullptr;
    int command_ = 0;
};

// A tree node's handle is the tree view's own item handle.
inline HTREEITEM Item(NodeId node) {
    return reinterpret_cast<HTREEITEM>(node.value);
}
inline NodeId Node(HTREEITEM item) {
    return NodeId{reinterpret_cast<std::uintptr_t>(item)};
}

// The text of any window: an edit box, or the edit part of a combo box.
class WindowText : public TextBox {
  public:
    explicit WindowText(HWND window = nullptr) : window_(window) {}
    void attach(HWND window) { window_ = window; }
    std::string text() const override;
    bool setText(const std::string& text) override;

  private:
    HWND window_;
};

// A tool tip over one control, shown while the mouse rests on it; none while its text is empty.
class ToolTipText : public TextBox {
  public:
    void attach(HWND owner, HWND tool);
    std::string text() const override { return text_; }
    bool setText(const std::string& text) override;

  private:
    TOOLINFOW toolInfo();

    HWND tip_ = nullptr, owner_ = nullptr, tool_ = nullptr;
    std::string text_;
    std::wstring shown_;  // the tip's own copy, which it reads while it shows
};

// A tree view whose items carry their keys: each item's lParam points at its key, a NUL-ended
// string that the tree owns. The nodes of a fill are inserted at its end, in name order, in one
// pass, so the tree never sorts.
class TreeViewFolderTree : public FolderTree {
  public:
    explicit TreeViewFolderTree(HWND tree = nullptr) { attach(tree); }
    void attach(HWND tree);

    void clear() override;
    bool add(std::optional<NodeId> parent, std::string key, std::string text, int image) override;
    bool hasChildren(NodeId node) const override;
    std::vector<NodeId> children(std::optional<NodeId> parent) const override;
    void remove(NodeId node) override;
    void setExpandable(NodeId node, bool expandable) override;
    bool expand(NodeId node) override;
    std::optional<NodeId> selected() const override;
    void select(std::optional<NodeId> node) override;
    std::string key(NodeId node) const override;
    void beginFill() override;
    void endFill(std::optional<NodeId> parent) override;

    // A letter typed into the tree at `time` (ms): the next node shown whose name begins with
    // what was typed lately, in any script and letter case, becomes the selected one, as
    // Explorer's tree finds names.
    void typed(wchar_t letter, DWORD time);

  private:
    struct Waiting {
        const std::string* key;
        std::wstring text;
        std::string order;
        int image;
    };
    // The new item; null when the tree refused it.
    HTREEITEM insert(HTREEITEM parent, HTREEITEM after, const std::string& key, std::wstring& text,
                     int image);
    HTREEITEM firstChild(std::optional<NodeId> parent) const;
    // Whether the node waiting comes before the item by name.
    std::wstring textOf(HTREEITEM node) const;  // empty where it cannot be read
    bool comesBefore(const Waiting& node, HTREEITEM item) const;

    HWND tree_ = nullptr;
    WNDPROC treeProc_ = nullptr;            // the tree view's own procedure, beneath any subclass
    std::unordered_set<std::string> keys_;  // nodes never move, so their keys' text stays put
    bool filling_ = false;
    std::vector<Waiting> waiting_;
    std::wstring search_;  // what was typed lately
    DWORD lastTyped_ = 0;
};

// A list view that holds no items of its own (LVS_OWNERDATA): it shows those kept here, by
// index, asking for each one's text and picture as it draws it. Two columns, the name and,
// drawn here, a line in the file's face (FontRows).
class ListViewFileList : public FileList {
  public:
    explicit ListViewFileList(HWND list = nullptr) : list_(list) {}
    void attach(HWND list) { list_ = list; }

    void clear() override;
    bool add(std::string key, std::string text, int image) override;
    std::optional<FileItem> selected() const override;
    bool select(const std::string& key) override;
    void beginFill() override;
    void endFill() override;
    // The name's column as wide as the widest name as drawn, in the list's font now, but for
    // room left for the faces; the faces' column the rest of the list's width.
    void fitColumns();
    // Rows `height` pixels high, their faces' lines `emPixels` high, at most `widest` long.
    void setRowMeasures(int height, int emPixels, int widest);
    FontRows& rows() { return rows_; }
    // Makes the list the report of two columns that shows rows; once is enough.
    void showRows();

    // The list's questions: an item's text and picture, where typing a name leads, and how a
    // row is drawn.
    void describe(NMLVDISPINFOW& item) const;
    int find(const NMLVFINDITEMW& search) const;
    LRESULT customDraw(NMLVCUSTOMDRAW& draw);
    // The row at `index` is now the selected one. It and the row selected before are drawn again
    // whole: the list redraws them from a margin in, and tells of the end of a selection only
    // as "every row".
    void selectionMovedTo(int index);

  private:
    struct Item {
        std::string key, text, order;
        int image;
    };
    int widestName() const;
    void paintName(HDC dc, RECT cell, const Item& item, bool selected, bool focused) const;

    void repaintRow(int index) const;

    HWND list_ = nullptr;
    std::vector<Item> items_;
    int selected_ = -1;
    FontRows rows_;
    UniqueImageList rowHeight_;  // a blank state picture as high as a row
};

// Wine (8) reuses a font it made for an earlier, identical request even after the file that
// brought its face has left the font table, and so draws a removed file's glyphs: two files of
// the same names from two folders, or one style after another asked for alike. It keeps the
// last 11 fonts no window uses any more. The clip precision of request number `request` differs
// from those of the 11 before it.
BYTE ClipPrecisionOf(unsigned request);

// The font of a text box, rebuilt from its attributes whenever one of them changes.
class EditPreviewFont : public PreviewFont {
  public:
    EditPreviewFont() = default;
    // Starts `edit` in `face` at `points`, without emphasis.
    void attach(HWND edit, const FaceRequest& face, float points, int dpi);

    bool setFace(const FaceRequest& face) override;
    bool setSize(float points) override;
    bool setBold(bool bold) override;
    bool setItalic(bool italic) override;
    // The same size in points at another resolution.
    void setDpi(int dpi);

  private:
    struct Attributes {
        FaceRequest face;
        float points = 0;
        bool bold = false, italic = false;
        unsigned request = 0;  // how many faces were asked for before this one
    };
    bool apply(const Attributes& next);

    HWND edit_ = nullptr;
    int dpi_ = 96;
    Attributes now_;
    UniqueFont handle_;
};

}  // namespace typelens::win32
