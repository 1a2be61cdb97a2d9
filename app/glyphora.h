// The main window as the program sees it: its fields, and one handler per control event.
//
// Design names. The program keeps the names of its design wherever they live: the main window
// Glyphora and the About window frmAbout; the controls Drive1 (drive box), Dir1 (folder tree),
// File1 (font files), Toolbar1 with cmbSize (size box) on it, txFontName (face box), txPreview
// (sample), ImageList1 and ImageList2 (pictures); the fields FontsFolder, CurrentFontFile,
// SavedSizeText and InstalledFaces; the procedures LoadFolderNodes, ListFontFiles and
// getNewFontName; Module1 (start-up: Main, InitComctl) and Module2 (SetRegistryValue, in
// install/registry_value.h).
//
// Start-up. WinMain (app/winmain_win32.cpp) calls Main (app/module1_win32.cpp), which registers
// the common controls and shows DefaultGlyphora(), the one GlyphoraWindow
// (app/glyphora_window_win32.cpp). Loading it creates the window, whose WM_CREATE makes the
// controls and gives them their fonts and pictures (applyDpi); then Glyphora::onLoad takes the
// snapshot of installed faces, finds the fonts folders and shows C:\ read once in the tree and
// the list, or the place of a path the program was handed on its command line (openPath). The
// window is shown and drawn, a thread lists the drives, and from then on the message loop turns
// the controls' messages into the handlers below.
#pragma once

#include <string>
#include <utility>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/environment.h"
#include "platform/filesystem.h"
#include "platform/fonts.h"
#include "install/install_command.h"
#include "platform/registry.h"
#include "preview/preview_pane.h"

namespace typelens {

struct GlyphoraPlatform {
    FileSystem& files;
    Environment& environment;
    Fonts& fonts;
    Registry& registry;
    Dialogs& dialogs;
};

struct GlyphoraControls {
    DrivePicker& Drive1;
    FolderTree& Dir1;
    FileList& File1;
    TextBox& txFontName;
    TextBox& txFontNameTip;
    TextBox& cmbSize;
    PreviewFont& txPreview;
    CommandButton& InstallButton;
    TextBox& lblInstalled;  // beside the buttons: where the last install went
};

// Where the tree and the file list start; the drive box shows its drive.
inline constexpr char kStartFolder[] = "C:\\";

// The selection of the tree or the list moves with the keyboard as well as with the mouse, and
// either way the folder is listed or the file previewed. One press of the mouse button is
// answered once, though it may both move the selection and click, in either order.
class ClickOnce {
  public:
    void press() { pressed_ = true, answered_ = false; }
    void release() { pressed_ = false; }
    // Whether a selection move or a click still needs its answer.
    bool answer() { return !pressed_ || !std::exchange(answered_, true); }

  private:
    bool pressed_ = false, answered_ = false;
};

class Glyphora {
  public:
    Glyphora(GlyphoraPlatform platform, GlyphoraControls controls);

    // `handed`: the full path the program was handed at its start, if any (see openPath). Where
    // there is none, or it leads nowhere, C:\ is shown.
    void onLoad(const std::string& handed = {});
    void onUnload();

    // A path handed over at the start or dropped onto the window: the drive box shows its drive,
    // the tree opens down to its folder and selects its node, the list shows the folder's fonts,
    // and a font file handed is selected and previewed, as a click does. A path that is not
    // there, or is neither a TrueType font file nor a folder, is refused in one sentence and
    // nothing changes. Returns whether the path was shown.
    bool openPath(const std::string& path);
    // F5: the folder the list shows is read again, as Explorer does it: its node's subfolders
    // and its fonts. A folder gone meanwhile gives way to the nearest one above it.
    void onRefresh();

    void onDrive1Change(char driveLetter);
    // The mouse button went down on the tree, or came up, or a key began; the selection moved
    // to `node`; a click on `node`.
    void onDir1Press(bool down) { down ? dirClick_.press() : dirClick_.release(); }
    void onDir1SelectionChange(NodeId node);
    void onDir1NodeClick(NodeId node);
    // Also Enter and the Right key. True when this read the folder; otherwise the tree handles
    // it as usual.
    bool onDir1DblClick();
    // The tree is about to expand `node` (its button, or a key): a folder not read yet is read.
    void onDir1Expanding(NodeId node);
    void onFile1Press(bool down) { down ? fileClick_.press() : fileClick_.release(); }
    void onFile1SelectionChange();
    void onFile1Click();
    // Another program added fonts to the font table, or took some out.
    void onFontsChanged() { preview_.onFontsChanged(); }
    void onCmbSizeClick() { preview_.onCmbSizeClick(); }
    void onCmbSizeValidate() { preview_.onCmbSizeValidate(); }
    void onCmbSizeGotFocus() { preview_.onCmbSizeGotFocus(); }
    void onCmbSizeLostFocus() { preview_.onCmbSizeLostFocus(); }
    // `value` is 1 while a check button is pressed in, 0 otherwise.
    void onToolbar1ButtonClick(int image, int value);
    void install();

    const PreviewPane& preview() const { return preview_; }

  private:
    void showDrive(const std::string& root);
    void previewSelected();
    // Selects a node or an item for the user, who did not move the selection.
    void choose(std::optional<NodeId> node);
    bool choose(const std::string& fileKey);

    GlyphoraPlatform platform_;
    GlyphoraControls controls_;
    FontsFolders FontsFolder;  // the machine's, and the user's own
    PreviewPane preview_;
    ClickOnce dirClick_, fileClick_;
    bool loadingNodes_ = false;  // folders are being read and their nodes expanded: a double
                                 // click, a path handed over
    bool choosing_ = false;      // the program itself is moving a selection
    std::string shownFolder_;    // the folder the list shows, "D:\a\" or "D:\"
};

}  // namespace typelens
