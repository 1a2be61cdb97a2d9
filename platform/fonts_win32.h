#pragma once

#include <windows.h>

#include "platform/fonts.h"

namespace typelens::win32 {

class Win32Fonts : public Fonts {
  public:
    // `mainWindow` is told of every change the program makes to the font table.
    explicit Win32Fonts(HWND mainWindow = nullptr);
    void setMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    std::vector<FontFace> faceList() override;
    std::vector<FontFace> familyFaces(const std::string& family) override;
    std::vector<FileFace> fileFaces(const std::string& path) override;
    int addFontResource(const std::string& path) override;
    bool removeFontResource(const std::string& path) override;
    void announceFontChange() override;
    void broadcastFontChange() override;

  private:
    HWND mainWindow_;
};

}  // namespace typelens::win32
