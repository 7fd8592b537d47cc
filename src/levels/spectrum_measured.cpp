#include "levels/spectrum_measured.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

constexpr Rgb kMeasuredColour{160, 0, 40};

} // namespace

Agreement spectrumAgreement(const MeasuredSpectrum& measured,
                            const std::vector<SpectrumColumn>& columns, const TypeMask& shown,
                            int baza, PlotType type) {
    std::vector<double> positions, totals;
    positions.reserve(columns.size());
    totals.reserve(columns.size());
    for (const SpectrumColumn& column : columns) {
        positions.push_back(column.position);
        totals.push_back(stackedTotal(column, shown, baza));
    }
    MeasuredPoints points = measured.points;
    points.x = convertPlotUnit(points.x, measured.unit, type);
    return compareWithCurve(points, positions, totals, true);
}

std::vector<SceneItem> measuredSpectrumItems(const SpectrumFrame& frame,
                                             const Agreement& agreement) {
    std::vector<SceneItem> items;
    const double low = std::min(frame.plotMin, frame.plotMax);
    const double high = std::max(frame.plotMin, frame.plotMax);
    for (const ComparedPoint& p : agreement.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.measured) || p.x < low || p.x > high)
            continue;
        const int x = frame.pixelOf(p.x);
        const int y = frame.rowOf(p.measured);
        if (p.err > 0) {
            const int top = frame.rowOf(p.measured + p.err);
            const int bottom = frame.rowOf(std::max(0.0, p.measured - p.err));
            items.push_back(SceneLine{{x, top}, {x, bottom}, kMeasuredColour});
            items.push_back(SceneLine{{x - 2, top}, {x + 2, top}, kMeasuredColour});
            items.push_back(SceneLine{{x - 2, bottom}, {x + 2, bottom}, kMeasuredColour});
        }
        items.push_back(SceneCircle{{x, y}, 5, kMeasuredColour, {255, 255, 255}});
    }
    return items;
}

} // namespace vintrel
