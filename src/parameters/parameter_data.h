#pragma once

#include "base/data_table.h"
#include "resultdata/input_files.h"

#include <string>
#include <vector>

namespace vintrel {

/// The coefficient slots (0 … 26, in slot order) that the parameters page lists for a
/// result: none when the ion's ground term hides the coefficient column; otherwise those that
/// the ion's open shell and basis (the element mask of its configuration), the symmetry and,
/// for a real Hamiltonian, the real-valued operators allow.
std::vector<int> listedCoefficientSlots(const TVariables& vars);

/// The coefficients of an ordinary result as the parameters page lists them, one row per
/// listed slot: `slot` (1 … 27), `n`, `m`, `B [K]`, `A [K/a0^n]`. The comments name the result
/// (`resultName`), the ion, the basis, the Hamiltonian, the field, the symmetry and the
/// spin-orbit constant. Without "input_bn.dup" (`hasB` false) the B cells are empty and a
/// comment says so. Throws DataRequestError for a mean-field result.
DataTable parameterDataTable(const TVariables& vars, const std::string& resultName, bool hasB);

/// The same for the result at `location`, its input files read as the viewer reads them
/// (`readResultInputs`); an empty "input_bn.dup" counts as missing.
DataTable parameterDataTable(const ResultLocation& location, const std::string& resultName);

} // namespace vintrel
