#include "data_files.h"

#include "level_files.h"
#include "text_format.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace vintrel::generator {

namespace {

constexpr int kSignificant = 10;
constexpr int kMatrixDecimals = 9;

std::string row(std::initializer_list<double> values) {
    std::string text;
    for (double v : values) {
        text += (text.empty() ? "" : " ") + padLeft(significantText(v, kSignificant), 16);
    }
    return text + kEol;
}

std::string matrixBlock(const char* title, const CMatrix& m, bool complex) {
    std::string text = std::string(title) + kEol;
    const Eigen::Index n = m.rows();
    for (Eigen::Index r = 0; r < n; ++r) {
        for (int half = 0; half < (complex ? 2 : 1); ++half) {
            std::string line;
            for (Eigen::Index c = 0; c < n; ++c) {
                const std::complex<double> e = m(r, c);
                std::vector<double> fields{e.real()};
                if (complex) {
                    fields = half == 0 ? std::vector<double>{e.real(), e.imag()}
                                       : std::vector<double>{-e.imag(), e.real()};
                }
                for (double v : fields) {
                    line += (line.empty() ? "" : "  ") + fixedText(v, kMatrixDecimals);
                }
            }
            text += line + kEol;
        }
    }
    return text;
}

std::vector<double> splitDoubleBlank(const std::string& line, int n) {
    std::vector<double> values;
    std::size_t start = 0;
    while (static_cast<int>(values.size()) < n) {
        const std::size_t end = line.find("  ", start);
        const std::string field = line.substr(start, end == std::string::npos ? end : end - start);
        double v = 0;
        const auto r = std::from_chars(field.data(), field.data() + field.size(), v);
        if (r.ec != std::errc() || r.ptr != field.data() + field.size()) {
            throw std::runtime_error("not a number in o_ham.dup: '" + field + "'");
        }
        values.push_back(v);
        if (end == std::string::npos) {
            break;
        }
        start = end + 2;
    }
    return values;
}

} // namespace

std::string chiText(char axis, const std::vector<ChiRow>& rows) {
    const std::string a(1, axis);
    std::string text = "          T [K]    chi_" + a + " [mu_B/T]  1/chi_" + a + " [T/mu_B]  chi_" +
                       a + "*T [mu_B K/T]" + kEol;
    for (const ChiRow& r : rows) {
        text += row({r.t, r.chi, r.inverse, r.chiT});
    }
    return text;
}

std::string heatText(const std::vector<HeatRow>& rows) {
    std::string text = std::string("          T [K]    c [J/(K mol)]    S [J/(K mol)]  "
                                   "c_lattice [J/(K mol)]") +
                       kEol;
    for (const HeatRow& r : rows) {
        text += row({r.t, r.c, r.s, r.lattice});
    }
    return text;
}

std::string hamiltonianText(const IonModel& model) {
    const bool complex = model.complexHamiltonian;
    return matrixBlock("CEF term [K]", model.crystalField, complex) +
           matrixBlock("LS term [K]", model.spinOrbit, complex) +
           matrixBlock("Zeeman term [K]", model.zeeman, complex);
}

std::vector<Eigen::MatrixXd> parseHamiltonianText(const std::string& text, int n) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    std::vector<Eigen::MatrixXd> blocks;
    std::size_t at = 0;
    for (int b = 0; b < 3; ++b) {
        ++at;
        Eigen::MatrixXd m(n, n);
        for (int r = 0; r < n; ++r) {
            const std::vector<double> v = splitDoubleBlank(lines.at(at++), n);
            if (static_cast<int>(v.size()) != n) {
                throw std::runtime_error("short row in o_ham.dup");
            }
            for (int c = 0; c < n; ++c) {
                m(r, c) = v[c];
            }
        }
        blocks.push_back(m);
    }
    return blocks;
}

std::string transitionTemperatureText(double tc) {
    return std::string("Transition temperature T_c [K]") + kEol + significantText(tc, 10) + kEol;
}

std::string momentText(const std::vector<MomentRow>& rows) {
    std::string text = std::string("          T [K]       m_x [mu_B]       m_y [mu_B]       m_z "
                                   "[mu_B]       m_t [mu_B]") +
                       kEol;
    for (const MomentRow& r : rows) {
        const double total = std::sqrt(r.m[0] * r.m[0] + r.m[1] * r.m[1] + r.m[2] * r.m[2]);
        text += row({r.t, r.m[0], r.m[1], r.m[2], total});
    }
    return text;
}

std::string anisotropyText(const std::vector<AnisotropyRow>& rows) {
    std::string text = std::string("          T [K]           K1 [K]           K2 [K]          K2' "
                                   "[K]           K3 [K]          K3' [K]") +
                       kEol;
    for (const AnisotropyRow& r : rows) {
        text += row({r.t, r.k[0], r.k[1], r.k[2], r.k[3], r.k[4]});
    }
    return text;
}

} // namespace vintrel::generator
