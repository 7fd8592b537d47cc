#include "levels/mean_field_levels.h"

#include "base/number_pattern.h"
#include "base/number_text.h"
#include "base/rounding.h"
#include "graphs/graph_data.h"
#include "graphs/graph_tables.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vintrel {

namespace {

// The step's temperature: the text one character after the marker, up to the next blank.
std::optional<double> markerTemperature(std::string_view line, std::size_t markerLength) {
    if (line.size() <= markerLength + 1)
        return std::nullopt;
    std::string_view text = line.substr(markerLength + 1);
    text = text.substr(0, text.find_first_of(" \t"));
    return parseRealDot(text);
}

// Reads the next block's temperature and z energies; false (with `note`) where the steps end.
bool readStep(DupReader& reader, int block, int N, bool complexHamiltonian, MeanFieldStep& step,
              std::string& note) {
    const std::string marker = blockMarker('x', block);
    const auto line = findMarkerLine(reader, marker);
    if (!line)
        return false;
    const auto T = markerTemperature(*line, marker.size());
    if (!T) {
        note = "block " + std::to_string(block) + " has no temperature on its marker line";
        return false;
    }
    if (complexHamiltonian && !findMarker(reader, blockMarker('y', block))) {
        note = "block " + std::to_string(block) + " has no y section";
        return false;
    }
    if (!findMarker(reader, blockMarker('z', block))) {
        note = "block " + std::to_string(block) + " has no z section";
        return false;
    }
    const auto rows = readLevelSection(reader, N, 1);
    if (static_cast<int>(rows.size()) < N) {
        note = "the z section of block " + std::to_string(block) + " holds " +
               std::to_string(rows.size()) + " of " + std::to_string(N) + " levels";
        return false;
    }
    step.block = block;
    step.T = *T;
    step.E.clear();
    for (const auto& row : rows)
        step.E.push_back(row[0]);
    return true;
}

int levelCountOf(const TVariables& vars) {
    const auto term = groundTermOf(vars.siconf, vars.baza, vars.cialo);
    return term ? term->N : 0;
}

DataTable::Cell cellOf(std::optional<double> value) {
    if (!value || !std::isfinite(*value))
        return std::string();
    return *value;
}

} // namespace

MeanFieldLevels parseMeanFieldLevels(const MeanFieldLevelTexts& texts, int N,
                                     bool complexHamiltonian, double exchange, int maxSteps) {
    MeanFieldLevels result;
    result.N = N;
    if (texts.temp)
        result.Tc = parseTransitionTemperature(texts.tempName, *texts.temp);
    std::optional<MomentData> moments;
    if (texts.moment) {
        moments = parseMomentData(texts.momentName, *texts.moment);
        result.hasMoments = true;
    }
    if (!texts.levels || N < 1 || N > kMaxLevels)
        return result;
    result.range = scanEnergyRangeText(texts.levelsName, *texts.levels, 0, N, complexHamiltonian);
    DupReader reader(texts.levelsName, *texts.levels);
    for (int k = 0; k < maxSteps; ++k) {
        MeanFieldStep step;
        if (!readStep(reader, k, N, complexHamiltonian, step, result.note))
            break;
        if (moments)
            if (const auto row = rowAtTemperature(moments->T, step.T))
                step.field = exchange * moments->m[3][*row];
        result.steps.push_back(std::move(step));
    }
    return result;
}

MeanFieldLevels readMeanFieldLevels(const std::filesystem::path& folder, const TVariables& vars,
                                    const TResultSettings& settings) {
    const auto levelsFile = folder / kLevelsFile;
    const auto tempFile = folder / kTempFile;
    const auto momentFile = folder / kMomentFile;
    const auto levels = readResultFile(levelsFile);
    const auto temp = readResultFile(tempFile);
    const auto moment = readResultFile(momentFile);
    const std::string_view levelsText = levels ? *levels : std::string_view();
    const std::string_view tempText = temp ? *temp : std::string_view();
    const std::string_view momentText = moment ? *moment : std::string_view();
    MeanFieldLevelTexts texts;
    texts.levelsName = levelsFile.string();
    texts.tempName = tempFile.string();
    texts.momentName = momentFile.string();
    texts.levels = levels ? &levelsText : nullptr;
    texts.temp = temp ? &tempText : nullptr;
    texts.moment = moment ? &momentText : nullptr;
    return parseMeanFieldLevels(texts, levelCountOf(vars), vars.cialo == 2, vars.dynamic_n_ex,
                                settings.chi_points);
}

bool MeanFieldLevelCache::refresh(const std::filesystem::path& folder, const TVariables& vars,
                                  const TResultSettings& settings) {
    Stamp stamp;
    stamp.folder = folder;
    stamp.levels = fileStamp(folder / kLevelsFile);
    stamp.temp = fileStamp(folder / kTempFile);
    stamp.moment = fileStamp(folder / kMomentFile);
    stamp.N = levelCountOf(vars);
    stamp.complexHamiltonian = vars.cialo == 2;
    stamp.exchange = vars.dynamic_n_ex;
    stamp.maxSteps = settings.chi_points;
    if (stamp_ && *stamp_ == stamp)
        return false;
    // A damaged file is reported once, not at every paint: the stamp is taken before reading.
    stamp_ = stamp;
    levels_ = {};
    levels_ = readMeanFieldLevels(folder, vars, settings);
    return true;
}

TemperatureSlider temperatureSlider(std::int64_t S, std::int64_t a, std::int64_t b) {
    const double maximum =
        (static_cast<double>(S) - static_cast<double>(a) * (static_cast<double>(b) - 1)) *
        static_cast<double>(b);
    if (!(maximum >= 1))
        return {0, false};
    constexpr double kMost = std::numeric_limits<int>::max();
    return {static_cast<int>(std::min(maximum, kMost)), true};
}

double sliderTemperature(int position, int maximum, double Tfirst, double Tlast) {
    if (maximum <= 0)
        return Tfirst;
    return Tfirst + static_cast<double>(position) / maximum * (Tlast - Tfirst);
}

std::string sliderHint(double T) {
    return "T=" + floatToStrDot(T) + "K";
}

TemperatureAxis temperatureAxis(double Tfirst, double Tlast) {
    if (!std::isfinite(Tfirst))
        Tfirst = 0;
    if (!std::isfinite(Tlast) || Tlast - Tfirst < 1)
        Tlast = Tfirst + 1;
    return {Tfirst, Tlast};
}

int temperatureToColumn(double T, const TemperatureAxis& axis, int W) {
    double b = (T - axis.first) / (axis.last - axis.first);
    b = std::isnan(b) ? 0 : std::clamp(b, 0.0, 1.0);
    return roundHalfEven((W - 70) * b + 40);
}

std::vector<double> temperatureTicks(const TemperatureAxis& axis) {
    const double span = axis.last - axis.first;
    return {axis.first, axis.first + span / 4, axis.first + span / 2, axis.first + span * 3 / 4,
            axis.last};
}

StepSelection selectStep(const std::vector<MeanFieldStep>& steps, double Tsel, double Tfirst) {
    StepSelection selection;
    double previous = Tfirst;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const double T = steps[k].T;
        if (previous <= Tsel && Tsel <= T) {
            selection.segment = static_cast<int>(k);
            const bool nearerPrevious = k > 0 && Tsel - previous < T - Tsel;
            selection.step = static_cast<int>(nearerPrevious ? k - 1 : k);
            return selection;
        }
        previous = T;
    }
    // Past the last step (or on steps out of order): the step nearest to the temperature.
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < steps.size(); ++k)
        if (const double d = std::fabs(steps[k].T - Tsel); d < best) {
            best = d;
            selection.step = static_cast<int>(k);
        }
    return selection;
}

std::string sliderPositionText(double Tsel) {
    return formatFloatDot("0.##", Tsel) + " K";
}

std::string selectedTemperatureText(double T) {
    return formatFloatDot("0.###", T) + " K";
}

std::string molecularFieldText(std::optional<double> field) {
    if (!field)
        return {};
    return formatFloatDot("0.##", *field) + " T";
}

std::string detailTemperatureLine(double T) {
    return "Temperature:  " + floatToStrDot(T) + " K";
}

DataTable meanFieldLevelsDataTable(const TVariables& vars, const MeanFieldLevels& levels,
                                   const std::string& resultName) {
    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("T_c", levels.Tc ? roundTripText(*levels.Tc) + " K" : std::string("not found"));
    table.comment("exchange parameter [T/muB]", roundTripText(vars.dynamic_n_ex));
    if (!levels.note.empty())
        table.comment("steps end early", levels.note);
    table.columns = {"step", "T [K]", "B_mol [T]"};
    for (int i = 1; i <= levels.N; ++i)
        table.columns.push_back("E" + std::to_string(i) + "-E0 [K]");
    for (const MeanFieldStep& step : levels.steps) {
        std::vector<DataTable::Cell> row;
        row.reserve(3 + step.E.size());
        row.emplace_back(std::int64_t{step.block});
        row.emplace_back(step.T);
        row.push_back(cellOf(step.field));
        const double E0 = *std::min_element(step.E.begin(), step.E.end());
        for (double E : step.E)
            row.emplace_back(std::in_place_type<double>, E - E0);
        table.rows.push_back(std::move(row));
    }
    return table;
}

DataTable meanFieldLevelsDataTable(const ResultLocation& location, const std::string& resultName) {
    const ResultInputs inputs = readResultInputs(location, TVariables{});
    const TVariables& vars = inputs.variables;
    if (!vars.dynamic_calc)
        throw DataRequestError("not a mean-field result: it has no mean-field level page");
    const auto folder = location.workingRoot / location.resultFolder;
    const int N = levelCountOf(vars);
    if (N < 1 || N > kMaxLevels)
        throw InputError((folder / kLevelsFile).string() + ": the configuration \"" + vars.siconf +
                         "\" has no energy levels");
    const MeanFieldLevels levels = readMeanFieldLevels(folder, vars, inputs.settings);
    if (!levels.range)
        throw InputError("Cannot open file " + (folder / kLevelsFile).string());
    return meanFieldLevelsDataTable(vars, levels, resultName);
}

} // namespace vintrel
