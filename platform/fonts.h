// The system's font table, its list of faces, and what a font file says about itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace typelens {

inline constexpr int kDefaultCharset = 1;     // lets the font mapper go by the face name alone
inline constexpr int kCyrillicCharset = 204;  // the sample's own, where a face offers it
inline constexpr int kNormalWeight = 400;
inline constexpr int kBoldWeight = 700;

// One entry of the face list: a face of a family in one character set it offers, described as
// the system describes it, so that asking for that weight and slant gets that face.
struct FontFace {
    std::string name;  // the family
    int charset = 0;
    int weight = kNormalWeight;
    bool italic = false;
    std::string fullName{};  // empty where the system knows none
    std::string style{};
    friend bool operator==(const FontFace&, const FontFace&) = default;
};

// Characters from `first` to `last`, both in.
struct CodeRange {
    char32_t first = 0, last = 0;
    friend bool operator==(const CodeRange&, const CodeRange&) = default;
};

// A face as its file describes it.
struct FileFace {
    std::vector<std::string> families;  // its family name in each language it gives, English first
    std::string style;
    std::string fullName;  // empty when the file gives none
    int weight = kNormalWeight;
    bool italic = false;
    // What the file says of itself besides; each empty where it says nothing.
    std::string version{}, designer{}, maker{}, copyright{};
    std::vector<CodeRange> ranges{};  // the characters it draws
};

// Whether a font file's table directory lies within the file: its header, each table's record,
// and each table's data inside `size` bytes (for a collection, each font's directory). A guard
// before a reader that trusts the directory, not a reading of the font. `read(offset, length)`
// gives the file's bytes there, fewer where the file ends sooner.
bool TableDirectoryFits(const std::function<std::string(std::uint64_t, std::size_t)>& read,
                        std::uint64_t size);

class Fonts {
  public:
    virtual ~Fonts() = default;
    // The families available for the screen, in the system's order, read afresh on every call:
    // each family's first face once for every character set it offers, without full names and
    // styles.
    virtual std::vector<FontFace> faceList() = 0;
    // Every face of `family`, once for every character set it offers.
    virtual std::vector<FontFace> familyFaces(const std::string& family) = 0;
    // The faces of a font file, in the file's order; empty when it cannot be read. Only for a
    // file the font table accepted: a damaged file may bring down the reader.
    virtual std::vector<FileFace> fileFaces(const std::string& path) = 0;
    // The number of faces the file added to the font table; 0 when it added none.
    virtual int addFontResource(const std::string& path) = 0;
    virtual bool removeFontResource(const std::string& path) = 0;
    // Tells the main window, synchronously, that the font table changed.
    virtual void announceFontChange() = 0;
    // Tells every top-level window, not waiting long for any that hangs.
    virtual void broadcastFontChange() = 0;
};

}  // namespace typelens
