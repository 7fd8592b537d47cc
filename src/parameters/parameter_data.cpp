#include "parameters/parameter_data.h"

#include "parameters/coefficient_rows.h"
#include "parameters/element_panel_model.h"
#include "parameters/parameter_groups.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"
#include "resultdata/term_values.h"

namespace vintrel {

std::vector<int> listedCoefficientSlots(const TVariables& vars) {
    std::vector<int> listed;
    const auto term = termValues(vars.siconf, basisIndex(vars.baza, vars.cialo));
    if (!parameterGroups(vars.baza, term).cef)
        return listed;
    TVariables shell = vars;
    chowajConfiguration(shell, shell.siconf);
    const masktype symmask = symmetryChoice(vars.symmetry).mask;
    for (int slot = 0; slot < 27; ++slot)
        if (slotListed(slot, shell.elemmask, symmask, vars.cialo))
            listed.push_back(slot);
    return listed;
}

DataTable parameterDataTable(const TVariables& vars, const std::string& resultName, bool hasB) {
    if (vars.dynamic_calc)
        throw DataRequestError("the result is a mean-field result; it has no parameters page");
    DataTable table;
    addResultComments(table, resultName, vars);
    table.comment("symmetry", symmetryChoice(vars.symmetry).name);
    table.comment("spin-orbit constant [K]", roundTripText(vars.lambda));
    if (!hasB)
        table.comment("B parameters", "not found in result file");
    table.columns = {"slot", "n", "m", "B [K]", "A [K/a0^n]"};
    for (int slot : listedCoefficientSlots(vars)) {
        const SlotIndices indices = slotIndices(slot);
        const auto at = static_cast<std::size_t>(slot);
        DataTable::Cell b = std::string();
        if (hasB)
            b = vars._wsp_B[at];
        table.rows.push_back({std::int64_t{slot + 1}, std::int64_t{indices.rank},
                              std::int64_t{indices.m}, b, vars.wsp_A[at]});
    }
    return table;
}

DataTable parameterDataTable(const ResultLocation& location, const std::string& resultName) {
    const TVariables vars = readResultInputs(location, TVariables{}).variables;
    const bool hasB =
        resultFilePresent(location.workingRoot / location.resultFolder / kInputBnFile);
    return parameterDataTable(vars, resultName, hasB);
}

} // namespace vintrel
