#pragma once

#include <string>

namespace vintrel::generator {

/// Fixed-point text with `decimals` digits after the ".", independent of the locale; a value
/// that rounds to zero is written without a minus sign.
std::string fixedText(double value, int decimals);
/// Fixed-point text with about `significant` significant digits (at least `minDecimals`
/// decimals); magnitudes below 1e-12 are written as zero.
std::string significantText(double value, int significant, int minDecimals = 1);
/// Shortest fixed-point text that reads back as the same double.
std::string shortestText(double value);
/// `text` right-aligned in `width` characters (never cut).
std::string padLeft(const std::string& text, std::size_t width);
/// A projection such as 5/2, -3/2, 1 or 0.
std::string projectionText(double m);

} // namespace vintrel::generator
