// The preview pane: a click in the file list shows the clicked file's face without installing
// it; the size box and the bold and italic buttons style the sample text.
#pragma once

#include <optional>
#include <string>

#include "platform/controls.h"
#include "platform/environment.h"
#include "platform/filesystem.h"
#include "platform/fonts.h"
#include "preview/file_face.h"
#include "preview/keyed_texts.h"

namespace typelens {

// Sizes outside (0, kMaxPreviewPoints] leave the preview as it was. The box could draw larger,
// but past this size a single letter no longer fits on any screen and only the drawing cost
// grows.
inline constexpr float kMaxPreviewPoints = 1000.0f;
// The size the sample starts in, and the size box with it.
inline constexpr float kStartPoints = 36.0f;

// The sample's face before any preview, and whenever a file brings no face of its own.
inline const FaceRequest kSampleFace{"Arial", kCyrillicCharset};
// What the face box says of a previewed file that brings no face of its own.
inline constexpr char kNotAFont[] = "not a usable font";
inline constexpr char kNoLongerThere[] = "no longer there";

struct PreviewControls {
    FileList& File1;
    TextBox& txFontName;
    TextBox& txFontNameTip;  // the face box's tool tip: what the file says of itself
    TextBox& cmbSize;
    PreviewFont& txPreview;
};

class PreviewPane {
  public:
    PreviewPane(Fonts& fonts, FileSystem& files, Environment& environment,
                PreviewControls controls);

    // Loading and unloading the main window.
    void takeSnapshot();
    void unload();
    // The previewed font is installed now, its copy at `copy`.
    void fontInstalled(const std::string& copy);
    // Fonts were added to the font table, or taken out, by another program.
    void onFontsChanged();

    void onFile1Click();
    void onCmbSizeClick();
    void onCmbSizeValidate();
    void onCmbSizeGotFocus();
    void onCmbSizeLostFocus();
    void setBold(bool bold);
    void setItalic(bool italic);

    const std::string& currentFontFile() const { return CurrentFontFile; }
    // The face that the last preview found in `currentFontFile()`; nullopt when it found none.
    const std::optional<ShownFace>& previewedFace() const { return PreviewedFace; }

  private:
    std::optional<ShownFace> faceOfCurrentFile();
    void applySize();

    Fonts& fonts_;
    FileSystem& files_;
    Environment& environment_;
    PreviewControls controls_;

    KeyedTexts InstalledFaces;
    std::string CurrentFontFile;
    std::string SavedSizeText;
    double sizeInUse_ = kStartPoints;  // the size the sample is drawn in
    std::optional<ShownFace> PreviewedFace;
    bool changing_ = false;  // the font table is being changed by this pane's own hand
};

}  // namespace typelens
