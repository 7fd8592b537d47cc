#include "potential/stevens.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace vintrel {
namespace {

// Each polynomial of the Stevens table expanded into monomials c · x^a y^b z^c.
struct Monomial {
    int coefficient, px, py, pz;
};
struct Expanded {
    int n, m;
    std::vector<Monomial> terms;
};

const std::vector<Expanded>& expandedPolynomials() {
    static const std::vector<Expanded> table = {
        {2, -2, {{2, 1, 1, 0}}},
        {2, -1, {{1, 0, 1, 1}}},
        {2, 0, {{-1, 2, 0, 0}, {-1, 0, 2, 0}, {2, 0, 0, 2}}},
        {2, 1, {{1, 1, 0, 1}}},
        {2, 2, {{1, 2, 0, 0}, {-1, 0, 2, 0}}},
        {4, -4, {{4, 3, 1, 0}, {-4, 1, 3, 0}}},
        {4, -3, {{3, 2, 1, 1}, {-1, 0, 3, 1}}},
        {4, -2, {{-2, 3, 1, 0}, {-2, 1, 3, 0}, {12, 1, 1, 2}}},
        {4, -1, {{-3, 2, 1, 1}, {-3, 0, 3, 1}, {4, 0, 1, 3}}},
        {4,
         0,
         {{3, 4, 0, 0}, {6, 2, 2, 0}, {-24, 2, 0, 2}, {3, 0, 4, 0}, {-24, 0, 2, 2}, {8, 0, 0, 4}}},
        {4, 1, {{-3, 3, 0, 1}, {-3, 1, 2, 1}, {4, 1, 0, 3}}},
        {4, 2, {{-1, 4, 0, 0}, {6, 2, 0, 2}, {1, 0, 4, 0}, {-6, 0, 2, 2}}},
        {4, 3, {{1, 3, 0, 1}, {-3, 1, 2, 1}}},
        {4, 4, {{1, 4, 0, 0}, {-6, 2, 2, 0}, {1, 0, 4, 0}}},
        {6, -6, {{6, 5, 1, 0}, {-20, 3, 3, 0}, {6, 1, 5, 0}}},
        {6, -5, {{5, 4, 1, 1}, {-10, 2, 3, 1}, {1, 0, 5, 1}}},
        {6, -4, {{-4, 5, 1, 0}, {40, 3, 1, 2}, {4, 1, 5, 0}, {-40, 1, 3, 2}}},
        {6, -3, {{-9, 4, 1, 1}, {-6, 2, 3, 1}, {24, 2, 1, 3}, {3, 0, 5, 1}, {-8, 0, 3, 3}}},
        {6,
         -2,
         {{2, 5, 1, 0}, {4, 3, 3, 0}, {-32, 3, 1, 2}, {2, 1, 5, 0}, {-32, 1, 3, 2}, {32, 1, 1, 4}}},
        {6,
         -1,
         {{5, 4, 1, 1}, {10, 2, 3, 1}, {-20, 2, 1, 3}, {5, 0, 5, 1}, {-20, 0, 3, 3}, {8, 0, 1, 5}}},
        {6,
         0,
         {{-5, 6, 0, 0},
          {-15, 4, 2, 0},
          {90, 4, 0, 2},
          {-15, 2, 4, 0},
          {180, 2, 2, 2},
          {-120, 2, 0, 4},
          {-5, 0, 6, 0},
          {90, 0, 4, 2},
          {-120, 0, 2, 4},
          {16, 0, 0, 6}}},
        {6,
         1,
         {{5, 5, 0, 1}, {10, 3, 2, 1}, {-20, 3, 0, 3}, {5, 1, 4, 1}, {-20, 1, 2, 3}, {8, 1, 0, 5}}},
        {6,
         2,
         {{1, 6, 0, 0},
          {1, 4, 2, 0},
          {-16, 4, 0, 2},
          {-1, 2, 4, 0},
          {16, 2, 0, 4},
          {-1, 0, 6, 0},
          {16, 0, 4, 2},
          {-16, 0, 2, 4}}},
        {6, 3, {{-3, 5, 0, 1}, {6, 3, 2, 1}, {8, 3, 0, 3}, {9, 1, 4, 1}, {-24, 1, 2, 3}}},
        {6,
         4,
         {{-1, 6, 0, 0},
          {5, 4, 2, 0},
          {10, 4, 0, 2},
          {5, 2, 4, 0},
          {-60, 2, 2, 2},
          {-1, 0, 6, 0},
          {10, 0, 4, 2}}},
        {6, 5, {{1, 5, 0, 1}, {-10, 3, 2, 1}, {5, 1, 4, 1}}},
        {6, 6, {{1, 6, 0, 0}, {-15, 4, 2, 0}, {15, 2, 4, 0}, {-1, 0, 6, 0}}},
    };
    return table;
}

long double evaluateExpanded(const Expanded& p, long double x, long double y, long double z) {
    long double sum = 0;
    for (const Monomial& t : p.terms)
        sum += t.coefficient * std::pow(x, t.px) * std::pow(y, t.py) * std::pow(z, t.pz);
    return sum;
}

TEST(StevensPolynomials, EachEqualsItsDefinitionAtRandomPoints) {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> coordinate(-4, 4);
    ASSERT_EQ(expandedPolynomials().size(), 27u);
    for (const Expanded& p : expandedPolynomials()) {
        for (int trial = 0; trial < 200; ++trial) {
            const double x = coordinate(random), y = coordinate(random), z = coordinate(random);
            const long double r =
                std::sqrt((long double)x * x + (long double)y * y + (long double)z * z);
            // The terms are of the size of r^n times the largest coefficient.
            const long double scale = 400 * std::pow(r, p.n);
            const long double expected = evaluateExpanded(p, x, y, z);
            EXPECT_NEAR(stevensPolynomial(p.n, p.m, x, y, z), expected, 1e-13 * scale)
                << "n=" << p.n << " m=" << p.m << " at " << x << ", " << y << ", " << z;
        }
    }
}

TEST(StevensPolynomials, AreChosenByTheRankAndIndexPair) {
    // 10n + m is not one to one: (3, 6) and (4, -4) share 36, (5, 6) and (6, -4) share 56,
    // (1, 8) and (2, -2) share 18. Only the pairs of the table have a polynomial.
    EXPECT_EQ(stevensPolynomial(3, 6, 1, 2, 3), 0);
    EXPECT_EQ(stevensPolynomial(4, -4, 1, 2, 3), 4.0 * 1 * 2 * (1 - 4));
    EXPECT_EQ(stevensPolynomial(5, 6, 1, 2, 3), 0);
    EXPECT_NE(stevensPolynomial(6, -4, 1, 2, 3), 0);
    EXPECT_EQ(stevensPolynomial(1, 8, 1, 2, 3), 0);
    EXPECT_EQ(stevensPolynomial(2, -2, 1, 2, 3), 4);
    const int others[][2] = {{2, 3}, {2, -3}, {4, 5}, {4, -5}, {6, 7},  {6, -7}, {0, 0},
                             {1, 0}, {3, 0},  {5, 0}, {7, 0},  {-2, 0}, {8, -2}};
    for (const auto& nm : others)
        EXPECT_EQ(stevensPolynomial(nm[0], nm[1], 1.5, -0.5, 2), 0) << nm[0] << ", " << nm[1];
}

TEST(CoefficientOrder, FlatPositionsAndRankIndexPairsAreInverse) {
    const CoefNM expected[27] = {{2, -2}, {2, -1}, {2, 0},  {2, 1},  {2, 2},  {4, -4}, {4, -3},
                                 {4, -2}, {4, -1}, {4, 0},  {4, 1},  {4, 2},  {4, 3},  {4, 4},
                                 {6, -6}, {6, -5}, {6, -4}, {6, -3}, {6, -2}, {6, -1}, {6, 0},
                                 {6, 1},  {6, 2},  {6, 3},  {6, 4},  {6, 5},  {6, 6}};
    for (int i = 1; i <= 27; ++i) {
        EXPECT_EQ(coefIndexToNM(i), expected[i - 1]) << i;
        EXPECT_EQ(coefNMToIndex(expected[i - 1].n, expected[i - 1].m), i);
    }
    EXPECT_EQ(coefNMToIndex(3, 0), 0);
    EXPECT_EQ(coefNMToIndex(2, 3), 0);
    EXPECT_EQ(coefNMToIndex(6, -7), 0);
}

TEST(CoefficientOrder, TheRankIndexArrayHoldsEveryPairAndRefusesOthers) {
    CoefArrayNM c;
    c(4, -4) = 1.5;
    c(3, 6) = 2.5;
    EXPECT_EQ(c(4, -4), 1.5);
    EXPECT_EQ(c(3, 6), 2.5);
    EXPECT_EQ(c(6, 6), 0);
    EXPECT_THROW(c(2, 7), std::out_of_range);
    EXPECT_THROW(c(7, 0), std::out_of_range);
    EXPECT_THROW(c(-1, 0), std::out_of_range);
}

} // namespace
} // namespace vintrel
