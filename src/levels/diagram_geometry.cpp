#include "levels/diagram_geometry.h"

#include "base/number_pattern.h"
#include "base/rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace vintrel {

namespace {

constexpr double kVisibleTop = 37860;    // 380 nm
constexpr double kVisibleBottom = 19180; // 750 nm
constexpr std::size_t kMaxAxisLines = 1000;
constexpr int kTextPitch = 12;

int clampToInt(double x) {
    constexpr double kLimit = 1e9;
    return static_cast<int>(std::clamp(x, -kLimit, kLimit));
}

} // namespace

namespace {

// The energy's place between view_emax (0) and view_emin (1), clamped; `flat` for a window of
// no span.
int rowOf(double E, const ViewWindow& w, int H, double lowest, double highest, double flat) {
    const double denominator = w.view_emin - w.view_emax;
    double a = denominator == 0 ? flat : (E - w.estart - w.view_emax) / denominator;
    a = std::isnan(a) ? flat : std::clamp(a, lowest, highest);
    return roundHalfEven((H - 70) * a + 40);
}

} // namespace

int levelToY(double E, const ViewWindow& w, int H) {
    return rowOf(E, w, H, -10.0, 20.0, 0);
}

int meanFieldLevelToY(double E, const ViewWindow& w, int H) {
    return rowOf(E, w, H, -100.0, 100.0, 1);
}

double yToLevel(int y, const ViewWindow& w, int H) {
    const int usable = H - 70;
    if (usable == 0)
        return w.view_emax;
    return w.view_emax + (w.view_emin - w.view_emax) * (y - 40) / usable;
}

AxisSteps axisSteps(double view_emin, double view_emax) {
    const double span4 = (view_emax - view_emin) / 4;
    double p = 1e-10;
    if (!(span4 > 0) || !std::isfinite(span4))
        return {p, p};
    while (span4 > p)
        p *= 10;
    p /= 10;
    double sum = 0;
    while (sum < span4)
        sum += p;
    double q = sum - p;
    if (q <= 0)
        q = p;
    if (q / p > 4.99)
        p *= 2;
    return {p, q};
}

std::vector<double> axisLineEnergies(const ViewWindow& w, double step, double major) {
    std::vector<double> energies;
    if (!(step > 0))
        return energies;
    const double top = w.view_emax + w.estart + major;
    double k = roundHalfEven((w.view_emin + w.estart) / step - 1);
    for (double e = k * step; e < top && energies.size() < kMaxAxisLines; e = ++k * step)
        energies.push_back(e);
    return energies;
}

namespace {

// Moves the count label of row i right past every lower, close group label it overlaps.
void moveCountLabel(std::vector<LevelRow>& rows, const std::vector<int>& sizes, std::size_t i,
                    const std::function<int(int)>& countWidth) {
    const int ownWidth = countWidth(1);
    for (std::size_t v = 0; v < i; ++v) {
        if (sizes[v] == 0 || rows[v].y - rows[i].y >= kTextPitch || rows[v].y < rows[i].y)
            continue;
        const int end = rows[v].xlab + countWidth(sizes[v]) + 2;
        const bool overlaps = rows[i].xlab < end && rows[i].xlab + ownWidth + 2 > rows[v].xlab;
        if (overlaps) {
            rows[i].xlab = end;
            v = std::numeric_limits<std::size_t>::max(); // recheck from the first
        }
    }
}

} // namespace

std::vector<LevelRow> layoutLevelRows(const std::vector<int>& ys,
                                      const std::function<int(int)>& countWidth) {
    std::vector<LevelRow> rows(ys.size());
    for (std::size_t i = 0; i < ys.size(); ++i) {
        rows[i].y = ys[i];
        rows[i].labelY = ys[i] - 6;
    }
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (rows[i].y == rows[i - 1].y)
            rows[i].groupCount = rows[i - 1].groupCount + 1;
    const std::vector<int> sizes = groupSizes(rows);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        LevelRow& row = rows[i];
        const LevelRow& previous = rows[i - 1];
        const int d = previous.labelY - row.labelY;
        if (d <= 0 && row.groupCount == 1)
            row.labelY = previous.labelY - kTextPitch;
        if (d < 0 && row.groupCount > 1) {
            row.labelY = previous.labelY;
            row.xlab = previous.xlab;
        }
        const int gap = previous.labelY - row.labelY;
        if (gap > 0 && gap < kTextPitch + 1)
            row.labelY = previous.labelY - kTextPitch;
        if (row.groupCount == 1)
            moveCountLabel(rows, sizes, i, countWidth);
    }
    return rows;
}

std::vector<int> groupSizes(const std::vector<LevelRow>& rows) {
    std::vector<int> sizes(rows.size(), 0);
    std::size_t first = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].groupCount == 1)
            first = i;
        sizes[first] = rows[i].groupCount;
    }
    return sizes;
}

ViewRange zoomAbout(const ViewWindow& w, double f, double c) {
    const double half = f * (w.view_emax - w.view_emin) / 2;
    return {c + half, c - half};
}

ViewRange zoomAtRow(const ViewWindow& w, int H, int y, bool zoomOut) {
    const double m = yToLevel(y, w, H);
    const double d = (w.view_emax + w.view_emin) / 2 - m;
    if (zoomOut)
        return zoomAbout(w, kZoomOutFactor, m + d / kZoomInFactor);
    return zoomAbout(w, kZoomInFactor, m + kZoomInFactor * d);
}

ViewRange shiftWindow(const ViewWindow& w, double steps) {
    const double delta = (w.view_emax - w.view_emin) * steps * 0.02;
    return {w.view_emax + delta, w.view_emin + delta};
}

ViewRange centreWindow(const ViewWindow& w, double c) {
    const double half = (w.view_emax - w.view_emin) / 2;
    return {c + half, c - half};
}

int thumbTop(const ViewWindow& w, const ScrollStrip& s) {
    const double span = w.span();
    double c = span == 0 ? 0 : ((w.view_emax + w.view_emin) / 2) / span;
    c = std::clamp(c, 0.0, 1.0);
    return s.upHeight + roundHalfEven((1 - c) * s.freeHeight());
}

double centreForThumb(const ViewWindow& w, const ScrollStrip& s, int top) {
    const int free = s.freeHeight();
    if (free <= 0)
        return (w.view_emax + w.view_emin) / 2;
    return (1 - static_cast<double>(top - s.upHeight) / free) * w.span();
}

int clampThumbTop(const ScrollStrip& s, int top) {
    return std::clamp(top, s.upHeight, s.upHeight + std::max(s.freeHeight(), 0));
}

std::string zoomText(const ViewWindow& w) {
    const double window = w.view_emax - w.view_emin;
    const double q = window == 0 ? 1 : w.span() / window;
    return formatFloatDot("0.0#", q) + "x";
}

int navigatorRow(const ViewWindow& w, int h, double relative) {
    const double R = w.span();
    if (R == 0)
        return 10;
    return clampToInt(roundHalfEven(10.5 + (R - relative) * (h - 20) / R));
}

double navigatorEnergy(const ViewWindow& w, int h, int y) {
    const double R = w.span();
    const int usable = h - 20;
    const double fraction = usable == 0 ? 0 : static_cast<double>(y - 10) / usable;
    return w.eend - R * fraction - w.estart;
}

double energyUnitFactor(EnergyUnit unit, double kelvin) {
    switch (unit) {
    case EnergyUnit::meV:
        return kelvin / 11.60451911;
    case EnergyUnit::inverseCm:
        return kelvin * 0.695;
    case EnergyUnit::kelvin:
        break;
    }
    return kelvin;
}

VisibleBand visibleBand(const ViewWindow& w, int H, double lowest, double highest) {
    VisibleBand band;
    band.shown = w.view_emax - w.view_emin > 1 && std::fabs(highest - lowest) > 1;
    band.top = levelToY(lowest + kVisibleTop, w, H);
    band.bottom = levelToY(lowest + kVisibleBottom, w, H);
    return band;
}

} // namespace vintrel
