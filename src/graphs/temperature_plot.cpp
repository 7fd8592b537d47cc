#include "graphs/temperature_plot.h"

#include "base/number_pattern.h"
#include "base/number_text.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

constexpr int kMajorSteps = 4;
constexpr int kMinorSteps = 8;
constexpr int kCrossHalf = 3;

void addFrameAndGrid(PlotScene& scene, const PixelRect& area) {
    scene.add(SceneRect{{area.left - 1, area.top - 1, area.width + 1, area.height + 1},
                        kPlotFrame,
                        true,
                        kPlotBackground});
    const int dy = area.height / kMajorSteps;
    const int dx = area.width / kMajorSteps;
    for (int i = 0; i < kMajorSteps; ++i)
        for (int j = 0; j < kMinorSteps; ++j) {
            const int y = area.top + i * dy + j * (dy / kMinorSteps);
            const int x = area.left + i * dx + j * (dx / kMinorSteps);
            const Rgb colour = j == 0 ? kGridMajor : kGridMinor;
            scene.add(SceneLine{{area.left, y}, {area.right(), y}, colour});
            scene.add(SceneLine{{x, area.top}, {x, area.bottom()}, colour});
        }
    for (int i = 0; i < kMajorSteps; ++i)
        for (int j = 0; j < kMinorSteps; ++j) {
            const bool major = j == 0 || j == kMinorSteps / 2;
            const int y = area.top + i * dy + j * (dy / kMinorSteps);
            const int x = area.left + i * dx + j * (dx / kMinorSteps);
            scene.add(SceneLine{{area.left, y}, {area.left + (major ? 7 : 3), y}, kTicks});
            scene.add(SceneLine{
                {x - 1, area.bottom() - (major ? 7 : 3)}, {x - 1, area.bottom()}, kTicks});
        }
}

void addEtchedBorder(PlotScene& scene, int width, int height) {
    scene.add(SceneRect{{22, 9, width - 27 - 22, height - 5 - 9}, kPlotFrame, false, {}, 5});
    scene.add(SceneRect{{23, 10, width - 26 - 23, height - 4 - 10}, kWhite, false, {}, 5});
}

void addLabels(PlotScene& scene, const TemperaturePlot& plot, const PlotTransform& t) {
    const PixelRect& area = t.area;
    const double scale = std::pow(10.0, plot.range.exponent);
    const double low = plot.range.bottom / scale;
    const double high = plot.range.range;
    for (int k = 0; k <= kMajorSteps; ++k) {
        const int y = area.bottom() - k * (area.height / kMajorSteps);
        const double value = low + (high - low) * k / kMajorSteps;
        scene.add(SceneText{.text = valueLabel(value, plot.labelDecimals, high - low),
                            .at = {area.left - 10, y - 6},
                            .anchor = TextAnchor::TopRight});
    }
    if (!(t.xmax > t.xmin) || !std::isfinite(t.xmax - t.xmin))
        return; // no temperatures: the axis has no extent to label
    for (int k = 0; k <= kMajorSteps; ++k) {
        const int x = area.left + k * (area.width / kMajorSteps);
        const double value = t.xmin + (t.xmax - t.xmin) * k / kMajorSteps;
        const std::string text = value == 0 ? "0" : floatToStrDot(value, 6);
        scene.add(SceneText{
            .text = text, .at = {x, area.bottom() + 10}, .anchor = TextAnchor::TopCentre});
    }
}

void addTitles(PlotScene& scene, const TemperaturePlot& plot, const PixelRect& area) {
    scene.add(SceneText{.text = plot.yTitle,
                        .at = {38, area.top + area.height / 2},
                        .anchor = TextAnchor::Centre,
                        .pointSize = 9,
                        .markup = true,
                        .vertical = true});
    scene.add(SceneText{.text = plot.xTitle,
                        .at = {area.left + area.width / 2, scene.height - 20},
                        .anchor = TextAnchor::TopCentre,
                        .pointSize = 9,
                        .markup = true});
    if (!plot.caption.empty())
        scene.add(SceneText{.text = plot.caption,
                            .at = {area.left, 16},
                            .anchor = TextAnchor::TopLeft,
                            .pointSize = 9,
                            .bold = true});
}

/// The markers that can be drawn, with their screen points.
std::vector<PlotPixel> markerPoints(const TemperaturePlot& plot, const PlotTransform& t) {
    std::vector<PlotPixel> points;
    for (const xy_pts& marker : plot.markers) {
        if (marker.y == 0)
            continue;
        const double value = plot.markerValue ? plot.markerValue(marker) : marker.y;
        const auto p = t.pixel(marker.x, value);
        if (p && t.area.contains(*p))
            points.push_back(*p);
    }
    return points;
}

void addErrorBars(PlotScene& scene, const TemperaturePlot& plot, const PlotTransform& t) {
    constexpr int kCapHalf = 3;
    for (const ErrorBar& bar : plot.errorBars) {
        if (!(bar.err > 0))
            continue;
        const auto column = t.column(bar.x);
        const auto low = t.row(bar.y - bar.err);
        const auto high = t.row(bar.y + bar.err);
        if (!column || !low || !high || *column < t.area.left || *column > t.area.right())
            continue;
        const int top = std::max(std::min(*low, *high), t.area.top);
        const int bottom = std::min(std::max(*low, *high), t.area.bottom());
        if (top > bottom)
            continue;
        scene.add(SceneLine{{*column, top}, {*column, bottom}, plot.markerColour});
        for (const int end : {std::min(*low, *high), std::max(*low, *high)})
            if (end >= t.area.top && end <= t.area.bottom())
                scene.add(SceneLine{
                    {*column - kCapHalf, end}, {*column + kCapHalf, end}, plot.markerColour});
    }
}

void addCurve(PlotScene& scene, const TemperaturePlot& plot, const PlotTransform& t,
              const CurveDescription& curve) {
    if (!curve.values || !plot.T)
        return;
    for (auto& run : clipPolyline(curvePoints(t, *plot.T, *curve.values), t.area, plot.clip))
        scene.add(ScenePolyline{std::move(run), curve.colour, curve.style});
}

void addReferenceLines(PlotScene& scene, const TemperaturePlot& plot, const PlotTransform& t) {
    for (const ReferenceLine& line : plot.referenceLines) {
        const auto y = t.row(line.value);
        if (!y || *y <= t.area.top || *y > t.area.bottom())
            continue;
        if (*y - t.area.top > line.labelDepth) {
            SceneText label{line.label,
                            {t.area.left + line.labelRight, *y - line.labelAbove},
                            TextAnchor::TopLeft,
                            8,
                            line.colour};
            scene.add(label);
        }
        scene.add(SceneLine{{t.area.left + 1, *y}, {t.area.right(), *y}, line.colour});
    }
}

} // namespace

PixelRect temperaturePlotArea(const TemperaturePlot& plot, int width, int height) {
    return plotArea(width, height, plot.margins);
}

double largestTemperature(const TemperaturePlot& plot) {
    double tMax = 0;
    if (plot.T)
        for (double t : *plot.T)
            if (std::isfinite(t))
                tMax = std::max(tMax, t);
    return tMax;
}

PlotTransform temperatureTransform(const TemperaturePlot& plot, int width, int height) {
    const double xmin = plot.xRange ? plot.xRange->first : 0;
    const double xmax = plot.xRange ? plot.xRange->second : largestTemperature(plot);
    return {temperaturePlotArea(plot, width, height), xmin, xmax, plot.range.bottom,
            plot.range.top()};
}

PixelRect miniParamRect(const PixelRect& area) {
    return {area.left + 6, area.top + 6, 80, 90};
}

std::string valueLabel(double value, int decimals, double span) {
    if (value == 0)
        return "0";
    std::string text;
    for (int d = std::max(0, decimals); d <= 9; ++d) {
        text = formatFloatDot(d == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(d), '0'),
                              value);
        const auto back = parseRealDot(text);
        if (back && std::abs(*back - value) <= 1e-9 * std::abs(span))
            break;
    }
    return text;
}

std::vector<std::optional<ScreenPoint>> curvePoints(const PlotTransform& transform,
                                                    const std::vector<double>& T,
                                                    const std::vector<double>& values) {
    const std::size_t rows = std::min(T.size(), values.size());
    std::vector<std::optional<ScreenPoint>> points;
    points.reserve(rows);
    for (std::size_t r = 0; r < rows; ++r)
        points.push_back(transform.place(T[r], values[r]));
    return points;
}

PlotScene buildTemperatureScene(const TemperaturePlot& plot, int width, int height) {
    PlotScene scene;
    scene.width = width;
    scene.height = height;
    const PlotTransform t = temperatureTransform(plot, width, height);
    addFrameAndGrid(scene, t.area);
    addLabels(scene, plot, t);
    addEtchedBorder(scene, width, height);
    addTitles(scene, plot, t.area);

    for (const SceneItem& item : plot.underlays)
        scene.items.push_back(item);
    const std::vector<PlotPixel> markers = markerPoints(plot, t);
    const auto addGuides = [&] {
        for (const PlotPixel& m : markers) {
            scene.add(SceneLine{{t.area.left, m.y}, {t.area.right(), m.y}, kGridMajor});
            scene.add(SceneLine{{m.x, t.area.top}, {m.x, t.area.bottom()}, kGridMajor});
        }
    };
    if (!plot.guidesOverCurves)
        addGuides();
    addReferenceLines(scene, plot, t);
    for (bool highlighted : {false, true})
        for (const CurveDescription& curve : plot.curves)
            if (curve.highlighted == highlighted)
                addCurve(scene, plot, t, curve);
    if (plot.guidesOverCurves)
        addGuides();
    for (const SceneItem& item : plot.overlays)
        scene.items.push_back(item);
    addErrorBars(scene, plot, t);
    for (const PlotPixel& m : markers) {
        scene.add(SceneLine{{m.x - kCrossHalf, m.y}, {m.x + kCrossHalf, m.y}, plot.markerColour});
        scene.add(SceneLine{{m.x, m.y - kCrossHalf}, {m.x, m.y + kCrossHalf}, plot.markerColour});
    }
    if (!plot.note.empty()) {
        SceneText note{plot.note,
                       {t.area.left + t.area.width / 2, t.area.top + t.area.height / 2},
                       TextAnchor::Centre,
                       9,
                       Rgb{150, 20, 20}};
        scene.add(note);
    }
    if (plot.miniParamOpacity)
        scene.add(SceneMiniParam{miniParamRect(t.area), *plot.miniParamOpacity});
    return scene;
}

namespace {

struct ItemMover {
    int dx;
    int dy;

    void move(PlotPixel& p) const {
        p.x += dx;
        p.y += dy;
    }
    void move(PixelRect& r) const {
        r.left += dx;
        r.top += dy;
    }
    void operator()(SceneLine& line) const {
        move(line.a);
        move(line.b);
    }
    void operator()(ScenePolyline& polyline) const {
        for (PlotPixel& p : polyline.points)
            move(p);
    }
    void operator()(SceneRect& rect) const { move(rect.rect); }
    void operator()(SceneCircle& circle) const { move(circle.centre); }
    void operator()(SceneTriangle& triangle) const {
        for (PlotPixel& p : triangle.corners)
            move(p);
    }
    void operator()(SceneText& text) const { move(text.at); }
    void operator()(SceneMiniParam& mini) const { move(mini.rect); }
};

} // namespace

void appendBelow(PlotScene& scene, const PlotScene& part, int left, int gap) {
    if (part.items.empty())
        return;
    const ItemMover mover{left, scene.height + gap};
    for (SceneItem item : part.items) {
        std::visit(mover, item);
        scene.items.push_back(std::move(item));
    }
    scene.width = std::max(scene.width, left + part.width);
    scene.height += gap + part.height;
}

std::vector<int> dashPattern(LineStyle style) {
    switch (style) {
    case LineStyle::Solid:
        break;
    case LineStyle::Dotted:
        return {1, 1};
    case LineStyle::DashDot:
        return {2, 1, 1, 1};
    case LineStyle::Dashed:
        return {2, 1, 2, 1};
    case LineStyle::DashDotDot:
        return {3, 1, 1, 1, 1, 1};
    }
    return {};
}

} // namespace vintrel
