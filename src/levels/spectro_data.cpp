#include "levels/spectro_data.h"

#include "base/number_text.h"
#include "levels/diagram_geometry.h"
#include "levels/level_tables.h"
#include "levels/spectro_range.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"

#include <cmath>

namespace vintrel {

namespace {

constexpr std::array<const char*, kIntensityTypes> kLsNames{"I_Lz", "I_L+", "I_L-", "I_Sz",
                                                            "I_S+", "I_S-", "I_LS"};
constexpr std::array<const char*, 3> kJNames{"I_Jz", "I_J+", "I_J-"};

std::string temperatureComment(std::optional<double> temperature) {
    return temperature ? roundTripText(*temperature) + " (Boltzmann populations)"
                       : "none (every population 1)";
}

} // namespace

SpectroscopySource readSpectroscopySource(const ResultLocation& location, bool withEnergies) {
    const ResultInputs inputs = readResultInputs(location, TVariables{});
    SpectroscopySource source;
    source.vars = inputs.variables;
    source.settings = inputs.settings;
    if (source.vars.dynamic_calc)
        throw DataRequestError("the result is a mean-field result; it has no spectroscopy page");
    const std::filesystem::path folder = location.workingRoot / location.resultFolder;
    const auto term = groundTermOf(source.vars.siconf, source.vars.baza, source.vars.cialo);
    const int N = term ? term->N : 0;
    if (N < 1 || N > kMaxLevels)
        throw InputError((folder / kStrengthsFile).string() + ": the configuration \"" +
                         source.vars.siconf + "\" has no energy levels");
    source.lines = readTransitionLines(folder, N, source.vars.baza);
    if (withEnergies)
        source.energies = readGroundAxisEnergies(folder, N);
    return source;
}

std::vector<double> sourcePopulations(const SpectroscopySource& source,
                                      std::optional<double> temperature) {
    if (!temperature)
        return std::vector<double>(kMaxLevels, 1.0);
    if (source.energies.empty())
        throw DataRequestError("the populations need the level energies of o_E.dup");
    return statePopulations(source.energies, temperature);
}

std::vector<std::string> intensityColumnNames(int baza) {
    std::vector<std::string> names;
    if (baza == 2)
        names.assign(kJNames.begin(), kJNames.end());
    else
        names.assign(kLsNames.begin(), kLsNames.end());
    return names;
}

DataTable transitionsDataTable(const SpectroscopySource& source, const std::string& resultName,
                               std::optional<double> temperature) {
    const int baza = source.vars.baza;
    const std::vector<MergedTransition> merged = mergeTransitions(
        source.lines, sourcePopulations(source, temperature), baza, PlotType::kelvin);
    DataTable table;
    addResultComments(table, resultName, source.vars);
    table.comment("temperature [K]", temperatureComment(temperature));
    table.comment("transitions", std::to_string(source.lines.size()) + " lines, " +
                                     std::to_string(merged.size()) + " merged");
    table.columns = {"dE [K]", "dE [meV]", "dE [1/cm]", "from"};
    for (const std::string& name : intensityColumnNames(baza))
        table.columns.push_back(name);
    const int types = intensityTypeCount(baza);
    for (const MergedTransition& m : merged) {
        std::vector<DataTable::Cell> row{m.dE, toPlotUnit(PlotType::meV, m.dE),
                                         toPlotUnit(PlotType::waveNumber, m.dE),
                                         std::int64_t{m.from}};
        for (int k = 0; k < types; ++k)
            row.emplace_back(m.I[static_cast<std::size_t>(k)]);
        table.rows.push_back(std::move(row));
    }
    return table;
}

DataTable transitionsDataTable(const ResultLocation& location, const std::string& resultName,
                               std::optional<double> temperature) {
    return transitionsDataTable(readSpectroscopySource(location, temperature.has_value()),
                                resultName, temperature);
}

SpectrumOptions spectrumOptions(PlotType type, LineShape shape, double width, bool widthInKelvin) {
    SpectrumOptions options;
    options.type = type;
    options.shape = shape;
    options.halfWidthInKelvin = widthInKelvin;
    options.halfWidthK = widthInKelvin ? width : fromPlotUnit(type, width);
    options.halfWidthUnit = widthInKelvin ? toPlotUnit(type, width) : width;
    return options;
}

SpectrumOptions spectrumOptions(PlotType type, LineShape shape, double width, double lorentzWidth,
                                bool widthInKelvin) {
    SpectrumOptions options = spectrumOptions(type, shape, width, widthInKelvin);
    const SpectrumOptions lorentz = spectrumOptions(type, shape, lorentzWidth, widthInKelvin);
    options.lorentzWidthK = lorentz.halfWidthK;
    options.lorentzWidthUnit = lorentz.halfWidthUnit;
    return options;
}

const char* lineShapeName(LineShape shape) {
    switch (shape) {
    case LineShape::lorentz:
        return "lorentz";
    case LineShape::gauss:
        return "gauss";
    case LineShape::voigt:
        return "voigt";
    case LineShape::none:
        break;
    }
    return "none";
}

std::optional<LineShape> lineShapeOfName(const std::string& name) {
    for (LineShape shape :
         {LineShape::none, LineShape::lorentz, LineShape::gauss, LineShape::voigt})
        if (name == lineShapeName(shape))
            return shape;
    return std::nullopt;
}

DataTable spectrumDataTable(const SpectroscopySource& source, const std::string& resultName,
                            const SpectrumDataOptions& options) {
    const int baza = source.vars.baza;
    const PlotType type = options.type;
    const std::string unit = plotTypeLook(type).unit;
    EnergyInterval range;
    if (options.range) {
        const auto kelvin = rangeFromPlotUnits(type, options.range->min, options.range->max);
        if (!kelvin)
            throw DataRequestError("the range " + roundTripText(options.range->min) + " to " +
                                   roundTripText(options.range->max) + " " + unit +
                                   " cannot be drawn");
        range = *options.range;
    } else {
        range = rangeInPlotUnits(
            type, wholeRangeView(type, transitionEnergyRange(source.lines, source.settings),
                                 source.settings));
    }
    if (options.points < 1)
        throw DataRequestError("a spectrum needs 1 point or more");
    const double width = options.width.value_or(
        options.widthInKelvin ? 1.0 : strToFloatDot(plotTypeLook(type).halfWidth));
    const double lorentzWidth = options.lorentzWidth.value_or(width);
    SpectrumOptions spectrum =
        spectrumOptions(type, options.shape, width, lorentzWidth, options.widthInKelvin);
    spectrum.resolution = options.resolution;
    spectrum.normaliseArea = options.normaliseArea;
    const std::vector<MergedTransition> merged =
        mergeTransitions(source.lines, sourcePopulations(source, options.temperature), baza, type);
    const std::vector<SpectrumColumn> columns = synthesizeSpectrum(
        merged, range.min, range.max, options.points, spectrum, spectrumLimits(source.settings));

    DataTable table;
    addResultComments(table, resultName, source.vars);
    table.comment("unit", unit);
    table.comment("range [" + unit + "]",
                  roundTripText(range.min) + " " + roundTripText(range.max));
    table.comment("points", std::to_string(options.points));
    table.comment("shape", lineShapeName(options.shape));
    table.comment(options.widthInKelvin ? "width [K]" : "width [" + unit + "]",
                  roundTripText(width) + (options.resolution
                                              ? " (not used: the resolution gives the widths)"
                                              : " (full width at half maximum)"));
    const std::string widthUnit =
        options.widthInKelvin || type == PlotType::kelvin ? std::string("K") : unit;
    if (options.shape == LineShape::voigt)
        table.comment("lorentz width [" + widthUnit + "]",
                      roundTripText(lorentzWidth) + " (full width at half maximum)");
    if (options.resolution)
        table.comment("resolution [" + widthUnit + "]",
                      "FWHM(E) = " + roundTripText(options.resolution->a) + " + " +
                          roundTripText(options.resolution->b) + " E + " +
                          roundTripText(options.resolution->c) + " E^2 (E in " + widthUnit +
                          ", instead of the width)");
    table.comment("normalisation",
                  !options.normaliseArea ? "peak (each profile's maximum 1)"
                  : options.shape == LineShape::none
                      ? "area (sticks unchanged)"
                      : "area (each profile's area the line's intensity, per " + widthUnit + ")");
    table.comment("temperature [K]", temperatureComment(options.temperature));
    table.comment("limits", roundTripText(source.settings.spectro_emin) + " to " +
                                roundTripText(source.settings.spectro_emax) + " K, " +
                                roundTripText(source.settings.spectro_lmin) + " to " +
                                roundTripText(source.settings.spectro_lmax) + " nm");
    table.columns = {"position [" + unit + "]"};
    for (const std::string& name : intensityColumnNames(baza))
        table.columns.push_back(name);
    table.columns.push_back("total");
    const int types = intensityTypeCount(baza);
    for (const SpectrumColumn& column : columns) {
        std::vector<DataTable::Cell> row{column.position};
        double total = 0;
        for (int k = 0; k < types; ++k) {
            row.emplace_back(column.I[static_cast<std::size_t>(k)]);
            total += column.I[static_cast<std::size_t>(k)];
        }
        row.emplace_back(total);
        table.rows.push_back(std::move(row));
    }
    return table;
}

DataTable spectrumDataTable(const ResultLocation& location, const std::string& resultName,
                            const SpectrumDataOptions& options) {
    return spectrumDataTable(readSpectroscopySource(location, options.temperature.has_value()),
                             resultName, options);
}

} // namespace vintrel
