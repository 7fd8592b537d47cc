#include "transition_files.h"

#include "text_format.h"

#include <charconv>
#include <cmath>

namespace vintrel::generator {

namespace {

constexpr int kElementDecimals = 6;
constexpr int kEnergyDecimals = 6;
constexpr double kSmallest = 1e-6;

constexpr const char* kMultipletHeader =
    " Energy diff.       Jz          Jplus        Jmin        from lev.";
constexpr const char* kOrbitalSpinHeader =
    " Energy diff.       Lz          Lplus        Lmin          Sz          Splus        Smin"
    "        from lev.";
constexpr const char* kLsHeader = " Energy diff.       LS          from lev.";

double rounded(double v, int decimals) {
    const std::string text = fixedText(v, decimals);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    return back;
}

std::vector<const CMatrix*> transitionOperators(const IonModel& model, const CMatrix& lsz) {
    if (model.baza == 2) {
        return {&model.j[2], &model.jPlus, &model.jMinus};
    }
    return {&model.l[2],  &model.lPlus,  &model.lMinus, &model.s[2],
            &model.sPlus, &model.sMinus, &lsz};
}

struct TransitionLine {
    double de = 0;
    std::vector<double> elements;
    double ls = 0;
    std::size_t from = 0;
};

/// Pairs i -> j with E_j > E_i + 1e-6 whose elements are not all zero.
std::vector<TransitionLine> upwardTransitions(const TransitionTable& table, std::size_t count) {
    std::vector<TransitionLine> found;
    const std::size_t n = table.energies.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const std::vector<double>& e = table.elements[i][j];
            const double ls = e.size() > count ? e[count] : 0.0;
            double sum = std::abs(ls);
            for (std::size_t k = 0; k < count; ++k) {
                sum += std::abs(e[k]);
            }
            if (table.energies[j] > table.energies[i] + kSmallest && sum > kSmallest) {
                found.push_back({table.energies[j] - table.energies[i],
                                 std::vector<double>(e.begin(), e.begin() + count), ls, i + 1});
            }
        }
    }
    return found;
}

/// The viewer's ordering: for each position, the first remaining line with the smallest
/// energy difference is swapped into it.
std::vector<TransitionLine> sortedByEnergy(std::vector<TransitionLine> lines) {
    for (std::size_t p = 0; p < lines.size(); ++p) {
        std::size_t best = p;
        for (std::size_t q = p + 1; q < lines.size(); ++q) {
            if (lines[q].de < lines[best].de) {
                best = q;
            }
        }
        std::swap(lines[p], lines[best]);
    }
    return lines;
}

std::string column(double v, int decimals, std::size_t width) {
    return padLeft(fixedText(v, decimals), width);
}

} // namespace

TransitionTable transitionTable(const IonModel& model, const AxisSection& z) {
    const CMatrix lsz = model.l[2] + kElectronG * model.s[2];
    const auto ops = transitionOperators(model, lsz);
    const CMatrix& v = z.states.vectors;
    TransitionTable t;
    const Eigen::Index n = v.cols();
    for (Eigen::Index i = 0; i < n; ++i) {
        t.energies.push_back(rounded(z.states.energies(i), kEnergyDecimals));
        t.elements.emplace_back();
        for (Eigen::Index j = 0; j < n; ++j) {
            std::vector<double> row;
            for (const CMatrix* op : ops) {
                const std::complex<double> e = matrixElement(*op, v.col(i), v.col(j));
                const double value = model.complexHamiltonian ? std::abs(e) : e.real();
                row.push_back(rounded(value, kElementDecimals));
            }
            t.elements.back().push_back(row);
        }
    }
    return t;
}

std::string neutronText(const IonModel& model, const TransitionTable& table) {
    std::string text = std::string("*0*") + kEol;
    const std::string header =
        model.baza == 2 ? "      E_j [K]     <i|Jz|j>     <i|J+|j>     <i|J-|j>"
                        : "      E_j [K]     <i|Lz|j>     <i|L+|j>     <i|L-|j>     <i|Sz|j>"
                          "     <i|S+|j>     <i|S-|j>  <i|Lz+geSz|j>";
    const std::size_t n = table.energies.size();
    for (std::size_t i = 0; i < n; ++i) {
        text += energyText(table.energies[i]) + "   initial state " + std::to_string(i + 1) + kEol +
                header + kEol;
        for (std::size_t j = 0; j < n; ++j) {
            text += padLeft(energyText(table.energies[j]), 13);
            for (double e : table.elements[i][j]) {
                text += " " + padLeft(fixedText(e, kElementDecimals), 12);
            }
            text += kEol;
        }
        text += kEol;
    }
    return text;
}

SpectroTexts spectroTexts(const IonModel& model, const TransitionTable& table) {
    const bool multiplet = model.baza == 2;
    SpectroTexts out;
    if (multiplet) {
        out.spectro = std::string(kMultipletHeader) + kEol;
    } else {
        out.spectro = std::string(kOrbitalSpinHeader) + kEol;
        out.lsspec = std::string(kLsHeader) + kEol;
    }
    for (const TransitionLine& l : sortedByEnergy(upwardTransitions(table, multiplet ? 3 : 6))) {
        std::string line = column(l.de, 6, 12);
        for (double e : l.elements) {
            line += " " + column(e, 6, 12);
        }
        const std::string from = column(static_cast<double>(l.from), 0, 10);
        out.spectro += line + " " + from + kEol;
        if (!multiplet) {
            out.lsspec += column(l.de, 6, 12) + " " + column(l.ls, 6, 12) + " " + from + kEol;
        }
    }
    return out;
}

} // namespace vintrel::generator
