#include "platform/filesystem_win32.h"

#include <windows.h>

#include "platform/ansi_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {

// The entries of a running find, or those picked out of a shared reading.
class Listing : public FolderEnumeration {
  public:
    using Entry = Win32FileSystem::Entry;

    // `record`: every entry the find brings is kept, and shared once the last has come.
    Listing(Win32FileSystem& files, std::string folder, UniqueFind find,
            const WIN32_FIND_DATAW& first, std::uint32_t mask, bool record)
        : files_(files),
          folder_(std::move(folder)),
          find_(std::move(find)),
          data_(first),
          mask_(mask),
          record_(record) {}
    Listing(Win32FileSystem& files, std::string folder,
            std::shared_ptr<const std::vector<Entry>> reading, std::vector<const Entry*> picked,
            std::uint32_t mask)
        : files_(files),
          folder_(std::move(folder)),
          reading_(std::move(reading)),
          picked_(std::move(picked)),
          mask_(mask) {}
    ~Listing() override { files_.lastListed_ = {}; }

    std::optional<std::string> next() override {
        const wchar_t* name = nullptr;
        DWORD attributes = 0;
        while (fetch(name, attributes)) {
            if (!admitted(attributes)) continue;
            if (auto bare = ExactAnsi(name)) {
                files_.lastListed_ = {folder_ + *bare, attributes};
                return bare;
            }
        }
        return std::nullopt;
    }

  private:
    bool fetch(const wchar_t*& name, DWORD& attributes) {
        if (!find_) {
            if (at_ == picked_.size()) return false;
            const Entry& entry = *picked_[at_++];
            name = entry.name.c_str(), attributes = entry.attributes;
            return true;
        }
        if (!pending_ && !FindNextFileW(find_.get(), &data_)) {
            const bool whole = GetLastError() == ERROR_NO_MORE_FILES;
            find_.reset();  // over: later calls find picked_, empty in a find's listing
            if (record_ && whole && files_.sharing_) {
                files_.reading_ = Win32FileSystem::Reading{
                    folder_, std::make_shared<const std::vector<Entry>>(std::move(recorded_))};
            }
            return false;
        }
        pending_ = false;
        if (record_) {
            recorded_.push_back(
                {data_.cFileName, data_.cAlternateFileName, data_.dwFileAttributes});
        }
        name = data_.cFileName, attributes = data_.dwFileAttributes;
        return true;
    }

    bool admitted(DWORD attributes) const {
        if (attributes & FILE_ATTRIBUTE_SYSTEM) return false;
        if ((attributes & FILE_ATTRIBUTE_HIDDEN) && !(mask_ & attr::Hidden)) return false;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(mask_ & attr::Directory)) return false;
        return true;
    }

    Win32FileSystem& files_;
    std::string folder_;  // ends in "\"
    UniqueFind find_;
    WIN32_FIND_DATAW data_{};
    std::shared_ptr<const std::vector<Entry>> reading_;  // shared, and what was picked of it
    std::vector<const Entry*> picked_;
    std::size_t at_ = 0;
    std::vector<Entry> recorded_;
    std::uint32_t mask_;
    bool record_ = false;
    bool pending_ = true;  // the entry FindFirstFile returned has not been handed out yet
};

namespace {

// The program's paths are those of the ANSI calls, which end at MAX_PATH characters; a path
// that the calls would refuse is refused here too, not silently reached by the wide calls.
std::optional<std::wstring> WidePath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.size() >= MAX_PATH) return std::nullopt;
    return wide;
}

Outcome Failure() {
    return GetLastError() == ERROR_ACCESS_DENIED ? Outcome::Denied : Outcome::Failed;
}

bool EndsWithIgnoringCase(const std::wstring& name, const std::wstring& end) {
    return name.size() >= end.size() &&
           CompareStringOrdinal(name.c_str() + name.size() - end.size(),
                                static_cast<int>(end.size()), end.c_str(),
                                static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

// The entries of a reading that the file system lists for `wildcard`, when it is "*.ext": those
// whose name or short name ends in ".ext" regardless of letter case, so "font.ttf~" (short
// name FONTTT~1.TTF) comes as it would. nullopt for any other wildcard.
std::optional<std::vector<const Win32FileSystem::Entry*>> Picked(
    const std::vector<Win32FileSystem::Entry>& reading, const std::string& wildcard) {
    if (wildcard.size() < 3 || wildcard.compare(0, 2, "*.") != 0 ||
        wildcard.find_first_of("*?.<>\"", 2) != std::string::npos) {
        return std::nullopt;
    }
    const std::wstring end = Widen(wildcard.substr(1));
    std::vector<const Win32FileSystem::Entry*> picked;
    for (const auto& entry : reading) {
        if (EndsWithIgnoringCase(entry.name, end) || EndsWithIgnoringCase(entry.shortName, end))
            picked.push_back(&entry);
    }
    return picked;
}

}  // namespace

std::unique_ptr<FolderEnumeration> Win32FileSystem::enumerate(const std::string& pattern,
                                                              std::uint32_t mask) {
    const std::string folder = pattern.substr(0, pattern.find_last_of('\\') + 1);
    const std::string wildcard = pattern.substr(folder.size());
    if (reading_ && reading_->folder == folder) {
        if (auto picked = Picked(*reading_->entries, wildcard)) {
            // Where nothing matches, the file system has no listing to start.
            if (picked->empty()) return nullptr;
            return std::make_unique<Listing>(*this, folder, reading_->entries, std::move(*picked),
                                             mask);
        }
    }
    // A folder path alone names the folder, not its entries.
    const auto wide = WidePath(wildcard.empty() ? pattern + '*' : pattern);
    if (!wide) return nullptr;
    // A whole folder read to be shared keeps its short names; otherwise they are left out, since
    // the program never shows them and Wine makes one up for every entry.
    const bool record = sharing_ && wildcard.empty();
    WIN32_FIND_DATAW first{};
    UniqueFind find(FindFirstFileExW(wide->c_str(), record ? FindExInfoStandard : FindExInfoBasic,
                                     &first, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return nullptr;
    return std::make_unique<Listing>(*this, folder, std::move(find), first, mask, record);
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    // No fewer bytes than characters: a short path needs no counting.
    if (path.size() >= MAX_PATH && !WidePath(path)) return std::nullopt;
    if (!lastListed_.path.empty() && path == lastListed_.path) return lastListed_.attributes;
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

void Win32FileSystem::shareReadings(bool on) {
    sharing_ = on;
    reading_.reset();
}

Outcome Win32FileSystem::copyNewFile(const std::string& from, const std::string& to) {
    const auto source = WidePath(from), target = WidePath(to);
    if (!source || !target) return Outcome::Failed;
    if (CopyFileW(source->c_str(), target->c_str(), /*bFailIfExists=*/TRUE)) return Outcome::Done;
    return Failure();
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

std::optional<std::string> Win32Environment::variable(const std::string& name) {
    const std::wstring wideName = Widen(name);
    SetLastError(ERROR_SUCCESS);
    const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string{};
    }
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
    value.resize(length < size ? length : 0);
    // A folder the code page cannot spell is no folder the program could use.
    return ExactAnsi(value.c_str());
}

void Win32Environment::beep() {
    MessageBeep(MB_OK);
}

NumberFormat Win32Environment::numberFormat() {
    const auto read = [](LCTYPE what, const char* fallback) {
        char text[8] = {};
        if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, what, text, sizeof text))
            return std::string(fallback);
        return std::string(text);
    };
    return {read(LOCALE_SDECIMAL, "."), read(LOCALE_STHOUSAND, ",")};
}

}  // namespace typelens::win32
