#pragma once

#include <string>
#include <string_view>

namespace vintrel {

// Number patterns: "0" is a digit that is always written, "#" a digit written only when
// significant, one "." the decimal point (always "."), and "E+" or "E-" scientific notation
// ("E+" writes the exponent's sign always, "E-" only when negative); placeholders after the
// exponent sign give its least number of digits ("0" each, "#" none). Values are rounded on
// their decimal digits to the last placeholder, halves away from zero. The decimal point is
// left out when no digit follows it; a value that rounds to zero has no minus sign.

/// Formats by the pattern; "0" when the result would be empty. An empty pattern gives
/// floatToStrDot. Infinite values give "Inf"/"-Inf", not-a-number "NaN". Throws
/// std::invalid_argument for a pattern with other characters.
std::string formatFloatDot(std::string_view pattern, double value);

/// Real part, then "+" when the imaginary part is not negative and "-" otherwise, then the
/// absolute imaginary part, then "i"; both parts by the pattern.
std::string formatComplexDot(std::string_view pattern, double re, double im);

/// Removes one digit placeholder so that the text gets shorter: the exponent's placeholders
/// first, then the decimals from the left, then the exponent part itself. False when the
/// pattern cannot be shortened any more.
bool shortenPattern(std::string& pattern);

/// The value by the pattern in at most `maxLength` characters where possible: "Inf", "-Inf",
/// "NaN"; "0" when the formatted value reads back as zero; otherwise the pattern is shortened
/// until the text fits. When nothing fits, "..." for a fixed pattern; a scientific pattern
/// falls back to its part before "E".
std::string formatFit(std::string_view pattern, int maxLength, double value);

/// formatFit with "0.#####E+#" for absolute values below 1e-5 or above 100000, with "0.#####"
/// otherwise.
std::string formatAuto(int maxLength, double value);

/// A complex number in at most `maxLength` characters where possible: only the real part when
/// the imaginary part formats to "0", only the imaginary part and "i" when the real part does,
/// otherwise half the length for each part, the sign and "i". Note the argument order.
std::string formatComplexFit(int maxLength, double im, double re);

} // namespace vintrel
