#include "preview/preview_pane.h"

#include "preview/file_face.h"
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

// The copy goes into the font table for good, other programs hear of it, and its family counts
// as installed from now on, so no later preview takes it for the face of another file.
void PreviewPane::fontInstalled(const std::string& copy) {
    (void)fonts_.addFontResource(copy);
    fonts_.broadcastFontChange();
    if (PreviewedFace) (void)InstalledFaces.add(PreviewedFace->family, PreviewedFace->family);
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

    // A file that is no usable font adds no face.
    const bool accepted = !CurrentFontFile.empty() && fonts_.addFontResource(CurrentFontFile) > 0;

    // The face list must know of the new faces before it is walked.
    fonts_.announceFontChange();

    PreviewedFace = faceOfCurrentFile(accepted);
    if (PreviewedFace) {
        (void)controls_.txPreview.setFace(PreviewedFace->request);
        ShownFontFile = CurrentFontFile;
    } else if (!ShownFontFile.empty() && ShownFontFile != CurrentFontFile) {
        // No face: the preview and the face box keep the face shown before, so the file that
        // brought it goes back into the font table; without it the preview would be drawn in
        // whatever face the font mapper chose, under the same name.
        shownFileKept_ = fonts_.addFontResource(ShownFontFile) > 0;
    }
}

// A face new to the machine came with the file. Otherwise its family is installed already (one
// of its other styles, an older version, this very face from another file), and the file itself
// says which of the family's faces it holds.
std::optional<ShownFace> PreviewPane::faceOfCurrentFile(bool accepted) {
    const std::vector<FontFace> faces = fonts_.faceList();
    const std::string newFace = getNewFontName(faces, InstalledFaces, controls_.txFontName);
    if (!newFace.empty()) return NewFamilyFace(newFace, fonts_.familyFaces(newFace));

    // Only a file the font table took is read: a damaged one could bring the reader down.
    if (!accepted) return std::nullopt;
    const std::vector<FileFace> own = fonts_.fileFaces(CurrentFontFile);
    if (own.empty()) return std::nullopt;
    // A family the system does not list under any of the file's names cannot be drawn by name.
    const auto family = ListedFamily(faces, own.front().families);
    if (!family) return std::nullopt;
    ShownFace shown = KnownFamilyFace(own.front(), *family, fonts_.familyFaces(*family));
    if (!controls_.txFontName.setText(shown.family)) return std::nullopt;
    return shown;
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
    if (controls_.txPreview.setSize(static_cast<float>(points))) sizeInUse_ = points;
}

void PreviewPane::onCmbSizeGotFocus() {
    SavedSizeText = controls_.cmbSize.text();
}

// Validate has applied what it could of the text. Left, the box shows the size the sample is
// drawn in: a text that spells that size stays; any other (no number, a size out of range,
// "12pt" that applied 12) gives way to the text the box had on entry where that spells it, or
// else to the size itself.
void PreviewPane::onCmbSizeLostFocus() {
    const NumberFormat format = environment_.numberFormat();
    const auto spellsSizeInUse = [&](const std::string& text) {
        return ParseLocaleNumber(text, format) == sizeInUse_;
    };
    if (spellsSizeInUse(controls_.cmbSize.text())) return;
    (void)controls_.cmbSize.setText(spellsSizeInUse(SavedSizeText) ? SavedSizeText
                                                                   : NumberText(sizeInUse_));
}

void PreviewPane::setBold(bool bold) {
    (void)controls_.txPreview.setBold(bold);
}

void PreviewPane::setItalic(bool italic) {
    (void)controls_.txPreview.setItalic(italic);
}

}  // namespace typelens
