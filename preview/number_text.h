// How the program reads numbers out of text that the user typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/environment.h"

namespace typelens {

// The number a text begins with. Blanks, tabs and line feeds are skipped wherever they stand;
// then come an optional sign, digits with at most one period, and an optional exponent, and
// reading stops at the first character that cannot go on. "&H" and "&O" begin a hexadecimal or
// an octal whole number. Only the period is a decimal point, whatever the locale. No number: 0.
double LeadingNumber(std::string_view text);

// The number that the whole text spells under the user's conventions, with blanks allowed
// around it: sign, decimal and thousands separators, exponent, "&H" and "&O". nullopt when the
// text is empty or is not a number from end to end.
std::optional<double> ParseLocaleNumber(std::string_view text, const NumberFormat& format);

// `text` without the `blanks` at its ends.
std::string_view Trimmed(std::string_view text, std::string_view blanks);

// `value` as `LeadingNumber` reads it back: "36", "12.5".
std::string NumberText(double value);

inline bool IsNumeric(std::string_view text, const NumberFormat& format) {
    return ParseLocaleNumber(text, format).has_value();
}

}  // namespace typelens
