#include "base/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vintrel {

namespace {

// A double has at most 767 significant decimal digits; this many always gives the exact value.
constexpr int kExactPrecision = 767;

void stripTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
}

} // namespace

char DecimalDigits::digitAt(int index) const {
    if (index < 0 || index >= static_cast<int>(digits.size()))
        return '0';
    return digits[static_cast<std::size_t>(index)];
}

std::string DecimalDigits::digitsBetween(int from, int to) const {
    std::string out;
    for (int i = from; i < to; ++i)
        out += digitAt(i);
    return out;
}

DecimalDigits exactDigits(double value) {
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0)
        return result;
    char buffer[kExactPrecision + 32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, kExactPrecision);
    if (ec != std::errc())
        return result;
    // buffer holds "d.ddd…e±x"
    std::string text(buffer, end);
    const std::size_t e = text.find('e');
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent10 = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent10);
    result.exponent = exponent10 + 1;
    stripTrailingZeros(result.digits);
    return result;
}

void roundToDigits(DecimalDigits& number, int keep) {
    const int size = static_cast<int>(number.digits.size());
    if (keep >= size)
        return;
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    const bool up = number.digits[static_cast<std::size_t>(keep)] >= '5';
    number.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9')
            number.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++number.digits[static_cast<std::size_t>(i)];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.exponent;
        }
    }
    stripTrailingZeros(number.digits);
}

} // namespace vintrel
