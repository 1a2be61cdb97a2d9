// Font files as Windows reads and draws them, on fonts that tests/fonts/make_fonts.py made into
// the folder TYPELENS_TEST_FONTS names (see CMakeLists.txt).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <tuple>
#include <string>
#include <vector>

#include "platform/gdi_objects_win32.h"
#include "app/glyphora_window_win32.h"
#include "platform/controls_win32.h"
#include "platform/environment_win32.h"
#include "platform/filesystem_win32.h"
#include "platform/fonts_win32.h"
#include "preview/preview_pane.h"

namespace typelens::win32 {
namespace {

using Names = std::vector<std::string>;
using Pixels = std::vector<DWORD>;

// The generated font `name`, as Wine names the host's file.
std::string Font(const std::string& name) {
    std::string path = std::string("Z:") + std::getenv("TYPELENS_TEST_FONTS") + "/" + name;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

// The window as it is drawn now.
Pixels Shot(HWND window) {
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC memory = CreateCompatibleDC(nullptr);
    {
        const SelectedObject selected(memory, bitmap.get());
        const WindowDC dc(window);
        BitBlt(memory, 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
    }
    DeleteDC(memory);
    const auto* first = static_cast<const DWORD*>(bits);
    return Pixels(first, first + client.right * client.bottom);
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

TEST(Win32Fonts, ReadsWhatEachFileSaysAndListsEveryStyleOfAFamily) {
    Win32Fonts fonts;
    const auto bold = fonts.fileFaces(Font("family/Qzx-Bold.ttf"));
    ASSERT_EQ(bold.size(), 1u);
    EXPECT_EQ(bold[0].families, Names{"Qzx Fam"});
    EXPECT_EQ(bold[0].style + "|" + bold[0].fullName, "Bold|Qzx Fam Bold");
    EXPECT_EQ(bold[0].weight, 700);
    const auto italic = fonts.fileFaces(Font("family/Qzx-Italic.ttf"));
    ASSERT_EQ(italic.size(), 1u);
    EXPECT_TRUE(italic[0].italic);
    EXPECT_EQ(italic[0].weight, 400);
    const auto plain = fonts.fileFaces(Font("plain.ttf"));  // no full name in the file
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].style + "|" + plain[0].fullName, "Regular|");
    // Files that are no font, but for the one that must never be read (see fonts.h).
    for (const char* broken : {"empty.ttf", "random.ttf", "cut.ttf", "missing.ttf"})
        EXPECT_TRUE(fonts.fileFaces(Font(broken)).empty()) << broken;

    for (const char* style : {"Regular", "Bold", "Italic"})
        ASSERT_EQ(fonts.addFontResource(Font("family/Qzx-" + std::string(style) + ".ttf")), 1);
    std::string listed;
    for (const FontFace& face : fonts.familyFaces("Qzx Fam")) {
        listed +=
            face.fullName + " " + std::to_string(face.weight) + (face.italic ? "i" : "") + ",";
    }
    EXPECT_EQ(listed,  // the italic declares Cyrillic too
              "Qzx Fam Regular 400,Qzx Fam Bold 700,Qzx Fam Italic 400i,Qzx Fam Italic 400i,");
    for (const char* style : {"Regular", "Bold", "Italic"})
        fonts.removeFontResource(Font("family/Qzx-" + std::string(style) + ".ttf"));
}

// Asked for at its own weight and slant, each style is drawn from its own file, not from another
// style emboldened or slanted; and files of the same names from three folders, one after
// another, each from its own glyphs, though Wine would reuse the font made for the first.
TEST(EditPreviewFont, DrawsEachFileFromItsOwnGlyphs) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"Qzx Wag Hum", WS_POPUP | WS_VISIBLE | ES_MULTILINE, 0,
                                0, 420, 80, nullptr, nullptr, nullptr, nullptr);
    Win32Fonts fonts;
    EditPreviewFont font;
    font.attach(edit, {"Arial"}, 36, 96);
    std::vector<Pixels> drawn{Shot(edit)};
    const auto show = [&](const std::string& file, const FaceRequest& face) {
        fonts.addFontResource(Font(file));
        EXPECT_TRUE(font.setFace(face));
        drawn.push_back(Shot(edit));
    };
    show("family/Qzx-Regular.ttf", {"Qzx Fam"});  // stays in the table, as installed
    font.setBold(true);
    drawn.push_back(Shot(edit));
    font.setBold(false);
    for (const auto& [style, weight, italic] :
         {std::tuple{"Bold", 700, false}, std::tuple{"Italic", 400, true}}) {
        show("family/Qzx-" + std::string(style) + ".ttf", {"Qzx Fam", 0, weight, italic});
        fonts.removeFontResource(Font("family/Qzx-" + std::string(style) + ".ttf"));
    }
    fonts.removeFontResource(Font("family/Qzx-Regular.ttf"));
    for (const char* folder : {"a", "b", "c"}) {
        show(std::string(folder) + "/Same.ttf", {"Qzx Same", 0, 700});
        fonts.removeFontResource(Font(std::string(folder) + "/Same.ttf"));
    }
    // Arial, Regular, Regular with Bold pressed, Bold, Italic, a, b, c: no two alike.
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(drawn[i], drawn[j]) << i << " like " << j;
    DestroyWindow(edit);
}

// Each setter keeps the other attributes; the toolbar's emphasis comes on top of the face's own
// weight and slant, and leaves them when it goes.
TEST(EditPreviewFont, ChangesOneAttributeAtATimeTheToolbarsEmphasisOnTop) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 300, 300, nullptr,
                                nullptr, nullptr, nullptr);
    EditPreviewFont font;
    font.attach(edit, {"Arial", 204}, 36, 96);
    EXPECT_TRUE(font.setBold(true) && font.setItalic(true) && font.setFace({"Tahoma", 0, 300}) &&
                font.setSize(72));
    LOGFONTW styled = FontOf(edit);
    EXPECT_EQ(std::wstring(styled.lfFaceName) + L" " + std::to_wstring(styled.lfHeight),
              L"Tahoma -96");
    EXPECT_EQ(styled.lfWeight, FW_BOLD);
    EXPECT_TRUE(styled.lfItalic);
    EXPECT_EQ(styled.lfCharSet, 0);  // the face's, kept by every other attribute
    EXPECT_TRUE(font.setFace({"Tahoma", 0, 900, true}) && font.setBold(false) &&
                font.setItalic(false) && font.setSize(0.1f));
    styled = FontOf(edit);
    EXPECT_EQ(styled.lfWeight, 900);
    EXPECT_TRUE(styled.lfItalic);
    EXPECT_EQ(styled.lfHeight, -1);  // never 0, which would mean any size
    EXPECT_FALSE(font.setFace({std::string(40, 'x')}));
    DestroyWindow(edit);
}

// Many previews, of a family the machine has (read through DirectWrite) and of one it has not,
// leave as many GDI objects as the first did: no click leaks.
TEST(PreviewPane, TwoHundredPreviewsLeakNothing) {
    const auto child = [](HWND parent, const wchar_t* kind, DWORD style) {
        return CreateWindowExW(0, kind, L"", (parent ? WS_CHILD : WS_POPUP) | style, 0, 0, 300, 200,
                               parent, nullptr, nullptr, nullptr);
    };
    HWND host = child(nullptr, L"STATIC", WS_VISIBLE);
    Win32Fonts fonts(host);
    Win32Environment environment;
    ListViewFileList list(child(host, WC_LISTVIEWW, kFile1Style));
    WindowText name(child(host, L"EDIT", 0)), size(child(host, L"EDIT", 0)),
        details(child(host, L"EDIT", 0));
    EditPreviewFont font;
    font.attach(child(host, L"EDIT", WS_VISIBLE | ES_MULTILINE), {"Arial"}, 36, 96);
    fonts.addFontResource(Font("family/Qzx-Regular.ttf"));  // installed
    Win32FileSystem files;
    PreviewPane pane(fonts, files, environment, {list, name, details, size, font});
    pane.takeSnapshot();
    list.beginFill();
    for (const char* file : {"family/Qzx-Bold.ttf", "plain.ttf"}) list.add(Font(file), file, 2);
    list.endFill();
    std::size_t first = 0;
    for (int i = 0; i < 200; ++i) {
        ListView_SetItemState(GetWindow(host, GW_CHILD), i % 2, LVIS_SELECTED, LVIS_SELECTED);
        pane.onFile1Click();
        UpdateWindow(host);
        if (i == 0) first = GdiObjectCount();
    }
    EXPECT_EQ(name.text(), "Qzx Plain");
    EXPECT_EQ(GdiObjectCount(), first);
    pane.unload();
    fonts.removeFontResource(Font("family/Qzx-Regular.ttf"));
    DestroyWindow(host);
}

}  // namespace
}  // namespace typelens::win32
