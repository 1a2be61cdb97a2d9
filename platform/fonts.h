// The system's font table and its list of faces.
#pragma once

#include <string>
#include <vector>

namespace typelens {

// One entry of the face list: a face and one character set it offers.
struct FontFace {
    std::string name;
    int charset = 0;
    friend bool operator==(const FontFace&, const FontFace&) = default;
};

inline constexpr int kDefaultCharset = 1;     // lets the font mapper go by the face name alone
inline constexpr int kCyrillicCharset = 204;  // the sample's own, where a face offers it

class Fonts {
  public:
    virtual ~Fonts() = default;
    // The faces available for the screen, in the system's order, read afresh on every call:
    // each face once for every character set it offers.
    virtual std::vector<FontFace> faceList() = 0;
    // The number of faces the file added to the font table; 0 when it added none.
    virtual int addFontResource(const std::string& path) = 0;
    virtual bool removeFontResource(const std::string& path) = 0;
    // Tells the main window, synchronously, that the font table changed.
    virtual void announceFontChange() = 0;
    // Tells every top-level window, not waiting long for any that hangs.
    virtual void broadcastFontChange() = 0;
};

}  // namespace typelens
