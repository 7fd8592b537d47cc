#include "graphs/graph_tables.h"

#include "graphs/derived_curves.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"

#include <algorithm>
#include <cmath>

namespace vintrel {

namespace {

DataTable::Cell cell(double value) {
    if (!std::isfinite(value))
        return std::string();
    return value;
}

std::string trimmedNote(const std::string& note) {
    const auto first = note.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : note.substr(first);
}

/// The comments of a settings file of the folder, when it holds one.
void addStoredGraphComments(DataTable& table, const std::filesystem::path& folder,
                            GraphSettingsKind kind, const std::string& graph,
                            const std::string& unit) {
    try {
        if (const auto settings = readGraphSettings(folder, kind))
            addGraphComments(table, graph, unit, *settings);
    } catch (const InputError& error) {
        table.comment(graph + " settings", error.what());
    }
}

/// The inverse page of a mean-field result keeps its markers as reciprocals (T, χ): the
/// comments give them as the page shows them, (T, 1/χ).
void addStoredInverseComments(DataTable& table, const std::filesystem::path& folder) {
    try {
        if (auto settings = readGraphSettings(folder, GraphSettingsKind::InvChi)) {
            for (xy_pts& m : settings->markers)
                m.y = m.y != 0 ? 1 / m.y : 0;
            addGraphComments(table, "1/chi graph", "T/muB", *settings);
        }
    } catch (const InputError& error) {
        table.comment("1/chi graph settings", error.what());
    }
}

std::filesystem::path folderOf(const ResultLocation& location) {
    return location.workingRoot / location.resultFolder;
}

TVariables variablesOf(const ResultLocation& location) {
    return readResultInputs(location, TVariables{}).variables;
}

} // namespace

void addGraphComments(DataTable& table, const std::string& graph, const std::string& unit,
                      const GraphSettings& settings) {
    table.comment(graph + " range [" + unit + "]",
                  roundTripText(settings.axis.bottom) + " " + roundTripText(settings.axis.top()));
    std::string markers;
    for (const xy_pts& m : settings.markers)
        markers += (markers.empty() ? "" : "; ") + roundTripText(m.x) + " " + roundTripText(m.y);
    table.comment(graph + " markers [K, " + unit + "]", markers.empty() ? "none" : markers);
}

DataTable susceptibilityDataTable(const TVariables& vars, const ChiData& data,
                                  const std::string& resultName) {
    DataTable table;
    addResultComments(table, resultName, vars);
    const auto& x = data.chi[directionIndex(Direction::x)];
    const auto& y = data.chi[directionIndex(Direction::y)];
    const auto& z = data.chi[directionIndex(Direction::z)];
    const bool uniaxial = isUniaxial(vars);
    const auto powder = powderAverage(x, data.hasY ? &y : nullptr, z, uniaxial);
    table.comment("chi_powder", data.hasY ? "(chi_x + chi_y + chi_z)/3"
                                : powder  ? "(2 chi_x + chi_z)/3, the result being uniaxial"
                                          : kPowderAverageUnavailable);
    table.columns = {"T [K]",           "chi_x [muB/T]",      "chi_y [muB/T]",
                     "chi_z [muB/T]",   "chi_powder [muB/T]", "1/chi_x [T/muB]",
                     "1/chi_y [T/muB]", "1/chi_z [T/muB]",    "1/chi_powder [T/muB]"};
    const auto reciprocal = [](double v) { return v != 0 ? 1 / v : std::nan(""); };
    for (std::size_t r = 0; r < data.rowCount(); ++r) {
        const double p = powder ? (*powder)[r] : std::nan("");
        const double yv = data.hasY ? y[r] : std::nan("");
        table.rows.push_back({data.T[r], cell(x[r]), cell(yv), cell(z[r]), cell(p),
                              cell(reciprocal(x[r])), cell(reciprocal(yv)), cell(reciprocal(z[r])),
                              cell(reciprocal(p))});
    }
    return table;
}

DataTable susceptibilityDataTable(const ResultLocation& location, const std::string& resultName) {
    const TVariables vars = variablesOf(location);
    const auto folder = folderOf(location);
    DataTable table =
        susceptibilityDataTable(vars, readChiData(folder, vars.cialo == 2), resultName);
    addStoredGraphComments(table, folder, GraphSettingsKind::Chi, "chi graph", "muB/T");
    addStoredGraphComments(table, folder, GraphSettingsKind::InvChi, "1/chi graph", "T/muB");
    return table;
}

std::size_t nearestRow(const std::vector<double>& temperatures, double T) {
    std::size_t best = 0;
    for (std::size_t r = 1; r < temperatures.size(); ++r)
        if (std::abs(temperatures[r] - T) < std::abs(temperatures[best] - T))
            best = r;
    return best;
}

DataTable peffDataTable(const ChiData& data, const TVariables& vars, const std::string& resultName,
                        std::optional<TemperaturePair> between) {
    const std::size_t rows = data.rowCount();
    if (rows == 0)
        throw DataRequestError("the susceptibility files hold no rows");
    std::size_t a = rows >= 2 ? rows - 2 : 0;
    std::size_t b = rows - 1;
    if (between) {
        a = nearestRow(data.T, between->T1);
        b = nearestRow(data.T, between->T2);
    }
    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("p_eff", "2.113 sqrt(|T2 - T1| / |1/chi(T2) - 1/chi(T1)|)");
    table.columns = {"direction", "T1 [K]", "T2 [K]", "p_eff [muB]", "note"};
    for (Direction d : kDirections) {
        if (!data.has(d))
            continue;
        const auto& inverse = data.inverse[directionIndex(d)];
        const EffectiveMoment p =
            effectiveMoment(data.T[a], inverse[a], data.T[b], inverse[b], a == b);
        table.rows.push_back({std::string(1, directionLetter(d)), data.T[a], data.T[b],
                              p.value ? DataTable::Cell(*p.value) : DataTable::Cell(std::string()),
                              trimmedNote(p.note)});
    }
    return table;
}

DataTable peffDataTable(const ResultLocation& location, const std::string& resultName,
                        std::optional<TemperaturePair> between) {
    const TVariables vars = variablesOf(location);
    return peffDataTable(readChiData(folderOf(location), vars.cialo == 2), vars, resultName,
                         between);
}

DataTable heatDataTable(const TVariables& vars, const SpcData& data, const std::string& resultName,
                        std::optional<DebyeOptions> debye) {
    DataTable table;
    addResultComments(table, resultName, vars);
    table.columns = {"T [K]", "c [J/(K mol)]", "c/T [J/(K^2 mol)]", "S [J/(K mol)]"};
    if (debye) {
        table.comment("Debye temperature [K]", roundTripText(debye->theta));
        table.comment("atoms per formula unit", roundTripText(debye->atoms));
        table.columns.push_back("c_D [J/(K mol)]");
        table.columns.push_back("c+c_D [J/(K mol)]");
    }
    for (std::size_t r = 0; r < data.rowCount(); ++r) {
        const double T = data.T[r];
        std::vector<DataTable::Cell> row = {T, data.c[r], cell(T != 0 ? data.c[r] / T : NAN),
                                            data.S[r]};
        if (debye) {
            const double cD = debyeHeat(T, debye->theta, debye->atoms);
            row.push_back(cell(cD));
            row.push_back(cell(cD + data.c[r]));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

DataTable heatDataTable(const ResultLocation& location, const std::string& resultName,
                        std::optional<DebyeOptions> debye) {
    const TVariables vars = variablesOf(location);
    const auto folder = folderOf(location);
    DataTable table = heatDataTable(vars, readSpcData(folder), resultName, debye);
    addStoredGraphComments(table, folder, GraphSettingsKind::SpecificHeat, "specific heat graph",
                           "J/(K mol)");
    addStoredGraphComments(table, folder, GraphSettingsKind::Entropy, "entropy graph", "J/(K mol)");
    return table;
}

std::optional<std::size_t> rowAtTemperature(const std::vector<double>& temperatures, double T) {
    for (std::size_t r = 0; r < temperatures.size(); ++r)
        if (std::abs(temperatures[r] - T) <= 1e-9 * std::max(1.0, std::abs(T)))
            return r;
    return std::nullopt;
}

DataTable meanFieldDataTable(const TVariables& vars, const MeanFieldData& data,
                             const std::string& resultName) {
    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("T_c", data.Tc ? roundTripText(*data.Tc) + " K" : std::string("not found"));
    std::optional<std::vector<double>> powder;
    if (data.chi) {
        const auto& chi = data.chi->chi;
        powder =
            powderAverage(chi[0], data.chi->hasY ? &chi[1] : nullptr, chi[2], isUniaxial(vars));
        table.comment("chi_powder", data.chi->hasY ? "(chi_x + chi_y + chi_z)/3"
                                    : powder ? "(2 chi_x + chi_z)/3, the result being uniaxial"
                                             : kPowderAverageUnavailable);
    }
    table.columns = {"T [K]",
                     "m_x [muB]",
                     "m_y [muB]",
                     "m_z [muB]",
                     "m_t [muB]",
                     "chi_x [muB/T]",
                     "chi_y [muB/T]",
                     "chi_z [muB/T]",
                     "chi_powder [muB/T]",
                     "1/chi_x [T/muB]",
                     "1/chi_y [T/muB]",
                     "1/chi_z [T/muB]",
                     "1/chi_powder [T/muB]",
                     "K1 [K]",
                     "K2 [K]",
                     "K2' [K]",
                     "K3 [K]",
                     "K3' [K]",
                     "c [J/(K mol)]",
                     "S [J/(K mol)]"};
    // Rows of the other files are found by temperature; npos: the file has none there.
    constexpr std::size_t none = std::string::npos;
    const auto value = [](const std::vector<double>& column, std::size_t r) {
        return r < column.size() ? cell(column[r]) : DataTable::Cell(std::string());
    };
    const auto rowIn = [&](const std::vector<double>* temperatures, double T) {
        if (!temperatures)
            return none;
        return rowAtTemperature(*temperatures, T).value_or(none);
    };
    for (std::size_t r = 0; r < data.moment.rowCount(); ++r) {
        const double T = data.moment.T[r];
        std::vector<DataTable::Cell> row = {T};
        for (const auto& m : data.moment.m)
            row.push_back(cell(m[r]));
        const std::size_t chiRow = rowIn(data.chi ? &data.chi->T : nullptr, T);
        for (Direction d : kDirections)
            row.push_back(data.chi && data.chi->has(d)
                              ? value(data.chi->chi[directionIndex(d)], chiRow)
                              : DataTable::Cell(std::string()));
        row.push_back(powder ? value(*powder, chiRow) : DataTable::Cell(std::string()));
        for (Direction d : kDirections)
            row.push_back(data.chi && data.chi->has(d)
                              ? value(data.chi->inverse[directionIndex(d)], chiRow)
                              : DataTable::Cell(std::string()));
        if (powder && chiRow < powder->size() && (*powder)[chiRow] != 0)
            row.push_back(cell(1 / (*powder)[chiRow]));
        else
            row.push_back(std::string());
        const std::size_t anisoRow = rowIn(data.aniso ? &data.aniso->T : nullptr, T);
        for (std::size_t k = 0; k < 5; ++k)
            row.push_back(data.aniso ? value(data.aniso->K[k], anisoRow)
                                     : DataTable::Cell(std::string()));
        const std::size_t spcRow = rowIn(data.spc ? &data.spc->T : nullptr, T);
        row.push_back(data.spc ? value(data.spc->c, spcRow) : DataTable::Cell(std::string()));
        row.push_back(data.spc ? value(data.spc->S, spcRow) : DataTable::Cell(std::string()));
        table.rows.push_back(std::move(row));
    }
    return table;
}

DataTable meanFieldDataTable(const ResultLocation& location, const std::string& resultName) {
    const auto folder = folderOf(location);
    const TVariables vars = variablesOf(location);
    if (!vars.dynamic_calc)
        throw DataRequestError("not a mean-field result: it has no mean-field pages");
    MeanFieldData data;
    data.moment = readMomentData(folder);
    if (resultFilePresent(folder / kTempFile))
        data.Tc = readTransitionTemperature(folder);
    if (resultFilePresent(folder / kChiFiles[0]) && resultFilePresent(folder / kChiFiles[2]))
        data.chi = readChiData(folder, vars.cialo == 2);
    if (resultFilePresent(folder / kAnisoFile))
        data.aniso = readAnisoData(folder);
    if (resultFilePresent(folder / kSpcFile))
        data.spc = readSpcData(folder);
    DataTable table = meanFieldDataTable(vars, data, resultName);
    addStoredGraphComments(table, folder, GraphSettingsKind::Moment, "moment graph", "muB");
    addStoredGraphComments(table, folder, GraphSettingsKind::Chi, "chi graph", "muB/T");
    addStoredInverseComments(table, folder);
    addStoredGraphComments(table, folder, GraphSettingsKind::Anisotropy, "anisotropy graph", "K");
    addStoredGraphComments(table, folder, GraphSettingsKind::SpecificHeat, "specific heat graph",
                           "J/(K mol)");
    addStoredGraphComments(table, folder, GraphSettingsKind::Entropy, "entropy graph", "J/(K mol)");
    return table;
}

} // namespace vintrel
