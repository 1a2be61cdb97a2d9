#include "platform/fonts.h"

namespace typelens {
namespace {

constexpr std::size_t kHeader = 12, kRecord = 16;
// More tables than any font has (a few dozen): a count beyond it is no font's.
constexpr std::uint32_t kMostTables = 1024, kMostFonts = 4096;

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, std::size_t length) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < length; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

constexpr std::uint32_t Tag(const char (&tag)[5]) {
    return std::uint32_t(tag[0]) << 24 | std::uint32_t(tag[1]) << 16 | std::uint32_t(tag[2]) << 8 |
           std::uint32_t(tag[3]);
}

bool FontDirectoryFits(const std::function<std::string(std::uint64_t, std::size_t)>& read,
                       std::uint64_t size, std::uint64_t at) {
    const std::string header = read(at, kHeader);
    if (header.size() < kHeader) return false;
    const std::uint32_t version = BigEndian(header, 0, 4);
    if (version != 0x00010000 && version != Tag("true") && version != Tag("OTTO")) return false;
    const std::uint32_t tables = BigEndian(header, 4, 2);
    if (tables == 0 || tables > kMostTables) return false;
    const std::string records = read(at + kHeader, tables * kRecord);
    if (records.size() < tables * kRecord) return false;
    for (std::size_t i = 0; i < tables; ++i) {
        const std::uint64_t offset = BigEndian(records, i * kRecord + 8, 4);
        const std::uint64_t length = BigEndian(records, i * kRecord + 12, 4);
        if (offset + length > size) return false;
    }
    return true;
}

}  // namespace

bool TableDirectoryFits(const std::function<std::string(std::uint64_t, std::size_t)>& read,
                        std::uint64_t size) {
    const std::string header = read(0, kHeader);
    if (header.size() < kHeader) return false;
    if (BigEndian(header, 0, 4) != Tag("ttcf")) return FontDirectoryFits(read, size, 0);
    const std::uint32_t fonts = BigEndian(header, 8, 4);
    if (fonts == 0 || fonts > kMostFonts) return false;
    const std::string offsets = read(kHeader, fonts * 4);
    if (offsets.size() < fonts * 4) return false;
    for (std::size_t i = 0; i < fonts; ++i) {
        if (!FontDirectoryFits(read, size, BigEndian(offsets, i * 4, 4))) return false;
    }
    return true;
}

}  // namespace typelens
