#include "app/pictures_win32.h"

#include <cstring>

#include "app/pictures.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

int DrawingFor(int resource96, int dpi) {
    return resource96 + (dpi > 144   ? kPicturesFor192
                         : dpi > 120 ? kPicturesFor144
                         : dpi > 96  ? kPicturesFor120
                                     : 0);
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

HBITMAP LoadKeyedPicture(int resource96, int width, int height, int dpi) {
    const UniqueBitmap drawn(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(DrawingFor(resource96, dpi)),
                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP size{};
    if (!drawn || !GetObjectW(drawn.get(), sizeof size, &size)) return nullptr;
    std::vector<std::uint32_t> pixels(std::size_t(size.bmWidth) * size.bmHeight);
    BITMAPINFO read = TopDown32(size.bmWidth, size.bmHeight);
    {
        const WindowDC screen(nullptr);
        if (!GetDIBits(screen.get(), drawn.get(), 0, size.bmHeight, pixels.data(), &read,
                       DIB_RGB_COLORS)) {
            return nullptr;
        }
    }
    const Picture picture = Scaled(Keyed(size.bmWidth, size.bmHeight, pixels), width, height);
    BITMAPINFO made = TopDown32(width, height);
    void* bits = nullptr;
    HBITMAP result = CreateDIBSection(nullptr, &made, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (result)
        std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(std::uint32_t));
    return result;
}

HBITMAP LoadPicture(int resource96, int width, int height, int dpi) {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(DrawingFor(resource96, dpi)),
                                           IMAGE_BITMAP, width, height, 0));
}

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TYPELENS),
                                         IMAGE_ICON, size, size, 0));
}

}  // namespace typelens::win32
