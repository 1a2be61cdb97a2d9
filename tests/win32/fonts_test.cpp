#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/fonts_win32.h"
#include "tests/support/test_font.h"

namespace typelens::win32 {
namespace {

std::string TempFile(const std::string& name, const std::string& bytes) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

bool Listed(Fonts& fonts, const std::string& face) {
    const auto faces = fonts.faceList();
    return std::find(faces.begin(), faces.end(), face) != faces.end();
}

// The window the program tells of font changes; it counts the notices it gets.
struct Listener {
    static inline int notices = 0;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_FONTCHANGE) ++notices;
        return DefWindowProcA(window, message, w, l);
    }
    HWND window = nullptr;
    Listener() {
        WNDCLASSA c{};
        c.lpfnWndProc = Proc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "TypelensFontListener";
        RegisterClassA(&c);
        window = CreateWindowExA(0, c.lpszClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 c.hInstance, nullptr);
    }
    ~Listener() { DestroyWindow(window); }
};

TEST(Win32Fonts, AGeneratedFontComesAndGoesWithItsFile) {
    const std::string path =
        TempFile("qwv-fonts-test.ttf", testing::MakeTestFont("Qwv Table Test"));
    Listener listener;
    Win32Fonts fonts(listener.window);
    ASSERT_FALSE(Listed(fonts, "Qwv Table Test"));

    EXPECT_GE(fonts.addFontResource(path), 1);
    fonts.announceFontChange();
    EXPECT_EQ(Listener::notices, 1);
    EXPECT_TRUE(Listed(fonts, "Qwv Table Test"));

    EXPECT_TRUE(fonts.removeFontResource(path));
    EXPECT_FALSE(Listed(fonts, "Qwv Table Test"));
    EXPECT_FALSE(fonts.removeFontResource(path));
    DeleteFileA(path.c_str());
}

TEST(Win32Fonts, BrokenFilesAddNothing) {
    Win32Fonts fonts;
    const std::size_t before = fonts.faceList().size();
    const std::string good = testing::MakeTestFont("Qwv Broken Source");
    for (const auto& [name, bytes] : testing::BrokenFonts(good)) {
        const std::string path = TempFile(name, bytes);
        EXPECT_EQ(fonts.addFontResource(path), 0) << name;
        DeleteFileA(path.c_str());
    }
    EXPECT_EQ(fonts.addFontResource(""), 0);
    EXPECT_EQ(fonts.faceList().size(), before);
}

}  // namespace
}  // namespace typelens::win32
