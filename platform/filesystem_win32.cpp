#include "platform/filesystem_win32.h"

#include <windows.h>

#include "platform/ansi_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {

class Listing : public FolderEnumeration {
  public:
    Listing(Win32FileSystem& files, std::string folder, UniqueFind find,
            const WIN32_FIND_DATAW& first, std::uint32_t mask)
        : files_(files), folder_(std::move(folder)), find_(std::move(find)), data_(first),
          mask_(mask) {}
    ~Listing() override { files_.lastListed_ = {}; }

    std::optional<std::string> next() override {
        for (;;) {
            if (!pending_ && !FindNextFileW(find_.get(), &data_)) return std::nullopt;
            pending_ = false;
            if (!admitted(data_.dwFileAttributes)) continue;
            if (auto name = ExactAnsi(data_.cFileName)) {
                files_.lastListed_ = {folder_ + *name, data_.dwFileAttributes};
                return name;
            }
        }
    }

  private:
    bool admitted(DWORD attributes) const {
        if (attributes & FILE_ATTRIBUTE_SYSTEM) return false;
        if ((attributes & FILE_ATTRIBUTE_HIDDEN) && !(mask_ & attr::Hidden)) return false;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(mask_ & attr::Directory)) return false;
        return true;
    }

    Win32FileSystem& files_;
    std::string folder_;  // ends in "\"
    UniqueFind find_;
    WIN32_FIND_DATAW data_;
    std::uint32_t mask_;
    bool pending_ = true;  // the entry FindFirstFile returned has not been handed out yet
};

std::unique_ptr<FolderEnumeration> Win32FileSystem::enumerate(const std::string& pattern,
                                                              std::uint32_t mask) {
    std::string full = pattern;
    // A folder path alone names the folder, not its entries.
    if (!full.empty() && full.back() == '\\') full += '*';
    // The program's paths are ANSI paths, which end at MAX_PATH characters.
    if (full.size() >= MAX_PATH) return nullptr;
    const std::wstring wide = Widen(full);
    WIN32_FIND_DATAW first{};
    UniqueFind find(FindFirstFileW(wide.c_str(), &first));
    if (!find) return nullptr;
    const std::string folder = pattern.substr(0, pattern.find_last_of('\\') + 1);
    return std::make_unique<Listing>(*this, folder, std::move(find), first, mask);
}

std::optional<std::uint32_t> Win32FileSystem::attributes(const std::string& path) {
    if (path.size() >= MAX_PATH) return std::nullopt;  // as GetFileAttributesA would answer
    if (!lastListed_.path.empty() && path == lastListed_.path) return lastListed_.attributes;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return attributes;
}

bool Win32FileSystem::copyNewFile(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), /*bFailIfExists=*/TRUE) != FALSE;
}

bool Win32FileSystem::deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ,
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

std::vector<Drive> Win32FileSystem::drives() {
    std::vector<Drive> drives;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(present & (1u << i))) continue;
        Drive drive{static_cast<char>('A' + i), {}};
        const char root[] = {drive.letter, ':', '\\', '\0'};
        char label[MAX_PATH + 1] = {};
        // A drive that is not ready has no label to show.
        if (GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr,
                                  0)) {
            drive.label = label;
        }
        drives.push_back(std::move(drive));
    }
    return drives;
}

std::optional<std::string> Win32Environment::variable(const std::string& name) {
    SetLastError(ERROR_SUCCESS);
    const DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
    if (size == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string{};
    }
    std::string value(size, '\0');
    const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), size);
    value.resize(length < size ? length : 0);
    return value;
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
