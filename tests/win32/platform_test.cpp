// The file system, registry and font table as Windows answers them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>

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
        RemoveDirectoryA((dir + "e.ttf").c_str());
        EXPECT_EQ(files.attributes(dir + "e.ttf").value_or(0) & attr::Directory, attr::Directory);
    }
    EXPECT_EQ(files.attributes(dir + "e.ttf"), std::nullopt);

    const std::string font = Make(dir + "font.ttf", 0, std::string("bytes\0NUL", 9));
    EXPECT_TRUE(files.copyNewFile(font, dir + "copy.ttf"));
    EXPECT_FALSE(files.copyNewFile(dir + "a.ttf", dir + "copy.ttf"));
    EXPECT_EQ(files.readFile(dir + "copy.ttf"), std::string("bytes\0NUL", 9));
    EXPECT_FALSE(files.copyNewFile(dir + "gone.ttf", dir + "new.ttf"));
    EXPECT_TRUE(files.deleteFile(dir + "copy.ttf"));
    EXPECT_EQ(files.readFile(dir + "copy.ttf"), std::nullopt);
}

TEST(Win32Registry, WritesTypedValues) {
    const std::string path = "Software\\Typelens tests\\";
    auto key = Win32Registry().createKey(RegistryRoot::CurrentUser, path);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->setValue("Face (TrueType)", RegistryType::String, std::string("a.ttf\0", 6)));
    EXPECT_TRUE(key->setValue("Number", RegistryType::Dword, std::string("\x0C\0\0\0", 4)));
    key.reset();
    char text[16] = {};
    DWORD number = 0, type = 0, size = sizeof text;
    RegGetValueA(HKEY_CURRENT_USER, path.c_str(), "Face (TrueType)", RRF_RT_ANY, &type, text,
                 &size);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_STREQ(text, "a.ttf");
    size = sizeof number;
    RegGetValueA(HKEY_CURRENT_USER, path.c_str(), "Number", RRF_RT_ANY, &type, &number, &size);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    EXPECT_EQ(number, 12u);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Typelens tests");
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
