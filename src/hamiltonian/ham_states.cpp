#include "hamiltonian/ham_states.h"

#include "base/number_text.h"
#include "base/rounding.h"
#include "resultdata/configuration_text.h"
#include "resultdata/term_values.h"

#include <cmath>

namespace vintrel {

std::vector<std::string> stateCaptions(int baza, const TermValues& term) {
    std::vector<std::string> captions;
    if (baza == 2) {
        const double lowest = std::floor(-term.J);
        const double fraction = term.J - std::floor(term.J);
        for (double c = lowest; c <= std::floor(term.J); ++c)
            captions.push_back("J_z=" + floatToStrDot(c + fraction));
        return captions;
    }
    const int L = roundHalfEven(term.L);
    const int spins = roundHalfEven(2 * term.S) + 1;
    for (int k = 0; k <= 2 * L; ++k)
        for (int i = 0; i < spins; ++i)
            captions.push_back("L_z=" + std::to_string(L - k) +
                               "  S_z=" + floatToStrDot(term.S - i));
    return captions;
}

std::vector<std::string_view> captionParts(std::string_view caption) {
    const std::size_t blank = caption.find(' ');
    if (blank == std::string_view::npos)
        return {caption};
    const std::size_t rest = caption.find_first_not_of(' ', blank);
    if (rest == std::string_view::npos)
        return {caption.substr(0, blank)};
    return {caption.substr(0, blank), caption.substr(rest)};
}

int checkerBlockSide(int baza, const TermValues& term) {
    const double x = baza == 2 ? term.J : term.S;
    return std::max(1, roundHalfEven(2 * x + 1));
}

bool checkerOdd(int row, int column, int side) {
    if (side < 1)
        side = 1;
    return ((row - 1) / side + (column - 1) / side) % 2 == 1;
}

TermAvailability termAvailability(int baza, std::string_view siconf) {
    TermAvailability availability;
    const bool firstBasis = baza != 2;
    availability.enabled.set(HamTerm::ls, firstBasis);
    availability.pressLs = firstBasis;
    if (const auto parts = parseConfiguration(siconf)) {
        availability.enabled.set(HamTerm::cef,
                                 shellFlags(parts->orbital, parts->electrons, firstBasis ? 1 : 2));
        availability.enabled.set(HamTerm::zeeman, shellFlags(parts->orbital, parts->electrons, 3));
    }
    return availability;
}

} // namespace vintrel
