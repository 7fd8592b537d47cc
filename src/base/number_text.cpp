#include "base/number_text.h"

#include "base/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vintrel {

namespace {

constexpr int kMostDigits = 767;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Drops one leading "+"; a "+" followed by "-" leaves the text unreadable.
std::string_view withoutPlusSign(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Fixed text of rounded digits, without trailing zeros in the fraction.
std::string fixedText(const DecimalDigits& number) {
    if (number.isZero())
        return "0";
    const int size = static_cast<int>(number.digits.size());
    std::string text = number.exponent > 0 ? number.digitsBetween(0, number.exponent) : "0";
    if (size > number.exponent)
        text += "." + number.digitsBetween(number.exponent, size);
    return text;
}

// Scientific text of non-zero rounded digits: "1.5E20", "1E-6".
std::string scientificText(const DecimalDigits& number) {
    std::string text(1, number.digitAt(0));
    if (number.digits.size() > 1)
        text += "." + number.digits.substr(1);
    return text + "E" + std::to_string(number.exponent - 1);
}

std::string nonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

} // namespace

std::optional<double> parseRealDot(std::string_view text) {
    const std::string_view body = withoutPlusSign(text);
    const std::size_t first = !body.empty() && body.front() == '-' ? 1 : 0;
    if (first >= body.size() || !(isDigit(body[first]) || body[first] == '.'))
        return std::nullopt;
    double value = 0;
    auto [end, ec] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseIntegerDot(std::string_view text) {
    const std::string_view body = withoutPlusSign(text);
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (body.empty() || ec != std::errc() || end != body.data() + body.size())
        return std::nullopt;
    return value;
}

double strToFloatDot(std::string_view text) {
    if (auto value = parseRealDot(trimBlanks(text)))
        return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string floatToStrDot(double value, int precision) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    DecimalDigits number = exactDigits(value);
    roundToDigits(number, std::clamp(precision, 1, kMostDigits));
    if (number.isZero())
        return "0";
    const int exponent = number.exponent - 1;
    const bool scientific = exponent < -5 || exponent >= precision;
    std::string text = scientific ? scientificText(number) : fixedText(number);
    return number.negative ? "-" + text : text;
}

double readDifference(double a, double b) {
    const double difference = a - b;
    const double scale = std::max(std::abs(a), std::abs(b));
    if (!std::isfinite(difference) || !std::isfinite(scale) || scale == 0)
        return difference;
    // The decimals that 12 significant digits of the larger number reach.
    const int decimals = 11 - static_cast<int>(std::floor(std::log10(scale)));
    if (decimals <= 0 || decimals > 300)
        return difference;
    // Through a decimal text (whatever the locale), so that the result is the double nearest to
    // the rounded decimal.
    char text[400];
    const auto written =
        std::to_chars(text, text + sizeof text, difference, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return difference;
    double rounded = difference;
    std::from_chars(text, written.ptr, rounded);
    return rounded;
}

std::optional<char> numericKeyFilter(char typed) {
    switch (typed) {
    case ',':
        return '.';
    case '+':
    case '-':
    case '.':
    case 'E':
    case 'e':
    case 3:
    case 8:
    case 22:
    case 24:
    case 26:
        return typed;
    default:
        return isDigit(typed) ? std::optional<char>(typed) : std::nullopt;
    }
}

} // namespace vintrel
