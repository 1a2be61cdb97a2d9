// The system's font table and its list of faces.
#pragma once

#include <string>
#include <vector>

namespace typelens {

class Fonts {
  public:
    virtual ~Fonts() = default;
    // The faces available for the screen, in the system's order, read afresh on every call.
    // A face can appear more than once (once per character set, for example).
    virtual std::vector<std::string> faceList() = 0;
    // The number of faces the file added to the font table; 0 when it added none.
    virtual int addFontResource(const std::string& path) = 0;
    virtual bool removeFontResource(const std::string& path) = 0;
    // Tells the main window, synchronously, that the font table changed.
    virtual void announceFontChange() = 0;
};

}  // namespace typelens
