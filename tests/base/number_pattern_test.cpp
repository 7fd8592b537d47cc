#include "base/number_pattern.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vintrel;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct PatternCase {
    const char* pattern;
    double value;
    const char* expected;
};

struct FitCase {
    const char* pattern;
    int width;
    double value;
    const char* expected;
};

} // namespace

TEST(FormatFloatDot, FollowsThePlaceholders) {
    const std::vector<PatternCase> cases = {
        {"0.###", 3.14159, "3.142"},
        {"0.000", 1.5, "1.500"},
        {"0.##", 1.0, "1"},      // no point without decimals
        {"0.##", 0.125, "0.13"}, // exact half rounds away from zero
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0.##", 9.999, "10"}, // carry into a new digit
        {"00.0", 1.25, "01.3"},
        {"#.##", 0.5, ".5"},
        {"#.##", 0.0, "0"},           // empty result becomes "0"
        {"0.###", -0.0004, "0"},      // rounds to zero: no minus sign
        {"0.###", -0.0005, "-0.001"}, // the binary value lies just above the half
        {"0.##", 2.675, "2.67"},      // ... and here just below it
        {"0.#####E+#", 123456.789, "1.23457E+5"},
        {"0.#####E+#", 2.5e-7, "2.5E-7"},
        {"0.00E+00", 0.000123, "1.23E-04"},
        {"0.00E+00", 0.0, "0.00E+00"},
        {"0.0E-0", 1234, "1.2E3"}, // "E-" writes only a negative sign
        {"0.#####E+#", 9.999996e10, "1E+11"},
        {"0.E+", -1234.5, "-1E+3"},
        {"0.0e+0", 1234, "1.2e+3"},
        {"", 0.1, "0.1"},
        {"0.###", kInf, "Inf"},
        {"0.###", -kInf, "-Inf"},
        {"0.###", kNaN, "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFloatDot(c.pattern, c.value), c.expected) << c.pattern << " " << c.value;
}

TEST(FormatFloatDot, RejectsUnknownPatternCharacters) {
    EXPECT_THROW(formatFloatDot("0.0 K", 1), std::invalid_argument);
    EXPECT_THROW(formatFloatDot("0.0.0", 1), std::invalid_argument);
}

TEST(ShortenPattern, DropsExponentDigitsThenDecimalsThenExponent) {
    std::string pattern = "0.##E+#";
    std::vector<std::string> steps;
    while (shortenPattern(pattern))
        steps.push_back(pattern);
    const std::vector<std::string> expected = {"0.##E+", "0.#E+", "0.E+", "0."};
    EXPECT_EQ(steps, expected);
}

TEST(ShortenPattern, DropsZerosBeforeHashesAndIntegerDigitsLast) {
    std::string pattern = "00.#0";
    std::vector<std::string> steps;
    while (shortenPattern(pattern))
        steps.push_back(pattern);
    const std::vector<std::string> expected = {"00.#", "00.", "0."};
    EXPECT_EQ(steps, expected);
}

TEST(FormatFit, FitsTheWidthByTheRules) {
    const std::vector<FitCase> cases = {
        {"0.#####", 10, 123.456789, "123.45679"},
        {"0.#####", 6, 123.456789, "123.46"},
        {"0.#####", 2, 123.456789, "..."},
        {"0.#####", 10, -123.456789, "-123.45679"},
        {"0.#####", 7, -123.456789, "-123.46"},
        {"0.#####", 3, -123.456789, "..."}, // "-123" is still too long
        {"0.#####", 10, 0.000001, "0"},     // reads back as zero
        {"0.#####", 10, -0.000001, "0"},
        {"0.##", 10, 0.125, "0.13"},
        {"0", 10, 2.5, "3"},
        {"0", 10, -2.5, "-3"},
        {"0.000", 10, 1.5, "1.500"},
        {"0.000", 4, 1.5, "1.50"}, // a "0" placeholder goes too
        {"0.##", 10, 9.999, "10"},
        {"0.###", 5, 12.3456, "12.35"},
        {"0.#####", 5, 0.000123, "0"}, // shortened until it rounds to 0
        {"0.#####", 10, 99999.999999, "100000"},
        {"0.#####", 10, 0.1 + 0.2, "0.3"},
        {"0.#####", 10, 1e15, "..."},
        {"0.#####E+#", 12, 2.5e-7, "2.5E-7"},
        {"0.#####E+#", 20, 123456.789, "1.23457E+5"},
        {"0.#####E+#", 8, 123456.789, "1.235E+5"},
        {"0.#####E+#", 4, 123456.789, "1E+5"},
        {"0.#####E+#", 3, 123456.789, "..."}, // falls back to "0.#####"
        {"0.#####E+#", 3, 2.5e-7, "0"},       // "0." fits once the exponent is gone
        {"0.#####E+#", 6, -2.6e-7, "-3E-7"},
        {"0.#####E+#", 20, 9.999996e10, "1E+11"},
        {"0.00E+00", 20, 0.000123, "1.23E-04"},
        {"0.00E+00", 7, 0.000123, "1.23E-4"}, // exponent digits go first
        {"0.00E+00", 20, 0.0, "0"},
        {"0.#####E+00", 20, 1.5e-12, "1.5E-12"},
        {"0.#####E+00", 5, 3, "3E+00"},
        {"0.#####E+00", 4, 3, "3E+0"},
        {"0.###", 10, kInf, "Inf"},
        {"0.###", 1, -kInf, "-Inf"},
        {"0.###", 1, kNaN, "NaN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFit(c.pattern, c.width, c.value), c.expected)
            << c.pattern << " width " << c.width << " value " << c.value;
}

TEST(FormatAuto, PicksThePatternByMagnitude) {
    const std::vector<FitCase> cases = {
        {"", 10, 123.456789, "123.45679"},
        {"", 6, 123.456789, "123.46"},
        {"", 2, 123.456789, "..."},
        {"", 10, 2.5e-7, "2.5E-7"},
        {"", 10, 0.0, "0"},
        {"", 10, 123456.7, "1.23457E+5"},
        {"", 10, 100000, "100000"},   // not above the limit
        {"", 10, 0.00001, "0.00001"}, // not below the limit
        {"", 10, -3e-9, "-3E-9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatAuto(c.width, c.value), c.expected) << c.width << " " << c.value;
}

TEST(FormatComplexFit, ShowsOnlyTheNonZeroParts) {
    EXPECT_EQ(formatComplexFit(9, 0, 1.5), "1.5");
    EXPECT_EQ(formatComplexFit(9, 2, 0), "2i");
    EXPECT_EQ(formatComplexFit(9, 0, 0), "0");
    EXPECT_EQ(formatComplexFit(9, -2, 1.5), "1.5-2i");
    // Half the width each: 4 for the real part, 9 - 4 - 1 = 4 for the imaginary part.
    EXPECT_EQ(formatComplexFit(9, 1.25, 3.14159), "3.14+1.25i");
    EXPECT_EQ(formatComplexFit(9, 1e-9, 2), "2+1E-9i");
}

TEST(FormatComplexDot, WritesTheSignOfTheImaginaryPart) {
    EXPECT_EQ(formatComplexDot("0.##", 1.5, -0.25), "1.5-0.25i");
    EXPECT_EQ(formatComplexDot("0.##", 1.5, 0.25), "1.5+0.25i");
    EXPECT_EQ(formatComplexDot("0.##", 1.5, 0), "1.5+0i");
}
