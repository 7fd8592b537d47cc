#include "graphs/derived_curves.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel {
namespace {

TEST(PowderAverage, ArithmeticMeanOfTheDirections) {
    const std::vector<double> x = {1, 2};
    const std::vector<double> y = {4, 5};
    const std::vector<double> z = {7, 11};
    // With y: (x + y + z)/3, not the quadratic mean √((x² + y² + z²)/3).
    EXPECT_EQ(powderAverage(x, &y, z, false), (std::vector<double>{4, 6}));
    // A uniaxial result without y: χy = χx.
    EXPECT_EQ(powderAverage(x, nullptr, z, true), (std::vector<double>{3, 5}));
    EXPECT_FALSE(powderAverage(x, nullptr, z, false));
}

TEST(PowderAverage, UniaxialResults) {
    const auto withCoefficients = [](std::initializer_list<std::pair<int, int>> km) {
        TVariables vars;
        for (auto [k, m] : km)
            vars.wsp_A[static_cast<std::size_t>(coefficientSlot(k, m))] = 1.5;
        return vars;
    };
    struct Case {
        const char* what;
        TVariables vars;
        bool uniaxial;
    };
    TVariables tilted = withCoefficients({{4, 0}, {4, 4}});
    tilted.magfield = 2;
    tilted._magfield_x = 1;
    tilted._magfield_z = std::sqrt(3.0);
    TVariables alongZ = withCoefficients({{4, 0}, {4, 4}});
    alongZ.magfield = 2;
    alongZ._magfield_z = 2;
    TVariables secondSet = withCoefficients({{2, 0}, {4, 3}});
    secondSet._wsp_B[static_cast<std::size_t>(coefficientSlot(2, 2))] = 1;
    const Case cases[] = {
        {"cubic, m = 0 and 4", withCoefficients({{4, 0}, {4, 4}, {6, 0}, {6, 4}}), true},
        {"trigonal, m = 0, 3, 6", withCoefficients({{2, 0}, {4, 3}, {6, -6}}), true},
        {"hexagonal, m = 0, 6", withCoefficients({{2, 0}, {6, 6}}), true},
        {"no coefficients", TVariables{}, true},
        {"orthorhombic, m = 2", withCoefficients({{2, 0}, {2, 2}}), false},
        {"m = 3 and 4 together", withCoefficients({{4, 3}, {4, 4}}), false},
        {"a field off the z axis", tilted, false},
        {"a field along z", alongZ, true},
        {"the second set counts", secondSet, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(isUniaxial(c.vars), c.uniaxial);
    }
}

TEST(DerivedCurves, CurieAndPerTemperatureLeaveOutTZero) {
    const std::vector<double> T = {0, 1, 200};
    const std::vector<double> curie = curieCurve(T, 2.535);
    EXPECT_TRUE(std::isnan(curie[0]));
    EXPECT_NEAR(curie[2] * 200, 2.535 * 2.535 * 0.223904336, 1e-12);
    const std::vector<double> cT = perTemperature({5, 2, 4}, T);
    EXPECT_TRUE(std::isnan(cT[0]));
    EXPECT_EQ(cT[1], 2);
    EXPECT_EQ(cT[2], 0.02);
    const std::vector<double> inverse = reciprocals({0, 4, -0.5});
    EXPECT_TRUE(std::isnan(inverse[0]));
    EXPECT_EQ(inverse[1], 0.25);
    EXPECT_EQ(inverse[2], -2);
}

// The Debye heat-capacity function (3/x³)∫₀ˣ t⁴eᵗ/(eᵗ−1)² dt = c_D / 3nR, from tables
// (computed to 15 digits with 30-digit arithmetic).
TEST(DebyeHeat, MatchesTheDebyeFunction) {
    struct Case {
        double x;
        double f;
    };
    const Case cases[] = {
        {0.0001, 0.9999999995},     {0.000357142857142857, 0.999999993622449},
        {0.001, 0.999999950000002}, {0.1, 0.99950017851633},
        {0.5, 0.987610752099737},   {1, 0.951732135703279},
        {2, 0.825408038412503},     {3, 0.662758044152386},
        {5, 0.368634823605172},     {10, 0.0758210030310913},
        {20, 0.00974075660070459},  {50, 0.000623418182617616},
        {100, 7.79272728272019e-5}, {200, 9.74090910340024e-6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(3 * debyeIntegral(c.x) / (c.x * c.x * c.x), c.f, 1e-7 * c.f);
        // θ = x · T with T = 100 K, two atoms per formula unit.
        EXPECT_NEAR(debyeHeat(100, c.x * 100, 2), 6 * kGasConstantR * c.f, 1e-6 * 6 * 8.3143 * c.f);
    }
    // θ = 0.1 K at 280 K is all but the classical 3nR (the integral starts at 0, not 0.001).
    EXPECT_NEAR(debyeHeat(280, 0.1, 1) / (3 * kGasConstantR), 1, 1e-8);
    EXPECT_EQ(debyeHeat(0, 350, 1), 0);
    EXPECT_TRUE(std::isnan(debyeHeat(10, 0, 1)));
    EXPECT_TRUE(std::isnan(debyeHeat(-1, 350, 1)));
    EXPECT_TRUE(std::isnan(debyeIntegral(-1)));
}

TEST(DerivedCurves, EntropyStepsAndStatisticalLines) {
    EXPECT_EQ(entropySteps({1, 3, 7, 8}), (std::vector<double>{2, 4, 1, 1}));
    EXPECT_TRUE(std::isnan(entropySteps({5})[0]));
    EXPECT_TRUE(entropySteps({}).empty());

    EXPECT_EQ(statisticalEntropyCandidates(12), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(statisticalEntropyCandidates(14), (std::vector<int>{2, 4, 6, 8}));
    EXPECT_EQ(statisticalEntropyCandidates(20), (std::vector<int>{2, 4, 6, 8, 12}));
    EXPECT_EQ(statisticalEntropyCandidates(22), (std::vector<int>{2, 5, 7, 12, 17}));
    EXPECT_EQ(statisticalEntropyCandidates(25), (std::vector<int>{2, 5, 8, 16, 21}));
    EXPECT_EQ(statisticalEntropyCandidates(40), (std::vector<int>{2, 4, 8, 16, 28}));
    EXPECT_NEAR(statisticalEntropy(2), 5.763, 1e-3);
    EXPECT_NEAR(statisticalEntropy(3), 9.134, 1e-3);
    EXPECT_NEAR(statisticalEntropy(5), 13.38, 1e-2);
}

TEST(EffectiveMoment, FromTheSlopeOfTheInverseSusceptibility) {
    const EffectiveMoment p = effectiveMoment(100, 30, 200, 70, false);
    ASSERT_TRUE(p.value);
    EXPECT_NEAR(*p.value, 3.34095, 5e-6);
    // The order of the two rows does not matter.
    EXPECT_NEAR(*effectiveMoment(200, 70, 100, 30, false).value, *p.value, 1e-12);
    EXPECT_EQ(effectiveMoment(100, 30, 100, 30, true).note, " not set");
    EXPECT_EQ(effectiveMoment(100, 30, 200, 30, false).note, " not set");
    EXPECT_EQ(effectiveMoment(100, 70, 200, 30, false).note, "undefined");
    EXPECT_FALSE(effectiveMoment(100, 70, 200, 30, false).value);
}

} // namespace
} // namespace vintrel
