#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

/// A real written with a decimal pattern: "0" digits are always written, "#" digits only when
/// significant, "." is the decimal point (always "."). "0.0" gives one decimal, "0.###" up to
/// three. The value is rounded to the last placeholder; a value that rounds to zero has no
/// sign. Exponent patterns are written in plain decimals with the pattern's decimals.
std::string formatDecimal(std::string_view pattern, double value);

/// The real that a whole text spells with "." as decimal point (blanks around it allowed);
/// nothing when the text is not a number.
std::optional<double> parseDecimal(std::string_view text);

} // namespace vintrel
