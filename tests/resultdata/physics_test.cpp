#include "resultdata/physics.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

using namespace vintrel;

TEST(GasConstantLn, IsRTimesTheLogarithm) {
    EXPECT_DOUBLE_EQ(gasConstantLn(1), 8.3143);
    EXPECT_DOUBLE_EQ(gasConstantLn(2), 8.3143 * std::log(2.0));
    EXPECT_DOUBLE_EQ(gasConstantLn(8), 8.3143 * std::log(8.0));
}

TEST(BoltzmannWeight, HandlesZeroTemperature) {
    EXPECT_DOUBLE_EQ(boltzmannWeight(10, 5), std::exp(-2.0));
    EXPECT_EQ(boltzmannWeight(0, 0), 1);
    EXPECT_EQ(boltzmannWeight(3, 0), 0);
}

TEST(LevelPopulations, AtZeroTemperatureTheLowestLevelsShare) {
    const std::vector<double> energies = {5, -2, 7, -2, 30};
    std::array<double, kMaxPopulationLevels> populations;
    populations.fill(9);
    const double z = levelPopulations(energies, 0, populations);
    EXPECT_EQ(z, 2);
    EXPECT_EQ(populations[0], 0);
    EXPECT_EQ(populations[1], 0.5);
    EXPECT_EQ(populations[3], 0.5);
    EXPECT_EQ(populations[4], 0);
    EXPECT_EQ(populations[5], 0); // beyond the levels
    EXPECT_EQ(populations[151], 0);
}

TEST(LevelPopulations, FollowsBoltzmannRelativeToTheLowestLevel) {
    const std::vector<double> energies = {100, 110, 130};
    std::vector<double> populations(3);
    const double z = levelPopulations(energies, 10, populations);
    const double expected = 1 + std::exp(-1.0) + std::exp(-3.0);
    EXPECT_DOUBLE_EQ(z, expected);
    EXPECT_DOUBLE_EQ(populations[0], 1 / expected);
    EXPECT_DOUBLE_EQ(populations[2], std::exp(-3.0) / expected);
    std::vector<double> tooShort(2);
    EXPECT_THROW(levelPopulations(energies, 10, tooShort), std::invalid_argument);
}

TEST(DebyeIntegrand, LimitsItsArgument) {
    EXPECT_NEAR(debyeIntegrand(1), std::exp(1.0) / std::pow(std::exp(1.0) - 1, 2), 1e-15);
    EXPECT_EQ(debyeIntegrand(150), debyeIntegrand(100));
    EXPECT_EQ(debyeIntegrand(0), 0);
    EXPECT_NEAR(debyeIntegrand(1e-4), 1e-8, 1e-12); // x² near 0
}

TEST(DebyeHeat, ReachesTheClassicalAndLowTemperatureLimits) {
    const double r = gasConstantLn(1);
    const std::vector<double> temperatures = {10000, 2, 0, -1};
    const std::vector<double> heat = debyeHeat(temperatures, 2, 200);
    ASSERT_EQ(heat.size(), 4u);
    // Dulong-Petit; the grid starts at 0.001 and may end one step (1 %) past θ/T, which the
    // cubed range turns into up to 3 %.
    EXPECT_NEAR(heat[0], 3 * 2 * r, 3 * 2 * r * 0.035);
    // T³ law: 12π⁴/5 · a R (T/θ)³
    const double t3 = 12 * std::pow(std::numbers::pi, 4) / 5 * 2 * r * std::pow(2.0 / 200, 3);
    EXPECT_NEAR(heat[1], t3, t3 * 0.01);
    EXPECT_EQ(heat[2], 0); // no endless loop at T = 0
    EXPECT_EQ(heat[3], 0);
    EXPECT_NEAR(debyeHeat(std::vector<double>{50}, 1, 0)[0], 3 * r, 1e-12);
}
