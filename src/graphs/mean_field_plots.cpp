#include "graphs/mean_field_plots.h"

#include "base/number_pattern.h"
#include "base/rounding.h"
#include "graphs/axis_range.h"
#include "graphs/derived_curves.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vintrel {

namespace {

/// How far below the data area's top the labels of the ordering temperature begin.
constexpr int kLabelDrop = 8;

double truncUp(double q) {
    return std::trunc(q) + 1;
}

double truncDown(double q) {
    return std::trunc(q) - 1;
}

} // namespace

AxisRange fittedMeanFieldRange(const DataRange& range, MeanFieldFit fit) {
    switch (fit) {
    case MeanFieldFit::BothEnds:
        return {range.min, range.max, 0};
    case MeanFieldFit::Mantissa: {
        double mantissa = range.max;
        int n = 0;
        if (!(mantissa > 0) || !std::isfinite(mantissa))
            return {0, 1, 0};
        for (int i = 0; i < 400 && mantissa > 10; ++i) {
            mantissa /= 10;
            ++n;
        }
        for (int i = 0; i < 400 && mantissa < 1; ++i) {
            mantissa *= 10;
            --n;
        }
        return {0, mantissa, n};
    }
    case MeanFieldFit::Top:
        break;
    }
    return {0, range.max > 0 ? range.max : 1, 0};
}

std::optional<AxisRange> anisotropyEntry(std::string_view minimum, std::string_view maximum) {
    const auto low = parseEntryNumber(minimum);
    const auto high = parseEntryNumber(maximum);
    if (!low || !high)
        return std::nullopt;
    const AxisRange range{*low, *high, 0};
    if (!rangeAcceptable(range))
        return std::nullopt;
    return range;
}

AxisRange momentDefaultRange(const MomentData& data) {
    if (data.rowCount() == 0)
        return {0, 1, 0};
    double top = -std::numeric_limits<double>::infinity();
    for (const auto& column : data.m)
        for (double v : column)
            if (std::isfinite(v))
                top = std::max(top, truncUp(v));
    if (!(top > 0))
        top = 1;
    return {0, top, 0};
}

AxisRange anisotropyDefaultRange(const AnisoData& data) {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    for (const auto& column : data.K)
        for (double v : column)
            if (std::isfinite(v)) {
                low = std::min(low, truncDown(v));
                high = std::max(high, truncUp(v));
            }
    if (!(high > low))
        return {0, 1, 0};
    return {low, high, 0};
}

AxisRange withoutExponent(const AxisRange& range) {
    return {range.bottom, range.top(), 0};
}

std::string transitionLabel(double Tc) {
    return "T_c = " + formatFloatDot("0.###", Tc) + " K";
}

TransitionMarks transitionMarks(const TGraph& graph, int width, int height,
                                std::optional<double> Tc, double chiTmax,
                                const StateLabelWidths& widths) {
    TransitionMarks marks;
    if (!Tc || !std::isfinite(*Tc))
        return marks;
    const auto X = graph.toScreenX(*Tc, width, height);
    if (!X)
        return marks;
    const PixelRect area = graph.transform(width, height).area;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    graph.getGraphMargins(left, top, right, bottom);
    double ymin = 0;
    double ymax = 1;
    graph.getYaxisRange(ymin, ymax);
    if (*Tc < chiTmax) {
        if (const auto line = graph.line(*Tc, 0, *Tc, ymax, width, height, kTransitionColour, 1)) {
            marks.items.emplace_back(*line);
            marks.lineShown = true;
        }
        if (area.contains({*X, area.top}))
            marks.items.emplace_back(SceneText{.text = transitionLabel(*Tc),
                                               .at = {*X, area.top + kLabelDrop},
                                               .anchor = TextAnchor::TopRight,
                                               .colour = kTransitionColour,
                                               .markup = true,
                                               .vertical = true});
    }
    const int labelTop = area.top + kLabelDrop;
    if (widths.ordered < *X - left) {
        marks.items.emplace_back(SceneText{.text = kOrderedStateText,
                                           .at = {(*X + left - widths.ordered) / 2, labelTop},
                                           .markup = true});
        marks.orderedShown = true;
    }
    if (widths.paramagnetic < width - right - *X) {
        marks.items.emplace_back(
            SceneText{.text = kParamagneticStateText,
                      .at = {(*X + width - right - widths.paramagnetic) / 2, labelTop},
                      .markup = true});
        marks.paramagneticShown = true;
    }
    return marks;
}

std::pair<int, int> selectorStartRows(int rows) {
    if (rows <= 1)
        return {1, 1};
    const int right = rows;
    int left = std::clamp(roundHalfEven(0.9 * rows), 1, rows);
    if (left == right)
        --left;
    return {left, right};
}

std::vector<SceneItem> meanFieldSelection(const TGraph& graph, int width, int height, std::size_t a,
                                          std::size_t b,
                                          const std::vector<const TAxisData*>& curves) {
    std::vector<SceneItem> items;
    const TAxisData& T = graph.getXaxisData();
    if (a >= T.size() || b >= T.size())
        return items;
    for (const TAxisData* curve : curves) {
        if (!curve || a >= curve->size() || b >= curve->size())
            continue;
        if ((*curve)[a] == (*curve)[b])
            continue;
        if (const auto secant =
                graph.line(T[a], (*curve)[a], T[b], (*curve)[b], width, height, kGuideBlue, 1))
            items.emplace_back(*secant);
    }
    double ymin = 0;
    double ymax = 1;
    graph.getYaxisRange(ymin, ymax);
    for (std::size_t row : {a, b})
        if (const auto line = graph.line(T[row], ymin, T[row], ymax, width, height, kGuideBlue))
            items.emplace_back(*line);
    return items;
}

std::vector<ReferenceLine> meanFieldEntropyLines() {
    std::vector<ReferenceLine> lines;
    for (int b = 2; b <= 64; b *= 2)
        lines.push_back({.value = statisticalEntropy(b),
                         .colour = kGuideBlue,
                         .label = "R ln " + std::to_string(b),
                         .labelRight = 5,
                         .labelAbove = 15,
                         .labelDepth = 15});
    return lines;
}

} // namespace vintrel
