#include "ions.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace vintrel::generator {

namespace {

// Stevens factors: tables of Stevens and of Hutchings; orbital factors of single-electron
// terms. Radial integrals: representative Hartree-Fock free-ion values (approximate for
// Ti3+); they only set the scale of the A coefficients. Rank-6 entries of a d shell are zero.
const Ion kIons[] = {
    {"Ce3+",
     82,
     1,
     "4f^1",
     {-2.0 / 35, 2.0 / 315, 0.0},
     {-2.0 / 45, 2.0 / 495, -4.0 / 3861},
     {1.309, 3.964, 23.31}},
    {"Nd3+",
     84,
     1,
     "4f^3",
     {-7.0 / 1089, -136.0 / 467181, -1615.0 / 42513471},
     {0.0, 0.0, 0.0},
     {1.114, 2.910, 15.03}},
    {"Ti3+", 22, 2, "3d^1", {-2.0 / 35, 0.0, 0.0}, {-2.0 / 21, 2.0 / 63, 0.0}, {2.236, 11.81, 0.0}},
};

int digitAt(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
        throw std::invalid_argument("malformed configuration: " + std::string(text));
    }
    return text[pos] - '0';
}

int electronCount(std::string_view c) {
    if (c.size() == 4) {
        return digitAt(c, 3);
    }
    if (c.size() == 6) {
        return 10 * digitAt(c, 3) + digitAt(c, 5);
    }
    throw std::invalid_argument("malformed configuration: " + std::string(c));
}

int orbitalL(char letter) {
    const std::string_view letters = "spdfgh";
    const auto pos = letters.find(letter);
    if (pos == std::string_view::npos) {
        throw std::invalid_argument("unknown shell letter");
    }
    return static_cast<int>(pos);
}

} // namespace

GroundTerm groundTerm(std::string_view configuration) {
    if (configuration.size() < 4) {
        throw std::invalid_argument("malformed configuration: " + std::string(configuration));
    }
    const int l = orbitalL(configuration[1]);
    const int n = 2 * l + 1;
    const int c = electronCount(configuration);
    GroundTerm t;
    const int unpairedOrder = c % n;
    for (int k = 0; k < unpairedOrder; ++k) {
        t.L += l - k;
    }
    t.S = c < n ? c / 2.0 : (2 * n - c) / 2.0;
    t.J = c < n ? std::abs(t.L - t.S) : t.L + t.S;
    if (t.J != 0) {
        const double x = t.J * (t.J + 1);
        t.gJ = 1 + (x - t.L * (t.L + 1) + t.S * (t.S + 1)) / (2 * x);
    }
    return t;
}

const Ion& ionByLabel(std::string_view label) {
    for (const Ion& ion : kIons) {
        if (ion.label == label) {
            return ion;
        }
    }
    throw std::invalid_argument("unknown ion: " + std::string(label));
}

} // namespace vintrel::generator
