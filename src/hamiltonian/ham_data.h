#pragma once

#include "base/data_table.h"
#include "hamiltonian/ham_matrices.h"
#include "resultdata/input_files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The terms a `--term` value names: "cef", "ls", "zeeman", or "total" (all three).
std::optional<TermSet> termsNamed(std::string_view name);

/// The name of a set of terms: "total" for all three, "none" for none, otherwise the names of
/// `termsNamed` joined by "+" in the order LS, CEF, Zeeman ("ls+cef").
std::string termsName(TermSet terms);

/// The Hamiltonian of one result as the page reads it: the states' captions and the matrices.
struct HamiltonianResult {
    TVariables vars;
    std::vector<std::string> captions;
    HamiltonianMatrices matrices;
};

/// Reads the Hamiltonian of the result at `location`: its input files as the viewer reads them
/// (`readResultInputs`), then "o_ham.dup" for N = `_dimension` states. Throws DataRequestError
/// for a mean-field result, FileError "Hamiltonian data not found in result file" for a result
/// without "o_ham.dup" (missing or empty), InputError for a damaged file.
HamiltonianResult readHamiltonianResult(const ResultLocation& location);

/// The matrix of the sum of `terms` in long form, one row per element, row by row: `row`,
/// `column` (the states, from 1), `state row`, `state column` (the page's state captions as
/// plain text, "L_z=-2  S_z=0.5", "J_z=-2.5"), `re [K]`, `im [K]` (0 for a real Hamiltonian).
/// The comments name the result (`resultName`) and say `states` and `term` (termsName).
DataTable hamiltonianDataTable(const HamiltonianResult& result, const std::string& resultName,
                               TermSet terms);

/// The same for the result at `location` (readHamiltonianResult).
DataTable hamiltonianDataTable(const ResultLocation& location, const std::string& resultName,
                               TermSet terms);

} // namespace vintrel
