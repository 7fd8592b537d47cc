#include "ions.h"
#include "text_format.h"

#include <gtest/gtest.h>

#include <clocale>

namespace vintrel::generator {
namespace {

TEST(TextFormat, NumbersUseAPointAndNoNegativeZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c : {Case{-0.0000001, 6, "0.000000"}, Case{-1.5, 2, "-1.50"},
                          Case{12345.678, 1, "12345.7"}, Case{0.0, 0, "0"}}) {
        EXPECT_EQ(fixedText(c.value, c.decimals), c.text);
    }
    EXPECT_EQ(shortestText(1e-14), "0.00000000000001");
    EXPECT_EQ(shortestText(100000000), "100000000");
    EXPECT_EQ(shortestText(-0.004), "-0.004");
    EXPECT_EQ(significantText(0.00123456789, 4), "0.001235");
    EXPECT_EQ(significantText(3e-15, 4), "0.0");
}

TEST(TextFormat, ProjectionsAreWrittenAsFractions) {
    EXPECT_EQ(projectionText(2.5), "5/2");
    EXPECT_EQ(projectionText(-0.5), "-1/2");
    EXPECT_EQ(projectionText(-2), "-2");
}

TEST(GroundTerms, HundsRulesGiveTheKnownTerms) {
    struct Case {
        const char* configuration;
        double L, S, J, gJ;
    };
    for (const Case& c : {Case{"3d^1", 2, 0.5, 1.5, 0.8}, Case{"4f^1", 3, 0.5, 2.5, 6.0 / 7},
                          Case{"4f^3", 6, 1.5, 4.5, 8.0 / 11}, Case{"4f^1^3", 3, 0.5, 3.5, 8.0 / 7},
                          Case{"4f^7", 0, 3.5, 3.5, 2.0}}) {
        const GroundTerm t = groundTerm(c.configuration);
        EXPECT_DOUBLE_EQ(t.L, c.L) << c.configuration;
        EXPECT_DOUBLE_EQ(t.S, c.S) << c.configuration;
        EXPECT_DOUBLE_EQ(t.J, c.J) << c.configuration;
        EXPECT_NEAR(t.gJ, c.gJ, 1e-12) << c.configuration;
    }
    EXPECT_THROW(groundTerm("4x^1"), std::invalid_argument);
    EXPECT_THROW(groundTerm("4f"), std::invalid_argument);
}

} // namespace
} // namespace vintrel::generator
