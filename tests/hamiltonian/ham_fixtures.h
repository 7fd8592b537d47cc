#pragma once

#include "base/number_pattern.h"
#include "hamiltonian/ham_matrices.h"

#include <complex>
#include <functional>
#include <string>

namespace vintrel::test {

/// The element of states (row, column) of one term, counted from 1.
using TermElements = std::function<std::complex<double>(HamTerm term, int row, int column)>;

/// The text of an "o_ham.dup" for N states: each block a header and its rows, fields joined by
/// two blanks, CR LF line ends. A complex Hamiltonian is written in its real 2N × 2N form, the
/// element (r, c) as the block [[Re, Im], [−Im, Re]] at rows 2r − 1, 2r and columns 2c − 1, 2c.
inline std::string hamiltonianFile(int N, bool complex, const TermElements& element) {
    static const char* const titles[] = {"CEF term [K]", "LS term [K]", "Zeeman term [K]"};
    std::string text;
    for (HamTerm term : {HamTerm::cef, HamTerm::ls, HamTerm::zeeman}) {
        text += std::string(titles[static_cast<int>(term)]) + "\r\n";
        for (int r = 1; r <= N; ++r)
            for (int half = 0; half < (complex ? 2 : 1); ++half) {
                std::string line;
                for (int c = 1; c <= N; ++c) {
                    const std::complex<double> e = element(term, r, c);
                    const double fields[2] = {half == 0 ? e.real() : -e.imag(),
                                              half == 0 ? e.imag() : e.real()};
                    for (int f = 0; f < (complex ? 2 : 1); ++f)
                        line +=
                            (line.empty() ? "" : "  ") + formatFloatDot("0.000000000", fields[f]);
                }
                text += line + "\r\n";
            }
    }
    return text;
}

} // namespace vintrel::test
