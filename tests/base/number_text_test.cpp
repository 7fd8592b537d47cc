#include "base/format_dot.h"
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vintrel;

TEST(FloatToStrDot, WritesTheShortestGeneralText) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"}, // 15 significant digits
        {-2.5, "-2.5"},
        {0, "0"},
        {12345, "12345"},
        {0.00001, "0.00001"},
        {1e-6, "1E-6"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {1.2345678901234568e20, "1.23456789012346E20"},
        {std::numeric_limits<double>::infinity(), "Inf"},
        {std::numeric_limits<double>::quiet_NaN(), "NaN"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(floatToStrDot(value), text);
}

TEST(StrToFloatDot, ReadsDotNumbersOnly) {
    EXPECT_DOUBLE_EQ(strToFloatDot(" 1.5 "), 1.5);
    EXPECT_DOUBLE_EQ(strToFloatDot("1E3"), 1000);
    EXPECT_DOUBLE_EQ(strToFloatDot("+2"), 2);
    EXPECT_DOUBLE_EQ(strToFloatDot("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(strToFloatDot(floatToStrDot(1.23456789012346e-20)), 1.23456789012346e-20);
    for (const char* bad : {"1,5", "", " ", "abc", "inf", "nan", "1.5x", "+-1", "1e999", "0x10"})
        EXPECT_THROW(strToFloatDot(bad), ConversionError) << bad;
    try {
        strToFloatDot("1,5");
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
}

TEST(ParseIntegerDot, ReadsWholeTextsOnly) {
    EXPECT_EQ(parseIntegerDot("+3"), 3);
    EXPECT_EQ(parseIntegerDot("-12"), -12);
    for (const char* bad : {"", "+", "3.0", "3 ", "++3", "+-3", "99999999999999999999"})
        EXPECT_FALSE(parseIntegerDot(bad).has_value()) << bad;
}

TEST(FormatDot, ConvertsOneReal) {
    EXPECT_EQ(formatDot("%.2f", 0.125), "0.13");
    EXPECT_EQ(formatDot("%f", 2), "2.00");
    EXPECT_EQ(formatDot("%8.3f", -1.5), "  -1.500");
    EXPECT_EQ(formatDot("%-6.1f|", 2), "2.0   |");
    EXPECT_EQ(formatDot("%.3e", 12345), "1.23E+004");
    EXPECT_EQ(formatDot("%g", 0.1), "0.1");
    EXPECT_EQ(formatDot("T = %.1f K", 300), "T = 300.0 K");
    EXPECT_EQ(formatDot("%%%.0f", 2.5), "%3");
    EXPECT_EQ(formatDot("", 1), "0");
    EXPECT_THROW(formatDot("%d", 1), std::invalid_argument);
    EXPECT_THROW(formatDot("%f %f", 1), std::invalid_argument);
}

TEST(NumericKeyFilter, PassesNumberKeysAndTurnsCommaIntoDot) {
    for (char c : std::string("0123456789+-.Ee\x03\x08\x16\x18\x1A"))
        EXPECT_EQ(numericKeyFilter(c), c) << int(c);
    EXPECT_EQ(numericKeyFilter(','), '.');
    for (char c : std::string("aZ x;\t\r\x01\x7F"))
        EXPECT_FALSE(numericKeyFilter(c).has_value()) << int(c);
}

TEST(NumberText, ReadDifferenceDropsTheNoiseOfTheSubtraction) {
    struct Case {
        double a, b, difference;
    };
    for (const Case& c : {Case{-11310.559777, -11312.648909, 2.089132},
                          Case{-10673.08803, -11312.648909, 639.560879}, Case{0.3, 0.1, 0.2},
                          Case{1e-9, 0, 1e-9}, Case{5, 5, 0}, Case{-2.5, 1.25, -3.75}})
        EXPECT_EQ(readDifference(c.a, c.b), c.difference) << c.a << " - " << c.b;
    // The plain subtraction is what it cleans.
    EXPECT_NE(-11310.559777 - -11312.648909, 2.089132);
    // Tiny numbers keep their digits (12 digits of 1e-320 are more than a double holds).
    EXPECT_EQ(readDifference(3e-320, 1e-320), 3e-320 - 1e-320);
    EXPECT_TRUE(std::isnan(readDifference(std::nan(""), 1)));
    EXPECT_EQ(readDifference(std::numeric_limits<double>::infinity(), 1),
              std::numeric_limits<double>::infinity());
}
