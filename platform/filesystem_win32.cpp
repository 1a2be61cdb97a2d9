#include "platform/filesystem_win32.h"

#include <windows.h>

#include "platform/ansi_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {

namespace {

// The entries of a running find that a mask admits.
class Listing : public FolderEnumeration {
  public:
    Listing(UniqueFind find, const WIN32_FIND_DATAW& first, std::uint32_t mask)
        : find_(std::move(find)), data_(first), mask_(mask) {}

    std::optional<FolderEntry> next() override {
        while (find_) {
            if (!pending_ && !FindNextFileW(find_.get(), &data_)) {
                find_.reset();  // over: every later call answers nothing more
                break;
            }
            pending_ = false;
            if (!Admitted(data_.dwFileAttributes, mask_)) continue;
            if (auto name = ExactAnsi(data_.cFileName)) {
                return FolderEntry{std::move(*name), data_.dwFileAttributes};
            }
        }
        return std::nullopt;
    }

  private:
    UniqueFind find_;
    WIN32_FIND_DATAW data_{};
    std::uint32_t mask_;
    bool pending_ = true;  // the entry FindFirstFile returned has not been handed out yet
};

// The program's paths are those of the ANSI calls, which end at MAX_PATH characters; a path
// that the calls would refuse is refused here too, not silently reached by the wide calls.
std::optional<std::wstring> WidePath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.size() >= MAX_PATH) return std::nullopt;
    return wide;
}

Outcome Failure() {
    const DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ? Outcome::Denied
                                                                            : Outcome::Failed;
}

// Every entry of `pattern` at the level of information asked for; nullopt when the listing
// could not be made or broke off, which is no reading of the folder as it is.
std::optional<std::vector<FolderEntry>> ReadEntries(const std::wstring& pattern,
                                                    FINDEX_INFO_LEVELS level) {
    WIN32_FIND_DATAW data{};
    const UniqueFind find(FindFirstFileExW(pattern.c_str(), level, &data, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
        if (auto name = ExactAnsi(data.cFileName)) {
            entries.push_back({std::move(*name), data.dwFileAttributes,
                               ExactAnsi(data.cAlternateFileName).value_or("")});
        }
    } while (FindNextFileW(find.get(), &data));
    if (GetLastError() != ERROR_NO_MORE_FILES) return std::nullopt;
    return entries;
}

// The short name of the file `path`, empty when it has none or it cannot be spelled.
std::string ShortName(const std::wstring& path) {
    wchar_t full[MAX_PATH] = {};
    const DWORD length = GetShortPathNameW(path.c_str(), full, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    const wchar_t* last = wcsrchr(full, L'\\');
    return ExactAnsi(last ? last + 1 : full).value_or("");
}

}  // namespace

// The names the program never shows (the short ones, which Wine makes up for every entry) are
// not asked for.
std::unique_ptr<FolderEnumeration> Win32FileSystem::enumerate(const std::string& pattern,
                                                              std::uint32_t mask) {
    // A folder path alone names the folder, not its entries.
    const auto wide =
        WidePath(!pattern.empty() && pattern.back() == '\\' ? pattern + '*' : pattern);
    if (!wide) return nullptr;
    WIN32_FIND_DATAW first{};
    UniqueFind find(FindFirstFileExW(wide->c_str(), FindExInfoBasic, &first, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return nullptr;
    return std::make_unique<Listing>(std::move(find), first, mask);
}

// Wine makes a short name up for every entry of a listing that asks for short names (C:\ with
// 2,000 folders and 2,000 fonts: 35 ms against 20 without). A drive's root holds few files
// beside its fonts, so only those are asked for theirs, one by one; a root of many other files
// is read again with every short name.
std::optional<std::vector<FolderEntry>> Win32FileSystem::readFolder(
    const std::string& folder, std::string_view filesWildcard) {
    constexpr std::size_t kAskedOneByOne = 16;
    const auto wide = WidePath(folder + '*');
    if (!wide) return std::nullopt;
    auto entries = ReadEntries(*wide, FindExInfoBasic);
    if (!entries) return std::nullopt;
    std::vector<FolderEntry*> others;
    for (FolderEntry& entry : *entries) {
        if (!(entry.attributes & attr::Directory) && !MatchesEnding(entry, filesWildcard))
            others.push_back(&entry);
    }
    if (others.size() > kAskedOneByOne) return ReadEntries(*wide, FindExInfoStandard);
    const std::wstring in = wide->substr(0, wide->size() - 1);
    for (FolderEntry* entry : others) entry->shortName = ShortName(in + Widen(entry->name));
    return entries;
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    const auto wide = WidePath(path);
    if (!wide) return std::nullopt;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

Outcome Win32FileSystem::copyNewFile(const std::string& from, const std::string& to) {
    const auto source = WidePath(from), target = WidePath(to);
    if (!source || !target) return Outcome::Failed;
    if (CopyFileW(source->c_str(), target->c_str(), /*bFailIfExists=*/TRUE)) return Outcome::Done;
    // A source that cannot be read gives access denied too; asked on its own, it tells.
    const Outcome failed = Failure();
    if (failed == Outcome::Failed) return failed;
    const UniqueFile readable(CreateFileW(source->c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return readable ? failed : Outcome::Unreadable;
}

Outcome Win32FileSystem::createFolder(const std::string& path) {
    const auto wide = WidePath(path);
    if (!wide || wide->size() < 3 || (*wide)[1] != L':') return Outcome::Failed;
    // Each missing folder below the drive's root in turn, from the top down.
    for (std::size_t end = 3; end <= wide->size(); ++end) {
        if (end < wide->size() && (*wide)[end] != L'\\') continue;
        const std::wstring folder = wide->substr(0, end);
        const DWORD there = GetFileAttributesW(folder.c_str());
        if (there != INVALID_FILE_ATTRIBUTES && (there & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return Failure();
    }
    return Outcome::Done;
}

bool Win32FileSystem::deleteFile(const std::string& path) {
    const auto wide = WidePath(path);
    return wide && DeleteFileW(wide->c_str());
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    const auto wide = WidePath(path);
    if (!wide) return std::nullopt;
    UniqueFile file(CreateFileW(wide->c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 0x7FFFFFFF) return std::nullopt;
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!content.empty() && (!ReadFile(file.get(), content.data(),
                                       static_cast<DWORD>(content.size()), &read, nullptr) ||
                             read != content.size())) {
        return std::nullopt;
    }
    return content;
}

std::vector<char> Win32FileSystem::driveLetters() {
    std::vector<char> letters;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (present & (1u << i)) letters.push_back(static_cast<char>('A' + i));
    }
    return letters;
}

std::string Win32FileSystem::volumeLabel(char letter) {
    const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
        return {};
    }
    return Narrow(label);
}

}  // namespace typelens::win32
