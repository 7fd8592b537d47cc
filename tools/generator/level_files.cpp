#include "level_files.h"

#include "text_format.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vintrel::generator {

namespace {

constexpr int kElementDecimals = 6;
constexpr double kEigenvectorWeight = 0.01;
constexpr int kEigenvectorTerms = 6;

const char kAxisLetter[3] = {'x', 'y', 'z'};

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

} // namespace vintrel::generator
