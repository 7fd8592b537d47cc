#include "levels/level_value_names.h"

namespace vintrel {

char axisLetter(Axis axis) {
    switch (axis) {
    case Axis::x:
        return 'x';
    case Axis::y:
        return 'y';
    case Axis::z:
        break;
    }
    return 'z';
}

std::optional<Axis> axisOfLetter(std::string_view letter) {
    for (Axis axis : {Axis::z, Axis::x, Axis::y})
        if (letter.size() == 1 && letter[0] == axisLetter(axis))
            return axis;
    return std::nullopt;
}

ExpectedValueNames expectedValueNames(Axis axis, int baza) {
    const std::string a(1, axisLetter(axis));
    ExpectedValueNames names;
    names.orbital = "<L_" + a + ">";
    names.spin = "<S_" + a + ">";
    names.combined = baza == 2 ? "<J_" + a + ">" : names.orbital + "+g_e" + names.spin;
    return names;
}

} // namespace vintrel
