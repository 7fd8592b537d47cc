#include "parameters/coefficient_rows.h"

#include <algorithm>

namespace vintrel {

const std::array<SymmetryEntry, kSymmetryCount>& symmetryTable() {
    static const std::array<SymmetryEntry, kSymmetryCount> table{{
        {"cubic T_d O O_h", "000000000101110000001011101"},
        {"tetragonal D_4 C_4_v D_2_d D_4_h", "001000000100010000001000100"},
        {"hexagonal D_6 C_6_v D_3_h D_6_h", "001000000100000000001000001"},
        {"orthorhombic C_2_v D_2 D_2_h", "001010000101010000001010101"},
        {"free/triclinic (real) C_i C_1", "001110000111110000001111111"},
        {"trigonal D_3 C_3_v D_3_d", "001000000100100000001001001"},
        {"icosahedral I_h", "000000000000000000001000010"},
        {"cubic (II) T T_h", "000001000100010010101010101"},
        {"tetragonal (II) C_4 S_4 C_4_h", "001001000100010010001000100"},
        {"hexagonal (II) C_6 C_3_h C_6_h", "001000000100001000001000001"},
        {"trigonal (II) C_3 S_6", "001000100100101001001001001"},
        {"monoclinic C_2 C_s C_2_h", "101011010101011010101010101"},
        {"free/triclinic (complex) C_i C_1", "111111111111111111111111111"},
    }};
    return table;
}

SymmetryChoice symmetryChoice(int code) {
    if (code >= 0 && code < kSymmetryCount) {
        const SymmetryEntry& entry = symmetryTable()[static_cast<std::size_t>(code)];
        return {std::string(entry.name), masktype(entry.mask), true};
    }
    return {"unknown (code " + std::to_string(code) + ")", masktype(kRealOperatorMask), false};
}

SlotIndices slotIndices(int slot) {
    if (slot < 5)
        return {2, slot - 2};
    if (slot < 14)
        return {4, slot - 9};
    return {6, slot - 20};
}

std::string powerCaption(int rank) {
    return "a_0^-^" + std::to_string(rank);
}

bool slotListed(int slot, const masktype& elemmask, const masktype& symmask, int cialo) {
    const auto at = static_cast<std::size_t>(slot);
    if (at >= elemmask.size() || at >= symmask.size())
        return false;
    if (elemmask[at] == '0' || symmask[at] == '0')
        return false;
    return !(cialo == 1 && kRealOperatorMask[at] == '0');
}

std::optional<RowLayout> arrangeRows(const masktype& elemmask, const masktype& symmask, int cialo) {
    if (elemmask.size() != 27 || symmask.size() != 27)
        return std::nullopt;
    RowLayout layout;
    int top = 0;
    for (int slot = 0; slot < 27; ++slot) {
        if (slotListed(slot, elemmask, symmask, cialo)) {
            layout.top[static_cast<std::size_t>(slot)] = top;
            top += kRowHeight;
            ++layout.listed;
        } else {
            layout.top[static_cast<std::size_t>(slot)] = -1;
        }
    }
    layout.columnHeight = top + 2;
    layout.scrollHeight = std::min(top + 2, kMaxScrollHeight);
    return layout;
}

} // namespace vintrel
