#include "browse/font_file_list.h"

namespace typelens {

bool ListFontFiles(FileSystem& files, FileList& File1, std::string folderPath) {
    File1.clear();
    const auto listing = files.enumerate(folderPath + "*.ttf", attr::Hidden);
    if (!listing) return false;
    File1.beginFill();
    while (const auto name = listing->next()) {
        if (*name == "." || *name == "..") continue;
        // Keys are unique within one folder, so an add that fails has nothing to tell.
        (void)File1.add(folderPath + *name, *name, kFontFileImage);
    }
    File1.endFill();
    return true;
}

}  // namespace typelens
