// The font list's rows on Windows: beside each file's name, a line drawn in that file's face,
// straight from the file with DirectWrite (never through the font table, so each file shows its
// own face and other programs hear nothing of it).
#pragma once

#include <windows.h>
#include <dwrite_3.h>

#include <cstdint>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/scoped_win32.h"

namespace typelens::win32 {

class FontRows {
  public:
    // Rows `height` pixels high, their lines `emPixels` high and at most `widest` pixels long;
    // `mark` is what a row says of a file that is no usable font.
    void setMeasures(int height, int emPixels, int widest);
    void setMark(std::wstring mark) { mark_ = std::move(mark); }
    // The line the rows draw, where a face has its characters; false when it is the line they
    // draw already.
    bool setSample(std::u32string line);
    // Every drawing goes: the files may have changed since.
    void forget();
    // Paints the row of the file at `path` into `cell`, as the list paints a row that is
    // `selected` while it has the focus or not.
    void paint(HDC dc, const RECT& cell, const std::string& path, bool selected, bool focused);
    // Drawings kept, for the rows that scroll back into view; no file is kept open.
    std::size_t kept() const { return recent_.size(); }

  private:
    struct Drawing {
        bool usable = false;
        int width = 0;
        std::vector<std::uint8_t> coverage;  // width x height of the row, 255 where fully inked
    };
    const Drawing& drawing(const std::string& path);
    Drawing draw(const std::wstring& path);
    bool makeTarget();

    std::u32string sample_;
    std::wstring mark_;
    int height_ = 0, em_ = 0, widest_ = 0;
    std::list<std::pair<std::string, Drawing>> recent_;  // the most recently painted first
    std::unordered_map<std::string, std::list<std::pair<std::string, Drawing>>::iterator> byPath_;
    UniqueCom<IDWriteBitmapRenderTarget> target_;
    UniqueCom<IDWriteRenderingParams> grey_;
    bool topDown_ = true;              // the target's first row is the picture's top
    std::vector<std::uint32_t> cell_;  // the pixels of the cell being painted
};

}  // namespace typelens::win32
