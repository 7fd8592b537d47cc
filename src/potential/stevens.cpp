#include "potential/stevens.h"

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>

namespace vintrel {

std::size_t CoefArrayNM::slot(int n, int m) {
    if (n < 0 || n > 6 || m < -6 || m > 6)
        throw std::out_of_range("no coefficient of rank " + std::to_string(n) + " and index " +
                                std::to_string(m));
    return static_cast<std::size_t>(n * 13 + m + 6);
}

CoefNM coefIndexToNM(int i) {
    if (i <= 5)
        return {2, i - 3};
    if (i > 14)
        return {6, i - 21};
    return {4, i - 10};
}

int coefNMToIndex(int n, int m) {
    if ((n != 2 && n != 4 && n != 6) || std::abs(m) > n)
        return 0;
    switch (n) {
    case 2:
        return m + 3;
    case 4:
        return m + 10;
    default:
        return m + 21;
    }
}

namespace {

using TermFunction = double (*)(const Monomials&);

template <std::size_t... terms>
constexpr std::array<TermFunction, 27> termTable(std::index_sequence<terms...>) {
    return {&stevensTerm<static_cast<int>(terms)>...};
}

constexpr std::array<TermFunction, 27> kTerms = termTable(std::make_index_sequence<27>());

} // namespace

double stevensPolynomial(int n, int m, double x, double y, double z) {
    const int index = coefNMToIndex(n, m);
    if (index == 0)
        return 0;
    return kTerms[static_cast<std::size_t>(index - 1)](monomialsOf(x, y, z));
}

} // namespace vintrel
