#include "graphs/graph_data.h"

#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel {
namespace {

/// A susceptibility file of `rows` rows at T = 1, 2, …, χ = scale / T, and more text after.
std::string chiFile(int rows, double scale, const std::string& tail = {}) {
    std::vector<double> T;
    std::vector<double> chi;
    for (int r = 1; r <= rows; ++r) {
        T.push_back(r);
        chi.push_back(scale / r);
    }
    return test::chiFileText(T, chi) + tail;
}

test::ResultRecipe chiResult(int rows, bool withY) {
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    recipe.withFile("o_chi_x.dup", chiFile(rows, 1));
    if (withY)
        recipe.withFile("o_chi_y.dup", chiFile(rows, 2));
    recipe.withFile("o_chi_z.dup", chiFile(rows, 3));
    return recipe;
}

TEST(ChiData, KeepsEveryRowAndTheYDirectionOnlyForAComplexHamiltonian) {
    test::TempDir dir;
    test::writeResult(dir.path(), chiResult(1000, true));
    const ChiData complexData = readChiData(dir.path(), true);
    ASSERT_EQ(complexData.rowCount(), 1000u);
    EXPECT_TRUE(complexData.hasY);
    EXPECT_DOUBLE_EQ(complexData.chi[1][9], 0.2);
    EXPECT_DOUBLE_EQ(complexData.inverse[2][999], 1000 / 3.0);

    const ChiData realData = readChiData(dir.path(), false);
    EXPECT_FALSE(realData.hasY);
    EXPECT_FALSE(realData.has(Direction::y));
    EXPECT_TRUE(realData.chi[1].empty());

    // A complex result without "o_chi_y.dup" (or with an empty one) has x and z only.
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles().emptied("o_chi_y.dup"));
    EXPECT_FALSE(readChiData(dir.path(), true).hasY);
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles().without("o_chi_y.dup"));
    EXPECT_FALSE(readChiData(dir.path(), true).hasY);
}

TEST(ChiData, RowsEndAtABlankLineOfTheXFile) {
    const std::string x = chiFile(10, 1, "\r\n11 1 1 1\r\n");
    const std::string z = chiFile(12, 3);
    const ChiData data = parseChiData({"x", "y", "z"}, x, nullptr, z);
    EXPECT_EQ(data.rowCount(), 10u);
    EXPECT_EQ(data.chi[2].size(), 10u);
}

TEST(ChiData, DamagedFilesAreNamedInTheError) {
    struct Case {
        std::string x;
        std::string z;
        std::string message;
    };
    const Case cases[] = {
        {chiFile(5, 1), chiFile(4, 3), "z: holds 4 rows, the x direction 5"},
        {chiFile(2, 1, "3 0.3 three 1\r\n"), chiFile(3, 3), "x, line 4"},
        {chiFile(2, 1, "3 0.3\r\n"), chiFile(3, 3), "x, line 4"},
        {chiFile(2, 1), chiFile(2, 3, "x\r\n"), "z, line 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            parseChiData({"x", "y", "z"}, c.x, nullptr, c.z);
            ADD_FAILURE() << "no error";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
    test::TempDir dir;
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles()
                                      .withFile("o_chi_x.dup", chiFile(2, 1))
                                      .emptied("o_chi_z.dup"));
    try {
        readChiData(dir.path(), false);
        ADD_FAILURE() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + (dir / "o_chi_z.dup").string());
    }
}

TEST(ChiData, AHugeInverseIsHeldAtItsCeiling) {
    const std::string x = "T chi 1/chi chiT\n1 1e-12 1e12 1e-12\n2 0.5 2 1\n";
    const ChiData data = parseChiData({"x", "y", "z"}, x, nullptr, x);
    EXPECT_EQ(data.inverse[0][0], 1e9);
    EXPECT_EQ(data.inverse[0][1], 2);
    EXPECT_EQ(data.chi[0][0], 1e-12);
}

TEST(SpcData, RowsRunToTheEndOfTheFilePastBlankLines) {
    const std::string text = "T c S c2\n1 0 5.76 0\n\n2 0.5 5.8 0.1\n3 1.0 6.0 0.2\n\n";
    const SpcData data = parseSpcData("o_spc.dup", text);
    ASSERT_EQ(data.rowCount(), 3u);
    EXPECT_EQ(data.T[2], 3);
    EXPECT_EQ(data.c[1], 0.5);
    EXPECT_EQ(data.S[0], 5.76);
    EXPECT_EQ(data.fourth[2], 0.2);
    EXPECT_EQ(parseSpcData("o_spc.dup", "header only\n").rowCount(), 0u);
    EXPECT_THROW(parseSpcData("o_spc.dup", "T c S c2\n1 2 3\n"), InputError);
}

TEST(DataColumns, KeepsTheFirstColumnsOfEachRow) {
    DupReader in("d_aniso.dup", "T K1 K2 K2' K3 K3'\n1 2 3 4 5 6 7\n2 -2 -3 -4 -5 -6\n");
    const DataColumns data = readDataColumns(in, 6, RowsEnd::EndOfFile);
    EXPECT_EQ(data.header, "T K1 K2 K2' K3 K3'");
    ASSERT_EQ(data.columns.size(), 6u);
    EXPECT_EQ(data.rowCount(), 2u);
    EXPECT_EQ(data.columns[5][0], 6);
    EXPECT_EQ(data.columns[1][1], -2);
}

} // namespace
} // namespace vintrel
