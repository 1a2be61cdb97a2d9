// The process's environment and the user's settings, as the program logic sees them.
#pragma once

#include <optional>
#include <string>

namespace typelens {

// The user's number conventions, used to tell whether a text is a number.
struct NumberFormat {
    std::string decimal = ".";
    std::string thousands = ",";
};

class Environment {
  public:
    virtual ~Environment() = default;
    // nullopt when the variable is not set.
    virtual std::optional<std::string> variable(const std::string& name) = 0;
    // The system's default short sound.
    virtual void beep() = 0;
    virtual NumberFormat numberFormat() = 0;
};

}  // namespace typelens
