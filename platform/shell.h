// The shell, which hands web addresses to the user's browser.
#pragma once

#include <string>

namespace typelens {

class Shell {
  public:
    virtual ~Shell() = default;
    // Asks the shell to "open" the address; false when it refused.
    virtual bool open(const std::string& address) = 0;
};

}  // namespace typelens
