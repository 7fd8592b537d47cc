#include "graphs/plot_component.h"

#include <cmath>

namespace vintrel {

namespace {

constexpr int kLabelIntervals = 4;

TAxisData labelValues(double min, double max) {
    TAxisData labels;
    for (int i = 0; i <= kLabelIntervals; ++i)
        labels.push_back(min + i * (max - min) / kLabelIntervals);
    return labels;
}

const TAxisData kNoData;

} // namespace

LineStyle lineStyleOf(int style) {
    switch (style) {
    case 1:
        return LineStyle::Dotted;
    case 2:
        return LineStyle::DashDot;
    case 3:
        return LineStyle::Dashed;
    case 4:
        return LineStyle::DashDotDot;
    default:
        return LineStyle::Solid;
    }
}

DataRange dataRange(const TAxisData& values, double step) {
    std::optional<double> min;
    std::optional<double> max;
    for (double v : values) {
        if (!std::isfinite(v))
            continue;
        if (!max || v > *max)
            max = v;
        if (!min || v < *min)
            min = v;
    }
    if (!min)
        return {};
    DataRange range{*min, *max};
    if (step != 0 && std::isfinite(step)) {
        range.min = std::floor(range.min / step) * step;
        range.max = std::ceil(range.max / step) * step;
    }
    if (range.min == range.max)
        range.max = range.min + 1;
    return range;
}

int axisExponent(double min, double max, int exp) {
    if (!std::isfinite(min) || !std::isfinite(max) || !(max > min))
        return exp;
    // Bounded so that a range of denormal extent cannot loop for long.
    for (int i = 0; i < 400 && max - min < 1; ++i) {
        min *= 10;
        max *= 10;
        --exp;
    }
    for (int i = 0; i < 400 && max - min > 1000; ++i) {
        min /= 10;
        max /= 10;
        ++exp;
    }
    return exp;
}

std::string exponentTitle(const std::string& descr, int exp) {
    const auto first = descr.find("^^");
    if (first == std::string::npos)
        return descr;
    std::string title = descr.substr(0, first);
    for (char c : std::to_string(exp)) {
        title += '^';
        title += c;
    }
    const auto rest = first + 2;
    const auto second = descr.find("^^", rest);
    title += descr.substr(rest, second == std::string::npos ? std::string::npos : second - rest);
    return title;
}

TGraph::TGraph() {
    setMaxPlots(5);
}

void TGraph::setGraphMargins(int left, int top, int right, int bottom) {
    marg_left = left;
    marg_top = top;
    marg_right = right;
    marg_bot = bottom;
}

void TGraph::getGraphMargins(int& left, int& top, int& right, int& bottom) const {
    left = marg_left;
    top = marg_top;
    right = marg_right;
    bottom = marg_bot;
}

void TGraph::setInnerMargins(int left, int top, int right, int bottom) {
    in_left = left;
    in_top = top;
    in_right = right;
    in_bot = bottom;
}

PlotMargins TGraph::dataMargins() const {
    return {marg_left + in_left, marg_top + in_top, marg_right + in_right, marg_bot + in_bot,
            false};
}

std::string TGraph::yAxisTitle() const {
    return showExponent ? exponentTitle(Ydescr, Yexp) : Ydescr;
}

void TGraph::setXaxisRange(double min, double max) {
    Xmin = min;
    Xmax = max;
    XRlab = labelValues(min, max);
}

void TGraph::setYaxisRange(double min, double max) {
    Ymin = min;
    Ymax = max;
    YRlab = labelValues(min, max);
}

void TGraph::getXaxisRange(double& min, double& max) const {
    min = Xmin;
    max = Xmax;
}

void TGraph::getYaxisRange(double& min, double& max) const {
    min = Ymin;
    max = Ymax;
}

void TGraph::setYaxisExp(int exp) {
    Yexp = exp;
    setYaxisRange(Ymin, Ymax);
}

void TGraph::setMaxPlots(int pmax) {
    plots.resize(static_cast<std::size_t>(std::max(0, pmax)));
}

PlotData& TGraph::slot(int g) {
    if (static_cast<std::size_t>(g) >= plots.size())
        plots.resize(static_cast<std::size_t>(g) + 1);
    return plots[static_cast<std::size_t>(g)];
}

void TGraph::addYaxisData(int g, const TAxisData& data) {
    if (g < 0)
        return;
    PlotData& p = slot(g);
    p.Ydata = data;
    p.Ystyle = 0;
}

const TAxisData& TGraph::getYaxisData(int g) const {
    if (g < 0 || static_cast<std::size_t>(g) >= plots.size())
        return kNoData;
    return plots[static_cast<std::size_t>(g)].Ydata;
}

void TGraph::setGraphStyle(int g, int style) {
    if (g >= 0)
        slot(g).Ystyle = style;
}

void TGraph::setGraphColor(int g, Rgb colour) {
    if (g >= 0)
        slot(g).Ycolor = colour;
}

void TGraph::setGraphVis(int g, bool visible) {
    if (g >= 0)
        slot(g).Yvis = visible;
}

bool TGraph::graphVis(int g) const {
    return g >= 0 && static_cast<std::size_t>(g) < plots.size() &&
           plots[static_cast<std::size_t>(g)].Yvis;
}

DataRange TGraph::calcXaxisRange(double rnd) {
    const DataRange range = dataRange(Xdata, rnd);
    setXaxisRange(range.min, range.max);
    return range;
}

DataRange TGraph::calcYaxisRange(int g, double rnd) {
    DataRange range;
    if (g >= 0) {
        range = dataRange(getYaxisData(g), rnd);
    } else {
        bool any = false;
        for (const PlotData& p : plots) {
            if (!p.Yvis)
                continue;
            const DataRange r = dataRange(p.Ydata, rnd);
            range.min = any ? std::min(range.min, r.min) : r.min;
            range.max = any ? std::max(range.max, r.max) : r.max;
            any = true;
        }
    }
    setYaxisRange(range.min, range.max);
    return range;
}

void TGraph::calcAxisExp(double min, double max) {
    setYaxisExp(axisExponent(min, max, Yexp));
}

PlotTransform TGraph::transform(int width, int height) const {
    return {plotArea(width, height, dataMargins()), Xmin, Xmax, Ymin, Ymax};
}

std::optional<int> TGraph::toScreenX(double x, int width, int height) const {
    const auto p = transform(width, height).pixel(x, Ymin);
    return p ? std::optional<int>(p->x) : std::nullopt;
}

std::optional<int> TGraph::toScreenY(double y, int width, int height) const {
    const auto p = transform(width, height).pixel(Xmin, y);
    return p ? std::optional<int>(p->y) : std::nullopt;
}

std::optional<SceneLine> TGraph::line(double x1, double y1, double x2, double y2, int width,
                                      int height, Rgb colour, int style) const {
    const PlotTransform t = transform(width, height);
    const auto runs = clipPolyline({t.place(x1, y1), t.place(x2, y2)}, t.area, ClipMode::AllSides);
    if (runs.empty() || runs.front().size() < 2)
        return std::nullopt;
    return SceneLine{runs.front().front(), runs.front().back(), colour, lineStyleOf(style)};
}

void TGraph::describe(TemperaturePlot& plot) const {
    plot.margins = dataMargins();
    plot.T = &Xdata;
    plot.xRange = std::make_pair(Xmin, Xmax);
    const double scale = std::pow(10.0, Yexp);
    plot.range = AxisRange{Ymin, Ymax / scale, Yexp};
    plot.labelDecimals = 0;
    plot.yTitle = yAxisTitle();
    plot.xTitle = Xdescr;
    plot.clip = ClipMode::AllSides;
    plot.guidesOverCurves = true;
    plot.markers = marks;
    plot.markerColour = mark_color;
    plot.curves.clear();
    for (std::size_t g = 0; g < plots.size(); ++g) {
        const PlotData& p = plots[g];
        if (!p.Yvis)
            continue;
        // The last plot goes over the others: the description draws its highlighted curves
        // after the rest.
        const bool last = static_cast<int>(g) == last_plot;
        plot.curves.push_back({&p.Ydata, p.Ycolor, last, lineStyleOf(p.Ystyle)});
    }
}

PlotScene TGraph::scene(int width, int height) const {
    TemperaturePlot plot;
    describe(plot);
    return buildTemperatureScene(plot, width, height);
}

} // namespace vintrel
