#include "platform/fonts_win32.h"

#include "platform/ansi_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
    // A name the code page cannot spell could not be asked for again.
    if (auto name = ExactAnsi(font->lfFaceName)) {
        reinterpret_cast<std::vector<FontFace>*>(faces)->push_back(
            {std::move(*name), font->lfCharSet});
    }
    return 1;
}

}  // namespace

// Every face in every character set it offers, as the system lists them for the screen.
std::vector<FontFace> Win32Fonts::faceList() {
    std::vector<FontFace> faces;
    const WindowDC screen(nullptr);
    if (!screen.get()) return faces;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen.get(), &all, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

int Win32Fonts::addFontResource(const std::string& path) {
    return AddFontResourceW(Widen(path).c_str());
}

bool Win32Fonts::removeFontResource(const std::string& path) {
    return RemoveFontResourceW(Widen(path).c_str()) != FALSE;
}

void Win32Fonts::announceFontChange() {
    if (mainWindow_) SendMessageW(mainWindow_, WM_FONTCHANGE, 0, 0);
}

void Win32Fonts::broadcastFontChange() {
    constexpr UINT kPatience = 1000;  // milliseconds for each window that does not answer
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, kPatience, nullptr);
}

}  // namespace typelens::win32
