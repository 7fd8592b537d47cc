#include "levels/level_tables.h"

#include "resultdata/dup_reader.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

using test::FixtureLevel;
using test::levelBlock;

TEST(GroundTerm, CeriumInBothBases) {
    const auto jj = groundTermOf("4f^1", 2, 1);
    ASSERT_TRUE(jj);
    EXPECT_EQ(jj->N, 6);
    EXPECT_EQ(jj->letterText, "F");
    EXPECT_EQ(jj->multiplicityText, "2");
    EXPECT_EQ(jj->jText, "  5/2");
    EXPECT_NEAR(jj->gJ, 6.0 / 7, 1e-12);
    const auto ls = groundTermOf("4f^1", 1, 1);
    ASSERT_TRUE(ls);
    EXPECT_EQ(ls->N, 14);
    EXPECT_EQ(ls->jText, "");
    EXPECT_FALSE(groundTermOf("nonsense", 1, 1));
}

TEST(GroundTerm, IntegerJWrittenAsNumber) {
    const auto term = groundTermOf("3d^2", 2, 1); // 3F2
    ASSERT_TRUE(term);
    EXPECT_EQ(term->jText, "  2");
    EXPECT_EQ(term->N, 5);
}

TEST(MarkerSearch, ComparesTheWholeMarker) {
    EXPECT_TRUE(isMarkerLine("x12x 5.0 E [K]", "x12x"));
    EXPECT_FALSE(isMarkerLine("x12x 5.0 E [K]", "x1x"));
    EXPECT_FALSE(isMarkerLine("x1x", "x12x"));
    EXPECT_FALSE(isMarkerLine("X0X", "x0x"));
    DupReader reader("f", "junk\nx12x a\n1\nx1x b\n2\n");
    ASSERT_TRUE(findMarker(reader, "x1x"));
    EXPECT_EQ(reader.readReal(), 2);
    DupReader missing("f", "x0x\n1\n");
    EXPECT_FALSE(findMarker(missing, "z0z"));
    EXPECT_TRUE(missing.atEndOfFile());
}

TEST(ReadLevelTables, Block12IsNotTakenForBlock1) {
    std::string file;
    for (int n = 0; n <= 12; ++n)
        file += levelBlock(n, {{10.0 * n}, {10.0 * n + 5}}, false, {"v"});
    LevelTables tables;
    auto outcome = readLevelTablesText("o_E.dup", file, 12, 2, false, tables);
    EXPECT_TRUE(outcome.complete());
    EXPECT_EQ(tables.axis(Axis::z).E[1], 120);
    outcome = readLevelTablesText("o_E.dup", file, 1, 2, false, tables);
    EXPECT_TRUE(outcome.complete());
    EXPECT_EQ(tables.axis(Axis::z).E[2], 15);
}

TEST(ReadLevelTables, FillsValuesAndTexts) {
    const std::vector<FixtureLevel> levels{{0, 0.5, 1, 2.5}, {12.3456, -0.25, 0.5, 1}};
    LevelTables tables;
    readLevelTablesText("o_E.dup", levelBlock(0, levels, false, {}), 0, 2, false, tables);
    const AxisLevels& z = tables.axis(Axis::z);
    EXPECT_EQ(z.count, 2);
    EXPECT_EQ(z.EText[2], "12.346");
    EXPECT_EQ(z.SText[1], "0.5000");
    EXPECT_EQ(z.LText[1], "1.0000");
    EXPECT_EQ(z.MText[1], "2.5000");
    EXPECT_EQ(z.LgSText[1], "2.0012"); // 1 + 2.0023193 * 0.5
    EXPECT_EQ(tables.axis(Axis::x).S[1], 0.25);
}

TEST(ReadLevelTables, RealHamiltonianLeavesYCleared) {
    LevelTables tables;
    tables.axis(Axis::y).S[1] = 7;
    tables.axis(Axis::y).L[2] = 7;
    const std::string complexFile = levelBlock(0, {{0, 1, 1}, {5, 1, 1}}, true, {});
    readLevelTablesText("o_E.dup", complexFile, 0, 2, false, tables);
    EXPECT_EQ(tables.axis(Axis::y).S[1], 0);
    EXPECT_EQ(tables.axis(Axis::y).L[2], 0);
    readLevelTablesText("o_E.dup", complexFile, 0, 2, true, tables);
    EXPECT_EQ(tables.axis(Axis::y).S[1], 0.25);
}

struct BadFileCase {
    const char* name;
    std::string content;
    int N;
    std::array<int, 3> expectedRead; // z, x, y
};

class ReadLevelTablesEndsCleanly : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(ReadLevelTablesEndsCleanly, KeepsToItsTables) {
    const BadFileCase& c = GetParam();
    LevelTables tables;
    tables.axis(Axis::z).E[kMaxLevels] = 99; // beyond N: must not be touched
    const auto outcome = readLevelTablesText("o_E.dup", c.content, 0, c.N, false, tables);
    EXPECT_FALSE(outcome.complete());
    EXPECT_EQ(outcome.levelsRead, c.expectedRead);
    EXPECT_EQ(tables.axis(Axis::z).E[kMaxLevels], 99);
    for (int i = outcome.levelsRead[0] + 1; i <= std::min(c.N, kMaxLevels - 1); ++i)
        EXPECT_EQ(tables.axis(Axis::z).E[i], 0) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLevelTablesEndsCleanly,
    ::testing::Values(
        BadFileCase{
            "ShortX", "x0x E\n1 1 0 0 0 0\nz0z E\n1 1 0 0 0 0\n2 2 0 0 0 0\n*0*\n", 2, {2, 1, 0}},
        BadFileCase{
            "ShortZAtEnd", "x0x E\n1 1 0 0 0 0\n2 2 0 0 0 0\nz0z E\n1 1 0 0 0 0\n", 2, {1, 2, 0}},
        BadFileCase{
            "ShortZBeforeEmptyLine", "x0x E\n1 1 0 0 0 0\nz0z E\n1 1 0 0 0 0\n\n5\n", 3, {1, 1, 0}},
        BadFileCase{"MissingZMarker", "x0x E\n1 1 0 0 0 0\n2 2 0 0 0 0\n", 2, {0, 2, 0}},
        BadFileCase{"MissingBlock", "x1x E\n1 1 0 0 0 0\n", 1, {0, 0, 0}},
        BadFileCase{"TooManyLevels", "x0x E\n1 1 0 0 0 0\nz0z E\n1 1 0 0 0 0\n", 67, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLevelTables, TextForANumberIsAnInputErrorNamingTheLine) {
    LevelTables tables;
    try {
        readLevelTablesText("o_E.dup", "x0x E\n1 1 0 0 0 0\n2 abc 0 0 0 0\n", 0, 2, false, tables);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("o_E.dup, line 3"), std::string::npos) << e.what();
    }
}

TEST(ReadLevelTables, MissingFileKeepsTables) {
    test::TempDir dir;
    LevelTables tables;
    tables.axis(Axis::z).E[1] = 42;
    const auto outcome = readLevelTables(dir.path(), 0, 2, false, tables);
    EXPECT_FALSE(outcome.fileFound);
    EXPECT_EQ(tables.axis(Axis::z).E[1], 42);
}

TEST(ScanEnergyRange, TakesExtremesOverSections) {
    const std::string file = levelBlock(0, {{-3}, {7}, {20}}, true, {}, -5);
    const EnergyRange range = scanEnergyRangeText("o_E.dup", file, 0, 3, true);
    EXPECT_EQ(range.estart, -8);
    EXPECT_EQ(range.eend, 20);
    EXPECT_EQ(range.span(), 28);
}

TEST(ScanEnergyRange, SingleLevelRangeGetsUnitSpan) {
    const std::string file = levelBlock(0, {{4}, {4}}, false, {});
    const EnergyRange range = scanEnergyRangeText("o_E.dup", file, 0, 2, false);
    EXPECT_EQ(range.estart, 4);
    EXPECT_EQ(range.eend, 5);
}

TEST(ScanEnergyRange, MissingFileGivesNothing) {
    test::TempDir dir;
    EXPECT_FALSE(scanEnergyRange(dir.path(), 0, 2, false));
}

TEST(FindLevelIndex, GroupsMapToTheirFirstLevel) {
    AxisLevels levels;
    levels.E = {};
    levels.E[1] = 0;
    levels.E[2] = 5e-10;
    levels.E[3] = 2e-9 + 5e-10;
    levels.E[4] = 100;
    levels.E[5] = 3; // beyond the count: never found
    EXPECT_EQ(findLevelIndex(levels, 4, 0), 1);
    EXPECT_EQ(findLevelIndex(levels, 4, 5e-10), 1);
    EXPECT_EQ(findLevelIndex(levels, 4, 2.5e-9), 3);
    EXPECT_EQ(findLevelIndex(levels, 4, 100), 4);
    EXPECT_EQ(findLevelIndex(levels, 4, 3), 0);
    EXPECT_EQ(findLevelIndex(levels, 4, 50), 0);
}

TEST(ReadGroundAxisEnergies, ZSectionOfBlockZero) {
    test::TempDir dir;
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.levels = {{{{1}, {2}, {3}}, false, {}, 10}, {{{4}, {5}, {6}}, false, {}, 0}};
    test::writeResult(dir.path(), recipe);
    EXPECT_EQ(readGroundAxisEnergies(dir.path(), 3), (std::vector<double>{1, 2, 3}));
}

} // namespace
} // namespace vintrel

namespace vintrel {
namespace {

// Every damaged variant of a valid file either reads or fails with InputError; none reads
// outside the tables (the sanitizer build watches that).
TEST(ReadLevelTables, DamagedFilesReadOrFailCleanly) {
    const std::string valid = test::levelBlock(0, test::ceriumCubicLevels(), true, {"v"});
    const char replacements[] = {'x', 'z', '*', ' ', '\n', '9', '-', 'E', '.'};
    for (std::size_t at = 0; at < valid.size(); at += 3) {
        for (char c : replacements) {
            std::string damaged = valid;
            damaged[at] = c;
            LevelTables tables;
            try {
                readLevelTablesText("o_E.dup", damaged, 0, 6, true, tables);
                scanEnergyRangeText("o_E.dup", damaged, 0, 6, true);
            } catch (const InputError&) {
            }
            for (const AxisLevels& axis : tables.axes)
                ASSERT_LE(axis.count, 6);
        }
    }
}

} // namespace
} // namespace vintrel
