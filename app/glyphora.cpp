#include "app/glyphora.h"

#include "app/handed_path.h"
#include "app/phases.h"
#include "app/toolbar.h"
#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "install/install_command.h"
#include "platform/case_blind.h"

namespace typelens {

Glyphora::Glyphora(GlyphoraPlatform platform, GlyphoraControls controls)
    : platform_(platform),
      controls_(controls),
      preview_(platform.fonts, platform.files, platform.environment,
               {controls.File1, controls.txFontName, controls.txFontNameTip, controls.cmbSize,
                controls.txPreview}) {}

// Nothing here is reported: a step that fails leaves its own part empty and the next one runs.
void Glyphora::onLoad(const std::string& handed) {
    preview_.takeSnapshot();
    StartupPhase("snapshot");
    // Without "windir" the folder is "\Fonts\", and installing then fails to copy.
    FontsFolder = FindFontsFolders(platform_.environment);
    if (handed.empty() || !openPath(handed)) showDrive(kStartFolder);
}

// The tree shows the root's folders and the list its font files, as they were at one moment,
// read once. A drive that cannot be read (not ready, no medium) leaves both empty.
void Glyphora::showDrive(const std::string& root) {
    shownFolder_ = root;
    controls_.Dir1.clear();
    controls_.File1.clear();
    const auto reading = platform_.files.readFolder(root, kFontPattern);
    if (!reading) return;
    LoadFolderNodes(controls_.Dir1, root, *reading, std::nullopt);
    StartupPhase("tree");
    ListFontFiles(controls_.File1, root, *reading);
    StartupPhase("list");
}

// Closing is never refused.
void Glyphora::onUnload() {
    preview_.unload();
}

// The tree has no node for a drive's root, so its font files are listed with its folders.
void Glyphora::onDrive1Change(char driveLetter) {
    showDrive(DriveRoot(driveLetter));
}

void Glyphora::onDir1SelectionChange(NodeId node) {
    onDir1NodeClick(node);
}

void Glyphora::onDir1NodeClick(NodeId node) {
    // A folder that cannot be listed (its drive's medium taken out, say) leaves the list empty.
    if (!choosing_ && dirClick_.answer()) {
        shownFolder_ = controls_.Dir1.key(node) + "\\";
        (void)ListFontFiles(platform_.files, controls_.File1, shownFolder_);
    }
}

void Glyphora::onFile1SelectionChange() {
    if (!choosing_) onFile1Click();
}

void Glyphora::onFile1Click() {
    if (fileClick_.answer()) previewSelected();
}

// Install is greyed while the previewed file brings no face of its own, and once it is
// installed, until the next preview.
void Glyphora::previewSelected() {
    preview_.onFile1Click();
    if (!preview_.currentFontFile().empty()) {
        controls_.InstallButton.setEnabled(preview_.previewedFace().has_value());
        (void)controls_.lblInstalled.setText("");
    }
}

void Glyphora::choose(std::optional<NodeId> node) {
    choosing_ = true;
    controls_.Dir1.select(node);
    choosing_ = false;
}

bool Glyphora::choose(const std::string& fileKey) {
    choosing_ = true;
    const bool chosen = controls_.File1.select(fileKey);
    choosing_ = false;
    return chosen;
}

// The tree is read again only as deep as the path goes: another drive's tree is made anew, the
// tree of the drive shown keeps its nodes, open or closed. The folder is listed as the file
// system spells it where the tree reaches it; a folder the tree does not show (a system one) is
// still listed.
bool Glyphora::openPath(const std::string& path) {
    const auto place = PlaceOf(platform_.files, path);
    if (const auto* why = std::get_if<std::string>(&place)) {
        platform_.dialogs.showRefusal(*why);
        return false;
    }
    const auto& [folder, file] = std::get<HandedPlace>(place);
    if (shownFolder_.empty() || shownFolder_[0] != folder[0]) {
        controls_.Drive1.show(folder[0]);
        controls_.Dir1.clear();
    }
    loadingNodes_ = true;
    const auto node = OpenFolderNodes(platform_.files, controls_.Dir1, folder);
    loadingNodes_ = false;
    const bool reached = node && controls_.Dir1.key(*node).size() + 1 == folder.size();
    choose(reached ? node : std::nullopt);
    shownFolder_ = reached ? controls_.Dir1.key(*node) + "\\" : folder;
    const auto reading = platform_.files.readFolder(shownFolder_, kFontPattern);
    ListFontFiles(controls_.File1, shownFolder_, reading.value_or(std::vector<FolderEntry>{}));
    if (file.empty() || !reading) return true;
    // The file as the folder spells it, in the list's own key.
    std::string name = file;
    for (const FolderEntry& entry : *reading) {
        if (entry.name == file) break;
        if (EqualIgnoringCase(entry.name, file)) name = entry.name;
    }
    if (choose(shownFolder_ + name)) previewSelected();
    return true;
}

// One reading of the folder serves the tree and the list: the subfolders of the folder's node,
// or the tree's top level for a drive's root. A folder that cannot be read (gone) gives way to
// the nearest folder above it that can, whose reading takes the gone one's node out. A root
// that cannot be read (its medium taken out) shows nothing.
void Glyphora::onRefresh() {
    std::string folder = shownFolder_;
    auto reading = platform_.files.readFolder(folder, kFontPattern);
    while (!reading && folder.size() > 3) {
        folder.erase(folder.find_last_of('\\', folder.size() - 2) + 1);
        reading = platform_.files.readFolder(folder, kFontPattern);
    }
    const std::vector<FolderEntry> entries = reading.value_or(std::vector<FolderEntry>{});
    const auto node = FindFolderNode(controls_.Dir1, folder);
    choosing_ = true;  // a node taken out may take the selection with it
    if (node || folder.size() == 3) RefreshFolderNodes(controls_.Dir1, folder, entries, node);
    choosing_ = false;
    if (folder != shownFolder_) choose(node);
    shownFolder_ = folder;
    const auto selectedFile = controls_.File1.selected();
    ListFontFiles(controls_.File1, folder, entries);
    // The selected font stays selected where it is still there, as in Explorer; it is the one
    // previewed already.
    if (selectedFile) (void)choose(selectedFile->key);
}

bool Glyphora::onDir1DblClick() {
    const auto node = controls_.Dir1.selected();
    if (!node) return false;
    loadingNodes_ = true;
    const bool read =
        LoadFolderNodes(platform_.files, controls_.Dir1, controls_.Dir1.key(*node) + "\\", *node);
    loadingNodes_ = false;
    return read;
}

void Glyphora::onDir1Expanding(NodeId node) {
    if (loadingNodes_) return;  // the double click has read it
    (void)ReadFolderNodes(platform_.files, controls_.Dir1, controls_.Dir1.key(node) + "\\", node);
}

void Glyphora::onToolbar1ButtonClick(int image, int value) {
    switch (CommandForImage(image)) {
        case ToolbarCommand::Install:
            install();
            break;
        case ToolbarCommand::Bold:
            preview_.setBold(value == 1);
            break;
        case ToolbarCommand::Italic:
            preview_.setItalic(value == 1);
            break;
        case ToolbarCommand::About:
            platform_.dialogs.showAbout();
            break;
        case ToolbarCommand::None:
            break;
    }
}

void Glyphora::install() {
    const auto& face = preview_.previewedFace();
    const InstallReport report = InstallFont(
        platform_.files, platform_.registry, platform_.environment,
        {FontsFolder, preview_.currentFontFile(), controls_.txFontName.text(),
         face ? face->family : "", face ? face->fullName : "", face ? face->style : ""});
    switch (report.result) {
        case InstallResult::Installed:
            preview_.fontInstalled(report.copy);
            [[fallthrough]];
        case InstallResult::AlreadyInstalled:
            // Said beside the button, which greys: no box to close, since nothing was refused.
            controls_.InstallButton.setEnabled(false);
            (void)controls_.lblInstalled.setText(InstalledText(report));
            break;
        case InstallResult::NothingPreviewed:
            platform_.environment.beep();
            break;
        case InstallResult::NoFaceName:
            break;
        default:
            platform_.dialogs.showRefusal(RefusalText(report));
            break;
    }
}

}  // namespace typelens
