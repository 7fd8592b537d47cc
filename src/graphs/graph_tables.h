#pragma once

#include "base/data_table.h"
#include "graphs/graph_data.h"
#include "graphs/graph_settings.h"
#include "resultdata/input_files.h"

#include <optional>
#include <string>

namespace vintrel {

// The numbers of the temperature pages as tables, for `vintrel-cli data` and the pages'
// "Export data…". Each table names the result and, for every graph settings file the folder
// holds, the graph's range and markers.

/// The comment lines of one graph: "<graph> range [<unit>]" (bottom and top) and
/// "<graph> markers [K, <unit>]" (x y pairs separated by "; ", or "none").
void addGraphComments(DataTable& table, const std::string& graph, const std::string& unit,
                      const GraphSettings& settings);

/// The susceptibility of a result: `T [K]`, `chi_x [muB/T]`, `chi_y [muB/T]` (empty without
/// the y direction), `chi_z [muB/T]`, `chi_powder [muB/T]` (empty when the powder average
/// cannot be formed), then the reciprocals of those four, `1/chi_x [T/muB]` … `1/chi_powder
/// [T/muB]`.
DataTable susceptibilityDataTable(const TVariables& vars, const ChiData& data,
                                  const std::string& resultName);
DataTable susceptibilityDataTable(const ResultLocation& location, const std::string& resultName);

/// The effective moment between the rows nearest to T1 and T2, as the temperature selector of
/// the inverse-susceptibility page gives it: one row per direction the result holds with
/// `direction`, `T1 [K]`, `T2 [K]` (of the rows), `p_eff [muB]`, and `note` ("not set" or
/// "undefined" where p_eff is empty). Without temperatures the two highest rows are taken.
/// Throws DataRequestError for data without rows.
struct TemperaturePair {
    double T1 = 0;
    double T2 = 0;
};
DataTable peffDataTable(const ChiData& data, const TVariables& vars, const std::string& resultName,
                        std::optional<TemperaturePair> between);
DataTable peffDataTable(const ResultLocation& location, const std::string& resultName,
                        std::optional<TemperaturePair> between);

/// The row nearest to temperature T (the first of equally near ones); 0 without rows.
std::size_t nearestRow(const std::vector<double>& temperatures, double T);

/// The Debye estimate of the phonon part: the Debye temperature θ (K) and the atoms per
/// formula unit.
struct DebyeOptions {
    double theta = 350;
    double atoms = 1;
};

/// The specific heat and entropy of a result: `T [K]`, `c [J/(K mol)]`, `c/T [J/(K^2 mol)]`
/// (empty at T = 0), `S [J/(K mol)]`, and with the Debye options `c_D [J/(K mol)]` and
/// `c+c_D [J/(K mol)]`.
DataTable heatDataTable(const TVariables& vars, const SpcData& data, const std::string& resultName,
                        std::optional<DebyeOptions> debye);
DataTable heatDataTable(const ResultLocation& location, const std::string& resultName,
                        std::optional<DebyeOptions> debye);

/// What the six mean-field pages draw, one row per temperature of "d_moment.dup": `T [K]`,
/// `m_x [muB]` … `m_t [muB]` (absolute values, as plotted), `chi_x [muB/T]`, `chi_y [muB/T]`
/// (empty without the y direction), `chi_z [muB/T]`, `chi_powder [muB/T]` (the powder average
/// of the ordinary pages), `1/chi_x [T/muB]` … `1/chi_z [T/muB]` (column 3 of the files, as the
/// inverse page draws it), `1/chi_powder [T/muB]`, `K1 [K]`, `K2 [K]`, `K2' [K]`, `K3 [K]`,
/// `K3' [K]`, `c [J/(K mol)]` and `S [J/(K mol)]`. A value is empty where its file has no row
/// at that temperature (or is missing). Comment `T_c` with the ordering temperature.
struct MeanFieldData {
    MomentData moment;
    std::optional<double> Tc;
    std::optional<ChiData> chi;
    std::optional<AnisoData> aniso;
    std::optional<SpcData> spc;
};
DataTable meanFieldDataTable(const TVariables& vars, const MeanFieldData& data,
                             const std::string& resultName);
/// Reads the files of a mean-field result; an ordinary result (no mean-field switch) throws
/// DataRequestError, a mean-field result without "d_moment.dup" MissingDataError.
DataTable meanFieldDataTable(const ResultLocation& location, const std::string& resultName);

/// The row of `temperatures` that holds T (within 1e-9 K relative); nullopt when none does.
std::optional<std::size_t> rowAtTemperature(const std::vector<double>& temperatures, double T);

} // namespace vintrel
