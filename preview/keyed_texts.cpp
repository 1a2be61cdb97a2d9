#include "preview/keyed_texts.h"

#include "platform/case_blind.h"

namespace typelens {

bool KeyedTexts::add(std::string item, std::string_view key) {
    return items_.try_emplace(FoldCase(key), std::move(item)).second;
}

bool KeyedTexts::contains(std::string_view key) const {
    return items_.count(FoldCase(key)) > 0;
}

void KeyedTexts::remove(std::string_view key) {
    items_.erase(FoldCase(key));
}

}  // namespace typelens
