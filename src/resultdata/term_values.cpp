#include "resultdata/term_values.h"

#include "base/number_text.h"

#include <cmath>
#include <numbers>

namespace vintrel {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// l + 1 for the orbital letters "s" … "h"; 0 for any other character.
int orbitalFromLetter(char letter) {
    constexpr std::string_view kLetters = "spdfgh";
    const std::size_t pos = kLetters.find(letter);
    return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

// The electron count of "nl^c" or "nl^c^c"; -1 for any other shape.
int electronCount(std::string_view text) {
    if (!isDigit(text[0]) || text[2] != '^' || !isDigit(text[3]))
        return -1;
    if (text.size() == 4)
        return text[3] - '0';
    if (text[4] != '^' || !isDigit(text[5]))
        return -1;
    return (text[3] - '0') * 10 + (text[5] - '0');
}

} // namespace

int basisIndex(int baza, int cialo) {
    if ((baza != 1 && baza != 2) || (cialo != 1 && cialo != 2))
        return -1;
    return (baza - 1) * 2 + (cialo - 1);
}

std::optional<TermValues> termValues(std::string_view configuration, int basisIndex) {
    if (configuration.size() != 4 && configuration.size() != 6)
        return std::nullopt;
    const int lPlusOne = orbitalFromLetter(configuration[1]);
    const int c = electronCount(configuration);
    const int l = lPlusOne - 1;
    const int n = 2 * l + 1;
    if (lPlusOne == 0 || c < 0 || c > 2 * n)
        return std::nullopt;
    TermValues t;
    for (int i = 0; i < c % n; ++i)
        t.L += l - i;
    t.S = c < n ? c / 2.0 : (2 * n - c) / 2.0;
    t.J = c < n ? std::fabs(t.L - t.S) : t.L + t.S;
    const double jj = t.J * (t.J + 1);
    if (t.J != 0)
        t.lande = 1 + (jj - t.L * (t.L + 1) + t.S * (t.S + 1)) / (2 * jj);
    if (basisIndex == 0 || basisIndex == 1)
        t.dimension = static_cast<int>(std::lround((2 * t.L + 1) * (2 * t.S + 1)));
    else if (basisIndex == 2 || basisIndex == 3)
        t.dimension = static_cast<int>(std::lround(2 * t.J + 1));
    return t;
}

FieldVector fieldComponents(double magnitude, double angle, double azimuth) {
    const double theta = angle * kDegree;
    const double phi = azimuth * kDegree;
    return {magnitude * std::sin(theta) * std::cos(phi),
            magnitude * std::sin(theta) * std::sin(phi), magnitude * std::cos(theta)};
}

FieldAngles fieldAngles(double x, double y, double z) {
    FieldAngles a;
    a.magnitude = std::sqrt(x * x + y * y + z * z);
    if (a.magnitude == 0)
        return a;
    a.angle = std::acos(z / a.magnitude) / kDegree;
    a.azimuth = std::atan2(y, x) / kDegree;
    if (a.azimuth < 0)
        a.azimuth += 360;
    return a;
}

std::int32_t ionCharge(std::string_view charges, int ionisation) {
    if (ionisation < 0)
        return -1;
    std::size_t start = 0;
    for (int i = 0; i < ionisation; ++i) {
        const std::size_t comma = charges.find(',', start);
        if (comma == std::string_view::npos)
            return -1;
        start = comma + 1;
    }
    std::string_view item = charges.substr(start, charges.find(',', start) - start);
    if (!item.empty() && item.back() == '*')
        item.remove_suffix(1);
    const auto value = parseIntegerDot(item);
    return value ? static_cast<std::int32_t>(*value) : -1;
}

} // namespace vintrel
