#include "text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace vintrel::generator {

namespace {
/// Values below this are numerical noise of the diagonalisation and written as zero.
constexpr double kNegligible = 1e-12;
} // namespace

std::string fixedText(double value, int decimals) {
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

std::string significantText(double value, int significant, int minDecimals) {
    int decimals = minDecimals;
    if (std::abs(value) < kNegligible) {
        return fixedText(0.0, minDecimals);
    }
    if (std::isfinite(value)) {
        const int exponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
        decimals = std::clamp(significant - 1 - exponent, minDecimals, 16);
    }
    return fixedText(value, decimals);
}

std::string shortestText(double value) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    return std::string(buffer, result.ptr);
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string projectionText(double m) {
    const long twice = std::lround(2 * m);
    if (twice % 2 == 0) {
        return std::to_string(twice / 2);
    }
    return std::to_string(twice) + "/2";
}

} // namespace vintrel::generator
