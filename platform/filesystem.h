// File system and process environment, as the program logic sees them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
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

// One running folder enumeration; it closes when it goes out of scope.
class FolderEnumeration {
  public:
    virtual ~FolderEnumeration() = default;
    // The next bare entry name, or nullopt once every name has come (or the listing broke off).
    virtual std::optional<std::string> next() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Lists `pattern`: a folder path ending in "\" (every entry) or a folder path plus a wildcard
    // name. Plain entries always pass; `mask` adds hidden (2) and folder (16) entries; entries with
    // the system attribute never pass. Names the ANSI code page cannot spell are left out, since
    // no path built from them would reach the entry. nullptr when the listing cannot start.
    virtual std::unique_ptr<FolderEnumeration> enumerate(const std::string& pattern,
                                                         std::uint32_t mask) = 0;
    virtual std::optional<std::uint32_t> attributes(const std::string& path) = 0;
    // While on, a folder that was listed whole is not read again: a listing of its "*.ext"
    // files picks them out of that reading, entry for entry as the file system would have
    // matched them then. For listings that show one moment, such as the tree and the list of
    // one folder; turning it off forgets the readings.
    virtual void shareReadings(bool on) { (void)on; }
    // Copies `from` to `to`; fails (and writes nothing) when `to` already exists.
    virtual Outcome copyNewFile(const std::string& from, const std::string& to) = 0;
    // Creates the folder `path` (ending in "\") and whatever folders above it are missing;
    // Done when it is there already.
    virtual Outcome createFolder(const std::string& path) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
};

// Shares readings while it lives.
class SharedReadings {
  public:
    explicit SharedReadings(FileSystem& files) : files_(files) { files_.shareReadings(true); }
    ~SharedReadings() { files_.shareReadings(false); }
    SharedReadings(const SharedReadings&) = delete;
    SharedReadings& operator=(const SharedReadings&) = delete;

  private:
    FileSystem& files_;
};

// The user's number conventions, used to tell whether a text is a number.
struct NumberFormat {
    std::string decimal = ".";
    std::string thousands = ",";
};

class Environment {
  public:
    virtual ~Environment() = default;
    // nullopt when the variable is not set.
    virtual std::optional<std::string> variable(const std::string& name) = 0;
    virtual void beep() = 0;
    virtual NumberFormat numberFormat() = 0;
};

}  // namespace typelens
