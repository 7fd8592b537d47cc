#pragma once

#include "resultdata/result_variables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

/// The operators with real values (m >= 0), one character per coeffsarray slot.
inline constexpr std::string_view kRealOperatorMask = "001110000111110000001111111";

/// The number of crystal symmetries the parameters page knows (codes 0 … 12).
inline constexpr int kSymmetryCount = 13;

/// One row of the symmetry table: its name in label markup and the slots it allows.
struct SymmetryEntry {
    std::string_view name;
    std::string_view mask;
};

/// The 13 symmetries in code order.
const std::array<SymmetryEntry, kSymmetryCount>& symmetryTable();

/// What the page shows for a symmetry code. A code outside 0 … 12 has no table row: it is
/// named "unknown (code N)" and allows the real-valued slots, so that the page still lists
/// what the ion allows without claiming a symmetry.
struct SymmetryChoice {
    std::string name;
    masktype mask;
    bool known = false;
};
SymmetryChoice symmetryChoice(int code);

/// Rank n (2, 4, 6) and index m (-n … n) of a slot numbered from 0.
struct SlotIndices {
    int rank = 0;
    int m = 0;
};
SlotIndices slotIndices(int slot);

/// The power caption of an A row: "a_0^-^2", "a_0^-^4" or "a_0^-^6".
std::string powerCaption(int rank);

/// Height of a coefficient row and the most the scroll box may grow to.
inline constexpr int kRowHeight = 22;
inline constexpr int kMaxScrollHeight = 335;

/// A slot is listed when both masks hold "1" there and, for a real Hamiltonian (cialo 1),
/// the operator is real-valued.
bool slotListed(int slot, const masktype& elemmask, const masktype& symmask, int cialo);

/// Where the rows go: each listed slot's top in its column (-1 for a hidden slot), the
/// columns' height and the scroll box height.
struct RowLayout {
    std::array<int, 27> top{};
    int listed = 0;
    int columnHeight = 0;
    int scrollHeight = 0;
};

/// The row layout for the masks; nullopt when a mask is not 27 characters long (the rows then
/// keep their last layout).
std::optional<RowLayout> arrangeRows(const masktype& elemmask, const masktype& symmask, int cialo);

} // namespace vintrel
