#include "generated_examples.h"
#include "mean_field.h"
#include "thermodynamics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel::generator {
namespace {

using test::generatedExamples;
using test::ordinaryExamples;

double curieConstant(const GroundTerm& t) {
    return 0.223904336 * t.gJ * t.gJ * t.J * (t.J + 1);
}

TEST(PhysicsInvariants, ZeroFieldLevelsOfOddElectronIonsAreKramersDoublets) {
    for (const GeneratedResult& r : generatedExamples()) {
        ResultRecipe recipe = r.recipe;
        recipe.field = 0;
        const IonModel model = buildModel(recipe);
        const Eigen::VectorXd e = diagonalise(model.hamiltonian(), false).energies;
        ASSERT_EQ(e.size() % 2, 0) << recipe.name;
        const double scale = 1 + e.cwiseAbs().maxCoeff();
        for (Eigen::Index i = 0; i + 1 < e.size(); i += 2) {
            EXPECT_NEAR(e(i), e(i + 1), 1e-9 * scale) << recipe.name << " level " << i;
        }
    }
}

TEST(PhysicsInvariants, ExternalFieldLiftsTheKramersDegeneracy) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        if (r->recipe.field != 0) {
            EXPECT_GT(r->levels.energies(1) - r->levels.energies(0), 0.5) << r->recipe.name;
        }
    }
}

TEST(PhysicsInvariants, HighTemperatureSusceptibilityReachesTheCurieLimit) {
    for (const GeneratedResult& r : generatedExamples()) {
        if (r.recipe.baza != 2) {
            continue;
        }
        const double curie = curieConstant(r.model.term);
        double average = 0;
        for (int axis = 0; axis < 3; ++axis) {
            const auto rows = susceptibility(r.model, axis, 0.01, {1e5});
            average += rows[0].chiT / 3;
            EXPECT_NEAR(rows[0].chiT, curie, 2e-3 * curie) << r.recipe.name << " axis " << axis;
        }
        EXPECT_NEAR(average, curie, 1e-4 * curie) << r.recipe.name;
    }
}

TEST(PhysicsInvariants, ShippedSusceptibilityIsPositiveAndBelowTheFreeIonCurieLaw) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        for (int axis = 0; axis < 3; ++axis) {
            ASSERT_EQ(static_cast<int>(r->chi[axis].size()), r->recipe.settings.chiPoints);
            for (const ChiRow& row : r->chi[axis]) {
                EXPECT_GT(row.chi, 0) << r->recipe.name;
                EXPECT_NEAR(row.inverse * row.chi, 1.0, 1e-12);
                if (r->recipe.baza == 2) {
                    EXPECT_LT(row.chiT, 1.001 * curieConstant(r->model.term)) << r->recipe.name;
                }
            }
        }
    }
}

TEST(PhysicsInvariants, SpecificHeatIsNeverNegative) {
    for (const GeneratedResult& r : generatedExamples()) {
        ASSERT_FALSE(r.heat.empty());
        for (const HeatRow& row : r.heat) {
            EXPECT_GE(row.c, 0) << r.recipe.name << " T=" << row.t;
        }
    }
}

TEST(PhysicsInvariants, EntropyGoesFromGroundDegeneracyToAllPopulatedStates) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        const Eigen::VectorXd& e = r->levels.energies;
        const int n = static_cast<int>(e.size());
        int ground = 0;
        for (int i = 0; i < n; ++i) {
            ground += e(i) - e(0) < 1e-6 ? 1 : 0;
        }
        const HeatRow cold = heatRow(e, 0.01);
        EXPECT_NEAR(cold.s, kGasConstant * std::log(ground), 1e-6) << r->recipe.name;
        const double tMax = r->heat.back().t;
        int withinTmax = 0;
        for (int i = 0; i < n; ++i) {
            withinTmax += e(i) - e(0) < tMax ? 1 : 0;
        }
        const double states = std::exp(r->heat.back().s / kGasConstant);
        EXPECT_GE(states, withinTmax - 1e-9) << r->recipe.name;
        EXPECT_LE(states, n + 1e-9) << r->recipe.name;
        const double span = e(n - 1) - e(0);
        EXPECT_NEAR(heatRow(e, 1000 * span).s, kGasConstant * std::log(n), 1e-3) << r->recipe.name;
    }
}

TEST(PhysicsInvariants, EntropyIncreasesWithTemperature) {
    for (const GeneratedResult& r : generatedExamples()) {
        for (std::size_t i = 1; i < r.heat.size(); ++i) {
            EXPECT_GE(r.heat[i].s, r.heat[i - 1].s - 1e-9) << r.recipe.name;
        }
    }
}

TEST(PhysicsInvariants, TwoLevelSchemeGivesTheSchottkyAnomaly) {
    Eigen::VectorXd e(2);
    e << 5.0, 15.0;
    for (double t : {1.0, 4.0, 10.0, 100.0}) {
        const double x = 10.0 / t;
        const double c = kGasConstant * x * x * std::exp(x) / std::pow(1 + std::exp(x), 2);
        const double s = kGasConstant * (std::log(1 + std::exp(-x)) + x / (1 + std::exp(x)));
        const HeatRow row = heatRow(e, t);
        EXPECT_NEAR(row.c, c, 1e-12 * kGasConstant);
        EXPECT_NEAR(row.s, s, 1e-12 * kGasConstant);
    }
}

TEST(PhysicsInvariants, CubicCeriumHasQuartetAndDoubletSplitByAFewHundredKelvin) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        if (r->recipe.ion != "Ce3+") {
            continue;
        }
        const Eigen::VectorXd e = r->levels.energies.array() - r->levels.energies(0);
        const bool quartetLowest = e(3) < 1e-9;
        const double gap = quartetLowest ? e(4) : e(2);
        EXPECT_NEAR(gap, 360 * std::abs(r->recipe.b[coefficientSlot(4, 0)]), 1e-6);
        EXPECT_GT(gap, 100);
        EXPECT_LT(gap, 1000);
        EXPECT_NEAR(e(5), gap, 1e-6);
    }
}

} // namespace
} // namespace vintrel::generator
