#pragma once

#include "resultdata/term_values.h"

#include <optional>

namespace vintrel {

/// Which groups of the parameters page the ion's ground term calls for, and which field
/// formula goes with the basis.
struct ParameterGroups {
    bool cef = false;       ///< the coefficient column
    bool spinOrbit = false; ///< the spin-orbit group
    bool field = false;     ///< the magnetic-field group
    bool jFormula = false;  ///< the field formula of the |J,Jz> basis (g_J mu_B J . B)
};

/// The groups for basis `baza` (1: L, S, Lz, Sz; 2: J, Jz) and the ground term; without a
/// term (no valid open shell) every group is hidden.
ParameterGroups parameterGroups(int baza, const std::optional<TermValues>& term);

} // namespace vintrel
