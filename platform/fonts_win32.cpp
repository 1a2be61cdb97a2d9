#include "platform/fonts_win32.h"

#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces) {
    reinterpret_cast<std::vector<std::string>*>(faces)->emplace_back(font->lfFaceName);
    return 1;
}

}  // namespace

std::vector<std::string> Win32Fonts::faceList() {
    std::vector<std::string> faces;
    const WindowDC screen(nullptr);
    if (!screen.get()) return faces;
    EnumFontFamiliesA(screen.get(), nullptr, CollectFace, reinterpret_cast<LPARAM>(&faces));
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
