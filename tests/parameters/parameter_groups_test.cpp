#include "parameters/parameter_groups.h"

#include "parameters/element_panel_model.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

// The groups for the ion on button `tag` of element `row` in basis `baza`.
ParameterGroups groupsFor(int row, int tag, int baza) {
    TVariables vars;
    vars.baza = static_cast<std::uint8_t>(baza);
    const auto buttons = ionButtonItems(elementRow(row)->charges);
    chooseIon(vars, *elementRow(row), tag, buttons.at(static_cast<std::size_t>(tag)).caption);
    return parameterGroups(baza, termValues(vars.siconf, basisIndex(vars.baza, vars.cialo)));
}

} // namespace

TEST(ParameterGroups, GroundTermDecidesTheGroups) {
    struct Case {
        const char* ion;
        int row;
        int tag;
        int baza;
        bool cef, spinOrbit, field, jFormula;
    };
    const Case cases[] = {
        {"Ce3+ LS", 82, 1, 1, true, true, true, false},
        {"Ce3+ J", 82, 1, 2, true, false, true, true},
        {"Gd3+ LS (L = 0)", 88, 1, 1, false, false, true, false},
        {"Gd3+ J (L = 0, J = 7/2)", 88, 1, 2, false, false, true, true},
        {"Eu3+ J (J = 0)", 87, 2, 2, false, false, false, true},
        {"Eu3+ LS", 87, 2, 1, true, true, true, false},
        {"Mn2+ LS (3d^5)", 25, 1, 1, false, false, true, false},
        {"Zn2+ LS (3d^10, L = S = 0)", 30, 1, 1, false, false, false, false},
    };
    for (const Case& c : cases) {
        const ParameterGroups g = groupsFor(c.row, c.tag, c.baza);
        EXPECT_EQ(g.cef, c.cef) << c.ion;
        EXPECT_EQ(g.spinOrbit, c.spinOrbit) << c.ion;
        EXPECT_EQ(g.field, c.field) << c.ion;
        EXPECT_EQ(g.jFormula, c.jFormula) << c.ion;
    }
}

TEST(ParameterGroups, NoTermHidesEverything) {
    const ParameterGroups g = parameterGroups(1, std::nullopt);
    EXPECT_FALSE(g.cef || g.spinOrbit || g.field);
}
