// The main window's controls over their Windows counterparts.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <unordered_set>

#include "platform/controls.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {

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

// A tree view whose items carry their keys: each item's lParam points at its key, a NUL-ended
// ANSI string that the tree owns.
class TreeViewFolderTree : public FolderTree {
  public:
    explicit TreeViewFolderTree(HWND tree = nullptr) : tree_(tree) {}
    void attach(HWND tree) { tree_ = tree; }

    void clear() override;
    std::optional<NodeId> add(std::optional<NodeId> parent, const std::string& key,
                              const std::string& text, int image) override;
    int children(NodeId node) const override;
    bool expand(NodeId node) override;
    std::optional<NodeId> selected() const override;
    std::string key(NodeId node) const override;
    void beginFill() override;
    void endFill(std::optional<NodeId> parent) override;

  private:
    HWND tree_;
    std::unordered_set<std::string> keys_;  // nodes never move, so their keys' text stays put
};

// A list view whose items carry their keys the same way.
class ListViewFileList : public FileList {
  public:
    explicit ListViewFileList(HWND list = nullptr) : list_(list) {}
    void attach(HWND list) { list_ = list; }

    void clear() override;
    bool add(const std::string& key, const std::string& text, int image) override;
    std::optional<FileItem> selected() const override;
    void beginFill() override;
    void endFill() override;

  private:
    HWND list_;
    std::deque<std::string> keys_;  // a deque keeps its elements in place as it grows
};

// The font of a text box, rebuilt from its attributes whenever one of them changes.
class EditPreviewFont : public PreviewFont {
  public:
    EditPreviewFont() = default;
    // Starts `edit` in `face` at `points`, regular, with the given character set.
    void attach(HWND edit, const std::string& face, float points, BYTE charset, int dpi);

    bool setFace(const std::string& face, int charset) override;
    bool setSize(float points) override;
    bool setBold(bool bold) override;
    bool setItalic(bool italic) override;

  private:
    bool apply(const LOGFONTW& font);

    HWND edit_ = nullptr;
    int dpi_ = 96;
    LOGFONTW font_{};
    UniqueFont handle_;
};

}  // namespace typelens::win32
