// The mean-field pages' core: data files, range rules, the ordering temperature, the inverse
// page's selection, the statistical-entropy lines and the exported table.
#include "graphs/axis_range.h"
#include "graphs/graph_tables.h"
#include "graphs/mean_field_plots.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vintrel {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 600;

template <typename Item>
std::vector<Item> itemsOf(const std::vector<SceneItem>& items) {
    std::vector<Item> found;
    for (const SceneItem& item : items)
        if (const auto* it = std::get_if<Item>(&item))
            found.push_back(*it);
    return found;
}

TEST(MeanFieldData, MomentsAreAbsoluteAndEveryRowIsKept) {
    std::vector<std::vector<double>> rows;
    for (int r = 1; r <= 450; ++r) // more rows than any page's point count
        rows.push_back({0.1 * r, -0.5, 0.25, -3.0, 3.05});
    const MomentData data = parseMomentData("d_moment.dup", test::momentFileText(rows));
    ASSERT_EQ(data.rowCount(), 450u);
    EXPECT_EQ(data.m[0][0], 0.5);
    EXPECT_EQ(data.m[2][449], 3.0);
    EXPECT_EQ(data.T[449], 45.0);

    const AnisoData aniso =
        parseAnisoData("d_aniso.dup", test::anisoFileText({{1, 10, -14, 0.0067, 15, 0}}));
    ASSERT_EQ(aniso.rowCount(), 1u);
    EXPECT_EQ(aniso.K[1][0], -14); // constants keep their sign

    EXPECT_EQ(parseTransitionTemperature("d_temp.dup", test::transitionFileText(12.85656678)),
              12.85656678);
    EXPECT_THROW(parseMomentData("d_moment.dup", "T m\r\n1 2 3\r\n"), InputError);
    EXPECT_THROW(parseTransitionTemperature("d_temp.dup", "T_c\r\nnone\r\n"), InputError);
}

TEST(MeanFieldData, AMissingFileSaysNoDataWithItsName) {
    test::TempDir dir;
    for (const auto& read :
         {+[](const std::filesystem::path& f) { (void)readMomentData(f); },
          +[](const std::filesystem::path& f) { (void)readAnisoData(f); },
          +[](const std::filesystem::path& f) { (void)readTransitionTemperature(f); }}) {
        try {
            read(dir.path());
            ADD_FAILURE() << "no error";
        } catch (const MissingDataError& error) {
            const std::string text = error.what();
            EXPECT_EQ(text.rfind("no data: ", 0), 0u) << text;
            EXPECT_NE(text.find(".dup is missing"), std::string::npos) << text;
        }
    }
    // An empty file is a missing one.
    test::writeResult(dir.path(), test::ResultRecipe::withoutInputFiles().emptied("d_moment.dup"));
    EXPECT_THROW(readMomentData(dir.path()), MissingDataError);
}

TEST(MeanFieldRanges, DefaultsFromTheColumns) {
    MomentData moment;
    moment.T = {1, 2};
    moment.m = {TAxisData{0.1, 0}, TAxisData{0, 0}, TAxisData{3.1976, 0}, TAxisData{3.2, 0}};
    EXPECT_EQ(momentDefaultRange(moment), (AxisRange{0, 4, 0}));
    EXPECT_EQ(momentDefaultRange(MomentData{}), (AxisRange{0, 1, 0}));
    moment.m = {TAxisData{0, 0}, TAxisData{0, 0}, TAxisData{0, 0}, TAxisData{0, 0}};
    EXPECT_EQ(momentDefaultRange(moment), (AxisRange{0, 1, 0}));

    AnisoData aniso;
    aniso.T = {1, 2};
    aniso.K = {TAxisData{10.3, 0}, TAxisData{-14.2, 0}, TAxisData{0.0067, 0}, TAxisData{15.6, 0},
               TAxisData{0, 0}};
    // The minima go one unit down (trunc − 1), so the axis starts below every value.
    EXPECT_EQ(anisotropyDefaultRange(aniso), (AxisRange{-15, 16, 0}));
    EXPECT_EQ(anisotropyDefaultRange(AnisoData{}), (AxisRange{0, 1, 0}));

    EXPECT_EQ(withoutExponent({0, 35, 1}), (AxisRange{0, 350, 0}));
    EXPECT_EQ(withoutExponent({0, 4, -2}).exponent, 0);
    EXPECT_NEAR(withoutExponent({0, 4, -2}).range, 0.04, 1e-17);
}

TEST(MeanFieldRanges, OneToOneFits) {
    struct Case {
        DataRange data;
        MeanFieldFit fit;
        AxisRange range;
    };
    for (const Case& c : {
             Case{{0, 4}, MeanFieldFit::Top, {0, 4, 0}},
             Case{{-15, 16}, MeanFieldFit::BothEnds, {-15, 16, 0}},
             Case{{0, 38.78}, MeanFieldFit::Mantissa, {0, 3.878, 1}},
             Case{{0, 0.05}, MeanFieldFit::Mantissa, {0, 5, -2}},
             Case{{0, 7}, MeanFieldFit::Mantissa, {0, 7, 0}},
             Case{{0, 0}, MeanFieldFit::Mantissa, {0, 1, 0}},
         }) {
        const AxisRange r = fittedMeanFieldRange(c.data, c.fit);
        EXPECT_EQ(r.exponent, c.range.exponent) << c.data.max;
        EXPECT_NEAR(r.range, c.range.range, 1e-12) << c.data.max;
        EXPECT_EQ(r.bottom, c.range.bottom) << c.data.max;
    }
}

TEST(MeanFieldRanges, SetRefusesRangesThatCannotBeStored) {
    // One range value: a finite number above 0.
    for (const char* text : {"0", "-2", "1e999", "nan", "abc", ""})
        EXPECT_FALSE(parseRangeEntry(text)) << text;
    EXPECT_EQ(parseRangeEntry(" 1,5 "), 1.5);
    // Anisotropy: both ends finite, ordered and distinct.
    struct Case {
        const char* min;
        const char* max;
        std::optional<AxisRange> range;
    };
    for (const Case& c : {
             Case{"-15", "16", AxisRange{-15, 16, 0}},
             Case{"1,5", "2", AxisRange{1.5, 2, 0}},
             Case{"-5", "0", AxisRange{-5, 0, 0}},
             Case{"16", "-15", std::nullopt},
             Case{"3", "3", std::nullopt},
             Case{"0", "1e999", std::nullopt},
             Case{"x", "2", std::nullopt},
         }) {
        EXPECT_EQ(anisotropyEntry(c.min, c.max), c.range) << c.min << " " << c.max;
    }
}

TEST(MeanFieldRanges, PlusStopsBeforeTheStoredRangeLosesItsDigits) {
    AxisRange range{0, 1, 0};
    int steps = 0;
    for (; steps < 100; ++steps) {
        const ZoomOutcome outcome = zoomRange(range, ZoomRule::HalveRange, true);
        if (!outcome.range) {
            EXPECT_EQ(outcome.refusal, "Maximum zoom size reached.");
            break;
        }
        range = *outcome.range;
    }
    EXPECT_EQ(steps, 13); // 1/2^13 = 0.000122; one more would fall below 0.0001
    EXPECT_GE(range.range, kSmallestStoredRangeValue);
    // "0.0000" is never written: the smallest range still reads back as itself.
    EXPECT_NE(formatGraphSettings(GraphSettingsKind::Moment, {range, {}}).find("0.0001220703125"),
              std::string::npos);
    // Anisotropy halves both ends; the span is what must stay.
    const ZoomOutcome aniso = zoomRange({-15, 16, 0}, ZoomRule::HalveRange, true);
    ASSERT_TRUE(aniso.range);
    EXPECT_EQ(*aniso.range, (AxisRange{-7.5, 8, 0}));
    EXPECT_FALSE(zoomRange({-0.00005, 0.00009, 0}, ZoomRule::HalveRange, true).range);
    // "-" has no floor below.
    EXPECT_TRUE(zoomRange(range, ZoomRule::HalveRange, false).range);
}

struct TransitionFixture {
    TGraph graph;
    TransitionFixture() {
        graph.setXaxisRange(0, 40);
        graph.setYaxisRange(0, 4);
    }
    TransitionMarks marks(std::optional<double> Tc, double chiTmax, StateLabelWidths widths) {
        return transitionMarks(graph, kWidth, kHeight, Tc, chiTmax, widths);
    }
};

TEST(MeanFieldTransition, LineLabelAndStatesWhereTheyFit) {
    TransitionFixture f;
    EXPECT_EQ(transitionLabel(12.85656678), "T_c = 12.857 K");
    EXPECT_EQ(transitionLabel(10), "T_c = 10 K");

    const TransitionMarks marks = f.marks(12.85656678, 40, {100, 80});
    EXPECT_TRUE(marks.lineShown);
    const int X = *f.graph.toScreenX(12.85656678, kWidth, kHeight);
    const PixelRect area = f.graph.transform(kWidth, kHeight).area;
    const auto lines = itemsOf<SceneLine>(marks.items);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].style, LineStyle::Dotted);
    EXPECT_EQ(lines[0].colour, (Rgb{255, 0, 0}));
    EXPECT_EQ(lines[0].a.x, X);
    EXPECT_EQ(lines[0].b.x, X);
    EXPECT_EQ(std::min(lines[0].a.y, lines[0].b.y), area.top);
    EXPECT_EQ(std::max(lines[0].a.y, lines[0].b.y), area.bottom());
    const auto texts = itemsOf<SceneText>(marks.items);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "T_c = 12.857 K");
    EXPECT_TRUE(texts[0].vertical);
    EXPECT_EQ(texts[0].anchor, TextAnchor::TopRight); // its right edge on the line
    EXPECT_EQ(texts[0].at.x, X);
    // The state labels are centred between the outer margins and the line.
    EXPECT_EQ(texts[1].text, kOrderedStateText);
    EXPECT_EQ(texts[1].at.x, (X + 89 - 100) / 2);
    EXPECT_EQ(texts[2].text, kParamagneticStateText);
    EXPECT_EQ(texts[2].at.x, (X + kWidth - 60 - 80) / 2);

    // Labels that do not fit are left out: the ordered state needs less than X − L.
    const int room = X - 89;
    EXPECT_TRUE(f.marks(12.85656678, 40, {room - 1, 80}).orderedShown);
    EXPECT_FALSE(f.marks(12.85656678, 40, {room, 80}).orderedShown);
    EXPECT_FALSE(f.marks(12.85656678, 40, {100, kWidth}).paramagneticShown);
}

TEST(MeanFieldTransition, NoLineAtOrAboveTheLargestTemperature) {
    TransitionFixture f;
    // T_c at or above chi_tmax: neither line nor label; the states still go where they fit.
    for (double chiTmax : {12.85656678, 10.0}) {
        const TransitionMarks marks = f.marks(12.85656678, chiTmax, {100, 80});
        EXPECT_FALSE(marks.lineShown);
        EXPECT_TRUE(itemsOf<SceneLine>(marks.items).empty());
        for (const SceneText& text : itemsOf<SceneText>(marks.items))
            EXPECT_NE(text.text.rfind("T_c", 0), 0u);
    }
    EXPECT_TRUE(f.marks(std::nullopt, 40, {}).items.empty());
    EXPECT_TRUE(f.marks(NAN, 40, {}).items.empty());
    f.graph.setXaxisRange(0, 0); // no temperature axis: nothing can be placed
    EXPECT_TRUE(f.marks(5, 40, {}).items.empty());
}

TEST(MeanFieldInverse, SelectorStartAndSelection) {
    struct Case {
        int rows;
        std::pair<int, int> thumbs;
    };
    for (const Case& c : {Case{80, {72, 80}}, Case{10, {9, 10}}, Case{5, {4, 5}}, Case{2, {1, 2}},
                          Case{1, {1, 1}}, Case{0, {1, 1}}})
        EXPECT_EQ(selectorStartRows(c.rows), c.thumbs) << c.rows;

    TGraph graph;
    graph.addXaxisData({10, 20, 30, 40});
    graph.setXaxisRange(0, 40);
    graph.setYaxisRange(0, 100);
    const TAxisData rising = {20, 40, 60, 80};
    const TAxisData flat = {50, 50, 50, 50};
    const auto items = meanFieldSelection(graph, kWidth, kHeight, 1, 3, {&rising, &flat});
    const auto lines = itemsOf<SceneLine>(items);
    // One secant (the flat curve has none) and the two temperatures across the value axis.
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].style, LineStyle::Dotted);
    EXPECT_EQ(lines[0].a, graph.transform(kWidth, kHeight).pixel(20, 40));
    EXPECT_EQ(lines[0].b, graph.transform(kWidth, kHeight).pixel(40, 80));
    const PixelRect area = graph.transform(kWidth, kHeight).area;
    for (std::size_t i : {1u, 2u}) {
        EXPECT_EQ(lines[i].style, LineStyle::Solid);
        EXPECT_EQ(lines[i].colour, kGuideBlue);
        EXPECT_EQ(std::min(lines[i].a.y, lines[i].b.y), area.top);
        EXPECT_EQ(std::max(lines[i].a.y, lines[i].b.y), area.bottom());
    }
    EXPECT_TRUE(meanFieldSelection(graph, kWidth, kHeight, 1, 9, {&rising}).empty());
}

TEST(MeanFieldEntropy, LinesForPowersOfTwoWithTheFifteenPixelRule) {
    const auto lines = meanFieldEntropyLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines.front().label, "R ln 2");
    EXPECT_EQ(lines.back().label, "R ln 64");
    EXPECT_NEAR(lines[2].value, 8.3143 * std::log(8.0), 1e-12);

    TGraph graph;
    graph.setXaxisRange(0, 40);
    // Top 17.5: R ln 8 = 17.29 lies 3 pixels below the top (drawn, no label); R ln 16 = 23.05
    // lies above it (left out).
    graph.setYaxisRange(0, 17.5);
    TemperaturePlot plot;
    graph.describe(plot);
    plot.referenceLines = lines;
    const PlotScene scene = buildTemperatureScene(plot, kWidth, kHeight);
    std::vector<std::string> labels;
    int blueLines = 0;
    for (const SceneItem& item : scene.items) {
        if (const auto* text = std::get_if<SceneText>(&item); text && text->colour == kGuideBlue)
            labels.push_back(text->text);
        if (const auto* line = std::get_if<SceneLine>(&item); line && line->colour == kGuideBlue)
            ++blueLines;
    }
    EXPECT_EQ(blueLines, 3);
    EXPECT_EQ(labels, (std::vector<std::string>{"R ln 2", "R ln 4"}));
}

TEST(MeanFieldTable, EveryCurveOfTheSixPagesByTemperature) {
    test::WorkingRoot root;
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 40, 2);
    // The specific heat stops at 10 K: its cells are empty above.
    std::vector<test::SpcRow> spc;
    for (int r = 1; r <= 20; ++r)
        spc.push_back({0.5 * r, 1.0 * r, 0.1 * r, 0});
    recipe.withFile("o_spc.dup", test::spcFileText(spc));
    const ResultLocation location = root.write("Result00", recipe);
    const DataTable table = meanFieldDataTable(location, "Nd mean field");
    ASSERT_EQ(table.columns.size(), 20u);
    EXPECT_EQ(table.columns[16], "K3 [K]");
    ASSERT_EQ(table.rows.size(), 40u);
    const auto number = [](const DataTable::Cell& cell) { return std::get<double>(cell); };
    const auto empty = [](const DataTable::Cell& cell) {
        return std::holds_alternative<std::string>(cell) && std::get<std::string>(cell).empty();
    };
    const auto& first = table.rows[0]; // 0.5 K
    EXPECT_EQ(number(first[0]), 0.5);
    EXPECT_EQ(number(first[1]), 0.1); // |m_x|
    EXPECT_NEAR(number(first[8]), (number(first[5]) + number(first[6]) + number(first[7])) / 3,
                1e-15);
    EXPECT_EQ(number(first[18]), 1);
    EXPECT_TRUE(empty(table.rows[25][18])); // 13 K: no specific heat row
    EXPECT_TRUE(empty(table.rows[25][19]));
    EXPECT_EQ(number(table.rows[25][4]), 0); // above T_c the moment is gone
    bool tc = false;
    for (const auto& [key, value] : table.comments)
        tc = tc || (key == "T_c" && value == "12.5 K");
    EXPECT_TRUE(tc);

    // A real Hamiltonian without the uniaxial symmetry: no y, no powder average.
    const ResultLocation real = root.write("Result01", test::meanFieldResult(12.5, 40, 1));
    const DataTable realTable = meanFieldDataTable(real, "real");
    EXPECT_TRUE(empty(realTable.rows[0][6]));
    EXPECT_TRUE(empty(realTable.rows[0][10]));

    // An ordinary result is not asked for mean-field curves.
    const ResultLocation ordinary = root.write("Result02", test::ceriumCubic());
    EXPECT_THROW(meanFieldDataTable(ordinary, "Ce"), DataRequestError);
}

TEST(MeanFieldTable, IsotropicPowderAverageIsTheCommonValue) {
    // Three equal directions: the powder average is χ itself (not √3 χ).
    test::WorkingRoot root;
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 10, 2);
    std::vector<double> T;
    std::vector<double> chi;
    for (int r = 1; r <= 10; ++r) {
        T.push_back(0.5 * r);
        chi.push_back(0.2 / r);
    }
    for (const char* file : {"o_chi_x.dup", "o_chi_y.dup", "o_chi_z.dup"})
        recipe.withFile(file, test::chiFileText(T, chi));
    const DataTable table = meanFieldDataTable(root.write("Result00", recipe), "iso");
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        EXPECT_DOUBLE_EQ(std::get<double>(table.rows[r][8]), chi[r]) << r;
}

} // namespace
} // namespace vintrel
