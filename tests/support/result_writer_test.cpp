// The result folder writer makes what the readers accept, with the values the recipe names.
#include "support/result_writer.h"

#include "levels/detail_texts.h"
#include "levels/level_tables.h"
#include "levels/transition_strengths.h"
#include "resultdata/input_files.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

namespace fs = std::filesystem;

TEST(ResultWriter, CeriumReadsBackThroughTheReaders) {
    test::WorkingRoot root;
    const ResultLocation location = root.write("Result00", test::ceriumCubic());
    const ResultInputs in = readResultInputs(location, TVariables{});
    const TVariables& v = in.variables;
    EXPECT_EQ(v.element, 82);
    EXPECT_EQ(v._ionvalue, 3);
    EXPECT_EQ(v.siconf, "4f^1");
    EXPECT_EQ(v.baza, 2);
    EXPECT_EQ(v.cialo, 1);
    EXPECT_EQ(v._dimension, 6);
    EXPECT_EQ(v.symmetry, 0);
    EXPECT_FALSE(v.dynamic_calc);
    EXPECT_DOUBLE_EQ(v.wsp_A[13], -297.9944500504541);
    EXPECT_DOUBLE_EQ(v._wsp_B[9], -1.5);
    EXPECT_DOUBLE_EQ(in.settings.chi_tmax, 150);
    EXPECT_EQ(in.settings.chi_points, 100);
    EXPECT_EQ(readDescription(root.folder("Result00")), "{\\rtf1 Ce3+ in a cubic field}");

    LevelTables tables;
    EXPECT_TRUE(readLevelTables(root.folder("Result00"), 0, 6, false, tables).complete());
    const auto levels = test::ceriumCubicLevels();
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(tables.axis(Axis::z).E[i], levels[std::size_t(i - 1)].E);
        EXPECT_EQ(tables.axis(Axis::z).L[i], levels[std::size_t(i - 1)].L);
        EXPECT_EQ(tables.axis(Axis::x).S[i], levels[std::size_t(i - 1)].S / 2);
    }
    EXPECT_EQ(readEigenvectorLines(root.folder("Result00"), 0),
              (std::vector<std::string>{"|1> = 0.408|-5/2> + 0.913|3/2>", "|2> = ..."}));
    EXPECT_EQ(test::readFile(root.data() / kShippedSettingsFile), "200\r\n200\r\n");
}

TEST(ResultWriter, ComplexTitaniumHasThreeAxes) {
    test::WorkingRoot root;
    const ResultLocation location = root.write("Result01", test::titaniumComplex());
    const TVariables v = readResultInputs(location, TVariables{}).variables;
    EXPECT_EQ(v._ionvalue, 3);
    EXPECT_EQ(v.cialo, 2);
    EXPECT_EQ(v._dimension, 10);
    EXPECT_FALSE(fs::exists(root.folder("Result01") / kInputBnFile));
    EXPECT_DOUBLE_EQ(v.wsp_A[26], 2.7);
    LevelTables tables;
    const LevelReadOutcome outcome = readLevelTables(root.folder("Result01"), 0, 10, true, tables);
    EXPECT_TRUE(outcome.complete());
    EXPECT_DOUBLE_EQ(tables.axis(Axis::y).L[4], 0.6 / 4);
    EXPECT_EQ(tables.axis(Axis::z).E[10], 400);
}

TEST(ResultWriter, InputELinesAreWrittenAsTheProgramWritesThem) {
    test::ResultRecipe recipe =
        test::ionResult(94, 2, "4f^1^3 Yb3+", 2, 2, 1.5, 90, 90, -123.4567891, 7);
    recipe.meanField = 2;
    recipe.exchange = 0.125;
    EXPECT_EQ(test::resultFiles(recipe).at(kInputEFile),
              "94\r\n2\r\n4f^1^3 Yb3+\r\n2\r\n2\r\n1.5\r\n90\r\n90\r\n-123.4567891\r\n7\r\n2\r\n"
              "0.125\r\n");
}

TEST(ResultWriter, FilesAreAddedReplacedEmptiedOrLeftOut) {
    test::TempDir dir;
    const fs::path folder = dir / "Result00";
    test::ResultRecipe recipe = test::ceriumCubic();
    test::writeResult(folder, recipe);
    test::writeFile(folder / "g_E.dup", "kept");
    recipe.without(kInputBnFile).emptied(kDescriptionFile).withFile(kInputSFile, "300\n");
    recipe.withFile("o_lsspec.dup", "ls");
    test::writeResult(folder, recipe);
    EXPECT_FALSE(fs::exists(folder / kInputBnFile));
    EXPECT_EQ(test::readFile(folder / kDescriptionFile), "");
    EXPECT_EQ(test::readFile(folder / kInputSFile), "300\n");
    EXPECT_EQ(test::readFile(folder / "o_lsspec.dup"), "ls");
    EXPECT_EQ(test::readFile(folder / "g_E.dup"), "kept");

    const test::ResultRecipe bare = test::ResultRecipe::withoutInputFiles();
    EXPECT_TRUE(test::resultFiles(bare).empty());
}

TEST(ResultWriter, MeanFieldBlocksAndStrengthsRead) {
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.levels = {{{{0}, {10}}, false, {}, 0}, {{{1}, {12}}, false, {}, 0}};
    const std::vector<double> energies{0, 0, 116, 116, 116, 116};
    recipe.strengths = test::strengthsBlock(0, energies, [](int i, int j) {
        return std::vector<double>{i == j ? 1.0 : 0.0, 0, 0};
    });
    test::TempDir dir;
    test::writeResult(dir.path(), recipe);
    LevelTables tables;
    EXPECT_TRUE(readLevelTables(dir.path(), 1, 2, false, tables).complete());
    EXPECT_EQ(tables.axis(Axis::z).E[2], 12);

    AxisLevels levels;
    for (std::size_t i = 0; i < energies.size(); ++i)
        levels.E[i + 1] = energies[i];
    TransitionStrengths s;
    readTransitionStrengths(dir.path(), 0, 6, 2, levels, 6, s);
    EXPECT_NEAR(s.table(StrengthTable::Lz)[1][1], 2 * 2.0 / 3, 1e-12);
    EXPECT_NEAR(s.table(StrengthTable::Lz)[3][3], 4 * 2.0 / 3, 1e-12);
    EXPECT_EQ(s.table(StrengthTable::Lz)[1][3], 0);
}

} // namespace
} // namespace vintrel
