#pragma once

#include <string>

namespace vintrel {

/// The exact decimal value of a finite double: 0.`digits` × 10^`exponent`, with no trailing
/// zeros in `digits`; zero has no digits. Used by the number formatting to round on decimal
/// digits (halves away from zero) instead of on the binary value.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
    /// The digit at `index` (counted from 0 after the point), '0' outside the stored digits.
    char digitAt(int index) const;
    /// The digits at `from` … `to` - 1, '0' outside the stored digits.
    std::string digitsBetween(int from, int to) const;
};

/// Exact decimal digits of a finite value.
DecimalDigits exactDigits(double value);

/// Rounds to `keep` leading digits, halves away from zero; a carry adds a digit in front.
void roundToDigits(DecimalDigits& number, int keep);

/// Rounds to `decimals` digits after the decimal point.
inline void roundToDecimals(DecimalDigits& number, int decimals) {
    roundToDigits(number, number.exponent + decimals);
}

} // namespace vintrel
