// The registry, as far as the installer writes to it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/outcome.h"

namespace typelens {

enum class RegistryRoot : std::uint32_t {
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

enum class RegistryType : std::uint32_t {
    String = 1,  // REG_SZ
    Dword = 4,   // REG_DWORD
};

// An open key; it closes when it goes out of scope.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    // Creates or replaces the value; `data` is written byte for byte.
    virtual Outcome setValue(const std::string& name, RegistryType type,
                             const std::string& data) = 0;
};

// A value read as text: absent, its text, or there but holding no text the program can read
// (another type, too long to spell, access refused).
struct TextValue {
    enum class State { Absent, Text, Unreadable } state = State::Absent;
    std::string text{};  // where it is Text
};

struct OpenedKey {
    std::unique_ptr<RegistryKey> key;  // empty unless the key was opened
    Outcome outcome = Outcome::Failed;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens `path` below `root`, creating missing keys.
    virtual OpenedKey createKey(RegistryRoot root, const std::string& path) = 0;
    virtual TextValue readText(RegistryRoot root, const std::string& path,
                               const std::string& name) = 0;
};

}  // namespace typelens
