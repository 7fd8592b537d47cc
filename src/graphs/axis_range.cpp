#include "graphs/axis_range.h"

#include "base/number_text.h"
#include "base/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vintrel {

namespace {

constexpr double kWholeTolerance = 1e-9;
constexpr int kLowestZoomExponent = -7;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

/// The extreme of each of the first k columns, folded by `better`, or `none` without rows.
template <typename Better>
std::vector<double> columnExtremes(const DataColumns& data, std::size_t k, Better better) {
    std::vector<double> extremes;
    for (std::size_t c = 0; c < k; ++c) {
        std::optional<double> extreme;
        if (c < data.columns.size())
            for (double v : data.columns[c])
                if (!extreme || better(v, *extreme))
                    extreme = v;
        extremes.push_back(extreme ? *extreme : std::numeric_limits<double>::quiet_NaN());
    }
    return extremes;
}

} // namespace

AxisRange niceRange(double value) {
    if (!std::isfinite(value) || value <= 0)
        return {0, 1, 0};
    const double v = std::clamp(value, 1e-30, 1e9);
    int n = 0;
    double scaled = v;
    while (scaled >= 100) {
        scaled /= 10;
        ++n;
    }
    while (scaled < 1) {
        scaled *= 10;
        --n;
    }
    const double mantissa = v / std::pow(10.0, n);
    const double whole = std::round(mantissa);
    const double R =
        std::abs(mantissa - whole) <= kWholeTolerance * whole ? whole : std::ceil(mantissa);
    return {0, R, n};
}

bool rangeAcceptable(const AxisRange& range) {
    const double top = range.top();
    return std::isfinite(range.bottom) && std::isfinite(top) && top > range.bottom &&
           std::isnormal(top - range.bottom);
}

std::optional<double> parseEntryNumber(std::string_view text) {
    std::string entry(trimmed(text));
    std::replace(entry.begin(), entry.end(), ',', '.');
    const auto value = parseRealDot(entry);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

std::optional<double> parseRangeEntry(std::string_view text) {
    const auto value = parseEntryNumber(text);
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

ChiDataRange chiDataRange(const ChiData& data) {
    ChiDataRange range;
    for (Direction d : kDirections) {
        if (!data.has(d))
            continue;
        const std::size_t i = directionIndex(d);
        for (double v : data.chi[i]) {
            range.chiMin = std::min(range.chiMin, v);
            range.chiMax = std::max(range.chiMax, v);
        }
        for (double v : data.inverse[i]) {
            range.inverseMin = std::min(range.inverseMin, v);
            range.inverseMax = std::max(range.inverseMax, v);
        }
    }
    return range;
}

SpcMaxima spcDataMaxima(const SpcData& data) {
    const auto rounded = [](const std::vector<double>& column) {
        double m = 0;
        for (double v : column)
            m = std::max(m, v);
        return static_cast<double>(roundHalfEven(m + 0.51));
    };
    return {rounded(data.c), rounded(data.S), rounded(data.fourth)};
}

std::vector<double> columnMaxima(const DataColumns& data, std::size_t k) {
    std::vector<double> maxima = columnExtremes(data, k, std::greater<>());
    for (double& q : maxima)
        q = std::isnan(q) ? 1 : std::trunc(q) + 1;
    return maxima;
}

std::vector<double> columnMinima(const DataColumns& data, std::size_t k) {
    std::vector<double> minima = columnExtremes(data, k, std::less<>());
    for (double& q : minima)
        q = std::isnan(q) ? 0 : std::trunc(q) - 1;
    return minima;
}

ZoomOutcome zoomRange(const AxisRange& range, ZoomRule rule, bool zoomIn) {
    AxisRange next = range;
    if (rule == ZoomRule::NiceOfTop) {
        if (zoomIn && range.exponent < kLowestZoomExponent)
            return {std::nullopt, "Maximum zoom size reached."};
        next = niceRange(zoomIn ? range.top() / 2 : range.top() * 2);
        next.bottom = range.bottom;
    } else {
        const double factor = zoomIn ? 0.5 : 2;
        next.bottom *= factor;
        next.range *= factor;
        // The settings files keep four decimals of the range value: "+" stops before the
        // value (or the span of both ends) would fall below the last of them.
        const double span = next.range - next.bottom / std::pow(10.0, next.exponent);
        if (zoomIn && span < kSmallestStoredRangeValue)
            return {std::nullopt, "Maximum zoom size reached."};
    }
    if (!rangeAcceptable(next))
        return {};
    return {next, {}};
}

AxisRange foldPositiveExponent(AxisRange range) {
    while (range.exponent > 0) {
        range.range *= 10;
        --range.exponent;
    }
    return range;
}

} // namespace vintrel
