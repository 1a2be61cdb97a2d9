// The file system and the program's window fonts as Windows answers them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "platform/gdi_objects_win32.h"
#include "platform/ansi_win32.h"
#include "platform/case_blind.h"
#include "platform/controls_win32.h"
#include "platform/filesystem_win32.h"
#include "platform/window_font_win32.h"
#include "platform/name_order_win32.h"

namespace typelens::win32 {
namespace {

using Names = std::vector<std::string>;

// A file, or a folder where the path ends in "\\".
std::string Make(const std::string& path, DWORD attributes = 0, const std::string& content = "x") {
    if (path.back() == '\\')
        CreateDirectoryA(path.c_str(), nullptr);
    else
        std::ofstream(path, std::ios::binary) << content;
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path;
}

Names Sorted(const std::vector<FolderEntry>& entries) {
    Names names;
    for (const FolderEntry& entry : entries) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<FolderEntry> List(FileSystem& files, const std::string& pattern, std::uint32_t mask) {
    std::vector<FolderEntry> entries;
    if (auto listing = files.enumerate(pattern, mask)) {
        while (auto entry = listing->next()) entries.push_back(*entry);
    }
    return entries;
}

TEST(Win32FileSystem, ListsByMaskNeverSystemEntriesAndCopiesOnlyToNewNames) {
    Win32FileSystem files;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string dir =
        Make(temp + ("typelens-" + std::to_string(GetCurrentProcessId())) + "\\");
    for (const char* name : {"a.ttf", "B.TTF", "c.otf", "d.ttf.bak", "e.ttf\\"}) Make(dir + name);
    Make(dir + "h.ttf", FILE_ATTRIBUTE_HIDDEN);
    Make(dir + "s.ttf", FILE_ATTRIBUTE_SYSTEM);
    Make(dir + "Hidden\\", FILE_ATTRIBUTE_HIDDEN);
    Make(dir + "System\\", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(Sorted(List(files, dir + "*.ttf", attr::Hidden)), (Names{"B.TTF", "a.ttf", "h.ttf"}));
    EXPECT_EQ(Sorted(List(files, dir + "*.ttf", 0)), (Names{"B.TTF", "a.ttf"}));
    const auto all = List(files, dir, attr::Hidden | attr::Directory);
    EXPECT_EQ(Sorted(all), (Names{".", "..", "B.TTF", "Hidden", "a.ttf", "c.otf", "d.ttf.bak",
                                  "e.ttf", "h.ttf"}));
    std::map<std::string, std::uint32_t> attributes;  // each entry comes with its attributes
    for (const FolderEntry& entry : all) attributes[entry.name] = entry.attributes & 0xFF;
    EXPECT_EQ(attributes["Hidden"], attr::Directory | attr::Hidden);
    EXPECT_EQ(attributes["e.ttf"] & attr::Directory, attr::Directory);
    EXPECT_EQ(attributes["a.ttf"] & attr::Directory, 0u);
    EXPECT_EQ(files.enumerate(dir + "missing\\", attr::Directory), nullptr);
    EXPECT_EQ(files.readFolder(dir + "missing\\", "*.ttf"), std::nullopt);

    // A folder read whole gives what the file system lists for "*.ttf", short names too (Wine
    // lists "font.ttf~" for *.ttf, as FONTTT~1.TTF), and every other entry; also where other
    // files are too many to ask for their short names one by one.
    Make(dir + "font.ttf~");
    for (const std::size_t others : {0, 20}) {
        for (std::size_t i = 0; i < others; ++i) Make(dir + "note " + std::to_string(i) + ".txt");
        const auto reading = files.readFolder(dir, "*.ttf");
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->size(), 12u + others);
        for (std::uint32_t mask : {0u, attr::Hidden}) {
            EXPECT_EQ(Sorted(Listed(*reading, "*.ttf", mask)),
                      Sorted(List(files, dir + "*.ttf", mask)));
        }
    }
    // A path longer than the ANSI calls take is refused, as they would refuse it, though the
    // file is there; a name the code page cannot spell (half a surrogate pair) is no name.
    std::wstring deep = L"\\\\?\\" + Widen(dir);
    for (int i = 0; i < 12; ++i)
        CreateDirectoryW((deep += std::wstring(24, L'd') + L"\\").c_str(), nullptr);
    CloseHandle(CreateFileW((deep + L"far.ttf").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            0, nullptr));
    const std::string distant = Narrow(deep.c_str() + 4) + "far.ttf";
    ASSERT_GE(distant.size(), std::size_t{MAX_PATH});
    ASSERT_NE(GetFileAttributesW((deep + L"far.ttf").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(files.attributes(distant), std::nullopt);
    EXPECT_EQ(files.readFile(distant), std::nullopt);
    EXPECT_EQ(files.copyNewFile(distant, dir + "near.ttf"), Outcome::Failed);
    EXPECT_EQ(ExactAnsi(L"half\xD800.ttf"), std::nullopt);
    EXPECT_EQ(ExactAnsi(L"\u0431\u5b57.ttf"), "\xD0\xB1\xE5\xAD\x97.ttf");  // UTF-8 spells the rest

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

// The program's own fonts draw text as the system smooths it: pixel for pixel as a font that
// leaves the quality to the system, and unlike a font smoothed otherwise.
TEST(WindowFont, DrawsTextAsTheSystemSmoothsIt) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 40, nullptr,
                                  nullptr, nullptr, nullptr);
    const auto drawn = [&](HFONT font) {
        const WindowDC dc(window);
        const SelectedObject selected(dc.get(), font);
        RECT all{0, 0, 300, 40};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        TextOutW(dc.get(), 2, 2, L"Qzx Wag 0123", 12);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x) pixels.push_back(GetPixel(dc.get(), x, y));
        return pixels;
    };
    const UniqueFont ours = WindowFont(L"Tahoma", 18, 96);
    LOGFONTW font{};
    GetObjectW(ours.get(), sizeof font, &font);
    font.lfQuality = DEFAULT_QUALITY;
    const UniqueFont systems(CreateFontIndirectW(&font));
    font.lfQuality =
        SmoothingQuality() == NONANTIALIASED_QUALITY ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY;
    const UniqueFont otherwise(CreateFontIndirectW(&font));
    EXPECT_EQ(drawn(ours.get()), drawn(systems.get()));
    EXPECT_NE(drawn(otherwise.get()), drawn(systems.get()));
    DestroyWindow(window);
}

// Names in the order Explorer lists them, found by their first letters and compared, in any
// script and either case.
TEST(NameOrder, FoldsLetterCaseInEveryScriptAndReadsNumbersByValue) {
    const std::pair<const wchar_t*, const wchar_t*> before[] = {
        {L"alpha.ttf", L"Zeta.ttf"},
        {L"Font1.ttf", L"font2.ttf"},
        {L"font2.ttf", L"font10.ttf"},
        {L"9.ttf", L"10.ttf"},
        {L"\u0430\u0440\u0431\u0443\u0437.ttf", L"\u0411\u043e\u0440\u0449.ttf"},  // арбуз, Борщ
        {L"\u0411\u043e\u0440\u0449.ttf", L"\u0432\u043e\u0434\u0430.ttf"},  // Борщ, вода
        {L"\u03b1\u03b2.ttf", L"\u0395\u03bb.ttf"},                          // αβ, Ελ
        {L"eclair.ttf", L"\u00c9clairs.ttf"},
        {L"Zeta.ttf", L"\u03b1\u03b2.ttf"}};
    for (const auto& [first, second] : before) {
        EXPECT_LT(SortKey(first), SortKey(second)) << Narrow(first) << " " << Narrow(second);
    }
    EXPECT_EQ(SortKey(L"\u0411\u041e\u0420\u0429"), SortKey(L"\u0431\u043e\u0440\u0449"));
    EXPECT_EQ(SortKey(L"FONT.TTF"), SortKey(L"font.ttf"));
    EXPECT_TRUE(BeginsWith(L"\u0411\u043e\u0440\u0449.ttf", L"\u0431"));  // Борщ, б
    EXPECT_TRUE(BeginsWith(L"\u0411\u043e\u0440\u0449.ttf", L"\u0411\u041e"));
    EXPECT_TRUE(BeginsWith(L"\u0395\u03bb.ttf", L"\u03b5\u03bb"));
    EXPECT_FALSE(BeginsWith(L"Borsch.ttf", L"\u0431"));
    EXPECT_FALSE(BeginsWith(L"ab", L"abc"));
    // Names are the same in any letter case, in every script, folded alike to be looked up.
    EXPECT_TRUE(EqualIgnoringCase("Борщ Ελλάδα Éclair.ttf", "бОРЩ ΕΛΛΆΔΑ éCLAIR.TTF"));
    EXPECT_FALSE(EqualIgnoringCase("Борщ", "Борш"));
    EXPECT_EQ(FoldCase("Борщ Ελλάδα"), FoldCase("БОРЩ ελλάδα"));
}

}  // namespace
}  // namespace typelens::win32
