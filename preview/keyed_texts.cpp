#include "preview/keyed_texts.h"

namespace typelens {
namespace {

// Face names are ANSI text; folding the ASCII letters is what telling "Arial" from "ARIAL"
// needs, and it keeps every byte outside A-Z as it is.
unsigned char Fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

}  // namespace

std::size_t KeyedTexts::FoldedHash::operator()(std::string_view key) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : key) {
        hash = (hash ^ Fold(c)) * 1099511628211ull;
    }
    return hash;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) return false;
    }
    return true;
}

bool KeyedTexts::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return EqualIgnoringCase(a, b);
}

bool KeyedTexts::add(std::string item, std::string key) {
    return items_.try_emplace(std::move(key), std::move(item)).second;
}

bool KeyedTexts::contains(std::string_view key) const {
    return items_.find(key) != items_.end();
}

std::optional<std::string> KeyedTexts::item(std::string_view key) const {
    const auto found = items_.find(key);
    if (found == items_.end()) return std::nullopt;
    return found->second;
}

}  // namespace typelens
