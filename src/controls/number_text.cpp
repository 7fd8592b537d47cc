#include "controls/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vintrel {

std::string formatDecimal(std::string_view pattern, double value) {
    const std::string_view mantissa = pattern.substr(0, pattern.find_first_of("Ee"));
    const std::size_t point = mantissa.find('.');
    const std::string_view integerPart = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    const int decimals = static_cast<int>(std::count_if(
        fraction.begin(), fraction.end(), [](char c) { return c == '0' || c == '#'; }));
    const int fixedDecimals = static_cast<int>(std::count(fraction.begin(), fraction.end(), '0'));
    const int integerDigits =
        static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");

    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::fixed, decimals);
    std::string digits(buffer, result.ptr);
    if (const std::size_t dot = digits.find('.'); dot != std::string::npos) {
        std::size_t keep = digits.size();
        while (keep > dot + 1 + static_cast<std::size_t>(fixedDecimals) && digits[keep - 1] == '0')
            --keep;
        if (keep == dot + 1)
            keep = dot;
        digits.resize(keep);
    }
    std::size_t integerLength = std::min(digits.find('.'), digits.size());
    if (integerLength == 1 && digits[0] == '0' && integerDigits == 0 && digits.size() > 1) {
        digits.erase(0, 1);
        integerLength = 0;
    }
    if (static_cast<int>(integerLength) < integerDigits)
        digits.insert(0, static_cast<std::size_t>(integerDigits) - integerLength, '0');
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return value < 0 && !zero ? "-" + digits : digits;
}

std::optional<double> parseDecimal(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace vintrel
