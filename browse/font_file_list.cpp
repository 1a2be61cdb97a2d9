#include "browse/font_file_list.h"

namespace typelens {
namespace {

void AddFontFile(FileList& File1, const std::string& folderPath, FolderEntry entry) {
    if (entry.name == "." || entry.name == "..") return;
    // Keys are unique within one folder, so an add that fails has nothing to tell.
    std::string key = folderPath + entry.name;
    (void)File1.add(std::move(key), std::move(entry.name), kFontFileImage);
}

}  // namespace

bool ListFontFiles(FileSystem& files, FileList& File1, const std::string& folderPath) {
    File1.clear();
    const auto listing = files.enumerate(folderPath + kFontPattern, kFontMask);
    if (!listing) return false;
    File1.beginFill();
    while (auto entry = listing->next()) AddFontFile(File1, folderPath, std::move(*entry));
    File1.endFill();
    return true;
}

void ListFontFiles(FileList& File1, const std::string& folderPath,
                   const std::vector<FolderEntry>& reading) {
    File1.clear();
    File1.beginFill();
    for (const FolderEntry& entry : reading) {
        if (Admitted(entry.attributes, kFontMask) && MatchesEnding(entry, kFontPattern)) {
            AddFontFile(File1, folderPath, entry);
        }
    }
    File1.endFill();
}

}  // namespace typelens
