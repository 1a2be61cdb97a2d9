#include "app/glyphora.h"

#include "app/phases.h"
#include "app/toolbar.h"
#include "browse/folder_tree.h"
#include "browse/font_file_list.h"
#include "install/install_command.h"

namespace typelens {

Glyphora::Glyphora(GlyphoraPlatform platform, GlyphoraControls controls)
    : platform_(platform),
      controls_(controls),
      preview_(platform.fonts, platform.environment,
               {controls.File1, controls.txFontName, controls.cmbSize, controls.txPreview}) {}

// Nothing here is reported: a step that fails leaves its own part empty and the next one runs.
void Glyphora::onLoad() {
    preview_.takeSnapshot();
    StartupPhase("snapshot");
    // Without "windir" the folder is "\Fonts\", and installing then fails to copy.
    FontsFolder = platform_.environment.variable("windir").value_or("") + "\\Fonts\\";
    // The tree and the list show C:\ as it was at one moment, read once. Without a readable
    // C:\ both stay empty.
    const auto start = platform_.files.readFolder(kStartFolder);
    if (!start) return;
    LoadFolderNodes(controls_.Dir1, kStartFolder, *start, std::nullopt);
    StartupPhase("tree");
    ListFontFiles(controls_.File1, kStartFolder, *start);
    StartupPhase("list");
}

// Closing is never refused.
void Glyphora::onUnload() {
    preview_.unload();
}

// The file list keeps showing the folder listed last, on whatever drive that was.
void Glyphora::onDrive1Change(char driveLetter) {
    controls_.Dir1.clear();
    (void)LoadFolderNodes(platform_.files, controls_.Dir1, DriveRoot(driveLetter), std::nullopt);
}

void Glyphora::onDir1SelectionChange(NodeId node) {
    onDir1NodeClick(node);
}

void Glyphora::onDir1NodeClick(NodeId node) {
    // A folder that cannot be listed (its drive's medium taken out, say) leaves the list empty.
    if (dirClick_.answer()) {
        (void)ListFontFiles(platform_.files, controls_.File1, controls_.Dir1.key(node) + "\\");
    }
}

void Glyphora::onFile1SelectionChange() {
    onFile1Click();
}

void Glyphora::onFile1Click() {
    if (fileClick_.answer()) preview_.onFile1Click();
}

bool Glyphora::onDir1DblClick() {
    const auto node = controls_.Dir1.selected();
    if (!node) return false;
    return LoadFolderNodes(platform_.files, controls_.Dir1, controls_.Dir1.key(*node) + "\\",
                           *node);
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
    const InstallReport report =
        InstallFont(platform_.files, platform_.registry, platform_.environment,
                    {FontsFolder, preview_.currentFontFile(), controls_.txFontName.text(),
                     face ? face->family : "", face ? face->fullName : ""});
    if (report.result == InstallResult::Installed) preview_.fontInstalled(report.copy);
}

}  // namespace typelens
