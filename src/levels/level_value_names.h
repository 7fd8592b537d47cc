#pragma once

#include "levels/level_tables.h"

#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

/// The axis letter: 'z', 'x' or 'y'.
char axisLetter(Axis axis);

/// The axis of a letter "z", "x" or "y"; nullopt for any other text.
std::optional<Axis> axisOfLetter(std::string_view letter);

/// The names of the expected values that the level diagram writes beside a level, in the
/// diagram's markup ("_" lowers the next character): `<L_z>` and `<S_z>`, and the combined
/// value L + g_e S, named `<L_z>+g_e<S_z>` in the |L,Lz,S,Sz> basis (baza 1) and `<J_z>` in
/// the |J,Jz> basis (baza 2); the letter is that of the axis.
struct ExpectedValueNames {
    std::string orbital;
    std::string spin;
    std::string combined;
};
ExpectedValueNames expectedValueNames(Axis axis, int baza);

} // namespace vintrel
