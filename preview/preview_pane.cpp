#include "preview/preview_pane.h"

#include "preview/font_details.h"
#include "preview/installed_faces.h"
#include "preview/number_text.h"

namespace typelens {

namespace {

// Marks the changes this pane makes to the font table, for as long as it makes them: the window
// hears of them as of any other program's.
class OwnChange {
  public:
    explicit OwnChange(bool& changing) : changing_(changing) { changing_ = true; }
    ~OwnChange() { changing_ = false; }
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;

  private:
    bool& changing_;
};

}  // namespace

PreviewPane::PreviewPane(Fonts& fonts, FileSystem& files, Environment& environment,
                         PreviewControls controls)
    : fonts_(fonts), files_(files), environment_(environment), controls_(controls) {}

void PreviewPane::takeSnapshot() {
    TakeFaceSnapshot(fonts_, InstalledFaces);
}

// The previewed file stays in use while it is in the font table: the user could neither delete
// nor replace it before signing out. An installed copy stays.
void PreviewPane::unload() {
    InstalledFaces.clear();
    const OwnChange own(changing_);
    if (!CurrentFontFile.empty()) (void)fonts_.removeFontResource(CurrentFontFile);
}

// The copy goes into the font table for good, other programs hear of it, and its family counts
// as installed from now on, so no later preview takes it for the face of another file.
void PreviewPane::fontInstalled(const std::string& copy) {
    const OwnChange own(changing_);
    (void)fonts_.addFontResource(copy);
    fonts_.broadcastFontChange();
    if (PreviewedFace)
        (void)InstalledFaces.add(PreviewedFace->request.family, PreviewedFace->request.family);
}

// The snapshot is taken anew, so that a face another program added is never taken for the face
// of a file previewed later; the face this pane holds in the table for the previewed file is not
// one of them.
void PreviewPane::onFontsChanged() {
    if (changing_) return;
    const bool previewedKnown =
        PreviewedFace && InstalledFaces.contains(PreviewedFace->request.family);
    InstalledFaces.clear();
    TakeFaceSnapshot(fonts_, InstalledFaces);
    if (PreviewedFace && !previewedKnown) InstalledFaces.remove(PreviewedFace->request.family);
}

// Every step runs whatever became of the one before; a failing step only leaves its own part
// undone, and nothing is reported.
void PreviewPane::onFile1Click() {
    const OwnChange own(changing_);
    // Before the first preview there is nothing to take out. A face that stays in the font table
    // is no longer new: no later walk of the face list takes it for another file's.
    if (!CurrentFontFile.empty() && !fonts_.removeFontResource(CurrentFontFile) && PreviewedFace) {
        (void)InstalledFaces.add(PreviewedFace->request.family, PreviewedFace->request.family);
    }

    // With no selected item the file previewed before is added again.
    if (const auto item = controls_.File1.selected()) CurrentFontFile = item->key;
    if (CurrentFontFile.empty()) return;

    // A file that is no usable font, or no longer there, adds no face.
    const bool accepted = fonts_.addFontResource(CurrentFontFile) > 0;

    // The face list must know of the new faces before it is read.
    fonts_.announceFontChange();

    (void)controls_.txFontNameTip.setText("");
    PreviewedFace = accepted ? faceOfCurrentFile() : std::nullopt;
    if (PreviewedFace) {
        (void)controls_.txPreview.setFace(PreviewedFace->request);
        return;
    }
    // The face box says why, and the sample goes back to its own face: a face shown under this
    // file's name would be another file's.
    (void)controls_.txFontName.setText(files_.attributes(CurrentFontFile) ? kNotAFont
                                                                          : kNoLongerThere);
    (void)controls_.txPreview.setFace(kSampleFace);
}

// The file says which face it holds. The system knows the face by its family's name, or by as
// much of it as the face list gives, and lists every face of that name; the file's own names and
// its weight and slant tell which of them is the file's. Only a file whose names cannot be read
// is known by the face it added to the face list, as the first face missing from the snapshot.
// Only a file the font table took is read: a damaged one could bring the reader down.
std::optional<ShownFace> PreviewPane::faceOfCurrentFile() {
    const std::vector<FileFace> own = fonts_.fileFaces(CurrentFontFile);
    if (own.empty()) {
        const std::string added =
            getNewFontName(fonts_.faceList(), InstalledFaces, controls_.txFontName);
        if (added.empty()) return std::nullopt;
        return NewFamilyFace(added, fonts_.familyFaces(added));
    }
    for (const std::string& family : own.front().families) {
        const std::vector<FontFace> styles = fonts_.familyFaces(ListedName(family));
        if (styles.empty()) continue;  // the system does not know it by this name
        ShownFace shown = OwnFace(own.front(), family, styles);
        if (!controls_.txFontName.setText(shown.family)) return std::nullopt;
        (void)controls_.txFontNameTip.setText(DetailsText(own.front()));
        return shown;
    }
    return std::nullopt;
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
