#include "preview/preview_pane.h"

#include "preview/installed_faces.h"
#include "preview/number_text.h"

namespace typelens {

PreviewPane::PreviewPane(Fonts& fonts, Environment& environment, PreviewControls controls)
    : fonts_(fonts), environment_(environment), controls_(controls) {}

void PreviewPane::takeSnapshot() {
    TakeFaceSnapshot(fonts_, InstalledFaces);
}

// The previewed file stays in use while it is in the font table: the user could neither delete
// nor replace it before signing out. An installed copy stays.
void PreviewPane::unload() {
    InstalledFaces.clear();
    if (!CurrentFontFile.empty()) (void)fonts_.removeFontResource(CurrentFontFile);
    if (shownFileKept_) (void)fonts_.removeFontResource(ShownFontFile);
}

// The copy goes into the font table for good, other programs hear of it, and its face counts
// as installed from now on, so no later preview takes it for the face of another file.
void PreviewPane::fontInstalled(const std::string& copy) {
    (void)fonts_.addFontResource(copy);
    fonts_.broadcastFontChange();
    (void)InstalledFaces.add(PreviewedFace, PreviewedFace);
}

// Every step runs whatever became of the one before; a failing step only leaves its own part
// undone, and nothing is reported.
void PreviewPane::onFile1Click() {
    // Before the first preview there is nothing to take out.
    if (!CurrentFontFile.empty()) (void)fonts_.removeFontResource(CurrentFontFile);
    // Out before the walk, or its face would count as new.
    if (shownFileKept_) (void)fonts_.removeFontResource(ShownFontFile);
    shownFileKept_ = false;

    // With no selected item the file previewed before is added again.
    if (const auto item = controls_.File1.selected()) CurrentFontFile = item->key;

    // A file that is no usable font adds no face, which the walk below notices.
    if (!CurrentFontFile.empty()) (void)fonts_.addFontResource(CurrentFontFile);

    // The face list must know of the new faces before it is walked.
    fonts_.announceFontChange();

    const std::vector<FontFace> faces = fonts_.faceList();
    PreviewedFace = getNewFontName(faces, InstalledFaces, controls_.txFontName);
    if (!PreviewedFace.empty()) {
        (void)controls_.txPreview.setFace(PreviewedFace, PreviewCharset(faces, PreviewedFace));
        ShownFontFile = CurrentFontFile;
    } else if (!ShownFontFile.empty() && ShownFontFile != CurrentFontFile) {
        // No new face: the preview and the face box keep the face shown before, so the file
        // that brought it goes back into the font table; without it the preview would be
        // drawn in whatever face the font mapper chose, under the same name.
        shownFileKept_ = fonts_.addFontResource(ShownFontFile) > 0;
    }
}

void PreviewPane::onCmbSizeClick() {
    applySize();
}

void PreviewPane::onCmbSizeValidate() {
    applySize();
}

void PreviewPane::applySize() {
    const double points = LeadingNumber(controls_.cmbSize.text());
    if (!(points > 0.0 && points <= kMaxPreviewPoints)) return;
    (void)controls_.txPreview.setSize(static_cast<float>(points));
}

void PreviewPane::onCmbSizeGotFocus() {
    SavedSizeText = controls_.cmbSize.text();
}

// The size typed was applied by Validate already; a text that is not a number is only taken
// back out of the box.
void PreviewPane::onCmbSizeLostFocus() {
    if (!IsNumeric(controls_.cmbSize.text(), environment_.numberFormat())) {
        (void)controls_.cmbSize.setText(SavedSizeText);
    }
}

void PreviewPane::setBold(bool bold) {
    (void)controls_.txPreview.setBold(bold);
}

void PreviewPane::setItalic(bool italic) {
    (void)controls_.txPreview.setItalic(italic);
}

}  // namespace typelens
