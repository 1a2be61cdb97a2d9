#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/filesystem_win32.h"
#include "platform/gdi_objects_win32.h"
#include "platform/registry_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

// A fresh folder under the temporary folder, removed again with everything in it.
class Scratch {
  public:
    Scratch() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "typelens-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter_++) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~Scratch() {
        std::string from = path_ + '\0';  // double NUL for the shell
        SHFILEOPSTRUCTA op{};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationA(&op);
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name, const std::string& content = "x",
                     DWORD attributes = 0) const {
        std::ofstream(path_ + name, std::ios::binary) << content;
        if (attributes) SetFileAttributesA((path_ + name).c_str(), attributes);
        return path_ + name;
    }
    std::string folder(const std::string& name, DWORD attributes = 0) const {
        CreateDirectoryA((path_ + name).c_str(), nullptr);
        if (attributes) SetFileAttributesA((path_ + name).c_str(), attributes);
        return path_ + name;
    }

  private:
    static inline int counter_ = 0;
    std::string path_;
};

std::vector<std::string> List(FileSystem& files, const std::string& pattern, std::uint32_t mask) {
    std::vector<std::string> names;
    if (auto listing = files.enumerate(pattern, mask)) {
        while (auto name = listing->next()) names.push_back(*name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

using Names = std::vector<std::string>;

TEST(Win32FileSystem, ListingFollowsTheMaskAndNeverShowsSystemEntries) {
    Scratch scratch;
    Win32FileSystem files;
    scratch.file("a.ttf");
    scratch.file("B.TTF");
    scratch.file("c.otf");
    scratch.file("d.ttf.bak");
    scratch.file("h.ttf", "x", FILE_ATTRIBUTE_HIDDEN);
    scratch.file("s.ttf", "x", FILE_ATTRIBUTE_SYSTEM);
    scratch.folder("e.ttf");
    scratch.folder("Hidden", FILE_ATTRIBUTE_HIDDEN);
    scratch.folder("System", FILE_ATTRIBUTE_SYSTEM);

    EXPECT_EQ(List(files, scratch.path() + "*.ttf", 2), (Names{"B.TTF", "a.ttf", "h.ttf"}));
    EXPECT_EQ(List(files, scratch.path() + "*.ttf", 0), (Names{"B.TTF", "a.ttf"}));
    EXPECT_EQ(List(files, scratch.path(), 18), (Names{".", "..", "B.TTF", "Hidden", "a.ttf",
                                                      "c.otf", "d.ttf.bak", "e.ttf", "h.ttf"}));
    EXPECT_EQ(files.enumerate(scratch.path() + "missing\\", 18), nullptr);
    EXPECT_EQ(files.enumerate(scratch.path() + "*.none", 2), nullptr);
}

TEST(Win32FileSystem, TheEntryJustListedKeepsItsAttributesUntilTheListingEnds) {
    Scratch scratch;
    Win32FileSystem files;
    const std::string folder = scratch.folder("only");
    {
        auto listing = files.enumerate(scratch.path() + "only*", 16);
        ASSERT_NE(listing, nullptr);
        ASSERT_EQ(listing->next(), "only");
        RemoveDirectoryA(folder.c_str());  // gone, but the listing saw it as a folder
        EXPECT_EQ(files.attributes(folder).value_or(0) & 16u, 16u);
        EXPECT_EQ(files.attributes(folder + "x"), std::nullopt);
    }
    EXPECT_EQ(files.attributes(folder), std::nullopt);
}

TEST(Win32FileSystem, NamesTheCodePageCannotSpellAreLeftOut) {
    Scratch scratch;
    Win32FileSystem files;
    scratch.file("plain.ttf");
    const std::wstring wide = std::wstring(scratch.path().begin(), scratch.path().end()) +
                              L"\x0444\x043E\x043D\x0442.ttf";  // Cyrillic, not in code page 1252
    CloseHandle(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(GetACP(), 1252u);
    EXPECT_EQ(List(files, scratch.path() + "*.ttf", 2), (Names{"plain.ttf"}));
}

TEST(Win32FileSystem, AttributesCopiesAndReads) {
    Scratch scratch;
    Win32FileSystem files;
    const std::string font = scratch.file("font.ttf", std::string("bytes\0with a NUL", 16));
    const std::string folder = scratch.folder("sub");

    EXPECT_EQ(files.attributes(folder).value_or(0) & 16u, 16u);
    EXPECT_EQ(files.attributes(font).value_or(16) & 16u, 0u);
    EXPECT_EQ(files.attributes(scratch.path() + "gone"), std::nullopt);

    EXPECT_TRUE(files.copyNewFile(font, folder + "\\copy.ttf"));
    EXPECT_EQ(files.readFile(folder + "\\copy.ttf"), std::string("bytes\0with a NUL", 16));
    EXPECT_FALSE(files.copyNewFile(scratch.file("other.ttf", "other"), folder + "\\copy.ttf"));
    EXPECT_EQ(files.readFile(folder + "\\copy.ttf"), std::string("bytes\0with a NUL", 16));
    EXPECT_FALSE(files.copyNewFile(scratch.path() + "gone.ttf", folder + "\\new.ttf"));
    EXPECT_EQ(files.readFile(scratch.path() + "gone.ttf"), std::nullopt);
    EXPECT_EQ(files.readFile(scratch.file("empty.ttf", "")), "");

    EXPECT_TRUE(files.deleteFile(folder + "\\copy.ttf"));
    EXPECT_FALSE(files.deleteFile(folder + "\\copy.ttf"));
}

TEST(Win32FileSystem, DrivesIncludeCAndZ) {
    Win32FileSystem files;
    std::string letters;
    for (const Drive& drive : files.drives()) letters += drive.letter;
    EXPECT_NE(letters.find('C'), std::string::npos);
    EXPECT_NE(letters.find('Z'), std::string::npos);
}

TEST(Win32Environment, VariablesAndNumberFormat) {
    Win32Environment environment;
    SetEnvironmentVariableA("TYPELENS_TEST", "value");
    EXPECT_EQ(environment.variable("TYPELENS_TEST"), "value");
    SetEnvironmentVariableA("TYPELENS_TEST", nullptr);
    EXPECT_EQ(environment.variable("TYPELENS_TEST"), std::nullopt);
    EXPECT_EQ(environment.variable("windir"), "C:\\windows");
    const NumberFormat format = environment.numberFormat();
    EXPECT_EQ(format.decimal, ".");
    EXPECT_EQ(format.thousands, ",");
}

TEST(Win32Registry, WritesTypedValuesAndClosesItsKey) {
    Win32Registry registry;
    const std::string path = "Software\\Typelens tests\\Created\\";
    {
        auto key = registry.createKey(RegistryRoot::CurrentUser, path);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(
            key->setValue("Text (TrueType)", RegistryType::String, std::string("a.ttf\0", 6)));
        EXPECT_TRUE(key->setValue("Number", RegistryType::Dword, std::string("\x0C\0\0\0", 4)));
    }
    UniqueKey read;
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
    read.reset(opened);
    char text[32] = {};
    DWORD type = 0, size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(read.get(), "Text (TrueType)", nullptr, &type,
                               reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(text, "a.ttf");
    DWORD number = 0;
    size = sizeof number;
    ASSERT_EQ(RegQueryValueExA(read.get(), "Number", nullptr, &type,
                               reinterpret_cast<BYTE*>(&number), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number, 12u);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Typelens tests");
}

TEST(ScopedHandles, GiveBackWhatTheyHold) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ReleaseDC(window, GetDC(window));  // the system keeps a DC for the window from now on
    const std::size_t before = GdiObjectCount();
    {
        const UniqueBrush counted(CreateSolidBrush(RGB(4, 5, 6)));
        ASSERT_EQ(GdiObjectCount(), before + 1);  // the count sees objects come and go
    }
    ASSERT_EQ(GdiObjectCount(), before);
    for (int i = 0; i < 50; ++i) {
        const WindowDC dc(window);
        ASSERT_NE(dc.get(), nullptr);
        EXPECT_EQ(dc.window(), window);
        UniqueFont font(CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"));
        const SelectedObject selected(dc.get(), font.get());
        UniqueBrush moved(CreateSolidBrush(RGB(1, 2, 3)));
        UniqueBrush owner = std::move(moved);
        EXPECT_FALSE(moved);
        EXPECT_TRUE(owner);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    DestroyWindow(window);
}

}  // namespace
}  // namespace typelens::win32
