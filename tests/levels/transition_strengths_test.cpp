#include "levels/transition_strengths.h"

#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vintrel {
namespace {

using test::strengthsBlock;

AxisLevels levelsAt(const std::vector<double>& energies) {
    AxisLevels levels;
    for (std::size_t i = 0; i < energies.size(); ++i)
        levels.E[i + 1] = energies[i];
    levels.count = static_cast<int>(energies.size());
    return levels;
}

TEST(StrengthWeight, AveragesOverDirections) {
    EXPECT_DOUBLE_EQ(strengthWeight(1, 2, 3), (1 + 4 + 18) / 3.0);
}

struct GroupCase {
    const char* name;
    double split; // distance of the second level from the first
    double t0_11; // expected T0[1][1]
    double t0_22; // expected T0[2][2]
    double t0Max; // expected largest T0 entry
};

class StrengthGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(StrengthGroups, SumsOverDegenerateGroups) {
    const GroupCase& c = GetParam();
    const std::vector<double> energies{0, c.split, 10};
    const auto file = strengthsBlock(0, energies, [](int i, int j) {
        return std::vector<double>{1.0 * i, 0.5, 0, 0, 0, 0.1 * j};
    });
    TransitionStrengths s;
    const AxisLevels levels = levelsAt(energies);
    readTransitionStrengthsText("o_neu.dup", file, 0, 3, 1, false, levels, 3, s);
    const auto& t0 = s.table(StrengthTable::Lz);
    EXPECT_NEAR(t0[1][1], c.t0_11, 1e-12);
    EXPECT_NEAR(t0[2][2], c.t0_22, 1e-12);
    EXPECT_NEAR(t0[3][3], 2.0 / 3 * 9, 1e-12);
    EXPECT_NEAR(s.maxima[0], c.t0Max, 1e-12);
    // e5 goes to S-, e6 to S+; no LS element without "o_lsspec.dup"
    EXPECT_NEAR(s.table(StrengthTable::Sminus)[3][1], 0, 1e-12);
    EXPECT_NEAR(s.table(StrengthTable::Splus)[3][3], 1.0 / 3 * 0.09, 1e-12);
    EXPECT_EQ(s.table(StrengthTable::LS)[1][1], 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, StrengthGroups,
                         ::testing::Values(
                             // one group: (i, j) in {1, 2}²: 2/3 (1 + 1 + 4 + 4)
                             GroupCase{"HalfNanoKelvinApart", 5e-10, 2.0 / 3 * 10, 0, 12},
                             GroupCase{"TwoNanoKelvinApart", 2e-9, 2.0 / 3, 2.0 / 3 * 4, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTransitionStrengths, LsElementOnlyWithLsSpectrumFile) {
    test::TempDir dir;
    const std::vector<double> energies{0, 10};
    const AxisLevels levels = levelsAt(energies);
    const auto sevenNumbers =
        strengthsBlock(0, energies, [](int, int) { return std::vector<double>{0, 0, 0, 0, 0, 0}; });
    const auto eightNumbers = strengthsBlock(
        0, energies, [](int, int) { return std::vector<double>{0, 0, 0, 0, 0, 0, 0.5}; });
    TransitionStrengths s;
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.strengths = sevenNumbers;
    test::writeResult(dir.path(), recipe);
    readTransitionStrengths(dir.path(), 0, 2, 1, levels, 2, s);
    EXPECT_EQ(s.table(StrengthTable::LS)[1][2], 0);
    // An empty "o_lsspec.dup" is what saving leaves of a missing one: still seven numbers.
    test::writeResult(dir.path(), recipe.emptied(kLsSpectrumFile));
    readTransitionStrengths(dir.path(), 0, 2, 1, levels, 2, s);
    EXPECT_EQ(s.table(StrengthTable::LS)[1][2], 0);
    recipe.withFile(kLsSpectrumFile, " Energy diff.       LS          from lev.\r\n");
    test::writeResult(dir.path(), recipe);
    EXPECT_THROW(readTransitionStrengths(dir.path(), 0, 2, 1, levels, 2, s), InputError);
    recipe.strengths = eightNumbers;
    test::writeResult(dir.path(), recipe);
    readTransitionStrengths(dir.path(), 0, 2, 1, levels, 2, s);
    EXPECT_NEAR(s.table(StrengthTable::LS)[1][2], 2.0 / 3 * 0.25, 1e-12);
    EXPECT_NEAR(s.maxima[static_cast<int>(StrengthTable::LS)], 2.0 / 3 * 0.25, 1e-12);
}

TEST(ReadTransitionStrengths, JBasisFillsOnlyTheJTables) {
    const std::vector<double> energies{0, 10};
    const auto file = strengthsBlock(0, energies, [](int, int) {
        return std::vector<double>{1, 2, 3};
    });
    TransitionStrengths s;
    s.table(StrengthTable::Sz)[1][1] = 5; // stale entry of an earlier result
    const AxisLevels levels = levelsAt(energies);
    readTransitionStrengthsText("o_neu.dup", file, 0, 2, 2, false, levels, 2, s);
    EXPECT_NEAR(s.table(StrengthTable::Lplus)[2][1], 4.0 / 3, 1e-12);
    EXPECT_NEAR(s.table(StrengthTable::Lminus)[1][2], 3.0, 1e-12);
    EXPECT_EQ(s.table(StrengthTable::Sz)[1][1], 0);
}

TEST(ReadTransitionStrengths, UnmatchedEnergiesAndShortBlocksAreDropped) {
    const std::vector<double> energies{0, 10};
    std::string file = strengthsBlock(0, energies, [](int, int) {
        return std::vector<double>{1, 0, 0};
    });
    file.resize(file.find("initial", file.find("initial") + 1)); // breaks off after E_2
    TransitionStrengths s;
    const AxisLevels levels = levelsAt({0, 99}); // 10 K matches no level
    EXPECT_NO_THROW(readTransitionStrengthsText("o_neu.dup", file, 0, 2, 2, false, levels, 2, s));
    EXPECT_NEAR(s.table(StrengthTable::Lz)[1][1], 2.0 / 3, 1e-12);
    for (int h = 0; h <= kMaxLevels; ++h)
        EXPECT_EQ(s.table(StrengthTable::Lz)[0][h], 0);
    EXPECT_NO_THROW(
        readTransitionStrengthsText("o_neu.dup", file, 0, kMaxLevels + 1, 2, false, levels, 2, s));
}

TEST(ReadTransitionStrengths, AnElementWhoseSquareOverflowsIsAnError) {
    const std::vector<double> energies{0, 10};
    const auto file = strengthsBlock(0, energies, [](int i, int j) {
        return std::vector<double>{i == 2 && j == 1 ? 1e200 : 1, 0, 0};
    });
    TransitionStrengths s;
    try {
        readTransitionStrengthsText("o_neu.dup", file, 0, 2, 2, false, levelsAt(energies), 2, s);
        FAIL() << "no error";
    } catch (const InputError& e) {
        // line 1 marker, 2-6 state 1, 7 energy and 8 header of state 2, then its first line
        EXPECT_EQ(std::string(e.what()), "o_neu.dup, line 9: matrix element out of range");
    }
    for (double maximum : s.maxima)
        EXPECT_TRUE(std::isfinite(maximum));
}

TEST(ReadTransitionStrengths, MissingFileIsAnError) {
    test::TempDir dir;
    TransitionStrengths s;
    EXPECT_THROW(readTransitionStrengths(dir.path(), 0, 2, 2, AxisLevels{}, 0, s), InputError);
}

} // namespace
} // namespace vintrel
