#include <gtest/gtest.h>

#include "browse/font_rows.h"
#include "preview/font_details.h"

namespace typelens {
namespace {

// A font file's first bytes: the header of `version` and a record for each table's offset and
// length, big-endian.
std::string Directory(std::uint32_t version, const std::vector<std::pair<int, int>>& tables) {
    std::string bytes;
    const auto put = [&](std::uint32_t value, int size) {
        for (int i = size - 1; i >= 0; --i) bytes += static_cast<char>(value >> (8 * i));
    };
    put(version, 4), put(std::uint32_t(tables.size()), 2), put(0, 6);
    for (const auto& [offset, length] : tables)
        put(0x676C7966, 4), put(0, 4), put(offset, 4), put(length, 4);
    return bytes;
}

bool Fits(const std::string& bytes, std::uint64_t size) {
    return TableDirectoryFits(
        [&](std::uint64_t at, std::size_t n) {
            return at >= bytes.size() ? std::string() : bytes.substr(at, n);
        },
        size);
}

TEST(TableDirectory, EveryRecordAndItsTableLieWithinTheFile) {
    const std::string font = Directory(0x00010000, {{44, 100}, {144, 56}});
    EXPECT_TRUE(Fits(font, 200));
    EXPECT_FALSE(Fits(font, 199));                             // a table past the end
    EXPECT_FALSE(Fits(font.substr(0, 30), 200));               // records cut short
    EXPECT_FALSE(Fits(font.substr(0, 11), 200));               // the header cut short
    EXPECT_FALSE(Fits(Directory(0x7FFFFF00, {{0, 1}}), 200));  // no font's version
    EXPECT_FALSE(Fits(Directory(0x4F54544F, {}), 200));        // no tables
    EXPECT_TRUE(Fits(Directory(0x74727565, {{0, 200}}), 200));
    // A collection: the directory of each of its fonts.
    std::string collection = "ttcf" + std::string("\0\1\0\0\0\0\0\2", 8) + std::string(8, '\0') +
                             Directory(0x00010000, {{0, 60}});
    collection[15] = 20, collection[19] = 20;
    EXPECT_TRUE(Fits(collection, 64));
    collection[19] = 48;
    EXPECT_FALSE(Fits(collection, 64));  // the second font's directory past the end
}

TEST(RowLine, TheSampleWhereTheFaceHasItsLettersElseLettersItHas) {
    const auto line = [](std::u32string_view sample, std::vector<CodeRange> ranges) {
        const auto has = [&](char32_t c) {
            return std::any_of(ranges.begin(), ranges.end(),
                               [&](const CodeRange& r) { return c >= r.first && c <= r.last; });
        };
        const auto letter = [](char32_t c) { return (c >= U'a' && c <= U'z') || c >= 0x531; };
        return RowLine(sample, ranges, has, letter);
    };
    const std::vector<CodeRange> latin{{0x20, 0x7E}}, armenian{{0x20, 0x40}, {0x531, 0x556}};
    EXPECT_EQ(SampleLine(U"The Quick \r\nBrown Fox "), U"The Quick ");
    EXPECT_EQ(line(U"The Quick ", latin), U"The Quick ");
    EXPECT_EQ(line(U"The Quick ", armenian), U"ԱԲԳԴԵԶԷԸԹԺԻԼԽԾԿՀ");  // its own 16 letters
    EXPECT_EQ(line(U"  ", latin), U"abcdefghijklmnop");             // no sample to show
    EXPECT_EQ(line(U"Ж", {{0x20, 0x20}, {0xF041, 0xF043}}), U"\uF041\uF042\uF043");  // symbols
    EXPECT_EQ(line(U"x", {}), U"");
}

TEST(FontDetails, WhatTheFileSaysAndTheScriptsItsLettersCover) {
    FileFace face;
    face.version = "Version 2.015";
    face.copyright = "Copyright 2014 Someone";
    face.ranges = {{0x20, 0x7E}, {0xA0, 0x17F}, {0x3A9, 0x3A9}, {0x3C0, 0x3C0}, {0x400, 0x45F}};
    EXPECT_EQ(DetailsText(face),
              "Version 2.015\r\nCopyright 2014 Someone\r\nScripts: Latin, Cyrillic");  // not Greek
    EXPECT_EQ(ScriptsOf({{0x531, 0x556}, {0xF020, 0xF0FF}}),
              (std::vector<std::string>{"Armenian", "Symbols"}));
}

}  // namespace
}  // namespace typelens
