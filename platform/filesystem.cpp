#include "platform/filesystem.h"

#include "platform/case_blind.h"

namespace typelens {
bool Admitted(std::uint32_t attributes, std::uint32_t mask) {
    if (attributes & attr::System) return false;
    return (attributes & ~mask & (attr::Hidden | attr::Directory)) == 0;
}

bool MatchesEnding(const FolderEntry& entry, std::string_view wildcard) {
    if (wildcard.empty() || wildcard.front() != '*') return false;
    const std::string_view ending = wildcard.substr(1);
    return EndsWithIgnoringCase(entry.name, ending) ||
           (!entry.shortName.empty() && EndsWithIgnoringCase(entry.shortName, ending));
}

std::vector<FolderEntry> Listed(const std::vector<FolderEntry>& reading, std::string_view wildcard,
                                std::uint32_t mask) {
    std::vector<FolderEntry> listed;
    for (const FolderEntry& entry : reading) {
        if (Admitted(entry.attributes, mask) && MatchesEnding(entry, wildcard)) {
            listed.push_back(entry);
        }
    }
    return listed;
}

}  // namespace typelens
