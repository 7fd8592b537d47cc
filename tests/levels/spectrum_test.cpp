// Synthesised spectra: plot units, populations, merging, the spread over columns, the range
// rules and file, and the peak labels.
#include "levels/spectrum.h"

#include "base/binary_file.h"
#include "levels/spectro_range.h"
#include "levels/spectrum_plot.h"
#include "resultdata/dup_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

TransitionLine line(double dE, int from, std::array<double, 6> e, double ls = 0) {
    return {dE, e, ls, from};
}

MergedTransition stick(double dE, double I, PlotType type = PlotType::kelvin) {
    MergedTransition m;
    m.dE = dE;
    m.x = toPlotUnit(type, dE);
    m.from = 1;
    m.I[0] = I;
    return m;
}

// Columns at 0, 1, 2, … 9 K (10 columns from 0 to 10).
std::vector<SpectrumColumn> spread(const std::vector<MergedTransition>& lines, LineShape shape,
                                   double width, SpectrumLimits limits = {-1e9, 1e9, 0, 1e99}) {
    SpectrumOptions options;
    options.shape = shape;
    options.halfWidthK = width;
    options.halfWidthUnit = width;
    return synthesizeSpectrum(lines, 0, 10, 10, options, limits);
}

} // namespace

TEST(PlotUnits, ConvertBothWaysWithZeroOnTheWaveLengthScale) {
    const struct {
        PlotType type;
        double kelvin;
        double value;
    } cases[] = {
        {PlotType::kelvin, 540, 540},
        {PlotType::meV, 540, 540 / 11.60451911},
        {PlotType::waveNumber, 540, 540 * 0.695},
        {PlotType::waveLength, 540, 14387769.3700642823 / 540},
        {PlotType::waveLength, 0, 1e12},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(toPlotUnit(c.type, c.kelvin), c.value) << static_cast<int>(c.type);
        if (c.kelvin != 0) { // 1e12 nm stands for 0 K but reads back as 1.4e-5 K
            EXPECT_NEAR(fromPlotUnit(c.type, c.value), c.kelvin, 1e-9 * c.kelvin);
        }
    }
    EXPECT_DOUBLE_EQ(fromPlotUnit(PlotType::waveLength, 0), 1e12);
    EXPECT_EQ(plotTypeOfUnit("1/cm"), PlotType::waveNumber);
    EXPECT_EQ(plotTypeOfUnit("cm"), std::nullopt);
    EXPECT_STREQ(plotTypeLook(PlotType::waveLength).halfWidth, "300");
    EXPECT_DOUBLE_EQ(plotTypeLook(PlotType::meV).halfWidthStep, 0.01);
    // Measured positions on another scale: 116.0451911 K is 10 meV, 6.95 1/cm, 123984 nm.
    const auto meV = convertPlotUnit({116.0451911, 0}, PlotType::kelvin, PlotType::meV);
    EXPECT_NEAR(meV[0], 10, 1e-12);
    EXPECT_EQ(meV[1], 0);
    EXPECT_NEAR(convertPlotUnit({10}, PlotType::meV, PlotType::waveNumber)[0], 80.651408, 1e-5);
    EXPECT_NEAR(convertPlotUnit({10}, PlotType::meV, PlotType::waveLength)[0], 123984.19, 0.01);
    EXPECT_EQ(convertPlotUnit({3.25}, PlotType::meV, PlotType::meV)[0], 3.25);
}

TEST(Populations, IgnoreBoltzmannAndTheGroundAtZero) {
    EXPECT_EQ(statePopulations({0, 10}, std::nullopt), (std::vector<double>{1, 1}));
    const auto p = statePopulations({5, 15}, 10.0);
    EXPECT_NEAR(p[0], 1 / (1 + std::exp(-1.0)), 1e-15);
    EXPECT_NEAR(p[0] + p[1], 1, 1e-15);
    // At 0 K the ground doublet split by 5e-10 K keeps both members (the tolerance of the level
    // tables), the level 2e-9 above does not.
    EXPECT_EQ(statePopulations({7, 7 + 5e-10, 7 + 2e-9, 9}, 0.0),
              (std::vector<double>{0.5, 0.5, 0, 0}));
}

TEST(MergeTransitions, EqualEnergiesFromOneLevelMergeFromTwoLevelsStaySeparate) {
    const std::vector<TransitionLine> lines = {
        line(116, 1, {1, 0, 0, 0, 0, 0}), line(116, 1, {0, 3, 0, 0, 0, 0}),
        line(116, 2, {0, 0, 3, 0, 0, 0}), line(200, 2, {0, 0, 0, 1, 0, 0}, 3)};
    const auto merged = mergeTransitions(lines, {1, 0.5}, 1, PlotType::kelvin);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0].from, 1);
    EXPECT_DOUBLE_EQ(merged[0].I[0], 2.0 / 3);
    EXPECT_DOUBLE_EQ(merged[0].I[1], 3.0);
    EXPECT_EQ(merged[1].from, 2);
    EXPECT_DOUBLE_EQ(merged[1].I[2], 0.5 * 3.0);
    EXPECT_DOUBLE_EQ(merged[2].I[3], 0.5 * 2.0 / 3);
    EXPECT_DOUBLE_EQ(merged[2].I[6], 0.5 * 2.0 / 3 * 9);
    // In |J,Jz> only the three J intensities exist.
    const auto j = mergeTransitions(lines, {1, 1}, 2, PlotType::kelvin);
    EXPECT_DOUBLE_EQ(j[2].I[3], 0);
    EXPECT_DOUBLE_EQ(j[2].I[6], 0);
    // A line from a level without a population is passed over, not read out of range.
    const auto short_ =
        mergeTransitions({line(3, 5, {1, 0, 0, 0, 0, 0})}, {1, 1}, 1, PlotType::kelvin);
    EXPECT_TRUE(short_.empty());
    // Positions on the wave-length scale.
    EXPECT_DOUBLE_EQ(mergeTransitions(lines, {1, 1}, 1, PlotType::waveLength)[0].x,
                     14387769.3700642823 / 116);
}

TEST(SynthesizeSpectrum, StickGoesToTheColumnWhoseUpperEdgeHoldsIt) {
    // Column c spans (c − 1, c]; a line on the boundary 4 belongs to column 4, one just above
    // it to column 5, a line at 0 (column 0 never takes one) nowhere.
    const auto columns =
        spread({stick(4, 1), stick(4.0000001, 2), stick(0, 4)}, LineShape::none, 1);
    ASSERT_EQ(columns.size(), 10u);
    EXPECT_DOUBLE_EQ(columns[4].I[0], 1);
    EXPECT_DOUBLE_EQ(columns[5].I[0], 2);
    double total = 0;
    for (const auto& c : columns)
        total += c.I[0];
    EXPECT_DOUBLE_EQ(total, 3);
    EXPECT_DOUBLE_EQ(columns[3].position, 3);
}

TEST(SynthesizeSpectrum, LorentzAndGaussGiveHalfAtHalfTheWidthFromAnEdge) {
    // Width 2 K: half the width is 1 K. The line at 5.5 lies in column 6 (5, 6]; column 4's
    // nearer edge is 4, 1.5 K away; column 5's is 5, 0.5 K away.
    for (LineShape shape : {LineShape::lorentz, LineShape::gauss}) {
        const auto columns = spread({stick(5.5, 1)}, shape, 2);
        EXPECT_DOUBLE_EQ(columns[6].I[0], 1);
        const double P = 0.5;
        EXPECT_DOUBLE_EQ(columns[5].I[0],
                         shape == LineShape::lorentz ? 1 / (1 + P * P) : std::exp2(-P * P));
        // A line at 4.0 has column 3's upper edge 3 at 1 K, half the width: one half.
        const auto edge = spread({stick(4.0, 1)}, shape, 2);
        EXPECT_DOUBLE_EQ(edge[3].I[0], 0.5) << static_cast<int>(shape);
    }
}

TEST(SynthesizeSpectrum, WidthZeroIsAStickAndNothingIsNotANumber) {
    for (double width : {0.0, -1.0, std::nan("")}) {
        const auto columns = spread({stick(4, 1)}, LineShape::lorentz, width);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            EXPECT_TRUE(std::isfinite(columns[c].I[0]));
            EXPECT_DOUBLE_EQ(columns[c].I[0], c == 4 ? 1 : 0) << width << " " << c;
        }
    }
}

TEST(SynthesizeSpectrum, NoColumnsForNoWidthOrNoRange) {
    SpectrumOptions options;
    EXPECT_TRUE(synthesizeSpectrum({stick(4, 1)}, 0, 10, 0, options, {}).empty());
    EXPECT_TRUE(synthesizeSpectrum({stick(4, 1)}, 0, 10, -170, options, {}).empty());
    EXPECT_TRUE(synthesizeSpectrum({stick(4, 1)}, 3, 3, 10, options, {}).empty());
    EXPECT_TRUE(synthesizeSpectrum({stick(4, 1)}, 0, std::nan(""), 10, options, {}).empty());
    options.type = PlotType::waveLength;
    EXPECT_TRUE(synthesizeSpectrum({stick(4, 1)}, -5, 10, 10, options, {}).empty());
}

TEST(SynthesizeSpectrum, LimitsOfTheSettingsCutLinesAndColumns) {
    // Energy limits 2 … 7 K: the line at 8 is left out, columns above 7 take nothing.
    const auto columns =
        spread({stick(8, 1), stick(6.5, 1)}, LineShape::lorentz, 2, {2, 7, 0, 1e99});
    EXPECT_GT(columns[7].I[0], 0);
    EXPECT_DOUBLE_EQ(columns[8].I[0], 0);
    EXPECT_DOUBLE_EQ(columns[1].I[0], 0);
    EXPECT_GT(columns[2].I[0], 0);
}

TEST(SynthesizeSpectrum, WaveLengthWidthFixedInNanometresIsTheDrawnWidth) {
    // A line at 500 nm, width 20 nm fixed in nm, columns of 1 nm from 400 to 600: the drawn
    // full width at half maximum is 20 nm (it used to come out four times as wide).
    const double kelvin = fromPlotUnit(PlotType::waveLength, 500);
    MergedTransition m = stick(kelvin, 1, PlotType::waveLength);
    const SpectrumOptions options{PlotType::waveLength, LineShape::lorentz,
                                  fromPlotUnit(PlotType::waveLength, 20), 20, false};
    const auto columns = synthesizeSpectrum({m}, 400, 600, 200, options, {0, 1e99, 0, 1e99});
    std::vector<double> above;
    for (const auto& c : columns)
        if (c.I[0] >= 0.5)
            above.push_back(c.position);
    ASSERT_FALSE(above.empty());
    const double fwhm = above.back() - above.front();
    EXPECT_NEAR(fwhm, 20, 2);
    // Fixed in K, the width follows the energy: 20 nm at 500 nm is about 575.6 K.
    SpectrumOptions kelvinWidth = options;
    kelvinWidth.halfWidthInKelvin = true;
    kelvinWidth.halfWidthK = kelvin - fromPlotUnit(PlotType::waveLength, 520) + 0;
    const auto k = synthesizeSpectrum({m}, 400, 600, 200, kelvinWidth, {0, 1e99, 0, 1e99});
    double peak = 0;
    for (const auto& c : k)
        peak = std::max(peak, c.I[0]);
    EXPECT_DOUBLE_EQ(peak, 1);
}

TEST(SynthesizeSpectrum, MaximumCountsTheShownTypesOfTheBasis) {
    SpectrumColumn column;
    column.I = {1, 2, 3, 4, 5, 6, 7};
    TypeMask shown = kAllTypes;
    EXPECT_DOUBLE_EQ(spectrumMaximum({column}, shown, 1), 28);
    EXPECT_DOUBLE_EQ(spectrumMaximum({column}, shown, 2), 6);
    shown[1] = false;
    EXPECT_DOUBLE_EQ(stackedTotal(column, shown, 1), 26);
    EXPECT_DOUBLE_EQ(spectrumMaximum({}, shown, 1), 1e-10);
}

TEST(SpectroRange, FileIsWrittenAndReadBackAndDamageFallsBack) {
    EXPECT_EQ(formatSpectroRange({0.5, 567.2}),
              "Spectroscopy graph range:\r\n    min        max\r\n  0.500000 567.200000\r\n");
    // Six decimals that would lose a small value keep its digits.
    EXPECT_EQ(parseSpectroRange("g", formatSpectroRange({1e-8, 2})), (EnergyInterval{1e-8, 2}));
    test::TempDir dir;
    const EnergyInterval fallback{1, 2};
    auto outcome = readSpectroRange(dir.path(), PlotType::kelvin, fallback);
    EXPECT_TRUE(outcome.created);
    EXPECT_EQ(readWholeFile(dir.path() / kSpectroRangeFile), formatSpectroRange(fallback));
    writeSpectroRange(dir.path(), {3, 4});
    EXPECT_EQ(readSpectroRange(dir.path(), PlotType::kelvin, fallback).range,
              (EnergyInterval{3, 4}));
    const std::string damaged[] = {"Spectroscopy graph range:\r\n    min        max\r\nx y\r\n",
                                   "Spectroscopy graph range:\r\n    min        max\r\n5 4\r\n"};
    for (const std::string& text : damaged) {
        test::writeFile(dir.path() / kSpectroRangeFile, text);
        outcome = readSpectroRange(dir.path(), PlotType::kelvin, fallback);
        EXPECT_EQ(outcome.range, fallback);
        EXPECT_FALSE(outcome.problem.empty());
        EXPECT_EQ(readWholeFile(dir.path() / kSpectroRangeFile), text);
    }
    // A range through 0 K cannot be drawn in nm.
    writeSpectroRange(dir.path(), {-1, 4});
    EXPECT_EQ(readSpectroRange(dir.path(), PlotType::waveLength, fallback).range, fallback);
}

TEST(SpectroRange, WholeRangeViewAddsFivePerCentAndKeepsTheLimits) {
    TResultSettings s;
    const EnergyInterval view = wholeRangeView(PlotType::kelvin, {100, 300}, s);
    EXPECT_DOUBLE_EQ(view.max, 310);
    EXPECT_DOUBLE_EQ(view.min, 100 - 210 * 0.05);
    // Raised to spectro_emin, lowered to spectro_emax.
    EXPECT_DOUBLE_EQ(wholeRangeView(PlotType::kelvin, {0.05, 0.2}, s).min,
                     0.05 - (0.2075 - 0.05) * 0.05);
    EXPECT_DOUBLE_EQ(wholeRangeView(PlotType::kelvin, {0.001, 0.2}, s).min, 0.01);
    EXPECT_DOUBLE_EQ(wholeRangeView(PlotType::kelvin, {1, 60000}, s).max, 50000);
    // The wave-length limits: 1e8 nm at most, so at least 0.1439 K.
    s.spectro_emin = 0;
    const EnergyInterval nm = wholeRangeView(PlotType::waveLength, {0.01, 10}, s);
    EXPECT_DOUBLE_EQ(nm.min, 14387769.3700642823 / 1e8);
    // Limits that leave nothing fall back to the transitions' range.
    s.spectro_emin = 500;
    s.spectro_emax = 400;
    EXPECT_EQ(wholeRangeView(PlotType::kelvin, {1, 2}, s), (EnergyInterval{1, 2}));
}

TEST(SpectroRange, TypedRangesAreRefusedOrConvertedAndSwapped) {
    // K to nm: 14387769.37 / E, ends swapped.
    const auto nm = rangeInPlotUnits(PlotType::waveLength, {100, 200});
    EXPECT_DOUBLE_EQ(nm.min, 14387769.3700642823 / 200);
    EXPECT_DOUBLE_EQ(nm.max, 14387769.3700642823 / 100);
    const auto back = rangeFromPlotUnits(PlotType::waveLength, nm.min, nm.max);
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->min, 100, 1e-9);
    EXPECT_NEAR(back->max, 200, 1e-9);
    const struct {
        PlotType type;
        double a, b;
    } refused[] = {{PlotType::kelvin, 3, 3},
                   {PlotType::kelvin, 4, 3},
                   {PlotType::kelvin, 0, std::nan("")},
                   {PlotType::kelvin, -INFINITY, 3},
                   {PlotType::waveLength, 0, 500},
                   {PlotType::waveLength, -100, 500}};
    for (const auto& r : refused)
        EXPECT_FALSE(rangeFromPlotUnits(r.type, r.a, r.b)) << r.a << " " << r.b;
    EXPECT_EQ(rangeFromPlotUnits(PlotType::meV, 1, 2),
              (EnergyInterval{11.60451911, 2 * 11.60451911}));
    EXPECT_EQ(zoomPlotRange({10, 20}, 0.7), (EnergyInterval{15 - 3.5, 15 + 3.5}));
}

TEST(SpectrumPlot, GeometryAndPeakLabels) {
    SpectrumFrame frame{370, 505, 0, 200, 2};
    EXPECT_EQ(frame.columnCount(), 200);
    EXPECT_EQ(frame.H4(), 400);
    EXPECT_EQ(frame.pixelOf(50), 150);
    EXPECT_EQ(frame.pixelOf(-1000), -100); // one plot width left at most
    EXPECT_EQ(frame.rowOf(0), 460);
    EXPECT_EQ(frame.rowOf(2), 70);
    EXPECT_EQ(frame.rowOf(10), 60); // never above row 60
    std::vector<SpectrumColumn> columns(200);
    columns[50].I[0] = 1;  // the peak of the line at 50
    columns[199].I[0] = 2; // the line at the right edge: its neighbour beyond is not read
    std::vector<MergedTransition> lines = {stick(50, 1), stick(199, 2), stick(500, 1)};
    const int row = frame.rowOf(1);
    const auto labels = peakLabels(lines, columns, frame, kAllTypes, 1, {152, row + 5});
    EXPECT_EQ(labels, (std::vector<PeakLabel>{{{150, row - 10}, "50"}}));
    const auto edge =
        peakLabels(lines, columns, frame, kAllTypes, 1, {frame.pixelOf(199), frame.rowOf(2)});
    EXPECT_EQ(edge.size(), 1u);
    // Two lines on one pixel: their labels are stacked.
    std::vector<MergedTransition> pair = {stick(50, 1), stick(50.01, 1)};
    const auto stacked = peakLabels(pair, columns, frame, kAllTypes, 1, {150, row});
    ASSERT_EQ(stacked.size(), 2u);
    EXPECT_EQ(stacked[1].at.y, stacked[0].at.y - 10);
    EXPECT_EQ(stacked[1].text, "50.01");
    // A click 20 px away (x + y) gets nothing.
    EXPECT_TRUE(peakLabels(lines, columns, frame, kAllTypes, 1, {160, row + 10}).empty());
    // A box not laid out has no columns and no labels.
    SpectrumFrame hidden{-1, -1, 0, 200, 2};
    EXPECT_TRUE(peakLabels(lines, columns, hidden, kAllTypes, 1, {150, 0}).empty());
    SpectrumPicture picture;
    picture.frame = hidden;
    picture.columns = &columns;
    EXPECT_EQ(spectrumScene(picture).items.size(), 1u); // the background alone
}

TEST(SpectrumPlot, StackedColumnsInEachStyle) {
    SpectrumFrame frame{180, 505, 0, 10, 3};
    std::vector<SpectrumColumn> columns(10);
    columns[4].I = {1, 2, 0, 0, 0, 0, 0};
    SpectrumPicture picture;
    picture.frame = frame;
    picture.columns = &columns;
    auto count = [](const PlotScene& scene, Rgb colour) {
        int lines = 0, circles = 0, polylines = 0;
        for (const auto& item : scene.items) {
            if (const auto* l = std::get_if<SceneLine>(&item); l && l->colour == colour)
                ++lines;
            if (const auto* c = std::get_if<SceneCircle>(&item); c && c->pen == colour)
                ++circles;
            if (const auto* p = std::get_if<ScenePolyline>(&item); p && p->colour == colour)
                polylines += static_cast<int>(p->points.size());
        }
        return std::array<int, 3>{lines, circles, polylines};
    };
    const Rgb lz{0, 0, 0xFF}, lplus{0x99, 0, 0xFF};
    picture.style = PlotStyle::fill;
    const PlotScene fill = spectrumScene(picture);
    EXPECT_EQ(count(fill, lz)[0], 1);
    EXPECT_EQ(count(fill, lplus)[0], 1);
    // The L_+ stroke starts where L_z ended.
    for (const auto& item : fill.items)
        if (const auto* l = std::get_if<SceneLine>(&item); l && l->colour == lplus) {
            EXPECT_EQ(l->a.y, frame.rowOf(1));
            EXPECT_EQ(l->b.y, frame.rowOf(3));
        }
    picture.style = PlotStyle::point;
    EXPECT_EQ(count(spectrumScene(picture), lz)[1], 1);
    picture.style = PlotStyle::line;
    EXPECT_EQ(count(spectrumScene(picture), lz)[2], 10);
    picture.shown[0] = false;
    EXPECT_EQ(count(spectrumScene(picture), lz)[2], 0);
    picture.noTransitions = true;
    bool note = false;
    for (const auto& item : spectrumScene(picture).items)
        if (const auto* t = std::get_if<SceneText>(&item))
            note = note || t->text == kNoTransitions;
    EXPECT_TRUE(note);
}

namespace {

// The full width at half maximum of the peak of intensity type 0 near `at` (columns above half
// its highest value, with the edges interpolated).
double measuredWidth(const std::vector<SpectrumColumn>& columns, double at, double window) {
    double peak = 0;
    for (const auto& c : columns)
        if (std::abs(c.position - at) < window)
            peak = std::max(peak, c.I[0]);
    double first = 0, last = 0;
    bool found = false;
    for (std::size_t i = 1; i < columns.size(); ++i) {
        if (std::abs(columns[i].position - at) >= window)
            continue;
        const double a = columns[i - 1].I[0] - peak / 2, b = columns[i].I[0] - peak / 2;
        if ((a < 0) != (b < 0)) {
            const double x = columns[i - 1].position +
                             (columns[i].position - columns[i - 1].position) * a / (a - b);
            if (!found)
                first = x;
            last = x;
            found = true;
        }
    }
    return last - first;
}

double area(const std::vector<SpectrumColumn>& columns) {
    double sum = 0;
    for (std::size_t i = 1; i < columns.size(); ++i)
        sum += columns[i].I[0] * (columns[i].position - columns[i - 1].position);
    return sum;
}

} // namespace

TEST(SynthesizeSpectrum, VoigtHasItsPeakInTheLinesColumnAndItsProfileAround) {
    // Gauss 2 K ⊗ Lorentz 1 K; the line at 5.5 lies in column 6, column 4's nearer edge is
    // 1.5 K away.
    SpectrumOptions options;
    options.shape = LineShape::voigt;
    options.halfWidthK = options.halfWidthUnit = 2;
    options.lorentzWidthK = options.lorentzWidthUnit = 1;
    const auto columns =
        synthesizeSpectrum({stick(5.5, 3)}, 0, 10, 10, options, {-1e9, 1e9, 0, 1e99});
    EXPECT_DOUBLE_EQ(columns[6].I[0], 3);
    EXPECT_NEAR(columns[4].I[0], 3 * voigtProfile(1.5, 2, 1) / voigtProfile(0, 2, 1), 1e-12);
    // A Lorentz width of 0 is the Gauss profile, a Gauss width of 0 the Lorentz one.
    options.lorentzWidthK = 0;
    const auto gauss =
        synthesizeSpectrum({stick(5.5, 3)}, 0, 10, 10, options, {-1e9, 1e9, 0, 1e99});
    EXPECT_NEAR(gauss[4].I[0], 3 * std::exp2(-1.5 * 1.5), 1e-12);
    options.lorentzWidthK = 2;
    options.halfWidthK = 0;
    const auto lorentz =
        synthesizeSpectrum({stick(5.5, 3)}, 0, 10, 10, options, {-1e9, 1e9, 0, 1e99});
    EXPECT_NEAR(lorentz[4].I[0], 3 / (1 + 1.5 * 1.5), 1e-12);
    // Both 0: a stick.
    options.lorentzWidthK = 0;
    const auto sticks =
        synthesizeSpectrum({stick(5.5, 3)}, 0, 10, 10, options, {-1e9, 1e9, 0, 1e99});
    EXPECT_DOUBLE_EQ(sticks[6].I[0], 3);
    EXPECT_DOUBLE_EQ(sticks[5].I[0], 0);
}

TEST(SynthesizeSpectrum, NormalisedToAreaEachProfileHoldsTheLinesIntensity) {
    // Columns of 0.002 unit over ±50 widths around a line of intensity 2; the area on the
    // plot's scale is the intensity whatever the shape, the width and the unit (in meV the
    // profile is per meV). Each column takes the profile at its nearer edge, so the sum holds
    // one column's width of the peak more; the Lorentz tails beyond ±50 widths hold ~1 %.
    const struct {
        LineShape shape;
        PlotType type;
        double width, lorentzWidth, tolerance;
    } cases[] = {
        {LineShape::gauss, PlotType::kelvin, 0.5, 0, 1e-3},
        {LineShape::gauss, PlotType::meV, 0.2, 0, 1e-3},
        {LineShape::lorentz, PlotType::kelvin, 0.5, 0, 2e-2},
        {LineShape::lorentz, PlotType::waveNumber, 0.3, 0, 2e-2},
        {LineShape::voigt, PlotType::kelvin, 0.5, 0.3, 2e-2},
        {LineShape::voigt, PlotType::meV, 0.1, 0.2, 2e-2},
    };
    for (const auto& c : cases) {
        const double centre = 20;
        SpectrumOptions options;
        options.type = c.type;
        options.shape = c.shape;
        options.halfWidthUnit = c.width;
        options.halfWidthK = fromPlotUnit(c.type, c.width);
        options.lorentzWidthUnit = c.lorentzWidth;
        options.lorentzWidthK = fromPlotUnit(c.type, c.lorentzWidth);
        options.normaliseArea = true;
        const double span = 50 * std::max(c.width, c.lorentzWidth);
        const int n = static_cast<int>(2 * span / 0.002);
        const auto columns =
            synthesizeSpectrum({stick(fromPlotUnit(c.type, centre), 2, c.type)}, centre - span,
                               centre + span, n, options, {-1e9, 1e9, 0, 1e99});
        double top = 0;
        for (const auto& column : columns)
            top = std::max(top, column.I[0]);
        EXPECT_NEAR(area(columns) - top * 0.002, 2, 2 * c.tolerance)
            << static_cast<int>(c.shape) << " " << static_cast<int>(c.type);
        // Normalised or not, the profile keeps its shape.
        options.normaliseArea = false;
        const auto peak =
            synthesizeSpectrum({stick(fromPlotUnit(c.type, centre), 2, c.type)}, centre - span,
                               centre + span, n, options, {-1e9, 1e9, 0, 1e99});
        const std::size_t mid = static_cast<std::size_t>(n / 2);
        EXPECT_NEAR(columns[mid + 40].I[0] / columns[mid].I[0],
                    peak[mid + 40].I[0] / peak[mid].I[0], 1e-9);
    }
}

TEST(SynthesizeSpectrum, ResolutionWidthGrowsWithTheEnergyTransfer) {
    // FWHM(E) = 0.2 + 0.01 E + 0.001 E² meV: at 5 meV 0.275, at 40 meV 2.2 meV. The meV plot
    // draws each Gauss line with its own width; for Voigt it is the Gauss part.
    SpectrumOptions options;
    options.type = PlotType::meV;
    options.shape = LineShape::gauss;
    options.resolution = WidthPolynomial{0.2, 0.01, 0.001};
    const std::vector<MergedTransition> lines{
        stick(fromPlotUnit(PlotType::meV, 5), 1, PlotType::meV),
        stick(fromPlotUnit(PlotType::meV, 40), 1, PlotType::meV)};
    const auto columns = synthesizeSpectrum(lines, 0, 50, 50000, options, {-1e9, 1e9, 0, 1e99});
    EXPECT_NEAR(measuredWidth(columns, 5, 2), 0.275, 0.003);
    EXPECT_NEAR(measuredWidth(columns, 40, 8), 2.2, 0.003);
    options.shape = LineShape::voigt;
    options.lorentzWidthUnit = 0.5;
    options.lorentzWidthK = fromPlotUnit(PlotType::meV, 0.5);
    const auto voigt = synthesizeSpectrum(lines, 0, 50, 50000, options, {-1e9, 1e9, 0, 1e99});
    EXPECT_NEAR(measuredWidth(voigt, 5, 3), voigtWidth(0.275, 0.5), 0.003);
    EXPECT_NEAR(measuredWidth(voigt, 40, 15), voigtWidth(2.2, 0.5), 0.003);
    // In kelvin on the wave-length plot the polynomial takes the energy in K; a width that
    // comes out at 0 or below leaves the line a stick.
    options.shape = LineShape::gauss;
    options.resolution = WidthPolynomial{-1, 0, 0};
    const auto sticks = synthesizeSpectrum(lines, 0, 50, 50, options, {-1e9, 1e9, 0, 1e99});
    int filled = 0;
    for (const auto& c : sticks)
        filled += c.I[0] > 0;
    EXPECT_EQ(filled, 2);
}

TEST(SynthesizeSpectrum, ResolutionOnTheWaveLengthScaleUsesTheWidthsScale) {
    // With the width in K the polynomial takes the line's energy in K: a line at 1000 K with
    // FWHM = 0.05·E is as wide as one of a constant 50 K.
    const double kelvin = 1000;
    MergedTransition m = stick(kelvin, 1, PlotType::waveLength);
    SpectrumOptions constant;
    constant.type = PlotType::waveLength;
    constant.shape = LineShape::lorentz;
    constant.halfWidthInKelvin = true;
    constant.halfWidthK = 50;
    SpectrumOptions growing = constant;
    growing.halfWidthK = 7;
    growing.resolution = WidthPolynomial{0, 0.05, 0};
    const double x = m.x;
    const auto a = synthesizeSpectrum({m}, x * 0.9, x * 1.1, 500, constant, {0, 1e99, 0, 1e99});
    const auto b = synthesizeSpectrum({m}, x * 0.9, x * 1.1, 500, growing, {0, 1e99, 0, 1e99});
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t c = 0; c < a.size(); ++c)
        EXPECT_DOUBLE_EQ(a[c].I[0], b[c].I[0]) << c;
}
