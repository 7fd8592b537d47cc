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

/// Shortest general text with up to 15 significant digits: "0.1", "12345", "1E-6", "1.5E20";
/// "Inf", "-Inf" and "NaN" for the values that have no digits.
std::string floatToStrDot(double value);

/// Formats one real by a format text holding one conversion "%[-][width][.precision]type"
/// with type "f" (fixed, 2 decimals by default), "e" (scientific, 15 digits by default, at
/// least three exponent digits) or "g" (general, 15 digits by default); "%%" writes "%".
/// Returns "0" when the result is empty. Throws std::invalid_argument for other conversions.
std::string formatDot(std::string_view format, double value);

/// The keystroke filter of numeric fields: digits, "+", "-", ".", "E", "e" and the control
/// characters 3, 8, 22, 24 and 26 pass unchanged, "," becomes "."; nullopt rejects the key.
std::optional<char> numericKeyFilter(char typed);

} // namespace vintrel
