#pragma once

#include <cstdint>

namespace vintrel {

/// Placement of a text in its box. For a vertical placement the three values mean top, bottom
/// and centre; for a vertical label's start they mean bottom edge, top edge and centre.
enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

/// The offset that places a length inside a box: 0, the whole free space, or half of it
/// (halving toward zero).
inline int alignedOffset(TAlignment alignment, int box, int length) {
    switch (alignment) {
    case taRightJustify:
        return box - length;
    case taCenter:
        return (box - length) / 2;
    default:
        return 0;
    }
}

} // namespace vintrel
