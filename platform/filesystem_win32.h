#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace typelens::win32 {

class Win32FileSystem : public FileSystem {
  public:
    Win32FileSystem() = default;
    Win32FileSystem(const Win32FileSystem&) = delete;
    Win32FileSystem& operator=(const Win32FileSystem&) = delete;

    std::unique_ptr<FolderEnumeration> enumerate(const std::string& pattern,
                                                 std::uint32_t mask) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    void shareReadings(bool on) override;
    Outcome copyNewFile(const std::string& from, const std::string& to) override;
    Outcome createFolder(const std::string& path) override;
    bool deleteFile(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    // The letters of the drives there are, upper case; and a drive's volume label, empty when
    // it has none or is not ready (asking can take long: a network drive, a floppy).
    static std::vector<char> driveLetters();
    static std::string volumeLabel(char letter);

    // An entry of a folder, with the short name the file system also matches wildcards against.
    struct Entry {
        std::wstring name, shortName;
        std::uint32_t attributes = 0;
    };

  private:
    friend class Listing;
    // The entry a running listing handed out last: the listing brought its attributes along, so
    // asking for them again costs nothing (a folder of 10,000 subfolders is read twice as fast).
    struct Listed {
        std::string path;
        std::uint32_t attributes = 0;
    };
    Listed lastListed_;

    // A folder listed whole while readings are shared.
    struct Reading {
        std::string folder;  // ends in "\"
        std::shared_ptr<const std::vector<Entry>> entries;
    };
    bool sharing_ = false;
    std::optional<Reading> reading_;
};

class Win32Environment : public Environment {
  public:
    std::optional<std::string> variable(const std::string& name) override;
    void beep() override;
    NumberFormat numberFormat() override;
};

}  // namespace typelens::win32
