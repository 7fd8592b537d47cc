#include "levels/mean_field_levels.h"

#include "levels/diagram_geometry.h"
#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>

namespace vintrel {
namespace {

// The fixture's inputs as the viewer reads them.
struct Inputs {
    TVariables vars;
    TResultSettings settings;
};

Inputs inputsOf(const test::ResultRecipe& recipe, const test::WorkingRoot& root,
                const std::string& name = "Result00") {
    const ResultInputs inputs = readResultInputs(root.write(name, recipe), TVariables{});
    return {inputs.variables, inputs.settings};
}

MeanFieldLevels readFixture(const test::ResultRecipe& recipe) {
    test::WorkingRoot root;
    const Inputs in = inputsOf(recipe, root);
    return readMeanFieldLevels(root.folder("Result00"), in.vars, in.settings);
}

// The moment rows of the fixture, T, m_x, m_y, m_z, m_t, as it writes them.
std::vector<std::vector<double>> momentRows(int rows, double Tc) {
    std::vector<std::vector<double>> out;
    for (int r = 1; r <= rows; ++r) {
        const double t = 0.5 * r;
        const double mz = t < Tc ? 3.2 * std::sqrt(1 - t / Tc) : 0;
        const double mx = t < Tc ? -0.1 : 0;
        out.push_back({t, mx, 0, mz, std::hypot(mx, mz)});
    }
    return out;
}

TEST(MeanFieldLevels, StepsHoldTheTemperaturesEnergiesAndFieldsOfEveryBlock) {
    for (const int cialo : {1, 2}) {
        SCOPED_TRACE(cialo);
        const MeanFieldLevels levels = readFixture(test::meanFieldResult(12.5, 40, cialo));
        ASSERT_EQ(levels.steps.size(), 40u);
        EXPECT_EQ(levels.N, 10);
        ASSERT_TRUE(levels.Tc);
        EXPECT_EQ(*levels.Tc, 12.5);
        EXPECT_TRUE(levels.note.empty()) << levels.note;
        for (std::size_t k = 0; k < levels.steps.size(); ++k) {
            const MeanFieldStep& step = levels.steps[k];
            EXPECT_EQ(step.block, static_cast<int>(k));
            EXPECT_EQ(step.T, 0.5 * static_cast<double>(k + 1));
            ASSERT_EQ(step.E.size(), 10u);
            const double mz = step.T < 12.5 ? 3.2 * std::sqrt(1 - step.T / 12.5) : 0;
            EXPECT_NEAR(step.E[1] - step.E[0], 27.0 * mz / 3.2 + 0.4, 1e-9);
            ASSERT_TRUE(step.field);
            // exchange 0.5 × m_t, m_t = √(m_x² + m_z²) with m_x = −0.1 below T_c
            const double mt = step.T < 12.5 ? std::hypot(0.1, mz) : 0;
            EXPECT_NEAR(*step.field, 0.5 * mt, 1e-12);
        }
        ASSERT_TRUE(levels.range);
        EXPECT_NEAR(levels.range->estart, levels.steps[0].E[0], 1e-12);
    }
}

TEST(MeanFieldLevels, TheFieldComesFromTheMomentRowOfTheStepsTemperature) {
    // "d_moment.dup" holds the rows newest first and one extra row at 0.25 K, so that its line
    // k + 1 belongs to another step than block k; a step without a row has no field.
    std::vector<std::vector<double>> rows = momentRows(10, 12.5);
    std::reverse(rows.begin(), rows.end());
    rows.insert(rows.begin() + 3, {0.25, 0, 0, 9, 9});
    rows.erase(rows.begin() + 4); // the row of 3.5 K
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 10, 1);
    recipe.withFile("d_moment.dup", test::momentFileText(rows));
    const MeanFieldLevels levels = readFixture(recipe);
    ASSERT_EQ(levels.steps.size(), 10u);
    for (const MeanFieldStep& step : levels.steps) {
        SCOPED_TRACE(step.T);
        if (step.T == 3.5) {
            EXPECT_FALSE(step.field);
            continue;
        }
        ASSERT_TRUE(step.field);
        const double mz = 3.2 * std::sqrt(1 - step.T / 12.5);
        EXPECT_NEAR(*step.field, 0.5 * std::hypot(0.1, mz), 1e-12);
    }
    EXPECT_TRUE(levels.hasMoments);
}

TEST(MeanFieldLevels, StepsEndWhereTheFileOrTheSettingsDo) {
    struct Case {
        const char* what;
        int blocks;    // blocks written
        int chiPoints; // S of the settings
        std::size_t steps;
    };
    const Case cases[] = {
        {"fewer blocks than S end at the last block", 6, 10, 6},
        {"S ends the reading before the file does", 10, 4, 4},
        {"no temperature points, no steps", 10, 0, 0},
        {"negative S", 10, -3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ResultRecipe recipe = test::meanFieldResult(12.5, c.blocks, 1);
        recipe.settings = {"40", std::to_string(c.chiPoints)};
        const MeanFieldLevels levels = readFixture(recipe);
        EXPECT_EQ(levels.steps.size(), c.steps);
        EXPECT_TRUE(levels.note.empty()) << levels.note;
    }
}

TEST(MeanFieldLevels, ADamagedBlockEndsTheStepsWithANote) {
    struct Case {
        const char* what;
        std::string from, to; // replaced once in "o_E.dup"
        std::size_t steps;
        std::string note;
    };
    const Case cases[] = {
        {"no temperature", "x3x 2", "x3x   ", 3, "block 3 has no temperature on its marker line"},
        {"a temperature that is no number", "x2x 1.5", "x2x 1,5", 2,
         "block 2 has no temperature on its marker line"},
        {"a short z section", "z4z", "z4z\r\n\r\nz4z", 4,
         "the z section of block 4 holds 0 of 10 levels"},
        {"no z section", "z5z", "q5q", 5, "block 5 has no z section"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::ResultRecipe recipe = test::meanFieldResult(12.5, 8, 1);
        std::string text = test::resultFiles(recipe).at(kLevelsFile);
        const auto at = text.find(c.from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, c.from.size(), c.to);
        recipe.withFile(kLevelsFile, text);
        const MeanFieldLevels levels = readFixture(recipe);
        EXPECT_EQ(levels.steps.size(), c.steps);
        EXPECT_EQ(levels.note, c.note);
    }
    // A level energy that is no number is a damaged file.
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 4, 1);
    std::string text = test::resultFiles(recipe).at(kLevelsFile);
    text.replace(text.find("z2z"), 3, "z2z\r\n  -4x.5 0 0 0 0 0");
    recipe.withFile(kLevelsFile, text);
    EXPECT_THROW(readFixture(recipe), InputError);
}

TEST(MeanFieldLevels, MissingFilesLeaveTheirPartsOut) {
    const MeanFieldLevels noTemp =
        readFixture(test::meanFieldResult(12.5, 5, 1).without("d_temp.dup"));
    EXPECT_FALSE(noTemp.Tc);
    EXPECT_EQ(noTemp.steps.size(), 5u);

    const MeanFieldLevels noMoment =
        readFixture(test::meanFieldResult(12.5, 5, 1).emptied("d_moment.dup"));
    EXPECT_FALSE(noMoment.hasMoments);
    ASSERT_EQ(noMoment.steps.size(), 5u);
    EXPECT_FALSE(noMoment.steps[0].field);

    const MeanFieldLevels noLevels =
        readFixture(test::meanFieldResult(12.5, 5, 1).without(kLevelsFile));
    EXPECT_TRUE(noLevels.steps.empty());
    EXPECT_FALSE(noLevels.range);
    EXPECT_TRUE(noLevels.Tc);

    EXPECT_THROW(
        readFixture(test::meanFieldResult(12.5, 5, 1).withFile("d_temp.dup", "T_c\r\nhigh\r\n")),
        InputError);
}

TEST(MeanFieldLevels, TheCacheReadsAgainOnlyWhenAFileOrTheSettingsChange) {
    test::WorkingRoot root;
    const test::ResultRecipe recipe = test::meanFieldResult(12.5, 6, 1);
    Inputs in = inputsOf(recipe, root);
    const auto folder = root.folder("Result00");
    MeanFieldLevelCache cache;
    EXPECT_TRUE(cache.refresh(folder, in.vars, in.settings));
    EXPECT_EQ(cache.levels().steps.size(), 6u);
    EXPECT_FALSE(cache.refresh(folder, in.vars, in.settings));

    in.settings.chi_points = 3;
    EXPECT_TRUE(cache.refresh(folder, in.vars, in.settings));
    EXPECT_EQ(cache.levels().steps.size(), 3u);

    in.vars.dynamic_n_ex = 2;
    EXPECT_TRUE(cache.refresh(folder, in.vars, in.settings));
    EXPECT_NEAR(*cache.levels().steps[0].field, 2 * std::hypot(0.1, 3.2 * std::sqrt(1 - 0.04)),
                1e-12);

    test::writeResult(
        folder, test::ResultRecipe(recipe).withFile("d_temp.dup", test::transitionFileText(7.25)));
    EXPECT_TRUE(cache.refresh(folder, in.vars, in.settings));
    EXPECT_EQ(*cache.levels().Tc, 7.25);

    // A damaged file is reported once and leaves an empty table until it changes again.
    test::writeFile(folder / "d_moment.dup", "T m\r\n1 2\r\n");
    EXPECT_THROW(cache.refresh(folder, in.vars, in.settings), InputError);
    EXPECT_TRUE(cache.levels().steps.empty());
    EXPECT_FALSE(cache.refresh(folder, in.vars, in.settings));
    test::writeResult(folder, recipe);
    EXPECT_TRUE(cache.refresh(folder, in.vars, in.settings));
    EXPECT_EQ(cache.levels().steps.size(), 3u);
}

TEST(MeanFieldSlider, MaximumFollowsTheSettingsAndIsNeverBelowOne) {
    struct Case {
        std::int64_t S, a, b;
        int maximum;
        bool enabled;
    };
    const Case cases[] = {
        {80, 1, 1, 80, true},                       // no refinement: one position per point
        {10, 2, 3, 18, true},                       // (10 − 2·2)·3
        {200, 5, 1, 200, true},                     // b = 1 leaves S whatever a is
        {2, 3, 2, 0, false},                        // (2 − 3)·2 < 0
        {0, 1, 1, 0, false},                        // no points
        {5, 1, 0, 0, false},                        // b = 0
        {INT_MAX, INT_MIN, INT_MAX, INT_MAX, true}, // beyond the int range: cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.S << " " << c.a << " " << c.b);
        const TemperatureSlider slider = temperatureSlider(c.S, c.a, c.b);
        EXPECT_EQ(slider.maximum, c.maximum);
        EXPECT_EQ(slider.enabled, c.enabled);
    }
}

TEST(MeanFieldSlider, TemperatureOfAPositionAndTheAxis) {
    EXPECT_EQ(sliderTemperature(0, 80, 0, 40), 0);
    EXPECT_EQ(sliderTemperature(25, 80, 0, 40), 12.5);
    EXPECT_EQ(sliderTemperature(80, 80, 0, 40), 40);
    EXPECT_EQ(sliderTemperature(0, 0, 3, 40), 3); // a slider without positions
    EXPECT_EQ(sliderHint(12.5), "T=12.5K");

    // T_last = T_first (or below it) would divide by zero: the axis spans 1 K.
    const TemperatureAxis flat = temperatureAxis(5, 5);
    EXPECT_EQ(flat.first, 5);
    EXPECT_EQ(flat.last, 6);
    EXPECT_EQ(temperatureAxis(5, -2).last, 6);
    EXPECT_EQ(temperatureAxis(0, 40).last, 40);
    EXPECT_EQ(temperatureToColumn(5, flat, 900), 40);

    const TemperatureAxis axis = temperatureAxis(0, 40);
    EXPECT_EQ(temperatureToColumn(0, axis, 900), 40);
    EXPECT_EQ(temperatureToColumn(40, axis, 900), 870);
    EXPECT_EQ(temperatureToColumn(20, axis, 900), 455);
    EXPECT_EQ(temperatureToColumn(55, axis, 900), 870); // clamped to the axis
    EXPECT_EQ(temperatureToColumn(-1, axis, 900), 40);
    EXPECT_EQ(temperatureTicks(axis), (std::vector<double>{0, 10, 20, 30, 40}));
}

TEST(MeanFieldSlider, SelectionOfTheStepNearestTheSliderTemperature) {
    std::vector<MeanFieldStep> steps;
    for (const double T : {0.5, 1.0, 1.5, 2.0})
        steps.push_back({static_cast<int>(steps.size()), T, {0}, std::nullopt});
    struct Case {
        const char* what;
        double Tsel;
        int segment, step;
    };
    const Case cases[] = {
        {"slider at 0: T_first, step 0", 0, 0, 0},
        {"before the first step", 0.3, 0, 0},
        {"on a step: that step", 1.0, 1, 1},
        {"on the last step", 2.0, 3, 3},
        {"nearer the previous step", 1.1, 2, 1},
        {"nearer the next step", 1.4, 2, 2},
        {"half way: the later step", 1.25, 2, 2},
        {"past the last step: the last, no segment", 7, -1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StepSelection s = selectStep(steps, c.Tsel, 0);
        EXPECT_EQ(s.segment, c.segment);
        EXPECT_EQ(s.step, c.step);
    }
    EXPECT_EQ(selectStep({}, 1, 0).step, -1);
    EXPECT_EQ(selectStep({}, 1, 0).segment, -1);
}

TEST(MeanFieldSlider, TextsOfTheSelection) {
    EXPECT_EQ(sliderPositionText(12.345), "12.35 K");
    EXPECT_EQ(sliderPositionText(0), "0 K");
    EXPECT_EQ(selectedTemperatureText(12.8566), "12.857 K");
    EXPECT_EQ(molecularFieldText(6.395259956), "6.4 T");
    EXPECT_EQ(molecularFieldText(0), "0 T");
    EXPECT_EQ(molecularFieldText(std::nullopt), "");
    EXPECT_EQ(detailTemperatureLine(0.5), "Temperature:  0.5 K");
}

TEST(MeanFieldDiagram, RowsClampToAHundredWindowsAndAFlatWindowLiesAtTheBottom) {
    ViewWindow w;
    w.estart = -50;
    w.eend = 50;
    w.view_emin = 0;
    w.view_emax = 100;
    EXPECT_EQ(meanFieldLevelToY(50, w, 570), 40);   // view_emax
    EXPECT_EQ(meanFieldLevelToY(-50, w, 570), 540); // view_emin
    EXPECT_EQ(meanFieldLevelToY(1e9, w, 570), 40 - 100 * 500);
    EXPECT_EQ(meanFieldLevelToY(-1e9, w, 570), 40 + 100 * 500);
    EXPECT_EQ(levelToY(1e9, w, 570), 40 - 10 * 500); // the level page keeps its own limits
    w.view_emin = w.view_emax = 3;
    EXPECT_EQ(meanFieldLevelToY(10, w, 570), 540);
    EXPECT_EQ(levelToY(10, w, 570), 40);
}

TEST(MeanFieldLevelsTable, OneRowPerStepWithTheLevelsAboveTheLowest) {
    test::WorkingRoot root;
    const ResultLocation location = root.write("Result00", test::meanFieldResult(12.5, 30, 2));
    const DataTable table = meanFieldLevelsDataTable(location, "Nd MF");
    std::vector<std::string> columns = {"step", "T [K]", "B_mol [T]"};
    for (int i = 1; i <= 10; ++i)
        columns.push_back("E" + std::to_string(i) + "-E0 [K]");
    EXPECT_EQ(table.columns, columns);
    const std::string csv = table.toCsv();
    EXPECT_NE(csv.find("# result: Nd MF\n"), std::string::npos);
    EXPECT_NE(csv.find("\n# T_c: 12.5 K\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n# exchange parameter [T/muB]: 0.5\n"), std::string::npos);
    ASSERT_EQ(table.rows.size(), 30u);
    for (std::size_t k = 0; k < table.rows.size(); ++k) {
        const auto& row = table.rows[k];
        EXPECT_EQ(std::get<std::int64_t>(row[0]), static_cast<std::int64_t>(k));
        const double T = std::get<double>(row[1]);
        EXPECT_EQ(T, 0.5 * static_cast<double>(k + 1));
        EXPECT_EQ(std::get<double>(row[3]), 0);
        const double mz = T < 12.5 ? 3.2 * std::sqrt(1 - T / 12.5) : 0;
        EXPECT_NEAR(std::get<double>(row[4]), 27.0 * mz / 3.2 + 0.4, 1e-9);
        // The field falls to 0 at T_c.
        EXPECT_EQ(std::get<double>(row[2]) == 0, T >= 12.5) << T;
    }
    // Without "d_moment.dup" the field is empty; without "d_temp.dup" T_c is not found.
    const ResultLocation bare =
        root.write("Result01",
                   test::meanFieldResult(12.5, 3, 1).without("d_moment.dup").without("d_temp.dup"));
    const DataTable partial = meanFieldLevelsDataTable(bare, "bare");
    EXPECT_EQ(std::get<std::string>(partial.rows[0][2]), "");
    EXPECT_NE(partial.toCsv().find("\n# T_c: not found\n"), std::string::npos);
    EXPECT_EQ(partial.toCsv().find("steps end early"), std::string::npos);
    // A damaged block ends the rows, and a comment says why.
    test::ResultRecipe damaged = test::meanFieldResult(12.5, 6, 1);
    std::string text = test::resultFiles(damaged).at(kLevelsFile);
    text.replace(text.find("x4x 2.5"), 7, "x4x two");
    const ResultLocation cut = root.write("Result02", damaged.withFile(kLevelsFile, text));
    const DataTable early = meanFieldLevelsDataTable(cut, "cut");
    EXPECT_EQ(early.rows.size(), 4u);
    EXPECT_NE(
        early.toCsv().find("\n# steps end early: block 4 has no temperature on its marker line\n"),
        std::string::npos);
}

TEST(MeanFieldLevelsTable, RefusesWhatTheResultDoesNotHave) {
    test::WorkingRoot root;
    EXPECT_THROW(meanFieldLevelsDataTable(root.write("Result00", test::ceriumCubic()), "Ce"),
                 DataRequestError);
    const ResultLocation noLevels =
        root.write("Result01", test::meanFieldResult(12.5, 3, 1).without(kLevelsFile));
    try {
        meanFieldLevelsDataTable(noLevels, "none");
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file " + (root.folder("Result01") / kLevelsFile).string());
    }
}

} // namespace
} // namespace vintrel
