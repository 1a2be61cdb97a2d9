// A collection of texts stored under keys that compare without regard to letter case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/case_blind.h"

namespace typelens {

class KeyedTexts {
  public:
    // False, and nothing changes, when the key is already present in any letter case.
    bool add(std::string item, std::string key);
    bool contains(std::string_view key) const;
    void clear() { items_.clear(); }

  private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::unordered_map<std::string, std::string, FoldedHash, FoldedEqual> items_;
};

}  // namespace typelens
