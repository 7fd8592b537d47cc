#include "graphs/plot_geometry.h"

#include "base/rounding.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

/// How far beyond the area a point may lie and still be rounded to pixels.
constexpr double kFarPixels = 1e6;
/// How far below and beside the area a top-clipped curve is kept.
constexpr double kFarBound = 4096;

PlotPixel rounded(ScreenPoint p) {
    return {roundHalfEven(p.x), roundHalfEven(p.y)};
}

} // namespace

PixelRect plotArea(int boxWidth, int boxHeight, const PlotMargins& m) {
    int width = std::max(0, boxWidth - m.left - m.right);
    int height = std::max(0, boxHeight - m.top - m.bottom);
    if (m.multiplesOfFour) {
        width = width / 4 * 4;
        height = height / 4 * 4;
    }
    return {m.left, m.top, width, height};
}

PixelRect temperaturePlotArea(int boxWidth, int boxHeight, int top) {
    return plotArea(boxWidth, boxHeight, {90, top, 60, 45, true});
}

bool PlotTransform::valid() const {
    return std::isfinite(xmin) && std::isfinite(xmax) && std::isfinite(ymin) &&
           std::isfinite(ymax) && xmax != xmin && ymax != ymin;
}

std::optional<ScreenPoint> PlotTransform::place(double x, double y) const {
    if (!valid() || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    const ScreenPoint p{area.left + area.width * (x - xmin) / (xmax - xmin),
                        area.top + area.height * (y - ymax) / (ymin - ymax)};
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        return std::nullopt;
    return p;
}

std::optional<PlotPixel> PlotTransform::pixel(double x, double y) const {
    const auto p = place(x, y);
    if (!p || std::abs(p->x - area.left) > kFarPixels || std::abs(p->y - area.top) > kFarPixels)
        return std::nullopt;
    return rounded(*p);
}

std::optional<int> PlotTransform::row(double y) const {
    const auto p = pixel(xmin, y);
    return p ? std::optional<int>(p->y) : std::nullopt;
}

std::optional<int> PlotTransform::column(double x) const {
    const auto p = pixel(x, ymin);
    return p ? std::optional<int>(p->x) : std::nullopt;
}

std::optional<ClippedSegment> clipSegment(ScreenPoint a, ScreenPoint b, double x0, double y0,
                                          double x1, double y1) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;
    double t0 = 0;
    double t1 = 1;
    // Each edge as p·t ≤ q.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    ClippedSegment s;
    s.a = t0 > 0 ? ScreenPoint{a.x + t0 * dx, a.y + t0 * dy} : a;
    s.b = t1 < 1 ? ScreenPoint{a.x + t1 * dx, a.y + t1 * dy} : b;
    s.aCut = t0 > 0;
    s.bCut = t1 < 1;
    return s;
}

std::vector<std::vector<PlotPixel>>
clipPolyline(const std::vector<std::optional<ScreenPoint>>& points, const PixelRect& area,
             ClipMode mode) {
    const bool all = mode == ClipMode::AllSides;
    const double x0 = all ? area.left : area.left - kFarBound;
    const double x1 = all ? area.right() : area.right() + kFarBound;
    const double y0 = area.top;
    const double y1 = all ? area.bottom() : area.bottom() + kFarBound;

    std::vector<std::vector<PlotPixel>> runs;
    bool joined = false; // the last run ends at the previous point, uncut
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto& a = points[i - 1];
        const auto& b = points[i];
        if (!a || !b) {
            joined = false;
            continue;
        }
        // The plot component places its points on whole pixels first and cuts the segments
        // between them, so a cut point lies on the line between two pixels.
        const auto snap = [all](ScreenPoint p) {
            // Halves to even (the default rounding mode), without an integer's limits.
            return all ? ScreenPoint{std::nearbyint(p.x), std::nearbyint(p.y)} : p;
        };
        const auto s = clipSegment(snap(*a), snap(*b), x0, y0, x1, y1);
        if (!s) {
            joined = false;
            continue;
        }
        if (!joined || s->aCut)
            runs.push_back({rounded(s->a)});
        runs.back().push_back(rounded(s->b));
        joined = !s->bCut;
    }
    return runs;
}

} // namespace vintrel
