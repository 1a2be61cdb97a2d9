// The file system, as the program logic sees it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/outcome.h"

namespace typelens {

// Attribute bits, with the values the file system uses.
namespace attr {
inline constexpr std::uint32_t ReadOnly = 1;
inline constexpr std::uint32_t Hidden = 2;
inline constexpr std::uint32_t System = 4;
inline constexpr std::uint32_t Directory = 16;
}  // namespace attr

// An entry of a folder, named as the program's code page spells it.
struct FolderEntry {
    std::string name;  // bare, without the folder
    std::uint32_t attributes = 0;
    // The short (8.3) name the file system also matches wildcards against; empty where the
    // reader did not ask for it.
    std::string shortName{};
    friend bool operator==(const FolderEntry&, const FolderEntry&) = default;
};

// One running folder enumeration; it closes when it goes out of scope.
class FolderEnumeration {
  public:
    virtual ~FolderEnumeration() = default;
    // The next entry, or nullopt once every entry has come (or the listing broke off).
    virtual std::optional<FolderEntry> next() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Lists `pattern`: a folder path ending in "\" (every entry) or a folder path plus a wildcard
    // name, the entries that `mask` admits (see `Admitted`). Names the ANSI code page cannot
    // spell are left out, since no path built from them would reach the entry. nullptr when the
    // listing cannot start.
    virtual std::unique_ptr<FolderEnumeration> enumerate(const std::string& pattern,
                                                         std::uint32_t mask) = 0;
    // Every entry of the folder `folder` (ending in "\") as it is now, whatever its attributes;
    // nullopt when the folder cannot be read. A file that `filesWildcard` ("*.ttf") leaves out by
    // its name comes with its short name, which the wildcard may match; other entries need none.
    virtual std::optional<std::vector<FolderEntry>> readFolder(const std::string& folder,
                                                               std::string_view filesWildcard) = 0;
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    // Copies `from` to `to`; fails (and writes nothing) when `to` already exists.
    virtual Outcome copyNewFile(const std::string& from, const std::string& to) = 0;
    // Creates the folder `path` (ending in "\") and whatever folders above it are missing;
    // Done when it is there already.
    virtual Outcome createFolder(const std::string& path) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
};

// Whether a listing with `mask` gives an entry: plain entries always, hidden ones (2) and
// folders (16) where the mask says so, entries with the system attribute never.
bool Admitted(std::uint32_t attributes, std::uint32_t mask);

// Whether the file system lists the entry for `wildcard`, which is "*" followed by an ending
// such as ".ttf": its name or its short name ends so, in any letter case. A short name is what
// lists "font.ttf~" (FONTTT~1.TTF) for "*.ttf".
bool MatchesEnding(const FolderEntry& entry, std::string_view wildcard);

// The entries of a folder's reading that listing it for `wildcard` with `mask` gives.
std::vector<FolderEntry> Listed(const std::vector<FolderEntry>& reading, std::string_view wildcard,
                                std::uint32_t mask);

}  // namespace typelens
