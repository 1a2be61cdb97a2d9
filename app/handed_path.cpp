#include "app/handed_path.h"

#include <algorithm>

#include "browse/font_file_list.h"
#include "platform/case_blind.h"

namespace typelens {

std::variant<HandedPlace, std::string> PlaceOf(FileSystem& files, std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    while (path.size() > 3 && path.back() == '\\') path.pop_back();  // but a root's
    const std::string quoted = "\"" + path + "\"";
    const auto attributes = files.attributes(path);
    if (!attributes) return quoted + " is not there.";
    path[0] = ascii::Upper(path[0]);
    if (path.size() < 3 || path[0] < 'A' || path[0] > 'Z' || path.substr(1, 2) != ":\\")
        return quoted + " is not on a drive with a letter.";
    const bool root = path.size() == 3;
    if (*attributes & attr::Directory) return HandedPlace{root ? path : path + "\\", ""};
    if (!MatchesEnding({path, *attributes}, kFontPattern))
        return quoted + " is not a TrueType font file (*.ttf) or a folder.";
    const std::size_t slash = path.find_last_of('\\');
    return HandedPlace{path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace typelens
