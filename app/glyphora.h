// The main window as the program sees it: its fields, and one handler per control event.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/filesystem.h"
#include "platform/fonts.h"
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
    FolderTree& Dir1;
    FileList& File1;
    TextBox& txFontName;
    TextBox& cmbSize;
    PreviewFont& txPreview;
};

// Where the tree and the file list start, whatever drive the drive box shows.
inline constexpr char kStartFolder[] = "C:\\";

class Glyphora {
  public:
    Glyphora(GlyphoraPlatform platform, GlyphoraControls controls);

    void onLoad();
    void onUnload();

    void onDrive1Change(char driveLetter);
    void onDir1NodeClick(NodeId node);
    // True when this double click read the folder; otherwise the tree handles it as usual.
    bool onDir1DblClick();
    void onFile1Click() { preview_.onFile1Click(); }
    void onCmbSizeClick() { preview_.onCmbSizeClick(); }
    void onCmbSizeValidate() { preview_.onCmbSizeValidate(); }
    void onCmbSizeGotFocus() { preview_.onCmbSizeGotFocus(); }
    void onCmbSizeLostFocus() { preview_.onCmbSizeLostFocus(); }
    // `value` is 1 while a check button is pressed in, 0 otherwise.
    void onToolbar1ButtonClick(int image, int value);
    void install();

    const std::string& fontsFolder() const { return FontsFolder; }
    const PreviewPane& preview() const { return preview_; }

  private:
    GlyphoraPlatform platform_;
    GlyphoraControls controls_;
    std::string FontsFolder;
    PreviewPane preview_;
};

}  // namespace typelens
