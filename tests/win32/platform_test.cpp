// The file system, registry and font table as Windows answers them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>

#include "platform/ansi_win32.h"
#include "platform/filesystem_win32.h"
#include "platform/fonts_win32.h"
#include "platform/registry_win32.h"

namespace typelens::win32 {
namespace {

using Names = std::vector<std::string>;

// A fresh folder under the temporary folder.
std::string Scratch() {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = temp + std::string("typelens-") +
                             std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(counter++) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

std::string Make(const std::string& path, DWORD attributes = 0, const std::string& content = "x") {
    if (path.back() == '\\') {
        CreateDirectoryA(path.c_str(), nullptr);
    } else {
        std::ofstream(path, std::ios::binary) << content;
    }
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path;
}

Names List(FileSystem& files, const std::string& pattern, std::uint32_t mask) {
    Names names;
    if (auto listing = files.enumerate(pattern, mask)) {
        while (auto name = listing->next()) names.push_back(*name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Win32FileSystem, ListsByMaskNeverSystemEntriesAndCopiesOnlyToNewNames) {
    Win32FileSystem files;
    const std::string dir = Scratch();
    for (const char* name : {"a.ttf", "B.TTF", "c.otf", "d.ttf.bak", "e.ttf\\"}) Make(dir + name);
    Make(dir + "h.ttf", FILE_ATTRIBUTE_HIDDEN);
    Make(dir + "s.ttf", FILE_ATTRIBUTE_SYSTEM);
    Make(dir + "Hidden\\", FILE_ATTRIBUTE_HIDDEN);
    Make(dir + "System\\", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(List(files, dir + "*.ttf", attr::Hidden), (Names{"B.TTF", "a.ttf", "h.ttf"}));
    EXPECT_EQ(List(files, dir + "*.ttf", 0), (Names{"B.TTF", "a.ttf"}));
    EXPECT_EQ(
        List(files, dir, attr::Hidden | attr::Directory),
        (Names{".", "..", "B.TTF", "Hidden", "a.ttf", "c.otf", "d.ttf.bak", "e.ttf", "h.ttf"}));
    EXPECT_EQ(files.enumerate(dir + "missing\\", attr::Directory), nullptr);

    // The entry a listing just gave keeps its attributes while the listing lasts.
    {
        auto listing = files.enumerate(dir + "e.tt*", attr::Directory);
        ASSERT_EQ(listing->next(), "e.ttf");
        RemoveDirectoryW(Widen(dir + "e.ttf").c_str());
        EXPECT_EQ(files.attributes(dir + "e.ttf").value_or(0) & attr::Directory, attr::Directory);
    }
    EXPECT_EQ(files.attributes(dir + "e.ttf"), std::nullopt);

    const std::string font = Make(dir + "font.ttf", 0, std::string("bytes\0NUL", 9));
    EXPECT_EQ(files.copyNewFile(font, dir + "copy.ttf"), Outcome::Done);
    EXPECT_EQ(files.copyNewFile(dir + "a.ttf", dir + "copy.ttf"), Outcome::Failed);
    EXPECT_EQ(files.readFile(dir + "copy.ttf"), std::string("bytes\0NUL", 9));
    EXPECT_EQ(files.copyNewFile(dir + "gone.ttf", dir + "new.ttf"), Outcome::Failed);
    EXPECT_TRUE(files.deleteFile(dir + "copy.ttf"));
    EXPECT_EQ(files.readFile(dir + "copy.ttf"), std::nullopt);
    EXPECT_EQ(files.createFolder(dir + "a\\b\\c\\"), Outcome::Done);
    EXPECT_EQ(files.attributes(dir + "a\\b\\c").value_or(0) & attr::Directory, attr::Directory);
}

// The program asks for UTF-8 as its code page: names in any script are listed, reached and
// registered as themselves.
TEST(Win32Platform, NamesInAnyScript) {
    ASSERT_EQ(GetACP(), UINT(CP_UTF8));
    Win32FileSystem files;
    const std::string greek = Scratch() + "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1\\";
    const std::string chinese = "\xE5\xAD\x97\xE4\xBD\x93.ttf";
    EXPECT_EQ(files.createFolder(greek), Outcome::Done);
    CloseHandle(CreateFileW(Widen(greek + chinese).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            0, nullptr));
    EXPECT_EQ(List(files, greek + "*.ttf", 0), Names{chinese});
    EXPECT_TRUE(files.attributes(greek + chinese));

    Win32Registry registry;
    const std::string key = "Software\\Typelens tests\\", name = "\xE5\xAD\x97 (TrueType)";
    const OpenedKey opened = registry.createKey(RegistryRoot::CurrentUser, key);
    ASSERT_EQ(opened.outcome, Outcome::Done);
    EXPECT_EQ(opened.key->setValue(name, RegistryType::String, chinese + '\0'), Outcome::Done);
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, key, name), chinese);
    EXPECT_EQ(registry.readText(RegistryRoot::CurrentUser, key, "missing"), std::nullopt);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Typelens tests");
}

bool Listed(Fonts& fonts, const std::string& face, int charset = 0) {
    const auto faces = fonts.faceList();
    return std::find(faces.begin(), faces.end(), FontFace{face, charset}) != faces.end();
}

TEST(Win32Fonts, AFontFileBringsItsFacesAndTakesThemAgainBrokenOnesNothing) {
    Win32Fonts fonts;
    const std::string face = TYPELENS_TEST_FONTS "\\face.ttf";
    ASSERT_FALSE(Listed(fonts, "Qzx Table Test"));
    EXPECT_EQ(fonts.addFontResource(face), 1);
    EXPECT_TRUE(Listed(fonts, "Qzx Table Test", 0) && Listed(fonts, "Qzx Table Test", 204));
    EXPECT_TRUE(fonts.removeFontResource(face));
    EXPECT_FALSE(Listed(fonts, "Qzx Table Test"));
    EXPECT_FALSE(fonts.removeFontResource(face));
    const std::size_t faces = fonts.faceList().size();
    for (const char* name : {"empty", "random", "cut", "text", "offsets", "missing"}) {
        EXPECT_EQ(fonts.addFontResource(TYPELENS_TEST_FONTS "\\" + std::string(name) + ".ttf"), 0)
            << name;
    }
    EXPECT_EQ(fonts.faceList().size(), faces);
}

}  // namespace
}  // namespace typelens::win32
