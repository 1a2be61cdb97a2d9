#include "preview/number_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/case_blind.h"

namespace typelens {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsExponentLetter(char c) {
    // D is the old double-precision exponent letter; users of the size box still type it.
    const char u = ascii::Upper(c);
    return u == 'E' || u == 'D';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    const char u = ascii::Upper(c);
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return 99;
}

// Reads a whole number in `base` from text[i...]; `complete` says whether the digits ran to the
// end of the text. nullopt when no digit comes first.
std::optional<double> ReadRadixNumber(std::string_view text, std::size_t i, int base,
                                      bool* complete) {
    double value = 0;
    std::size_t start = i;
    for (; i < text.size() && DigitValue(text[i]) < base; ++i) {
        value = value * base + DigitValue(text[i]);
    }
    *complete = i == text.size();
    if (i == start) return std::nullopt;
    return value;
}

// "&H1F" or "&O17" at the start of `text`: the base, or 0 when the text has no such prefix.
int RadixPrefix(std::string_view text) {
    if (text.size() < 2 || text[0] != '&') return 0;
    if (ascii::Upper(text[1]) == 'H') return 16;
    if (ascii::Upper(text[1]) == 'O') return 8;
    return 0;
}

// Appends an exponent found at text[i...] to `number` and moves `i` past it; an "E" that no
// digit follows is not an exponent and stays unread.
void ReadExponent(std::string_view text, std::size_t& i, std::string& number) {
    if (i >= text.size() || !IsExponentLetter(text[i])) return;
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    const std::size_t digits = j;
    while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
    if (j == digits) return;
    number += exponent;
    i = j;
}

// The program never changes the C library's locale, so strtod reads the period as the decimal
// point everywhere; out-of-range exponents come back as infinity or zero.
double ToDouble(const std::string& number) {
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') s += c;
    }
    if (const int base = RadixPrefix(s)) {
        bool complete = false;
        return ReadRadixNumber(s, 2, base, &complete).value_or(0.0);
    }
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool digits = false;
    bool period = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            digits = true;
        } else if (s[i] == '.' && !period) {
            period = true;
        } else {
            break;
        }
        number += s[i];
    }
    if (!digits) return 0.0;
    ReadExponent(s, i, number);
    return ToDouble(number);
}

// Fifteen significant digits are as many as a double keeps, so 10.3 comes out as "10.3"; the
// period is the decimal point, as for `ToDouble`.
std::string NumberText(double value) {
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string_view Trimmed(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<double> ParseLocaleNumber(std::string_view text, const NumberFormat& format) {
    text = Trimmed(text, " \t");
    if (text.empty()) return std::nullopt;

    if (const int base = RadixPrefix(text)) {
        bool complete = false;
        const auto value = ReadRadixNumber(text, 2, base, &complete);
        if (!complete) return std::nullopt;
        return value;
    }

    std::size_t i = 0;
    std::string number;
    if (text[i] == '+' || text[i] == '-') number += text[i++];
    bool digits = false;
    bool decimal = false;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (IsDigit(text[i])) {
            number += text[i++];
            digits = true;
        } else if (!decimal && !format.decimal.empty() && rest.starts_with(format.decimal)) {
            number += '.';
            i += format.decimal.size();
            decimal = true;
        } else if (!decimal && digits && !format.thousands.empty() &&
                   rest.starts_with(format.thousands)) {
            i += format.thousands.size();
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    ReadExponent(text, i, number);
    if (i != text.size()) return std::nullopt;
    return ToDouble(number);
}

}  // namespace typelens
