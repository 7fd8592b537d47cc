#include "resultdata/number_text.h"

#include "resultdata/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vintrel {

namespace {

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

// Digits of `number` from position `from` to `to` (exclusive), '0' outside the stored ones.
std::string digitRange(const DecimalDigits& number, int from, int to) {
    std::string out;
    for (int i = from; i < to; ++i)
        out += number.digitAt(i);
    return out;
}

// Fixed text of rounded digits, without trailing zeros in the fraction.
std::string fixedText(const DecimalDigits& number) {
    if (number.isZero())
        return "0";
    const int size = static_cast<int>(number.digits.size());
    std::string text = number.exponent > 0 ? digitRange(number, 0, number.exponent) : "0";
    if (size > number.exponent)
        text += "." + digitRange(number, number.exponent, size);
    return text;
}

std::string exponentText(int exponent, int minDigits, bool plusSign) {
    std::string digits = std::to_string(std::abs(exponent));
    while (static_cast<int>(digits.size()) < minDigits)
        digits.insert(digits.begin(), '0');
    if (exponent < 0)
        return "E-" + digits;
    return (plusSign ? "E+" : "E") + digits;
}

int scientificExponent(const DecimalDigits& number) {
    return number.isZero() ? 0 : number.exponent - 1;
}

std::string scientificText(const DecimalDigits& number) {
    std::string text(1, number.digitAt(0));
    if (number.digits.size() > 1)
        text += "." + number.digits.substr(1);
    return text + exponentText(scientificExponent(number), 1, false);
}

std::string nonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

std::string generalText(double value, int precision) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    DecimalDigits number = exactDigits(value);
    roundToDigits(number, precision);
    if (number.isZero())
        return "0";
    const int exponent = number.exponent - 1;
    const bool scientific = exponent < -5 || exponent >= precision;
    std::string text = scientific ? scientificText(number) : fixedText(number);
    return number.negative ? "-" + text : text;
}

std::string fixedConversion(double value, int decimals) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    DecimalDigits number = exactDigits(value);
    roundToDecimals(number, decimals);
    std::string text = number.exponent > 0 ? digitRange(number, 0, number.exponent) : "0";
    if (decimals > 0)
        text += "." + digitRange(number, number.exponent, number.exponent + decimals);
    return number.negative && !number.isZero() ? "-" + text : text;
}

std::string scientificConversion(double value, int digits) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    DecimalDigits number = exactDigits(value);
    roundToDigits(number, digits);
    std::string mantissa(1, number.digitAt(0));
    if (digits > 1)
        mantissa += "." + digitRange(number, 1, digits);
    std::string text = mantissa + exponentText(scientificExponent(number), 3, true);
    return number.negative && !number.isZero() ? "-" + text : text;
}

struct Conversion {
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

int readCount(std::string_view format, std::size_t& pos) {
    int count = 0;
    while (pos < format.size() && isDigit(format[pos]) && count < 1000)
        count = count * 10 + (format[pos++] - '0');
    return count;
}

Conversion readConversion(std::string_view format, std::size_t& pos) {
    Conversion c;
    if (pos < format.size() && format[pos] == '-') {
        c.leftAlign = true;
        ++pos;
    }
    c.width = readCount(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        c.precision = readCount(format, pos);
    }
    if (pos < format.size())
        c.type = format[pos++];
    return c;
}

std::string convert(const Conversion& c, double value) {
    std::string text;
    switch (c.type) {
    case 'f':
        text = fixedConversion(value, c.precision < 0 ? 2 : c.precision);
        break;
    case 'e':
        text = scientificConversion(value, c.precision < 1 ? 15 : c.precision);
        break;
    case 'g':
        text = generalText(value, c.precision < 1 ? 15 : c.precision);
        break;
    default:
        throw std::invalid_argument("Format '" + std::string(1, c.type) +
                                    "' invalid or incompatible with argument");
    }
    if (static_cast<int>(text.size()) < c.width) {
        const std::string pad(static_cast<std::size_t>(c.width) - text.size(), ' ');
        text = c.leftAlign ? text + pad : pad + text;
    }
    return text;
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

std::string floatToStrDot(double value) {
    return generalText(value, 15);
}

std::string formatDot(std::string_view format, double value) {
    std::string out;
    bool used = false;
    for (std::size_t pos = 0; pos < format.size();) {
        const char c = format[pos++];
        if (c != '%') {
            out += c;
        } else if (pos < format.size() && format[pos] == '%') {
            out += '%';
            ++pos;
        } else if (used) {
            throw std::invalid_argument("Format has more conversions than arguments");
        } else {
            out += convert(readConversion(format, pos), value);
            used = true;
        }
    }
    return out.empty() ? "0" : out;
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
