#include "level_files.h"

#include "text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

namespace vintrel::generator {

namespace {

constexpr int kElementDecimals = 6;
constexpr double kEigenvectorWeight = 0.01;
constexpr int kEigenvectorTerms = 6;

const char kAxisLetter[3] = {'x', 'y', 'z'};

double readBack(const std::string& text) {
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

double rounded(double v, int decimals) {
    return readBack(fixedText(v, decimals));
}

std::string marker(char letter, int block) {
    return letter + std::to_string(block) + letter;
}

std::string sectionText(const AxisSection& section, int axis, int block,
                        std::optional<double> temperature) {
    const char a = kAxisLetter[axis];
    std::string text = marker(a, block);
    if (temperature) {
        text += " " + shortestText(*temperature);
    }
    const std::string ax(1, a);
    text += "    E [K]      E-E_1 [K]      <J_" + ax + ">         <S_" + ax + ">         <L_" + ax +
            ">         <M_" + ax + ">" + kEol;
    int level = 1;
    for (const LevelLine& l : section.lines) {
        for (double v : {l.energy, l.aboveGround, l.j, l.s, l.l, l.moment}) {
            text += padLeft(fixedText(v, kElementDecimals), 14) + " ";
        }
        text += "  level " + std::to_string(level++) + kEol;
    }
    return text;
}

std::string basisLabel(const IonModel& model, int index) {
    if (model.baza == 2) {
        return "|Jz=" + projectionText(-model.term.J + index) + ">";
    }
    const int spinStates = static_cast<int>(std::lround(2 * model.term.S)) + 1;
    const double lz = model.term.L - index / spinStates;
    const double sz = model.term.S - index % spinStates;
    return "|Lz=" + projectionText(lz) + ",Sz=" + projectionText(sz) + ">";
}

std::string amplitudeText(std::complex<double> c, bool complex, bool first) {
    if (!complex) {
        if (first) {
            return " " + fixedText(c.real(), 4);
        }
        return (c.real() < 0 ? " - " : " + ") + fixedText(std::abs(c.real()), 4);
    }
    const std::string joiner = first ? " " : " + ";
    const std::string im = fixedText(std::abs(c.imag()), 4);
    return joiner + "(" + fixedText(c.real(), 4) + (c.imag() < 0 ? "-" : "+") + im + "i)";
}

std::string eigenvectorText(const IonModel& model, const AxisSection& z, int block) {
    std::string text = marker('*', block) +
                       "  eigenvectors for quantization axis z (largest "
                       "components, weight >= 0.01)" +
                       kEol;
    const CMatrix& v = z.states.vectors;
    for (Eigen::Index i = 0; i < v.cols(); ++i) {
        std::vector<int> order(v.rows());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return std::norm(v(a, i)) > std::norm(v(b, i)); });
        text += " level " + padLeft(std::to_string(i + 1), 2) +
                "  E=" + padLeft(fixedText(z.states.energies(i), 4), 12) + " K: ";
        for (int k = 0; k < kEigenvectorTerms && k < static_cast<int>(order.size()); ++k) {
            const std::complex<double> c = v(order[k], i);
            if (k > 0 && std::norm(c) < kEigenvectorWeight) {
                break;
            }
            text +=
                amplitudeText(c, model.complexHamiltonian, k == 0) + basisLabel(model, order[k]);
        }
        text += kEol;
    }
    return text;
}

std::vector<const CMatrix*> transitionOperators(const IonModel& model, const CMatrix& lsz) {
    if (model.baza == 2) {
        return {&model.j[2], &model.jPlus, &model.jMinus};
    }
    return {&model.l[2],  &model.lPlus,  &model.lMinus, &model.s[2],
            &model.sPlus, &model.sMinus, &lsz};
}

} // namespace

std::string energyText(double e) {
    return fixedText(e, 6);
}

std::string levelBlock(const IonModel& model, const AxisSections& sections, int block,
                       std::optional<double> temperature) {
    std::string text = sectionText(sections[0], 0, block, temperature);
    if (model.complexHamiltonian) {
        text += sectionText(sections[1], 1, block, std::nullopt);
    }
    text += sectionText(sections[2], 2, block, std::nullopt);
    return text + eigenvectorText(model, sections[2], block);
}

TransitionTable transitionTable(const IonModel& model, const AxisSection& z) {
    const CMatrix lsz = model.l[2] + kElectronG * model.s[2];
    const auto ops = transitionOperators(model, lsz);
    const CMatrix& v = z.states.vectors;
    TransitionTable t;
    const Eigen::Index n = v.cols();
    for (Eigen::Index i = 0; i < n; ++i) {
        t.energies.push_back(readBack(energyText(z.states.energies(i))));
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
    struct Line {
        double de;
        std::vector<double> elements;
        double ls;
        std::size_t from;
    };
    std::vector<Line> found;
    const std::size_t n = table.energies.size();
    const std::size_t count = model.baza == 2 ? 3 : 6;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const auto& e = table.elements[i][j];
            const double ls = model.baza == 2 ? 0.0 : e[6];
            double sum = std::abs(ls);
            for (std::size_t k = 0; k < count; ++k) {
                sum += std::abs(e[k]);
            }
            if (table.energies[j] > table.energies[i] + 1e-6 && sum > 1e-6) {
                found.push_back({table.energies[j] - table.energies[i],
                                 std::vector<double>(e.begin(), e.begin() + count), ls, i + 1});
            }
        }
    }
    for (std::size_t p = 0; p < found.size(); ++p) {
        std::size_t best = p;
        for (std::size_t q = p + 1; q < found.size(); ++q) {
            if (found[q].de < found[best].de) {
                best = q;
            }
        }
        std::swap(found[p], found[best]);
    }
    SpectroTexts out;
    auto field = [](double v, int decimals, std::size_t width) {
        return padLeft(fixedText(v, decimals), width);
    };
    if (model.baza == 2) {
        out.spectro = std::string(" Energy diff.       Jz          Jplus        Jmin        from "
                                  "lev.") +
                      kEol;
    } else {
        out.spectro = std::string(" Energy diff.       Lz          Lplus        Lmin          Sz  "
                                  "        Splus        Smin        from lev.") +
                      kEol;
        out.lsspec = std::string(" Energy diff.       LS          from lev.") + kEol;
    }
    for (const Line& l : found) {
        std::string line = field(l.de, 6, 12);
        for (double e : l.elements) {
            line += " " + field(e, 6, 12);
        }
        out.spectro += line + " " + field(static_cast<double>(l.from), 0, 10) + kEol;
        if (model.baza == 1) {
            out.lsspec += field(l.de, 6, 12) + " " + field(l.ls, 6, 12) + " " +
                          field(static_cast<double>(l.from), 0, 10) + kEol;
        }
    }
    return out;
}

} // namespace vintrel::generator
