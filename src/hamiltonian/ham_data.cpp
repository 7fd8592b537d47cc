#include "hamiltonian/ham_data.h"

#include "base/binary_file.h"

#include "hamiltonian/ham_states.h"
#include "hamiltonian/ham_texts.h"
#include "resultdata/dup_reader.h"
#include "resultdata/result_summary.h"
#include "resultdata/term_values.h"

namespace vintrel {

namespace {

const char* termName(HamTerm term) {
    switch (term) {
    case HamTerm::cef:
        return "cef";
    case HamTerm::ls:
        return "ls";
    case HamTerm::zeeman:
        return "zeeman";
    }
    return "";
}

} // namespace

std::optional<TermSet> termsNamed(std::string_view name) {
    if (name == "total")
        return TermSet::all();
    for (HamTerm term : kTermOrder)
        if (name == termName(term))
            return TermSet{term};
    return std::nullopt;
}

std::string termsName(TermSet terms) {
    if (terms == TermSet::all())
        return "total";
    if (terms.empty())
        return "none";
    std::string name;
    for (HamTerm term : kTermOrder)
        if (terms.has(term))
            name += (name.empty() ? "" : "+") + std::string(termName(term));
    return name;
}

HamiltonianResult readHamiltonianResult(const ResultLocation& location) {
    HamiltonianResult result;
    result.vars = readResultInputs(location, TVariables{}).variables;
    if (result.vars.dynamic_calc)
        throw DataRequestError("the result is a mean-field result; it has no Hamiltonian page");
    const auto term =
        termValues(result.vars.siconf, basisIndex(result.vars.baza, result.vars.cialo));
    if (term)
        result.captions = stateCaptions(result.vars.baza, *term);
    result.matrices.reset(result.vars._dimension, result.vars.cialo == 2);
    if (!readHamiltonian(location.workingRoot / location.resultFolder, result.matrices))
        throw FileError(kNoHamiltonianText);
    return result;
}

DataTable hamiltonianDataTable(const HamiltonianResult& result, const std::string& resultName,
                               TermSet terms) {
    DataTable table;
    addResultComments(table, resultName, result.vars);
    const int N = result.matrices.fits() ? result.matrices.states() : 0;
    table.comment("states", std::to_string(N));
    table.comment("term", termsName(terms));
    table.columns = {"row", "column", "state row", "state column", "re [K]", "im [K]"};
    HamiltonianMatrices matrices = result.matrices;
    matrices.sum(terms);
    auto caption = [&](int state) {
        return state <= int(result.captions.size()) ? result.captions[std::size_t(state - 1)]
                                                    : std::string();
    };
    table.rows.reserve(std::size_t(N) * std::size_t(N));
    for (int row = 1; row <= N; ++row)
        for (int column = 1; column <= N; ++column) {
            const HamElement value = matrices.element(matrices.selected(), row, column);
            table.rows.push_back({std::int64_t{row}, std::int64_t{column}, caption(row),
                                  caption(column), value.re, value.im});
        }
    return table;
}

DataTable hamiltonianDataTable(const ResultLocation& location, const std::string& resultName,
                               TermSet terms) {
    return hamiltonianDataTable(readHamiltonianResult(location), resultName, terms);
}

} // namespace vintrel
