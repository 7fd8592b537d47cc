#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vintrel {

/// 0 for (baza 1, cialo 1), 1 for (1, 2), 2 for (2, 1), 3 for (2, 2); -1 for other values.
int basisIndex(int baza, int cialo);

/// The Hund's-rules ground term of a configuration and the dimension of the basis.
struct TermValues {
    double L = 0;
    double S = 0;
    double J = 0;
    double lande = 0;  ///< Landé factor; 0 when J is 0
    int dimension = 0; ///< (2L+1)(2S+1) for basis index 0 and 1, 2J+1 for 2 and 3
};

/// Ground term of a configuration "<shell><letter>^<digit>" or "<shell><letter>^<d>^<d>"
/// ("3d^1", "4f^1^3"), letters "s" to "h". Returns nullopt for any other text, and for an
/// electron count beyond the shell's capacity. An unknown basis index gives dimension 0.
std::optional<TermValues> termValues(std::string_view configuration, int basisIndex);

/// Cartesian field components from magnitude, angle from z and azimuth (degrees).
struct FieldVector {
    double x = 0;
    double y = 0;
    double z = 0;
};
FieldVector fieldComponents(double magnitude, double angle, double azimuth);

/// Magnitude, angle from the z axis and azimuth in degrees (0 … 360); both angles 0 for a zero
/// vector.
struct FieldAngles {
    double magnitude = 0;
    double angle = 0;
    double azimuth = 0;
};
FieldAngles fieldAngles(double x, double y, double z);

/// The ion charge at position `ionisation` (from 0) of a charges text such as "0,+2*,+3": the
/// item without its "*", read as an integer. -1 when the position is outside the list (empty
/// items count) and when the item is not a number.
std::int32_t ionCharge(std::string_view charges, int ionisation);

} // namespace vintrel
