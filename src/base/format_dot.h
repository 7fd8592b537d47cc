#pragma once

#include <string>
#include <string_view>

namespace vintrel {

/// Formats one real by a format text holding one conversion "%[-][width][.precision]type",
/// with "." as decimal separator: "f" fixed (2 decimals by default), "e" scientific
/// (`precision` digits in all, 15 by default, the exponent with sign and at least three
/// digits), "g" general (floatToStrDot with `precision` digits, 15 by default). "%%" writes
/// "%". Halves round away from zero. Returns "0" when the result is empty. Throws
/// std::invalid_argument for other conversions or more than one.
std::string formatDot(std::string_view format, double value);

} // namespace vintrel
