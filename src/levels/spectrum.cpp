#include "levels/spectrum.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

// 2^(−P²) is 0 in double precision beyond this P².
constexpr double kGaussVanishes = 1100;

constexpr std::array<double, kIntensityTypes> kWeights{2.0 / 3, 1.0 / 3, 1.0 / 3, 2.0 / 3,
                                                       1.0 / 3, 1.0 / 3, 2.0 / 3};

bool anyIntensity(const Intensities& I) {
    return std::any_of(I.begin(), I.end(), [](double v) { return v != 0; });
}

void addWeighted(Intensities& sum, const Intensities& I, double y) {
    for (int k = 0; k < kIntensityTypes; ++k)
        sum[static_cast<std::size_t>(k)] += y * I[static_cast<std::size_t>(k)];
}

// The columns' energy intervals and positions, worked out once per synthesis.
struct ColumnEdges {
    std::vector<double> position;       ///< scale value of column c
    std::vector<double> lo, hi;         ///< K interval of column c (c ≥ 1), lo < hi
    std::vector<double> loUnit, hiUnit; ///< the same edges on the scale
    std::vector<char> passes;           ///< column c lies within the limits
    bool descending = false;            ///< K falls as c grows (wave-length scale)
};

ColumnEdges columnEdges(double plotMin, double plotMax, int n, PlotType type,
                        const SpectrumLimits& limits) {
    ColumnEdges e;
    const auto count = static_cast<std::size_t>(n);
    e.position.resize(count);
    std::vector<double> kelvin(count);
    for (std::size_t c = 0; c < count; ++c) {
        e.position[c] = plotMin + (plotMax - plotMin) * static_cast<double>(c) / n;
        kelvin[c] = fromPlotUnit(type, e.position[c]);
    }
    e.lo.assign(count, 0);
    e.hi.assign(count, 0);
    e.loUnit.assign(count, 0);
    e.hiUnit.assign(count, 0);
    e.passes.assign(count, 0);
    e.descending = type == PlotType::waveLength;
    for (std::size_t c = 1; c < count; ++c) {
        double X = kelvin[c - 1];
        double V = kelvin[c];
        e.passes[c] = passesLimits(type, limits, V, e.position[c]);
        if (X > V)
            std::swap(X, V);
        e.lo[c] = X;
        e.hi[c] = V;
        e.loUnit[c] = toPlotUnit(type, X);
        e.hiUnit[c] = toPlotUnit(type, V);
    }
    return e;
}

// The column c ≥ 1 whose interval holds dE (lo < dE ≤ hi), by binary search; 0 for none.
std::size_t columnOf(const ColumnEdges& e, double dE) {
    const std::size_t count = e.position.size();
    if (count < 2)
        return 0;
    std::size_t first = 1, last = count; // search [first, last)
    while (first < last) {
        const std::size_t mid = first + (last - first) / 2;
        // Ascending: the first column whose upper edge reaches dE; descending: the first whose
        // lower edge lies below dE.
        const bool before = e.descending ? !(e.lo[mid] < dE) : e.hi[mid] < dE;
        if (before)
            first = mid + 1;
        else
            last = mid;
    }
    if (first >= count)
        return 0;
    return e.lo[first] < dE && dE <= e.hi[first] ? first : 0;
}

} // namespace

int intensityTypeCount(int baza) {
    return baza == 2 ? 3 : kIntensityTypes;
}

std::vector<double> statePopulations(const std::vector<double>& energies,
                                     std::optional<double> temperature) {
    std::vector<double> p(energies.size(), 1.0);
    if (!temperature || energies.empty())
        return p;
    const double Emin = *std::min_element(energies.begin(), energies.end());
    const double T = *temperature;
    double sum = 0;
    for (std::size_t i = 0; i < energies.size(); ++i) {
        const double above = energies[i] - Emin;
        p[i] = T > 0 ? std::exp(-above / T) : (above <= kGroundTolerance ? 1.0 : 0.0);
        sum += p[i];
    }
    for (double& v : p)
        v = sum > 0 ? v / sum : 0;
    return p;
}

std::vector<MergedTransition> mergeTransitions(const std::vector<TransitionLine>& lines,
                                               const std::vector<double>& populations, int baza,
                                               PlotType type) {
    const int types = intensityTypeCount(baza);
    std::vector<MergedTransition> merged;
    int previousFrom = 0;
    for (const TransitionLine& line : lines) {
        if (line.from < 1 || static_cast<std::size_t>(line.from) > populations.size())
            continue;
        const double p = populations[static_cast<std::size_t>(line.from - 1)];
        if (merged.empty() || line.dE != merged.back().dE || line.from != previousFrom) {
            merged.push_back({line.dE, toPlotUnit(type, line.dE), line.from, {}});
        }
        previousFrom = line.from;
        Intensities& I = merged.back().I;
        for (int k = 0; k < types; ++k) {
            const double e = k < 6 ? line.elements[static_cast<std::size_t>(k)] : line.ls;
            I[static_cast<std::size_t>(k)] += kWeights[static_cast<std::size_t>(k)] * e * e * p;
        }
    }
    return merged;
}

SpectrumLimits spectrumLimits(const TResultSettings& settings) {
    return {settings.spectro_emin, settings.spectro_emax, settings.spectro_lmin,
            settings.spectro_lmax};
}

bool passesLimits(PlotType type, const SpectrumLimits& limits, double E, double x) {
    if (type == PlotType::waveLength)
        return limits.lmin <= x && x <= limits.lmax;
    return limits.emin <= E && E <= limits.emax;
}

std::vector<SpectrumColumn> synthesizeSpectrum(const std::vector<MergedTransition>& lines,
                                               double plotMin, double plotMax, int n,
                                               const SpectrumOptions& options,
                                               const SpectrumLimits& limits) {
    if (n <= 0 || !std::isfinite(plotMin) || !std::isfinite(plotMax) || plotMin == plotMax)
        return {};
    if (plotMin > plotMax)
        std::swap(plotMin, plotMax);
    const PlotType type = options.type;
    if (type == PlotType::waveLength && plotMin <= 0)
        return {};
    const ColumnEdges e = columnEdges(plotMin, plotMax, n, type, limits);
    std::vector<SpectrumColumn> columns(static_cast<std::size_t>(n));
    for (std::size_t c = 0; c < columns.size(); ++c)
        columns[c].position = e.position[c];

    const bool onScale = type == PlotType::waveLength && !options.halfWidthInKelvin;
    // The width's scale: K, or the plot's unit (on the wave-length plot with a width in nm the
    // profiles are worked out on that scale itself).
    const bool widthInKelvin = options.halfWidthInKelvin || type == PlotType::kelvin;
    const double kelvinPerUnit = onScale || widthInKelvin ? 1.0 : fromPlotUnit(type, 1.0);
    const double constantWidth = onScale ? options.halfWidthUnit : options.halfWidthK;
    const double lorentzWidth =
        std::max(0.0, onScale ? options.lorentzWidthUnit : options.lorentzWidthK);

    for (const MergedTransition& line : lines) {
        if (!passesLimits(type, limits, line.dE, line.x) || !anyIntensity(line.I))
            continue;
        double width = constantWidth;
        if (options.resolution)
            width = widthInKelvin ? (*options.resolution)(line.dE)
                                  : (*options.resolution)(line.x) * (onScale ? 1 : kelvinPerUnit);
        if (!std::isfinite(width) || width < 0)
            width = 0;
        LineShape shape = options.shape;
        if (shape == LineShape::voigt && !(width > 0 || lorentzWidth > 0))
            shape = LineShape::none;
        if ((shape == LineShape::lorentz || shape == LineShape::gauss) && !(width > 0))
            shape = LineShape::none;
        if (shape == LineShape::none) {
            const std::size_t c = columnOf(e, line.dE);
            if (c != 0 && e.passes[c])
                addWeighted(columns[c].I, line.I, 1.0);
            continue;
        }
        const double half = width / 2;
        // The factor that turns a profile of peak 1 into one of area 1 on the width's scale.
        double area = 1;
        if (options.normaliseArea) {
            if (shape == LineShape::lorentz)
                area = lorentzPeakArea(width) / kelvinPerUnit;
            else if (shape == LineShape::gauss)
                area = gaussPeakArea(width) / kelvinPerUnit;
        }
        const double voigtScale = shape != LineShape::voigt ? 1
                                  : options.normaliseArea
                                      ? kelvinPerUnit
                                      : 1 / voigtProfile(0, width, lorentzWidth);
        for (std::size_t c = 1; c < columns.size(); ++c) {
            if (!e.passes[c])
                continue;
            double distance = 0;
            if (!(e.lo[c] < line.dE && line.dE <= e.hi[c])) {
                const bool below = line.dE <= e.lo[c];
                distance = onScale ? (below ? e.loUnit[c] : e.hiUnit[c]) - line.x
                                   : (below ? e.lo[c] : e.hi[c]) - line.dE;
            }
            double y = 0;
            if (shape == LineShape::voigt) {
                y = voigtProfile(distance, width, lorentzWidth) * voigtScale;
            } else {
                const double P = distance / half;
                const double P2 = P * P;
                if (shape == LineShape::lorentz) {
                    y = 1 / (1 + P2);
                } else {
                    if (P2 > kGaussVanishes)
                        continue;
                    y = std::exp2(-P2);
                }
                y /= area;
            }
            addWeighted(columns[c].I, line.I, y);
        }
    }
    return columns;
}

double stackedTotal(const SpectrumColumn& column, const TypeMask& shown, int baza) {
    const int types = intensityTypeCount(baza);
    double sum = 0;
    for (int k = 0; k < types; ++k)
        if (shown[static_cast<std::size_t>(k)])
            sum += column.I[static_cast<std::size_t>(k)];
    return sum;
}

double spectrumMaximum(const std::vector<SpectrumColumn>& columns, const TypeMask& shown,
                       int baza) {
    double ymax = 1e-10;
    for (const SpectrumColumn& column : columns)
        ymax = std::max(ymax, stackedTotal(column, shown, baza));
    return ymax;
}

} // namespace vintrel
