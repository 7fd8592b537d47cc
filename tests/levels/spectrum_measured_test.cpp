// A measured spectrum against the synthesised one on the spectroscopy page.
#include "levels/spectrum_measured.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel {
namespace {

// Columns every 10 K from 0 to 100 K with a triangle peak of 6 at 50 K, in the first type.
std::vector<SpectrumColumn> triangle() {
    std::vector<SpectrumColumn> columns;
    for (int c = 0; c <= 10; ++c) {
        SpectrumColumn column;
        column.position = 10.0 * c;
        column.I[0] = 6 - 1.2 * std::abs(c - 5);
        columns.push_back(column);
    }
    return columns;
}

TEST(SpectrumMeasured, PositionsAreConvertedAndIntensitiesScaled) {
    const auto columns = triangle();
    const double total50 = stackedTotal(columns[5], kAllTypes, 1);
    ASSERT_GT(total50, 0);
    // Measured in meV at a quarter of the height, one point beyond the columns.
    MeasuredSpectrum measured;
    measured.unit = PlotType::meV;
    measured.points.x = {toPlotUnit(PlotType::meV, 50), toPlotUnit(PlotType::meV, 35),
                         toPlotUnit(PlotType::meV, 500)};
    measured.points.y = {
        total50 / 4,
        stackedTotal(columns[3], kAllTypes, 1) / 8 + stackedTotal(columns[4], kAllTypes, 1) / 8, 1};
    measured.points.err = {0.1, 0.1, 0.1};
    const Agreement a = spectrumAgreement(measured, columns, kAllTypes, 1, PlotType::kelvin);
    ASSERT_TRUE(a.scale);
    EXPECT_NEAR(*a.scale, 4, 1e-12);
    EXPECT_EQ(a.compared, 2u);
    EXPECT_NEAR(a.points[0].x, 50, 1e-12);
    EXPECT_NEAR(a.points[0].measured, total50, 1e-12);
    EXPECT_NEAR(a.points[0].err, 0.4, 1e-12);
    EXPECT_NEAR(a.rms, 0, 1e-12);
    // Only the shown types count: with none shown the factor is 0.
    TypeMask none{};
    EXPECT_EQ(*spectrumAgreement(measured, columns, none, 1, PlotType::kelvin).scale, 0);
}

TEST(SpectrumMeasured, PointsInThePlotAreCirclesWithErrorBars) {
    const auto columns = triangle();
    MeasuredSpectrum measured;
    measured.points.x = {50, 20, 150};
    measured.points.y = {3, 1, 1};
    measured.points.err = {0.5, 0, 0.5};
    const Agreement a = spectrumAgreement(measured, columns, kAllTypes, 1, PlotType::kelvin);
    const SpectrumFrame frame{800, 600, 0, 100, stackedTotal(columns[5], kAllTypes, 1)};
    const auto items = measuredSpectrumItems(frame, a);
    std::size_t circles = 0, lines = 0;
    for (const SceneItem& item : items) {
        if (const auto* c = std::get_if<SceneCircle>(&item)) {
            ++circles;
            EXPECT_GE(c->centre.x, frame.pixelOf(0));
            EXPECT_LE(c->centre.x, frame.pixelOf(100));
        }
        lines += std::holds_alternative<SceneLine>(item);
    }
    EXPECT_EQ(circles, 2u); // 150 K lies beyond the plot
    EXPECT_EQ(lines, 3u);   // the bar of the 50 K point with its caps; 20 K has no error
    const auto& circle = std::get<SceneCircle>(items[3]);
    EXPECT_EQ(circle.centre.x, frame.pixelOf(50));
    EXPECT_EQ(circle.centre.y, frame.rowOf(a.points[0].measured));
}

} // namespace
} // namespace vintrel
