#pragma once

#include <windows.h>

#include <memory>

#include "platform/fonts.h"

namespace typelens::win32 {

class FileNames;

class Win32Fonts : public Fonts {
  public:
    // `mainWindow` is told of every change the program makes to the font table.
    explicit Win32Fonts(HWND mainWindow = nullptr);
    ~Win32Fonts() override;
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
    std::unique_ptr<FileNames> fileNames_;  // made when a file is first read
};

}  // namespace typelens::win32
