#include "platform/fonts_win32.h"

#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces) {
    reinterpret_cast<std::vector<FontFace>*>(faces)->push_back({font->lfFaceName, font->lfCharSet});
    return 1;
}

}  // namespace

// Every face in every character set it offers, as the system lists them for the screen.
std::vector<FontFace> Win32Fonts::faceList() {
    std::vector<FontFace> faces;
    const WindowDC screen(nullptr);
    if (!screen.get()) return faces;
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen.get(), &all, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

int Win32Fonts::addFontResource(const std::string& path) {
    return AddFontResourceA(path.c_str());
}

bool Win32Fonts::removeFontResource(const std::string& path) {
    return RemoveFontResourceA(path.c_str()) != FALSE;
}

void Win32Fonts::announceFontChange() {
    if (mainWindow_) SendMessageA(mainWindow_, WM_FONTCHANGE, 0, 0);
}

}  // namespace typelens::win32
