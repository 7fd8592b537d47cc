#include "base/number_pattern.h"

#include "base/decimal_digits.h"
#include "base/number_text.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace vintrel {

namespace {

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

std::size_t exponentPosition(std::string_view pattern) {
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i)
        if ((pattern[i] == 'E' || pattern[i] == 'e') &&
            (pattern[i + 1] == '+' || pattern[i + 1] == '-'))
            return i;
    return std::string_view::npos;
}

// The parsed form of a pattern.
struct Pattern {
    int minIntegerDigits = 0; // placeholders from the first "0" before the point
    int integerPlaceholders = 0;
    int decimals = 0;    // placeholders after the point
    int minDecimals = 0; // up to and including the last "0" after the point
    bool scientific = false;
    bool exponentPlus = false;
    char exponentLetter = 'E';
    int minExponentDigits = 0;
};

void readMantissa(std::string_view part, Pattern& p) {
    bool afterPoint = false;
    bool zeroSeen = false;
    for (char c : part) {
        if (c == '.') {
            if (afterPoint)
                throw std::invalid_argument("Number pattern with two decimal points");
            afterPoint = true;
        } else if (!isPlaceholder(c)) {
            throw std::invalid_argument("Unsupported character in number pattern");
        } else if (afterPoint) {
            ++p.decimals;
            if (c == '0')
                p.minDecimals = p.decimals;
        } else {
            ++p.integerPlaceholders;
            zeroSeen = zeroSeen || c == '0';
            if (zeroSeen)
                ++p.minIntegerDigits;
        }
    }
}

Pattern parsePattern(std::string_view text) {
    Pattern p;
    const std::size_t e = exponentPosition(text);
    readMantissa(text.substr(0, e), p);
    if (e == std::string_view::npos)
        return p;
    p.scientific = true;
    p.exponentLetter = text[e];
    p.exponentPlus = text[e + 1] == '+';
    for (char c : text.substr(e + 2)) {
        if (!isPlaceholder(c))
            throw std::invalid_argument("Unsupported character in number pattern");
        if (c == '0')
            ++p.minExponentDigits;
    }
    return p;
}

std::string padLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

// Integer digits, then the decimals without the optional trailing zeros.
std::string joinParts(std::string integer, std::string fraction, const Pattern& p) {
    while (static_cast<int>(fraction.size()) > p.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    return fraction.empty() ? integer : integer + "." + fraction;
}

std::string fixedByPattern(DecimalDigits& number, const Pattern& p) {
    roundToDecimals(number, p.decimals);
    const std::string integer =
        number.exponent > 0 ? number.digitsBetween(0, number.exponent) : std::string();
    return joinParts(padLeft(integer, p.minIntegerDigits),
                     number.digitsBetween(number.exponent, number.exponent + p.decimals), p);
}

std::string scientificByPattern(DecimalDigits& number, const Pattern& p) {
    const int integerDigits = p.integerPlaceholders > 0 ? p.integerPlaceholders : 1;
    roundToDigits(number, integerDigits + p.decimals);
    const int exponent = number.isZero() ? 0 : number.exponent - integerDigits;
    std::string text =
        joinParts(number.digitsBetween(0, integerDigits),
                  number.digitsBetween(integerDigits, integerDigits + p.decimals), p);
    std::string expDigits = std::to_string(std::abs(exponent));
    while (static_cast<int>(expDigits.size()) < p.minExponentDigits)
        expDigits.insert(expDigits.begin(), '0');
    text += p.exponentLetter;
    if (exponent < 0 || p.exponentPlus)
        text += exponent < 0 ? '-' : '+';
    return text + expDigits;
}

// Position of the first "0" at or after `from`, else of the first "#" there; npos for none.
std::size_t firstPlaceholder(const std::string& pattern, std::size_t from) {
    if (from >= pattern.size())
        return std::string::npos;
    const std::size_t zero = pattern.find('0', from);
    return zero != std::string::npos ? zero : pattern.find('#', from);
}

std::size_t after(std::size_t pos) {
    return pos == std::string::npos ? 0 : pos + 1;
}

// A finite value by the pattern, from its exact digits (worked out once per value).
std::string formatExact(std::string_view pattern, const DecimalDigits& exact, double value) {
    if (pattern.empty())
        return floatToStrDot(value);
    const Pattern p = parsePattern(pattern);
    DecimalDigits number = exact;
    std::string text = p.scientific ? scientificByPattern(number, p) : fixedByPattern(number, p);
    if (text.empty())
        return "0";
    return number.negative && !number.isZero() ? "-" + text : text;
}

} // namespace

std::string formatFloatDot(std::string_view pattern, double value) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Inf" : "Inf");
    return formatExact(pattern, exactDigits(value), value);
}

std::string formatComplexDot(std::string_view pattern, double re, double im) {
    return formatFloatDot(pattern, re) + (im < 0 ? "-" : "+") +
           formatFloatDot(pattern, std::fabs(im)) + "i";
}

bool shortenPattern(std::string& pattern) {
    const std::size_t point = pattern.find('.');
    const std::size_t e = exponentPosition(pattern);
    std::size_t d = firstPlaceholder(pattern, after(e));
    if (point != std::string::npos && (d == std::string::npos || d < point))
        d = firstPlaceholder(pattern, point + 1);
    if (d == std::string::npos) {
        const std::size_t c = firstPlaceholder(pattern, after(firstPlaceholder(pattern, 0)));
        if (c != std::string::npos) {
            d = c;
        } else if (e != std::string::npos) {
            pattern.resize(e);
            return true;
        } else {
            return false;
        }
    }
    pattern.erase(d, 1);
    return true;
}

std::string formatFit(std::string_view pattern, int maxLength, double value) {
    if (!std::isfinite(value))
        return formatFloatDot(pattern, value);
    const auto fits = [maxLength](const std::string& t) {
        return static_cast<int>(t.size()) <= maxLength;
    };
    const DecimalDigits exact = exactDigits(value);
    if (strToFloatDot(formatExact(pattern, exact, value)) == 0)
        return "0";
    std::string current(pattern);
    for (;;) {
        std::string text = formatExact(current, exact, value);
        if (fits(text))
            return text;
        if (!shortenPattern(current))
            break;
    }
    const std::size_t e = exponentPosition(pattern);
    if (e == std::string_view::npos)
        return "...";
    return formatFit(pattern.substr(0, e), maxLength, value);
}

std::string formatAuto(int maxLength, double value) {
    const double magnitude = std::fabs(value);
    const bool scientific = magnitude < 1e-5 || magnitude > 100000;
    return formatFit(scientific ? "0.#####E+#" : "0.#####", maxLength, value);
}

std::string formatComplexFit(int maxLength, double im, double re) {
    if (formatAuto(maxLength, im) == "0")
        return formatAuto(maxLength, re);
    if (formatAuto(maxLength, re) == "0")
        return formatAuto(maxLength - 1, im) + "i";
    const int half = maxLength / 2;
    return formatAuto(half, re) + (im < 0 ? "-" : "+") +
           formatAuto(maxLength - half - 1, std::fabs(im)) + "i";
}

} // namespace vintrel
