#include "levels/level_data.h"

#include "containers/container_format.h"
#include "containers/result_import.h"
#include "levels/level_value_names.h"
#include "resultdata/dup_reader.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel {
namespace {

using test::FixtureLevel;
using test::levelBlock;

const std::filesystem::path kSourceDir = VINTREL_SOURCE_DIR;

TVariables variables(const std::string& siconf, int baza, int cialo) {
    TVariables vars;
    vars.element = 82; // Ce
    vars._ionvalue = 3;
    vars.siconf = siconf;
    vars.baza = static_cast<std::uint8_t>(baza);
    vars.cialo = static_cast<std::uint8_t>(cialo);
    vars.magfield = 0.5;
    return vars;
}

double real(const DataTable::Cell& cell) {
    return std::get<double>(cell);
}

std::int64_t whole(const DataTable::Cell& cell) {
    return std::get<std::int64_t>(cell);
}

std::vector<std::int64_t> groupColumn(const DataTable& table) {
    std::vector<std::int64_t> groups;
    for (const auto& row : table.rows)
        groups.push_back(whole(row[5]));
    return groups;
}

TEST(ExpectedValueNames, FollowTheBasisAndAxis) {
    struct Case {
        Axis axis;
        int baza;
        const char *orbital, *spin, *combined;
    };
    const Case cases[] = {{Axis::z, 1, "<L_z>", "<S_z>", "<L_z>+g_e<S_z>"},
                          {Axis::x, 1, "<L_x>", "<S_x>", "<L_x>+g_e<S_x>"},
                          {Axis::y, 1, "<L_y>", "<S_y>", "<L_y>+g_e<S_y>"},
                          {Axis::z, 2, "<L_z>", "<S_z>", "<J_z>"},
                          {Axis::y, 2, "<L_y>", "<S_y>", "<J_y>"}};
    for (const Case& c : cases) {
        const ExpectedValueNames names = expectedValueNames(c.axis, c.baza);
        EXPECT_EQ(names.orbital, c.orbital);
        EXPECT_EQ(names.spin, c.spin);
        EXPECT_EQ(names.combined, c.combined);
        EXPECT_EQ(axisOfLetter(std::string(1, axisLetter(c.axis))), c.axis);
    }
    EXPECT_FALSE(axisOfLetter("Z"));
    EXPECT_FALSE(axisOfLetter("zz"));
    EXPECT_FALSE(axisOfLetter(""));
}

TEST(LevelGroups, LevelsWithinTheToleranceOfThePreviousShareAGroup) {
    struct Case {
        std::vector<double> energies;
        double tolerance;
        std::vector<int> groups;
    };
    const Case cases[] = {
        {{0, 5e-10, 2e-9, 3e-9}, 1e-9, {1, 1, 2, 2}}, // the strength tables' 1e-9 rule
        {{0, 0.6, 1.2, 5}, 1, {1, 1, 1, 2}},          // a chain wider than the tolerance
        {{0, 0.5, 5, 5.5, 5.9}, 0, {1, 2, 3, 4, 5}},  // tolerance 0: only equal energies join
        {{3, 3, 3}, 0, {1, 1, 1}},
        {{0, 5, 0.5}, 1, {1, 2, 1}}, // out of order: joins the earlier level
    };
    for (const Case& c : cases) {
        AxisLevels levels;
        for (std::size_t i = 0; i < c.energies.size(); ++i)
            levels.E[i + 1] = c.energies[i];
        EXPECT_EQ(levelGroups(levels, static_cast<int>(c.energies.size()), c.tolerance), c.groups)
            << c.energies.size() << " levels, tolerance " << c.tolerance;
    }
}

TEST(LevelDataTable, CeriumDoubletAndQuartetInEveryColumn) {
    const auto levels = test::ceriumCubicLevels();
    const std::string file = levelBlock(0, levels, false, {"v"}, 7);
    const DataTable table =
        levelDataTable(variables("4f^1", 2, 1), "Ce cubic", "o_E.dup", file, {});
    EXPECT_EQ(table.columns,
              (std::vector<std::string>{"level", "E [K]", "E-E0 [K]", "E-E0 [meV]", "E-E0 [1/cm]",
                                        "group", "<L_z>", "<S_z>", "<J_z>"}));
    ASSERT_EQ(table.rows.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const auto& row = table.rows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(whole(row[0]), static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(real(row[1]), levels[i].E);
        EXPECT_EQ(real(row[2]), levels[i].E);
        EXPECT_DOUBLE_EQ(real(row[3]), levels[i].E / 11.60451911);
        EXPECT_DOUBLE_EQ(real(row[4]), levels[i].E * 0.695);
        EXPECT_EQ(real(row[6]), levels[i].L);
        EXPECT_EQ(real(row[7]), levels[i].S);
        EXPECT_DOUBLE_EQ(real(row[8]), levels[i].L + 2.0023193 * levels[i].S);
    }
    EXPECT_EQ(groupColumn(table), (std::vector<std::int64_t>{1, 1, 2, 2, 2, 2}));
    const std::vector<std::pair<std::string, std::string>> comments = {{"result", "Ce cubic"},
                                                                       {"ion", "Ce3+"},
                                                                       {"configuration", "4f^1"},
                                                                       {"basis", "|J,Jz>"},
                                                                       {"hamiltonian", "real"},
                                                                       {"field [T]", "0.5"},
                                                                       {"field angle [deg]", "0"},
                                                                       {"field azimuth [deg]", "0"},
                                                                       {"axis", "z"},
                                                                       {"tolerance", "1e-09"}};
    EXPECT_EQ(table.comments, comments);
}

TEST(LevelDataTable, AxisSectionsAndTheirNames) {
    // Ti3+ 3d^1 in the |L,Lz,S,Sz> basis: ten levels; the x section is shifted by 50 K and the
    // y section halves the expected values of the z section.
    std::vector<FixtureLevel> levels;
    for (int i = 0; i < 10; ++i)
        levels.push_back({100.0 + 10 * i, 0.5 - (i % 2), 0.2 * i, 0});
    const std::string file = levelBlock(0, levels, true, {"v"}, 50);
    const TVariables vars = variables("3d^1", 1, 2);
    for (Axis axis : {Axis::z, Axis::x, Axis::y}) {
        LevelDataOptions options;
        options.axis = axis;
        const DataTable table = levelDataTable(vars, "Ti", "o_E.dup", file, options);
        const double factor = axis == Axis::z ? 1 : axis == Axis::x ? 0.5 : 0.25;
        const std::string a(1, axisLetter(axis));
        EXPECT_EQ(table.columns[8], "<L_" + a + ">+g_e<S_" + a + ">");
        ASSERT_EQ(table.rows.size(), 10u);
        EXPECT_EQ(real(table.rows[3][1]), 130 + (axis == Axis::x ? 50 : 0));
        EXPECT_EQ(real(table.rows[3][2]), 30);
        EXPECT_EQ(real(table.rows[3][6]), 0.6 * factor);
        EXPECT_EQ(real(table.rows[3][7]), -0.5 * factor);
        EXPECT_EQ(table.comments[8], (std::pair<std::string, std::string>{"axis", a}));
    }
}

TEST(LevelDataTable, RefusesWhatThePageDoesNotShow) {
    const std::string file = levelBlock(0, test::ceriumCubicLevels(), false, {"v"});
    LevelDataOptions y;
    y.axis = Axis::y;
    EXPECT_THROW(levelDataTable(variables("4f^1", 2, 1), "", "o_E.dup", file, y), DataRequestError);
    TVariables meanField = variables("4f^1", 2, 1);
    meanField.dynamic_calc = true;
    EXPECT_THROW(levelDataTable(meanField, "", "o_E.dup", file, {}), DataRequestError);
    for (double tolerance : {-1.0, std::nan(""), HUGE_VAL}) {
        LevelDataOptions options;
        options.tolerance = tolerance;
        EXPECT_THROW(levelDataTable(variables("4f^1", 2, 1), "", "o_E.dup", file, options),
                     DataRequestError)
            << tolerance;
    }
}

TEST(LevelDataTable, DamagedFilesAreInputErrorsNamingTheFile) {
    const auto levels = test::ceriumCubicLevels();
    const TVariables vars = variables("4f^1", 2, 1);
    const std::string full = levelBlock(0, levels, false, {"v"});
    struct Case {
        const char* what;
        std::string content;
        TVariables vars;
        const char* message;
    };
    TVariables noIon = vars;
    noIon.siconf = "4x^9";
    const Case cases[] = {
        {"short z section", levelBlock(0, {levels.begin(), levels.begin() + 4}, false, {"v"}), vars,
         "o_E.dup: the z section holds 4 of 6 levels"},
        {"no z marker", full.substr(0, full.find("z0z")), vars,
         "o_E.dup: the z section holds 0 of 6 levels"},
        {"text for a number", "x0x\n1 2 3 4 5 6\nz0z\n1 2 three 4 5 6\n", vars, "o_E.dup, line 4"},
        {"configuration without levels", full, noIon, "has no energy levels"},
    };
    for (const Case& c : cases) {
        try {
            levelDataTable(c.vars, "", "o_E.dup", c.content, {});
            ADD_FAILURE() << c.what << ": no error";
        } catch (const InputError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.what << ": " << e.what();
        }
    }
}

// The Ce example: a Γ8 quartet split by the small probe field and a Γ7 doublet 540 K above.
class CeriumExample : public ::testing::Test {
protected:
    void SetUp() override {
        ContainerReader reader(kSourceDir / "examples" / "Ce-cubic.zrvn");
        ExtractRequest request;
        request.picked = {true, false};
        const ExtractOutcome outcome = extractResults(reader, root_.path(), request);
        ASSERT_TRUE(outcome.ok) << outcome.error;
        location_ = {root_.path(), outcome.folders.at(0), kSourceDir / "data"};
    }
    test::TempDir root_;
    ResultLocation location_;
};

TEST_F(CeriumExample, SixLevelsInTwoGroupsAtOneKelvin) {
    const DataTable table = levelDataTable(location_, "Ce3+ cubic Gamma8 ground", {});
    ASSERT_EQ(table.rows.size(), 6u);
    EXPECT_EQ(groupColumn(table), (std::vector<std::int64_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(real(table.rows[0][1]), -180.105568);
    EXPECT_EQ(real(table.rows[0][2]), 0);
    EXPECT_NEAR(real(table.rows[4][2]), 540.057602, 1e-9);
    EXPECT_NEAR(real(table.rows[4][3]), 540.057602 / 11.60451911, 1e-9);
    EXPECT_NEAR(real(table.rows[4][4]), 540.057602 * 0.695, 1e-9);
    EXPECT_EQ(real(table.rows[0][6]), -2.095779);
    EXPECT_EQ(real(table.rows[0][7]), 0.261972);
    EXPECT_EQ(table.columns[8], "<J_z>");

    LevelDataOptions wide;
    wide.tolerance = 1;
    const DataTable grouped = levelDataTable(location_, "Ce", wide);
    EXPECT_EQ(groupColumn(grouped), (std::vector<std::int64_t>{1, 1, 1, 1, 2, 2}));
    EXPECT_EQ(grouped.comments.back(), (std::pair<std::string, std::string>{"tolerance", "1"}));
}

TEST_F(CeriumExample, MissingLevelFileIsNamed) {
    const auto file = location_.workingRoot / location_.resultFolder / "o_E.dup";
    std::filesystem::remove(file);
    try {
        levelDataTable(location_, "Ce", {});
        ADD_FAILURE() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + file.string());
    }
}

} // namespace
} // namespace vintrel
