// A collection of texts stored under keys that compare without regard to letter case.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace typelens {

class KeyedTexts {
  public:
    // False, and nothing changes, when the key is already present in any letter case.
    bool add(std::string item, std::string_view key);
    bool contains(std::string_view key) const;
    void remove(std::string_view key);
    void clear() { items_.clear(); }

  private:
    std::unordered_map<std::string, std::string> items_;  // by the key's folded case
};

}  // namespace typelens
