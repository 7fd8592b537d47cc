#include "resultdata/result_summary.h"

#include "resultdata/element_table.h"

#include <cstdlib>

namespace vintrel {

std::string ionText(const TVariables& vars) {
    const ElementRow* row = elementRow(vars.element);
    if (row == nullptr)
        return "?";
    std::string text(row->symbol);
    if (vars._ionvalue != 0)
        text += std::to_string(std::abs(static_cast<long long>(vars._ionvalue))) +
                (vars._ionvalue > 0 ? "+" : "-");
    return text;
}

std::string basisName(int baza) {
    return baza == 2 ? "|J,Jz>" : "|L,Lz,S,Sz>";
}

std::string hamiltonianName(int cialo) {
    return cialo == 2 ? "complex" : "real";
}

void addResultComments(DataTable& table, const std::string& resultName, const TVariables& vars) {
    table.comment("result", resultName);
    table.comment("ion", ionText(vars));
    table.comment("configuration", vars.siconf);
    table.comment("basis", basisName(vars.baza));
    table.comment("hamiltonian", hamiltonianName(vars.cialo));
    table.comment("field [T]", roundTripText(vars.magfield));
    table.comment("field angle [deg]", roundTripText(vars.magangle));
    table.comment("field azimuth [deg]", roundTripText(vars.magangle2));
}

} // namespace vintrel
