#pragma once

#include <cstdint>
#include <initializer_list>

namespace vintrel {

/// Kind of a tab. Result tabs are `tkResult` (ordinary) or `tkDynamic` (mean-field), page tabs
/// `tkControl` or `tkDynamic`; the other kinds only choose a look.
enum class TKind { tkControl, tkResult, tkDynamic, tkOther, tkMCERes, tkMCEDyn, tkToDo };

/// A set of tab kinds as a bit mask: bit n stands for the kind of value n.
using TSetOfKinds = std::uint32_t;

/// The one-kind set of `kind`.
constexpr TSetOfKinds kindBit(TKind kind) {
    return TSetOfKinds{1} << static_cast<unsigned>(kind);
}

/// The set of the listed kinds.
constexpr TSetOfKinds kindSet(std::initializer_list<TKind> kinds) {
    TSetOfKinds set = 0;
    for (TKind kind : kinds)
        set |= kindBit(kind);
    return set;
}

/// Whether `kind` is in `set`.
constexpr bool containsKind(TSetOfKinds set, TKind kind) {
    return (set & kindBit(kind)) != 0;
}

} // namespace vintrel
