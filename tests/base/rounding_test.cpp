#include "base/rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace vintrel {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        int expected;
    } cases[] = {
        {0.5, 0}, {1.5, 2},    {2.5, 2}, {3.5, 4},   {-0.5, 0},      {-1.5, -2}, {-2.5, -2},
        {2.4, 2}, {2.4999, 2}, {2.6, 3}, {-2.6, -3}, {15 * 0.7, 10}, {7.0, 7},   {-7.0, -7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.expected) << c.value;
}

TEST(RoundHalfEven, ValuesOutsideTheIntegerRangeAreClamped) {
    EXPECT_EQ(roundHalfEven(1e300), 2000000000);
    EXPECT_EQ(roundHalfEven(-1e300), -2000000000);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), 2000000000);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace vintrel
