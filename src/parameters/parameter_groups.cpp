#include "parameters/parameter_groups.h"

namespace vintrel {

ParameterGroups parameterGroups(int baza, const std::optional<TermValues>& term) {
    ParameterGroups groups;
    groups.jFormula = baza == 2;
    if (!term)
        return groups;
    const bool orbital = term->L != 0;
    if (baza == 1 && orbital) {
        groups.cef = groups.spinOrbit = groups.field = true;
    } else if (baza == 2 && orbital && term->J != 0) {
        groups.cef = groups.field = true;
    } else if ((baza == 1 && term->S != 0) || (baza == 2 && term->J != 0)) {
        groups.field = true;
    }
    return groups;
}

} // namespace vintrel
