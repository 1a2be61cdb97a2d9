// The main window's controls and the window system, as the program logic sees them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/fonts.h"

namespace typelens {

// A text box, or the edit part of a combo box.
class TextBox {
  public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
    virtual bool setText(const std::string& text) = 0;
};

// A node of the folder tree; the value means nothing outside the tree that made it.
struct NodeId {
    std::uintptr_t value = 0;
    friend bool operator==(NodeId, NodeId) = default;
};

// `Drive1`: the drives, one of them chosen.
class DrivePicker {
  public:
    virtual ~DrivePicker() = default;
    // Shows the drive `letter` ('D') as the chosen one, adding it where it is not listed yet.
    virtual void show(char letter) = 0;
};

// `Dir1`: folders, each node keyed by its full path.
class FolderTree {
  public:
    virtual ~FolderTree() = default;
    virtual void clear() = 0;
    // Appends a node at the top level (no parent) or as the last child of `parent`; false when
    // the key is already in the tree. A new node shows the button that expands it.
    virtual bool add(std::optional<NodeId> parent, std::string key, std::string text,
                     int image) = 0;
    virtual bool hasChildren(NodeId node) const = 0;
    // The nodes under `parent` (the top level when none), in the order shown.
    virtual std::vector<NodeId> children(std::optional<NodeId> parent) const = 0;
    // Takes the node out, and every node under it.
    virtual void remove(NodeId node) = 0;
    // Whether the node shows the button that expands it, when it has no children.
    virtual void setExpandable(NodeId node, bool expandable) = 0;
    virtual bool expand(NodeId node) = 0;
    virtual std::optional<NodeId> selected() const = 0;
    // Makes the node the selected one, scrolled into view; none: no node is selected.
    virtual void select(std::optional<NodeId> node) = 0;
    virtual std::string key(NodeId node) const = 0;
    // Brackets a fill: drawing stops at the start; the nodes added meanwhile come in order by
    // name among those under `parent` (the top level when none), and drawing resumes at the end.
    virtual void beginFill() = 0;
    virtual void endFill(std::optional<NodeId> parent) = 0;
};

struct FileItem {
    std::string key;   // full path
    std::string text;  // bare file name
};

// `File1`: the font files of one folder.
class FileList {
  public:
    virtual ~FileList() = default;
    virtual void clear() = 0;
    virtual bool add(std::string key, std::string text, int image) = 0;
    virtual std::optional<FileItem> selected() const = 0;
    // Makes the item keyed `key` the selected one, scrolled into view; false when there is none.
    virtual bool select(const std::string& key) = 0;
    // Brackets a fill, as for the folder tree.
    virtual void beginFill() = 0;
    virtual void endFill() = 0;
};

// One face to draw in: its family, at the weight and slant of that face, in a character set it
// offers. The font mapper then picks that very face, not another style emboldened or slanted.
struct FaceRequest {
    std::string family;
    int charset = kDefaultCharset;
    int weight = kNormalWeight;
    bool italic = false;
    friend bool operator==(const FaceRequest&, const FaceRequest&) = default;
};

// The font of `txPreview`. Each setter keeps the other attributes; false when refused.
class PreviewFont {
  public:
    virtual ~PreviewFont() = default;
    virtual bool setFace(const FaceRequest& face) = 0;
    virtual bool setSize(float points) = 0;
    // The toolbar's emphasis, on top of the face's own weight and slant.
    virtual bool setBold(bool bold) = 0;
    virtual bool setItalic(bool italic) = 0;
};

// A command button of the toolbar.
class CommandButton {
  public:
    virtual ~CommandButton() = default;
    // A disabled button is shown greyed and takes no clicks.
    virtual void setEnabled(bool enabled) = 0;
};

}  // namespace typelens
