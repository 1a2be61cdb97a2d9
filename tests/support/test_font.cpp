#include "tests/support/test_font.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <tuple>

namespace typelens::testing {
namespace {

// 5 x 7 bitmaps of the capitals, top row first; the lower case letters reuse them smaller.
const char* const kLetters[26][7] = {
    {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},  // A
    {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},
    {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#####"},
    {"#####", "#....", "#....", "####.", "#....", "#....", "#...."},
    {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"},
    {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"},
    {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."},
    {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"},
    {"#....", "#....", "#....", "#....", "#....", "#....", "#####"},
    {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"},
    {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"},
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."},
    {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"},
    {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"},
    {".####", "#....", "#....", ".###.", "....#", "....#", "####."},
    {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."},
    {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."},
    {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."},
    {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"},
    {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."},
    {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"},  // Z
};
const char* const kDigits[10][7] = {
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
    {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."},
    {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."},
    {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
    {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."},
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
};

constexpr int kUnitsPerEm = 1000;
constexpr int kAdvance = 620;

class Bytes {
  public:
    void u8(std::uint8_t v) { data_ += static_cast<char>(v); }
    void u16(std::uint32_t v) {
        u8(static_cast<std::uint8_t>(v >> 8)), u8(static_cast<std::uint8_t>(v));
    }
    void s16(int v) { u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
    void u32(std::uint32_t v) { u16(v >> 16), u16(v & 0xFFFF); }
    void tag(const char* t) { data_.append(t, 4); }
    void zeros(std::size_t n) { data_.append(n, '\0'); }
    void pad4() {
        while (data_.size() % 4) u8(0);
    }
    void text(const std::string& s) { data_ += s; }
    std::string& str() { return data_; }

  private:
    std::string data_;
};

struct Box {
    int x0, y0, x1, y1;
};

// A glyph as a set of rectangles, each one clockwise contour.
struct Glyph {
    std::vector<Box> boxes;
};

Glyph FromBitmap(const char* const rows[7], int cell, int baseline, FontLook look) {
    Glyph glyph;
    const int inset = look == FontLook::Dots ? cell / 5 : 0;
    for (int row = 0; row < 7; ++row) {
        const int top = baseline + (7 - row) * cell;
        for (int col = 0; col < 5; ++col) {
            if (rows[row][col] != '#') continue;
            const int left = 60 + col * cell;
            // Solid squares overlap by one unit so no seam shows between them.
            glyph.boxes.push_back({left + inset, top - cell + inset,
                                   left + cell - inset + (inset ? 0 : 1),
                                   top - inset + (inset ? 0 : 1)});
        }
    }
    return glyph;
}

std::string GlyphData(const Glyph& glyph) {
    Bytes b;
    if (glyph.boxes.empty()) return {};
    int xMin = 1 << 30, yMin = 1 << 30, xMax = -(1 << 30), yMax = -(1 << 30);
    for (const Box& box : glyph.boxes) {
        xMin = std::min(xMin, box.x0), yMin = std::min(yMin, box.y0);
        xMax = std::max(xMax, box.x1), yMax = std::max(yMax, box.y1);
    }
    b.s16(static_cast<int>(glyph.boxes.size()));
    b.s16(xMin), b.s16(yMin), b.s16(xMax), b.s16(yMax);
    for (std::size_t i = 0; i < glyph.boxes.size(); ++i)
        b.u16(static_cast<std::uint32_t>(i * 4 + 3));
    b.u16(0);                                                             // no instructions
    for (std::size_t i = 0; i < glyph.boxes.size() * 4; ++i) b.u8(0x01);  // on-curve, long x and y
    // Clockwise: bottom-left, top-left, top-right, bottom-right.
    int x = 0, y = 0;
    std::vector<std::pair<int, int>> points;
    for (const Box& box : glyph.boxes) {
        points.insert(points.end(),
                      {{box.x0, box.y0}, {box.x0, box.y1}, {box.x1, box.y1}, {box.x1, box.y0}});
    }
    for (const auto& p : points) b.s16(p.first - x), x = p.first;
    for (const auto& p : points) b.s16(p.second - y), y = p.second;
    b.pad4();
    return b.str();
}

std::uint32_t Checksum(const std::string& data) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < data.size(); i += 4) {
        std::uint32_t word = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            word =
                (word << 8) | (i + k < data.size() ? static_cast<unsigned char>(data[i + k]) : 0);
        }
        sum += word;
    }
    return sum;
}

std::string NameTable(const std::string& family) {
    const std::string sub = "Regular";
    const std::string ps = [&] {
        std::string s;
        for (char c : family)
            if (c != ' ') s += c;
        return s + "-Regular";
    }();
    const std::map<int, std::string> names = {
        {1, family}, {2, sub}, {3, family + " test"}, {4, family}, {5, "Version 1.0"}, {6, ps}};
    struct Record {
        int platform, encoding, language, id;
        std::string bytes;
    };
    std::vector<Record> records;
    for (const auto& [id, value] : names) records.push_back({1, 0, 0, id, value});
    for (const auto& [id, value] : names) {
        std::string utf16;
        for (char c : value) utf16 += '\0', utf16 += c;
        records.push_back({3, 1, 0x409, id, utf16});
    }
    Bytes b;
    b.u16(0), b.u16(static_cast<std::uint32_t>(records.size()));
    b.u16(static_cast<std::uint32_t>(6 + 12 * records.size()));
    std::string strings;
    for (const Record& r : records) {
        b.u16(r.platform), b.u16(r.encoding), b.u16(r.language), b.u16(r.id);
        b.u16(static_cast<std::uint32_t>(r.bytes.size())),
            b.u16(static_cast<std::uint32_t>(strings.size()));
        strings += r.bytes;
    }
    b.text(strings);
    return b.str();
}

}  // namespace

std::string MakeTestFont(const std::string& family, FontLook look) {
    // Glyph 0 .notdef (a box), 1 space, then A-Z, a-z, 0-9.
    std::vector<Glyph> glyphs;
    glyphs.push_back({{{60, 0, 560, 700}}});
    glyphs.push_back({});
    for (const auto& letter : kLetters) glyphs.push_back(FromBitmap(letter, 100, 0, look));
    for (const auto& letter : kLetters) glyphs.push_back(FromBitmap(letter, 70, 0, look));
    for (const auto& digit : kDigits) glyphs.push_back(FromBitmap(digit, 100, 0, look));
    const int count = static_cast<int>(glyphs.size());

    std::map<std::string, std::string> tables;
    Bytes glyf, loca;
    int maxPoints = 0, maxContours = 0;
    for (const Glyph& g : glyphs) {
        loca.u32(static_cast<std::uint32_t>(glyf.str().size()));
        glyf.text(GlyphData(g));
        maxContours = std::max(maxContours, static_cast<int>(g.boxes.size()));
        maxPoints = std::max(maxPoints, static_cast<int>(g.boxes.size() * 4));
    }
    loca.u32(static_cast<std::uint32_t>(glyf.str().size()));
    tables["glyf"] = glyf.str();
    tables["loca"] = loca.str();

    Bytes head;
    head.u32(0x00010000), head.u32(0x00010000), head.u32(0), head.u32(0x5F0F3CF5);
    head.u16(0x000B), head.u16(kUnitsPerEm), head.zeros(16);
    head.s16(0), head.s16(-200), head.s16(kAdvance), head.s16(800);
    head.u16(0), head.u16(8), head.s16(2), head.s16(1), head.s16(0);
    tables["head"] = head.str();

    Bytes hhea;
    hhea.u32(0x00010000), hhea.s16(800), hhea.s16(-200), hhea.s16(0), hhea.u16(kAdvance);
    hhea.s16(0), hhea.s16(0), hhea.s16(kAdvance), hhea.s16(1), hhea.s16(0), hhea.s16(0);
    hhea.zeros(8), hhea.s16(0), hhea.u16(static_cast<std::uint32_t>(count));
    tables["hhea"] = hhea.str();

    Bytes hmtx;
    for (int i = 0; i < count; ++i) hmtx.u16(kAdvance), hmtx.s16(0);
    tables["hmtx"] = hmtx.str();

    Bytes maxp;
    maxp.u32(0x00010000), maxp.u16(static_cast<std::uint32_t>(count));
    maxp.u16(static_cast<std::uint32_t>(maxPoints)),
        maxp.u16(static_cast<std::uint32_t>(maxContours));
    maxp.u16(0), maxp.u16(0), maxp.u16(2), maxp.zeros(16);
    tables["maxp"] = maxp.str();

    // cmap: one format 4 subtable for Windows Unicode; segments of consecutive glyphs.
    const std::vector<std::pair<int, int>> ranges = {{' ', 1}, {'A', 2}, {'a', 28}, {'0', 54}};
    const std::vector<int> lengths = {1, 26, 26, 10};
    Bytes sub;
    const int segments = static_cast<int>(ranges.size()) + 1;
    sub.u16(4), sub.u16(static_cast<std::uint32_t>(16 + segments * 8)), sub.u16(0);
    sub.u16(static_cast<std::uint32_t>(segments * 2));
    int power = 1, log = 0;
    while (power * 2 <= segments) power *= 2, ++log;
    sub.u16(static_cast<std::uint32_t>(power * 2)), sub.u16(static_cast<std::uint32_t>(log));
    sub.u16(static_cast<std::uint32_t>(segments * 2 - power * 2));
    std::vector<std::tuple<int, int, int>> sorted;  // first code, last code, first glyph
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        sorted.emplace_back(ranges[i].first, ranges[i].first + lengths[i] - 1, ranges[i].second);
    }
    std::sort(sorted.begin(), sorted.end());
    for (auto& s : sorted) sub.u16(static_cast<std::uint32_t>(std::get<1>(s)));
    sub.u16(0xFFFF), sub.u16(0);
    for (auto& s : sorted) sub.u16(static_cast<std::uint32_t>(std::get<0>(s)));
    sub.u16(0xFFFF);
    for (auto& s : sorted)
        sub.u16(static_cast<std::uint32_t>((std::get<2>(s) - std::get<0>(s)) & 0xFFFF));
    sub.u16(1);
    for (int i = 0; i < segments; ++i) sub.u16(0);
    Bytes cmap;
    cmap.u16(0), cmap.u16(1), cmap.u16(3), cmap.u16(1), cmap.u32(12);
    cmap.text(sub.str());
    tables["cmap"] = cmap.str();

    tables["name"] = NameTable(family);

    Bytes os2;
    os2.u16(4), os2.s16(kAdvance), os2.u16(400), os2.u16(5), os2.u16(0);
    for (int v : {650, 600, 0, 75, 650, 600, 0, 350, 50, 250}) os2.s16(v);
    os2.s16(0);                                      // family class
    os2.zeros(10);                                   // panose
    os2.u32(1), os2.u32(0), os2.u32(0), os2.u32(0);  // Basic Latin
    os2.tag("TLNS");
    os2.u16(0x40);  // regular
    os2.u16(' '), os2.u16('z');
    os2.s16(800), os2.s16(-200), os2.s16(0), os2.u16(800), os2.u16(200);
    os2.u32((1u << 0) | (1u << 2)), os2.u32(0);  // code pages 1252 and 1251
    os2.s16(500), os2.s16(700), os2.u16(0), os2.u16(' '), os2.u16(1);
    tables["OS/2"] = os2.str();

    Bytes post;
    post.u32(0x00030000), post.u32(0), post.s16(-100), post.s16(50), post.zeros(20);
    tables["post"] = post.str();

    // The file: offset table, table records (sorted by tag), then the tables.
    const auto numTables = static_cast<std::uint32_t>(tables.size());
    int power2 = 1, log2 = 0;
    while (power2 * 2 <= static_cast<int>(numTables)) power2 *= 2, ++log2;
    Bytes file;
    file.u32(0x00010000), file.u16(numTables), file.u16(static_cast<std::uint32_t>(power2 * 16));
    file.u16(static_cast<std::uint32_t>(log2)), file.u16(numTables * 16 - power2 * 16);
    std::uint32_t offset = 12 + 16 * numTables;
    std::size_t headOffset = 0;
    for (const auto& [tag, data] : tables) {
        file.tag(tag.c_str()), file.u32(Checksum(data)), file.u32(offset);
        file.u32(static_cast<std::uint32_t>(data.size()));
        if (tag == "head") headOffset = offset;
        offset += static_cast<std::uint32_t>((data.size() + 3) / 4 * 4);
    }
    for (const auto& [tag, data] : tables) file.text(data), file.pad4();
    std::string bytes = file.str();
    const std::uint32_t adjust = 0xB1B0AFBA - Checksum(bytes);
    for (int i = 0; i < 4; ++i)
        bytes[headOffset + 8 + i] = static_cast<char>(adjust >> (24 - 8 * i));
    return bytes;
}

std::vector<std::pair<std::string, std::string>> BrokenFonts(const std::string& goodFont) {
    std::mt19937 random(20261206);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    // 65535 tables claimed, and the file ends after the real table records.
    const std::size_t realTables = static_cast<unsigned char>(goodFont[5]);
    std::string hugeCount = goodFont.substr(0, 12 + 16 * realTables);
    hugeCount[4] = '\xFF', hugeCount[5] = '\xFF';
    std::string badOffsets = goodFont;
    for (std::size_t record = 12; record + 16 <= 12 + 16 * 10 && record + 16 <= badOffsets.size();
         record += 16) {
        badOffsets[record + 8] = '\x7F';  // every table far beyond the end of the file
    }
    std::string sfntNoise = goodFont.substr(0, 12) + noise;
    return {
        {"zero bytes.ttf", ""},
        {"random bytes.ttf", noise},
        {"cut at the header.ttf", goodFont.substr(0, 10)},
        {"cut in half.ttf", goodFont.substr(0, goodFont.size() / 2)},
        {"huge table count.ttf", hugeCount},
        {"bad offsets.ttf", badOffsets},
        {"header then noise.ttf", sfntNoise},
        {"text file.ttf", "This is not a font.\r\nIt only has a font's name.\r\n"},
    };
}

}  // namespace typelens::testing
