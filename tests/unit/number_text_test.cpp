#include <gtest/gtest.h>

#include <cmath>

#include "preview/number_text.h"

namespace typelens {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"36", 36},       {" 8", 8},        {"12abc", 12},
        {"10,5", 10},     {"10.5.7", 10.5}, {"1 2\t3\n4", 1234},
        {" - 3", -3},     {"+7", 7},        {".5", 0.5},
        {"5.", 5},        {"1e2", 100},     {"1E+2x", 100},
        {"2.5e-1", 0.25}, {"1d2", 100},     {"3e", 3},
        {"3e+", 3},       {"&H1F", 31},     {"&hff", 255},
        {"&O17", 15},     {"&o8", 0},       {"&H", 0},
        {"&Z1", 0},       {"abc", 0},       {"", 0},
        {"-", 0},         {".", 0},         {"--1", 0},
        {"1\r2", 1},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
}

TEST(ParseLocaleNumber, AcceptsOnlyWholeNumbers) {
    const NumberFormat english{".", ","};
    for (const char* text : {"36", " 36 ", "\t-1.5", "+2", "1,234.5", "1e3", "1.5E-2", "&HFF",
                             "&o7", "10,5", ".5", "5."}) {
        EXPECT_TRUE(IsNumeric(text, english)) << '"' << text << '"';
    }
    for (const char* text : {"", "   ", "12abc", "abc", "1 2", "-", ".", ",5", "1e", "1.2.3", "&H",
                             "&HFG", "1.5,0", "\n3"}) {
        EXPECT_FALSE(IsNumeric(text, english)) << '"' << text << '"';
    }
    EXPECT_DOUBLE_EQ(*ParseLocaleNumber("1,234.5", english), 1234.5);
}

TEST(ParseLocaleNumber, FollowsTheUsersSeparators) {
    const NumberFormat german{",", "."};
    EXPECT_DOUBLE_EQ(*ParseLocaleNumber("10,5", german), 10.5);
    EXPECT_DOUBLE_EQ(*ParseLocaleNumber("1.234,5", german), 1234.5);
    EXPECT_FALSE(IsNumeric("10,5,1", german));

    const NumberFormat spaced{",", "\xA0"};
    EXPECT_DOUBLE_EQ(*ParseLocaleNumber("1\xA0"
                                        "000,25",
                                        spaced),
                     1000.25);
    EXPECT_FALSE(IsNumeric("1.5", spaced));

    const NumberFormat noGrouping{".", ""};
    EXPECT_FALSE(IsNumeric("1,000", noGrouping));
}

}  // namespace
}  // namespace typelens
