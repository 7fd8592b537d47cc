#include "levels/level_data.h"

#include "base/number_text.h"
#include "levels/diagram_geometry.h"
#include "levels/level_value_names.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace vintrel {

namespace {

void checkRequest(const TVariables& vars, const LevelDataOptions& options) {
    if (vars.dynamic_calc)
        throw DataRequestError("the result is a mean-field result; its levels are not shown on "
                               "the energy-level page");
    if (options.axis == Axis::y && vars.cialo != 2)
        throw DataRequestError("the y axis is calculated only for a complex Hamiltonian; this "
                               "result's Hamiltonian is real");
    if (!std::isfinite(options.tolerance) || options.tolerance < 0)
        throw DataRequestError("the tolerance must be a number of kelvin, 0 or more");
}

int levelCountOf(const TVariables& vars, const std::string& fileName) {
    const auto term = groundTermOf(vars.siconf, vars.baza, vars.cialo);
    if (!term || term->N < 1 || term->N > kMaxLevels)
        throw InputError(fileName + ": the configuration \"" + vars.siconf +
                         "\" has no energy levels");
    return term->N;
}

} // namespace

std::vector<int> levelGroups(const AxisLevels& levels, int count, double tolerance) {
    const int last = std::clamp(count, 0, kMaxLevels);
    std::vector<int> groups;
    int made = 0;
    for (int i = 1; i <= last; ++i) {
        const int first = findLevelIndex(levels, last, levels.E[i], tolerance);
        groups.push_back(first >= 1 && first < i ? groups[static_cast<std::size_t>(first - 1)]
                                                 : ++made);
    }
    return groups;
}

DataTable levelDataTable(const TVariables& vars, const std::string& resultName,
                         const std::string& fileName, std::string_view content,
                         const LevelDataOptions& options) {
    checkRequest(vars, options);
    const int N = levelCountOf(vars, fileName);
    auto tables = std::make_unique<LevelTables>();
    const LevelReadOutcome outcome =
        readLevelTablesText(fileName, content, 0, N, vars.cialo == 2, *tables);
    const char letter = axisLetter(options.axis);
    const int read = outcome.levelsRead[static_cast<int>(options.axis)];
    if (read != N)
        throw InputError(fileName + ": the " + letter + " section holds " + std::to_string(read) +
                         " of " + std::to_string(N) + " levels");
    const AxisLevels& levels = tables->axis(options.axis);

    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("axis", std::string(1, letter));
    table.comment("tolerance", roundTripText(options.tolerance));
    const ExpectedValueNames names = expectedValueNames(options.axis, vars.baza);
    table.columns = {"level", "E [K]",       "E-E0 [K]", "E-E0 [meV]",  "E-E0 [1/cm]",
                     "group", names.orbital, names.spin, names.combined};
    const double E0 = *std::min_element(levels.E.begin() + 1, levels.E.begin() + N + 1);
    const std::vector<int> groups = levelGroups(levels, N, options.tolerance);
    for (int i = 1; i <= N; ++i) {
        const double relative = readDifference(levels.E[i], E0);
        table.rows.push_back({std::int64_t{i}, levels.E[i], relative,
                              energyUnitFactor(EnergyUnit::meV, relative),
                              energyUnitFactor(EnergyUnit::inverseCm, relative),
                              std::int64_t{groups[static_cast<std::size_t>(i - 1)]}, levels.L[i],
                              levels.S[i], levels.L[i] + kElectronG * levels.S[i]});
    }
    return table;
}

DataTable levelDataTable(const ResultLocation& location, const std::string& resultName,
                         const LevelDataOptions& options) {
    const TVariables vars = readResultInputs(location, TVariables{}).variables;
    checkRequest(vars, options);
    const auto file = location.workingRoot / location.resultFolder / kLevelsFile;
    return levelDataTable(vars, resultName, file.string(), readRequiredResultFile(file), options);
}

} // namespace vintrel
