#include "preview/keyed_texts.h"

namespace typelens {

std::size_t KeyedTexts::FoldedHash::operator()(std::string_view key) const {
    std::size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : key) {
        hash = (hash ^ static_cast<unsigned char>(FoldCase(c))) * 1099511628211ull;
    }
    return hash;
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

}  // namespace typelens
