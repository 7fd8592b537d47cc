#include "graphs/graph_tables.h"

#include "graphs/derived_curves.h"

#include "support/result_writer.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

ChiData twoRows(bool withY) {
    ChiData data;
    data.T = {0, 10};
    data.chi = {std::vector<double>{0, 0.5}, std::vector<double>{}, std::vector<double>{0, 2}};
    data.inverse = {std::vector<double>{1e9, 2}, std::vector<double>{},
                    std::vector<double>{1e9, 0.5}};
    if (withY) {
        data.chi[1] = {0, 1.5};
        data.inverse[1] = {1e9, 1 / 1.5};
        data.hasY = true;
    }
    return data;
}

std::string comment(const DataTable& table, const std::string& key) {
    for (const auto& [k, v] : table.comments)
        if (k == key)
            return v;
    return "(none)";
}

TEST(GraphTables, PowderColumnsFollowTheResult) {
    TVariables orthorhombic;
    orthorhombic.wsp_A[static_cast<std::size_t>(coefficientSlot(2, 2))] = 3;
    const DataTable noAverage = susceptibilityDataTable(orthorhombic, twoRows(false), "r");
    EXPECT_EQ(comment(noAverage, "chi_powder"), kPowderAverageUnavailable);
    ASSERT_EQ(noAverage.rows.size(), 2u);
    EXPECT_EQ(noAverage.rows[1][4], DataTable::Cell(std::string()));
    EXPECT_EQ(noAverage.rows[1][8], DataTable::Cell(std::string()));
    // A value of 0 has no reciprocal: the cell stays empty rather than holding "inf".
    EXPECT_EQ(noAverage.rows[0][5], DataTable::Cell(std::string()));
    EXPECT_EQ(noAverage.rows[1][5], DataTable::Cell(2.0));

    const DataTable withY = susceptibilityDataTable(orthorhombic, twoRows(true), "r");
    EXPECT_EQ(withY.rows[1][4], DataTable::Cell((0.5 + 1.5 + 2) / 3));
    EXPECT_EQ(withY.rows[1][8], DataTable::Cell(3 / 4.0));
}

TEST(GraphTables, StoredRangesAndMarkersAreNamed) {
    test::WorkingRoot root;
    test::ResultRecipe recipe = test::ceriumCubic();
    recipe.withFile("o_spc.dup", test::spcFileText({{0, 0, 0, 0}, {2, 1, 5, 0}}));
    recipe.withFile("g_entr.dup", "Entropy graph range:\nbroken\n");
    const ResultLocation location = root.write("Result00", recipe);
    const auto folder = root.folder("Result00");
    writeGraphSettings(folder, GraphSettingsKind::SpecificHeat,
                       {{0, 12, 0}, {{3, 1.5}, {5.5, 0.25}}});
    const DataTable table = heatDataTable(location, "r", std::nullopt);
    EXPECT_EQ(comment(table, "specific heat graph range [J/(K mol)]"), "0 12");
    EXPECT_EQ(comment(table, "specific heat graph markers [K, J/(K mol)]"), "3 1.5; 5.5 0.25");
    EXPECT_EQ(comment(table, "entropy graph settings").rfind((folder / "g_entr.dup").string(), 0),
              0u);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][2], DataTable::Cell(std::string())); // c/T at T = 0
    EXPECT_EQ(table.rows[1][2], DataTable::Cell(0.5));
    // Reading the table writes nothing: no settings file is made for the missing graphs.
    EXPECT_FALSE(std::filesystem::exists(folder / "g_chi.dup"));
}

TEST(GraphTables, EffectiveMomentNotesAndNearestRows) {
    ChiData data = twoRows(false);
    data.T = {100, 200};
    data.inverse = {std::vector<double>{30, 70}, std::vector<double>{},
                    std::vector<double>{70, 30}};
    const DataTable table = peffDataTable(data, TVariables{}, "r", std::nullopt);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][0], DataTable::Cell(std::string("x")));
    EXPECT_NEAR(std::get<double>(table.rows[0][3]), 3.34095, 5e-6);
    EXPECT_EQ(table.rows[0][4], DataTable::Cell(std::string()));
    EXPECT_EQ(table.rows[1][3], DataTable::Cell(std::string()));
    EXPECT_EQ(table.rows[1][4], DataTable::Cell(std::string("undefined")));
    EXPECT_EQ(nearestRow({1, 2, 3}, 2.4), 1u);
    EXPECT_EQ(nearestRow({1, 2, 3}, 2.5), 1u);
    EXPECT_EQ(nearestRow({1, 2, 3}, -7), 0u);
    EXPECT_THROW(peffDataTable(ChiData{}, TVariables{}, "r", std::nullopt), DataRequestError);
}

} // namespace
} // namespace vintrel
