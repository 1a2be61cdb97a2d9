// Windows that the main window opens over itself.
#pragma once

#include <string>

namespace typelens {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows the About window modally over the main window; returns once it has closed.
    virtual void showAbout() = 0;
    // Says why a command was refused, with the system's warning sound, in a message box over
    // the main window; returns once the box has closed.
    virtual void showRefusal(const std::string& text) = 0;
};

}  // namespace typelens
