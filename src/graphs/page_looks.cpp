#include "graphs/page_looks.h"

#include "base/rounding.h"
#include "graphs/axis_range.h"
#include "graphs/temperature_plot.h"

#include <cmath>

namespace vintrel {

namespace {

/// "10" with the exponent raised, and a blank; nothing for 0.
std::string powerOfTen(int exponent) {
    if (exponent == 0)
        return {};
    std::string text = "10";
    for (char c : std::to_string(exponent))
        text += std::string("^") + c;
    return text + " ";
}

} // namespace

std::string susceptibilityTitle(const std::array<bool, 3>& shown, int exponent, bool inverse) {
    std::string list;
    std::string subscripts;
    for (Direction d : kDirections) {
        if (!shown[directionIndex(d)])
            continue;
        if (!list.empty()) {
            list += ",";
            subscripts += "_,";
        }
        list += directionLetter(d);
        subscripts += std::string("_") + directionLetter(d);
    }
    std::string title = inverse ? "inverse magnetic susceptibility" : "magnetic susceptibility";
    if (!list.empty())
        title += " [B||" + list + "]";
    title += inverse ? " 1/!c" : " !c";
    title += subscripts;
    title += " (" + powerOfTen(exponent) + (inverse ? "T/!m_B)" : "!m_B/T)");
    return title;
}

std::string specificHeatTitle(bool perTemperature) {
    return perTemperature ? "specific heat c/T (J/K^2 mol)" : "specific heat c (J/K mol)";
}

std::string entropyTitle(bool steps) {
    return steps ? "magnetic entropy !DS (J/K mol)" : "magnetic entropy S (J/K mol)";
}

double curvesMaximum(const std::vector<const std::vector<double>*>& curves) {
    double maximum = 0;
    for (const std::vector<double>* curve : curves)
        if (curve)
            for (double v : *curve)
                if (std::isfinite(v))
                    maximum = std::max(maximum, v);
    return maximum;
}

double fittedHeatTop(double maximum) {
    if (maximum >= 1)
        return roundHalfEven(maximum + 0.51);
    return niceRange(maximum).top();
}

std::vector<SceneItem> temperatureSelection(const PlotTransform& transform,
                                            const std::vector<double>& T, std::size_t a,
                                            std::size_t b,
                                            const std::vector<const std::vector<double>*>& curves) {
    std::vector<SceneItem> items;
    const PixelRect& area = transform.area;
    if (a >= T.size() || b >= T.size())
        return items;
    for (std::size_t row : {a, b}) {
        const auto x = transform.column(T[row]);
        if (!x)
            continue;
        const int under = area.top - kSelectorGap;
        items.emplace_back(SceneLine{{*x, under + 3}, {*x, area.bottom()}, kGuideBlue});
        items.emplace_back(SceneTriangle{
            {PlotPixel{*x - 3, area.top}, {*x + 3, area.top}, {*x, area.top + 3}}, kGuideBlue});
        items.emplace_back(SceneTriangle{
            {PlotPixel{*x - 3, under}, {*x + 3, under}, {*x, under + 3}}, kGuideBlue});
    }
    for (const std::vector<double>* curve : curves) {
        if (!curve || a >= curve->size() || b >= curve->size())
            continue;
        const auto p = transform.pixel(T[a], (*curve)[a]);
        const auto q = transform.pixel(T[b], (*curve)[b]);
        if (!p || !q || p->y <= area.top + 3 || q->y <= area.top + 3)
            continue;
        items.emplace_back(SceneLine{*p, *q, kGuideBlue, LineStyle::Dotted});
        for (const PlotPixel& point : {*p, *q})
            items.emplace_back(SceneCircle{point, 6, kGuideBlue, Rgb{221, 221, 236}});
    }
    return items;
}

} // namespace vintrel
