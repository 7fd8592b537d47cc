#pragma once

#include "base/data_table.h"
#include "resultdata/result_variables.h"

#include <string>

namespace vintrel {

/// The ion as a physicist writes it: element symbol, then the charge and its sign ("Ce3+",
/// "Cl1-"); the symbol alone for charge 0; "?" for an element row outside the table.
std::string ionText(const TVariables& vars);

/// The name of a basis: "|L,Lz,S,Sz>" for 1, "|J,Jz>" for 2.
std::string basisName(int baza);

/// "real" for Hamiltonian kind 1, "complex" for 2.
std::string hamiltonianName(int cialo);

/// The comment lines that say which result a table is of: `result`, `ion`, `configuration`,
/// `basis`, `hamiltonian`, `field [T]`, `field angle [deg]` and `field azimuth [deg]`.
void addResultComments(DataTable& table, const std::string& resultName, const TVariables& vars);

} // namespace vintrel
