#include "levels/spectro_range.h"

#include "base/atomic_file.h"
#include "graphs/graph_settings.h"
#include "resultdata/dup_reader.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

std::string formatSpectroRange(const EnergyInterval& range) {
    return "Spectroscopy graph range:\r\n    min        max\r\n" +
           settingsNumber(range.min, 10, 6) + " " + settingsNumber(range.max, 10, 6) + "\r\n";
}

EnergyInterval parseSpectroRange(const std::string& name, std::string_view content) {
    DupReader reader(name, content);
    reader.skipLine();
    reader.skipLine();
    const std::vector<double> row = reader.readRow(2);
    return {row[0], row[1]};
}

void writeSpectroRange(const std::filesystem::path& folder, const EnergyInterval& range) {
    writeFileAtomically(folder / kSpectroRangeFile, formatSpectroRange(range));
}

bool spectroRangeAcceptable(PlotType type, const EnergyInterval& range) {
    if (!std::isfinite(range.min) || !std::isfinite(range.max) || !(range.min < range.max))
        return false;
    if (type == PlotType::waveLength)
        return range.min > 0 && std::isfinite(toPlotUnit(type, range.min));
    return std::isfinite(toPlotUnit(type, range.min)) &&
           std::isfinite(toPlotUnit(type, range.max)) &&
           toPlotUnit(type, range.min) < toPlotUnit(type, range.max);
}

EnergyInterval wholeRangeView(PlotType type, const EnergyInterval& transitions,
                              const TResultSettings& settings) {
    const double max0 = transitions.max + (transitions.max - transitions.min) * 0.05;
    EnergyInterval view{transitions.min - (max0 - transitions.min) * 0.05, max0};
    view.min = std::max(view.min, settings.spectro_emin);
    view.max = std::min(view.max, settings.spectro_emax);
    if (type == PlotType::waveLength) {
        if (toPlotUnit(type, view.min) > settings.spectro_lmax)
            view.min = fromPlotUnit(type, settings.spectro_lmax);
        if (toPlotUnit(type, view.max) < settings.spectro_lmin)
            view.max = fromPlotUnit(type, settings.spectro_lmin);
    }
    if (spectroRangeAcceptable(type, view))
        return view;
    if (spectroRangeAcceptable(type, transitions))
        return transitions;
    return {0.01, 50000};
}

std::optional<EnergyInterval> rangeFromPlotUnits(PlotType type, double min, double max) {
    if (!std::isfinite(min) || !std::isfinite(max) || !(min < max))
        return std::nullopt;
    if (type == PlotType::waveLength && min <= 0)
        return std::nullopt;
    EnergyInterval kelvin{fromPlotUnit(type, min), fromPlotUnit(type, max)};
    if (kelvin.min > kelvin.max)
        std::swap(kelvin.min, kelvin.max);
    if (!spectroRangeAcceptable(type, kelvin))
        return std::nullopt;
    return kelvin;
}

EnergyInterval rangeInPlotUnits(PlotType type, const EnergyInterval& kelvin) {
    EnergyInterval plot{toPlotUnit(type, kelvin.min), toPlotUnit(type, kelvin.max)};
    if (plot.min > plot.max)
        std::swap(plot.min, plot.max);
    return plot;
}

EnergyInterval zoomPlotRange(const EnergyInterval& plot, double factor) {
    const double centre = (plot.min + plot.max) / 2;
    const double half = factor * (plot.max - plot.min) / 2;
    return {centre - half, centre + half};
}

SpectroRangeOutcome readSpectroRange(const std::filesystem::path& folder, PlotType type,
                                     const EnergyInterval& fallback) {
    SpectroRangeOutcome outcome;
    outcome.range = fallback;
    const std::filesystem::path file = folder / kSpectroRangeFile;
    try {
        const std::optional<std::string> content = readResultFile(file);
        if (!content) {
            writeSpectroRange(folder, fallback);
            outcome.created = true;
            return outcome;
        }
        const EnergyInterval stored = parseSpectroRange(file.string(), *content);
        if (spectroRangeAcceptable(type, stored))
            outcome.range = stored;
        else
            outcome.problem = file.string() + ": the stored range cannot be drawn";
    } catch (const std::exception& error) {
        outcome.problem = error.what();
    }
    return outcome;
}

} // namespace vintrel
