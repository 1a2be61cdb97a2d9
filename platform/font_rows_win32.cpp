#include "platform/font_rows_win32.h"

#include <algorithm>
#include <cmath>

#include "browse/font_rows.h"
#include "platform/ansi_win32.h"
#include "platform/dwrite_win32.h"

namespace typelens::win32 {
namespace {

// Drawings kept: a few screens of rows, a few kilobytes each.
constexpr std::size_t kKept = 160;
constexpr int kGap = 4;  // pixels before a row's line

// A letter of its own: no mark that sits on another.
bool IsLetter(char32_t c) {
    if (c > 0xFFFF) return true;  // beyond the BMP: scripts of their own, letters as a rule
    const wchar_t wide = static_cast<wchar_t>(c);
    WORD type = 0, placing = 0;
    return GetStringTypeW(CT_CTYPE1, &wide, 1, &type) && (type & C1_ALPHA) &&
           GetStringTypeW(CT_CTYPE3, &wide, 1, &placing) &&
           !(placing & (C3_NONSPACING | C3_DIACRITIC | C3_VOWELMARK));
}

std::uint32_t Blend(COLORREF paper, COLORREF ink, std::uint8_t covered) {
    const auto channel = [&](int shift) {
        const int from = (paper >> shift) & 0xFF, to = (ink >> shift) & 0xFF;
        return static_cast<std::uint32_t>(from + (to - from) * covered / 255);
    };
    return channel(0) << 16 | channel(8) << 8 | channel(16);  // COLORREF is BGR, a DIB's pixel RGB
}

}  // namespace

void FontRows::setMeasures(int height, int emPixels, int widest) {
    if (height == height_ && emPixels == em_ && widest == widest_) return;
    height_ = height, em_ = emPixels, widest_ = widest;
    target_.reset();
    forget();
}

bool FontRows::setSample(std::u32string line) {
    if (line == sample_) return false;
    sample_ = std::move(line);
    forget();
    return true;
}

void FontRows::forget() {
    recent_.clear();
    byPath_.clear();
}

bool FontRows::makeTarget() {
    if (target_) return true;
    IDWriteFactory* factory = DirectWrite();
    IDWriteGdiInterop* interop = nullptr;
    if (!factory || FAILED(factory->GetGdiInterop(&interop))) return false;
    const UniqueCom<IDWriteGdiInterop> gdi(interop);
    IDWriteBitmapRenderTarget* target = nullptr;
    IDWriteRenderingParams* grey = nullptr;
    // Grey smoothing, one coverage for all three colours, so a drawing can be laid on any
    // background: the selection's as well as the list's.
    if (FAILED(gdi.get()->CreateBitmapRenderTarget(nullptr, widest_, height_, &target)) ||
        FAILED(factory->CreateCustomRenderingParams(1.8f, 0.5f, 0.0f, DWRITE_PIXEL_GEOMETRY_FLAT,
                                                    DWRITE_RENDERING_MODE_NATURAL, &grey))) {
        if (target) target->Release();
        return false;
    }
    target_.reset(target), grey_.reset(grey);
    // The measures given are pixels: a target made at a resolution above 96 dots per inch would
    // scale the glyphs, but not the advances given with them.
    target_.get()->SetPixelsPerDip(1.0f);
    // Which way the target's rows run: its bitmap's header does not always say (Wine's says
    // bottom-up of a top-down one), so a pixel drawn at the top tells.
    HDC memory = target_.get()->GetMemoryDC();
    DIBSECTION bitmap{};
    PatBlt(memory, 0, 0, widest_, height_, WHITENESS);
    SetPixelV(memory, 0, 0, RGB(0, 0, 0));
    GdiFlush();
    if (!GetObjectW(GetCurrentObject(memory, OBJ_BITMAP), sizeof bitmap, &bitmap) ||
        !bitmap.dsBm.bmBits || bitmap.dsBm.bmBitsPixel != 32) {
        target_.reset();
        return false;
    }
    topDown_ = static_cast<const std::uint8_t*>(bitmap.dsBm.bmBits)[1] == 0;
    return true;
}

const FontRows::Drawing& FontRows::drawing(const std::string& path) {
    if (const auto known = byPath_.find(path); known != byPath_.end()) {
        recent_.splice(recent_.begin(), recent_, known->second);
        return known->second->second;
    }
    recent_.emplace_front(path, draw(Widen(path)));
    byPath_[path] = recent_.begin();
    if (recent_.size() > kKept) {
        byPath_.erase(recent_.back().first);
        recent_.pop_back();
    }
    return recent_.front().second;
}

// The file is read here and let go again: its face, its file and DirectWrite's view of it are
// released before this returns, so the user may rename or delete it meanwhile.
FontRows::Drawing FontRows::draw(const std::wstring& path) {
    const auto faces = OpenFaces(path, 1);
    if (faces.empty() || !makeTarget()) return {};
    IDWriteFontFace* face = faces.front().get();
    Drawing drawn{true, 0, {}};
    const auto hasGlyph = [&](char32_t c) {
        const UINT32 point = c;
        UINT16 glyph = 0;
        return SUCCEEDED(face->GetGlyphIndices(&point, 1, &glyph)) && glyph != 0;
    };
    const std::u32string line = RowLine(sample_, RangesOf(face), hasGlyph, IsLetter);
    if (line.empty()) return drawn;

    const std::vector<UINT32> points(line.begin(), line.end());
    std::vector<UINT16> glyphs(points.size());
    std::vector<DWRITE_GLYPH_METRICS> metrics(points.size());
    DWRITE_FONT_METRICS font{};
    face->GetMetrics(&font);
    if (font.designUnitsPerEm == 0 ||
        FAILED(face->GetGlyphIndices(points.data(), static_cast<UINT32>(points.size()),
                                     glyphs.data())) ||
        FAILED(face->GetDesignGlyphMetrics(glyphs.data(), static_cast<UINT32>(glyphs.size()),
                                           metrics.data(), FALSE))) {
        return {};
    }
    const float scale = static_cast<float>(em_) / font.designUnitsPerEm;
    std::vector<FLOAT> advances;
    float length = 0;
    for (const DWRITE_GLYPH_METRICS& glyph : metrics) {
        advances.push_back(glyph.advanceWidth * scale);
        length += advances.back();
    }
    drawn.width = std::clamp(static_cast<int>(std::ceil(length)) + 1, 1, widest_);

    // On white in black, centred on the row by the face's ascent and descent.
    HDC memory = target_.get()->GetMemoryDC();
    PatBlt(memory, 0, 0, drawn.width, height_, WHITENESS);
    const float baseline =
        (height_ - (font.ascent + font.descent) * scale) / 2 + font.ascent * scale;
    DWRITE_GLYPH_RUN run{};
    run.fontFace = face;
    run.fontEmSize = static_cast<FLOAT>(em_);
    run.glyphCount = static_cast<UINT32>(glyphs.size());
    run.glyphIndices = glyphs.data();
    run.glyphAdvances = advances.data();
    if (FAILED(target_.get()->DrawGlyphRun(0, std::round(baseline), DWRITE_MEASURING_MODE_NATURAL,
                                           &run, grey_.get(), RGB(0, 0, 0), nullptr))) {
        return {};
    }
    DIBSECTION bitmap{};
    if (!GetObjectW(GetCurrentObject(memory, OBJ_BITMAP), sizeof bitmap, &bitmap) ||
        !bitmap.dsBm.bmBits || bitmap.dsBm.bmBitsPixel != 32) {
        return {};
    }
    drawn.coverage.resize(static_cast<std::size_t>(drawn.width) * height_);
    GdiFlush();
    const auto* bits = static_cast<const std::uint8_t*>(bitmap.dsBm.bmBits);
    for (int y = 0; y < height_; ++y) {
        const int row = topDown_ ? y : bitmap.dsBm.bmHeight - 1 - y;
        const auto* pixel = bits + static_cast<std::size_t>(row) * bitmap.dsBm.bmWidthBytes;
        for (int x = 0; x < drawn.width; ++x) {
            drawn.coverage[static_cast<std::size_t>(y) * drawn.width + x] = 255 - pixel[4 * x + 1];
        }
    }
    return drawn;
}

void FontRows::paint(HDC dc, const RECT& cell, const std::string& path, bool selected,
                     bool focused) {
    const COLORREF paper =
        GetSysColor(selected ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW);
    const COLORREF ink = GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const Drawing& row = drawing(path);
    const int width = cell.right - cell.left, height = cell.bottom - cell.top;
    if (width <= 0 || height <= 0) return;
    if (!row.usable) {
        const UniqueBrush brush(CreateSolidBrush(paper));
        FillRect(dc, &cell, brush.get());
        RECT text = cell;
        text.left += kGap;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected && focused ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, mark_.c_str(), static_cast<int>(mark_.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        return;
    }
    cell_.assign(static_cast<std::size_t>(width) * height, Blend(paper, ink, 0));
    for (int y = 0; y < std::min(height, height_); ++y) {
        for (int x = 0; x < std::min(row.width, width - kGap); ++x) {
            cell_[static_cast<std::size_t>(y) * width + kGap + x] =
                Blend(paper, ink, row.coverage[static_cast<std::size_t>(y) * row.width + x]);
        }
    }
    BITMAPINFO picture{};
    picture.bmiHeader.biSize = sizeof picture.bmiHeader;
    picture.bmiHeader.biWidth = width;
    picture.bmiHeader.biHeight = -height;  // top row first
    picture.bmiHeader.biPlanes = 1;
    picture.bmiHeader.biBitCount = 32;
    SetDIBitsToDevice(dc, cell.left, cell.top, width, height, 0, 0, 0, height, cell_.data(),
                      &picture, DIB_RGB_COLORS);
}

}  // namespace typelens::win32
