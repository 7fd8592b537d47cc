#include "base/format_dot.h"

#include "base/number_pattern.h"
#include "base/number_text.h"

#include <stdexcept>

namespace vintrel {

namespace {

constexpr int kLargestCount = 1000;

struct Conversion {
    bool leftAlign = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int readCount(std::string_view format, std::size_t& pos) {
    int count = 0;
    while (pos < format.size() && isDigit(format[pos]) && count < kLargestCount)
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

std::string fixedPattern(int decimals) {
    return decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
}

std::string scientificPattern(int digits) {
    return fixedPattern(digits - 1) + "E+000";
}

std::string convert(const Conversion& c, double value) {
    std::string text;
    switch (c.type) {
    case 'f':
        text = formatFloatDot(fixedPattern(c.precision < 0 ? 2 : c.precision), value);
        break;
    case 'e':
        text = formatFloatDot(scientificPattern(c.precision < 1 ? 15 : c.precision), value);
        break;
    case 'g':
        text = floatToStrDot(value, c.precision < 1 ? 15 : c.precision);
        break;
    default:
        throw std::invalid_argument("Format '%" + std::string(1, c.type) +
                                    "' invalid or incompatible with argument");
    }
    if (static_cast<int>(text.size()) < c.width) {
        const std::string pad(static_cast<std::size_t>(c.width) - text.size(), ' ');
        text = c.leftAlign ? text + pad : pad + text;
    }
    return text;
}

} // namespace

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

} // namespace vintrel
