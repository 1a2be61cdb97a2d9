#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace typelens::win32 {

class Win32FileSystem : public FileSystem {
  public:
    std::unique_ptr<FolderEnumeration> enumerate(const std::string& pattern,
                                                 std::uint32_t mask) override;
    std::optional<std::vector<FolderEntry>> readFolder(const std::string& folder,
                                                       std::string_view filesWildcard) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    Outcome copyNewFile(const std::string& from, const std::string& to) override;
    Outcome createFolder(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    // The letters of the drives there are, upper case; and a drive's volume label, empty when
    // it has none or is not ready (asking can take long: a network drive, a floppy).
    static std::vector<char> driveLetters();
    static std::string volumeLabel(char letter);
};

}  // namespace typelens::win32
