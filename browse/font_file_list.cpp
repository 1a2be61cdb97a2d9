#include "browse/font_file_list.h"

namespace typelens {

bool ListFontFiles(FileSystem& files, FileList& File1, std::string folderPath) {
    File1.clear();
    const auto listing = files.enumerate(folderPath + "*.ttf", attr::Hidden);
    if (!listing) return false;
    File1.beginFill();
    while (auto name = listing->next()) {
        if (*name == "." || *name == "..") continue;
        // Keys are unique within one folder, so an add that fails has nothing to tell.
        std::string key = folderPath + *name;
        (void)File1.add(std::move(key), std::move(*name), kFontFileImage);
    }
    File1.endFill();
    return true;
}

}  // namespace typelens
