#include "parameters/coefficient_rows.h"

#include "parameters/element_panel_model.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace vintrel;

namespace {

using Slots = std::vector<std::pair<int, int>>;

// The (n, m) of every listed slot, in row order.
Slots listed(const masktype& elemmask, const masktype& symmask, int cialo) {
    Slots out;
    for (int slot = 0; slot < 27; ++slot)
        if (slotListed(slot, elemmask, symmask, cialo))
            out.emplace_back(slotIndices(slot).rank, slotIndices(slot).m);
    return out;
}

const masktype kAll(kMaskAllRanks);

} // namespace

TEST(SymmetryTable, MasksAllowTheSlotsOfTheirSymmetry) {
    struct Case {
        int code;
        Slots expected;
    };
    const Case cases[] = {
        {0, {{4, 0}, {4, 2}, {4, 3}, {4, 4}, {6, 0}, {6, 2}, {6, 3}, {6, 4}, {6, 6}}},
        {1, {{2, 0}, {4, 0}, {4, 4}, {6, 0}, {6, 4}}},
        {5, {{2, 0}, {4, 0}, {4, 3}, {6, 0}, {6, 3}, {6, 6}}},
        {6, {{6, 0}, {6, 5}}},
        {7, {{4, -4}, {4, 0}, {4, 4}, {6, -4}, {6, -2}, {6, 0}, {6, 2}, {6, 4}, {6, 6}}},
        {9, {{2, 0}, {4, 0}, {6, -6}, {6, 0}, {6, 6}}},
        {10, {{2, 0}, {4, -3}, {4, 0}, {4, 3}, {6, -6}, {6, -3}, {6, 0}, {6, 3}, {6, 6}}},
    };
    for (const Case& c : cases) {
        const SymmetryChoice symmetry = symmetryChoice(c.code);
        EXPECT_TRUE(symmetry.known);
        EXPECT_EQ(listed(kAll, symmetry.mask, 2), c.expected) << "code " << c.code;
    }
    EXPECT_EQ(symmetryChoice(11).mask, "101011010101011010101010101"); // every even m
    EXPECT_EQ(symmetryChoice(0).name, "cubic T_d O O_h");
}

TEST(SymmetryTable, UnknownCodeListsTheRealSlotsAndSaysSo) {
    for (int code : {13, -1, 255}) {
        const SymmetryChoice symmetry = symmetryChoice(code);
        EXPECT_FALSE(symmetry.known);
        EXPECT_EQ(symmetry.name, "unknown (code " + std::to_string(code) + ")");
        EXPECT_EQ(symmetry.mask, std::string(kRealOperatorMask));
        // Even with a complex Hamiltonian only the real-valued operators are listed.
        const Slots rows = listed(kAll, symmetry.mask, 2);
        ASSERT_EQ(rows.size(), 15u);
        for (const auto& [n, m] : rows)
            EXPECT_GE(m, 0);
    }
}

TEST(CoefficientRows, CubicDIonListsTheFourRankFourSlots) {
    // V3+ (row 23, button "+3"): 3d^2 in the |L,S,Lz,Sz> basis, real Hamiltonian, cubic.
    TVariables vars;
    vars.baza = 1;
    vars.cialo = 1;
    chooseIon(vars, *elementRow(23), 2, "+3");
    ASSERT_EQ(vars.siconf, "3d^2");
    chowajConfiguration(vars, vars.siconf);
    const Slots expected{{4, 0}, {4, 2}, {4, 3}, {4, 4}};
    EXPECT_EQ(listed(vars.elemmask, symmetryChoice(0).mask, vars.cialo), expected);
    const auto layout = arrangeRows(vars.elemmask, symmetryChoice(0).mask, vars.cialo);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->listed, 4);
    EXPECT_EQ(layout->top[static_cast<std::size_t>(coefficientSlot(4, 0))], 0);
    EXPECT_EQ(layout->top[static_cast<std::size_t>(coefficientSlot(4, 4))], 3 * kRowHeight);
    EXPECT_EQ(layout->top[static_cast<std::size_t>(coefficientSlot(6, 0))], -1);
    EXPECT_EQ(layout->columnHeight, 4 * kRowHeight + 2);
}

TEST(CoefficientRows, RealHamiltonianDropsNegativeM) {
    struct Case {
        int symmetry;
        int cialo;
        int rows;
        int scrollHeight;
    };
    const Case cases[] = {
        {4, 1, 15, kMaxScrollHeight}, // 15 rows: 332 pixels, inside the box
        {12, 2, 27, kMaxScrollHeight},
        {12, 1, 15, 15 * kRowHeight + 2},
        {7, 1, 6, 6 * kRowHeight + 2}, // cubic (II) loses (4,-4), (6,-4), (6,-2)
    };
    for (const Case& c : cases) {
        const auto layout = arrangeRows(kAll, symmetryChoice(c.symmetry).mask, c.cialo);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->listed, c.rows) << "symmetry " << c.symmetry;
        EXPECT_EQ(layout->scrollHeight, std::min(c.rows * kRowHeight + 2, kMaxScrollHeight));
    }
    EXPECT_EQ(arrangeRows(kAll, symmetryChoice(12).mask, 2)->columnHeight, 27 * kRowHeight + 2);
}

TEST(CoefficientRows, MaskOfWrongLengthKeepsTheLayout) {
    EXPECT_FALSE(arrangeRows("", kAll, 1));
    EXPECT_FALSE(arrangeRows(kAll, "0101", 1));
    EXPECT_FALSE(arrangeRows(kAll + "1", kAll, 1));
}

TEST(CoefficientRows, SlotIndicesAndPowers) {
    EXPECT_EQ(slotIndices(0).rank, 2);
    EXPECT_EQ(slotIndices(0).m, -2);
    EXPECT_EQ(slotIndices(13).rank, 4);
    EXPECT_EQ(slotIndices(13).m, 4);
    EXPECT_EQ(slotIndices(14).m, -6);
    EXPECT_EQ(slotIndices(26).m, 6);
    for (int slot = 0; slot < 27; ++slot)
        EXPECT_EQ(coefficientSlot(slotIndices(slot).rank, slotIndices(slot).m), slot);
    EXPECT_EQ(powerCaption(4), "a_0^-^4");
}
