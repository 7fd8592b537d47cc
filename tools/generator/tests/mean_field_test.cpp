#include "file_parsing.h"
#include "generated_examples.h"
#include "mean_field.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel::generator {
namespace {

using namespace test;

double norm(const Vector3& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

TEST(MeanField, OrdersInsideTheTemperatureRange) {
    const GeneratedResult& r = meanFieldExample();
    const MeanFieldRun& run = *r.meanField;
    EXPECT_GT(run.tc, run.steps.front().t);
    EXPECT_LT(run.tc, run.steps.back().t);
    const auto lines = splitLines(r.files.at("d_temp.dup"));
    EXPECT_NEAR(numbersOf(lines.at(1)).at(0), run.tc, 1e-6);
}

TEST(MeanField, MomentIsSelfConsistentAndVanishesAboveTc) {
    const GeneratedResult& r = meanFieldExample();
    const MeanFieldRun& run = *r.meanField;
    double previous = 1e9;
    for (const MeanFieldStep& s : run.steps) {
        const Vector3 b{r.recipe.exchange * s.m[0], r.recipe.exchange * s.m[1],
                        r.recipe.exchange * s.m[2]};
        const Vector3 f = singleIonMoment(r.model, b, s.t);
        for (int a = 0; a < 3; ++a) {
            EXPECT_NEAR(f[a], s.m[a], 1e-9) << "T=" << s.t;
            EXPECT_NEAR(s.molecularField[a], b[a], 1e-12);
        }
        const double m = norm(s.m);
        if (s.t > run.tc) {
            EXPECT_EQ(m, 0.0) << "T=" << s.t;
        } else {
            EXPECT_GT(m, 0.1) << "T=" << s.t;
            EXPECT_LE(m, previous + 1e-9);
        }
        previous = m;
    }
    EXPECT_LE(norm(run.steps.front().m), r.model.term.gJ * r.model.term.J + 1e-9);
}

TEST(MeanField, SusceptibilityPeaksAtTheOrderingTemperature) {
    const MeanFieldRun& run = *meanFieldExample().meanField;
    std::size_t peak = 0;
    for (std::size_t k = 0; k < run.steps.size(); ++k) {
        EXPECT_GT(run.steps[k].chi[2], 0);
        if (run.steps[k].chi[2] > run.steps[peak].chi[2]) {
            peak = k;
        }
    }
    EXPECT_LT(std::abs(run.steps[peak].t - run.tc), 1.0);
}

TEST(MeanField, EasyAxisAnisotropyIsPositiveBelowTcAndZeroAbove) {
    const MeanFieldRun& run = *meanFieldExample().meanField;
    for (const MeanFieldStep& s : run.steps) {
        const auto& k = s.anisotropy.k;
        if (s.t > run.tc) {
            for (double v : k) {
                EXPECT_EQ(v, 0.0);
            }
        } else {
            // F(90 degrees) - F(0) along phi = 0.
            EXPECT_GT(k[0] + k[1] + k[2] + k[3] + k[4], 0) << "T=" << s.t;
        }
    }
}

TEST(MeanField, EntropyJumpsNowhereButHeatJumpsAtTc) {
    const MeanFieldRun& run = *meanFieldExample().meanField;
    std::size_t below = 0;
    while (below + 1 < run.steps.size() && run.steps[below + 1].t < run.tc) {
        ++below;
    }
    ASSERT_LT(below + 1, run.steps.size());
    EXPECT_GT(run.steps[below].heat.c, 2 * run.steps[below + 1].heat.c);
    EXPECT_LT(std::abs(run.steps[below + 1].heat.s - run.steps[below].heat.s), 1.0);
}

TEST(MeanField, WithoutExchangeThereIsNoOrder) {
    ResultRecipe recipe = meanFieldExample().recipe;
    recipe.exchange = 0;
    recipe.settings.chiPoints = 5;
    const MeanFieldRun run = runMeanField(buildModel(recipe), recipe);
    EXPECT_EQ(run.tc, 0.0);
    for (const MeanFieldStep& s : run.steps) {
        EXPECT_EQ(norm(s.m), 0.0);
    }
}

} // namespace
} // namespace vintrel::generator
