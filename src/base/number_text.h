#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vintrel {

// Number texts always use "." as the decimal separator, whatever the process locale; none of
// these functions consults the C or C++ locale.

/// A text that is not a valid number; its message is what the general error handler shows.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// Reads a whole text as a finite real: optional sign, digits with an optional ".", optional
/// exponent. No blanks, no "," and no "Inf"/"NaN"; nullopt when the text is anything else.
std::optional<double> parseRealDot(std::string_view text);

/// Reads a whole text as a decimal integer with an optional sign; nullopt otherwise.
std::optional<std::int64_t> parseIntegerDot(std::string_view text);

/// Text to real; blanks around the number are allowed. Throws ConversionError
/// ("'x' is not a valid floating point value") for anything else.
double strToFloatDot(std::string_view text);

/// Shortest general text with up to `precision` significant digits: "0.1", "12345", "1E-6",
/// "1.5E20" (scientific below 1e-5 and from 10^precision on); "Inf", "-Inf" and "NaN" for the
/// values that have no digits.
std::string floatToStrDot(double value, int precision = 15);

/// a − b for two numbers read from text, without the noise of the binary subtraction: rounded
/// to 12 significant digits of the larger of |a| and |b| (11312.648909 − 11310.559777 gives
/// 2.089132, not 2.0891319999991538). Numbers that are not finite give a − b as it is.
double readDifference(double a, double b);

/// The keystroke filter of numeric fields: digits, "+", "-", ".", "E", "e" and the control
/// characters 3, 8, 22, 24 and 26 pass unchanged, "," becomes "."; nullopt rejects the key.
std::optional<char> numericKeyFilter(char typed);

} // namespace vintrel
