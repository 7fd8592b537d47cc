#include "data_files.h"
#include "file_parsing.h"
#include "generated_examples.h"
#include "ions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vintrel::generator {
namespace {

using namespace test;

/// Rebuilds the complex N x N matrix from the real form of "o_ham.dup".
CMatrix complexFromRealForm(const Eigen::MatrixXd& m, int n) {
    CMatrix c(n, n);
    for (int r = 0; r < n; ++r) {
        for (int k = 0; k < n; ++k) {
            c(r, k) = {m(2 * r, 2 * k), m(2 * r, 2 * k + 1)};
        }
    }
    return c;
}

std::string firstWord(const std::string& line) {
    const std::size_t start = line.find_first_not_of(' ');
    return start == std::string::npos ? "" : line.substr(start, line.find(' ', start) - start);
}

std::vector<double> zSectionEnergies(const GeneratedResult& r) {
    const auto lines = splitLines(r.files.at("o_E.dup"));
    const auto rows = sectionRows(lines, findMarker(lines, "z0z"), r.model.dimension());
    std::vector<double> e;
    for (const auto& row : rows) {
        e.push_back(row.at(0));
    }
    return e;
}

TEST(ResultFiles, HamiltonianFileSumHasTheLevelsOfTheResult) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        const int n = r->model.dimension();
        const bool complex = r->model.complexHamiltonian;
        const auto blocks = parseHamiltonianText(r->files.at("o_ham.dup"), complex ? 2 * n : n);
        const Eigen::MatrixXd sum = blocks[0] + blocks[1] + blocks[2];
        const CMatrix h =
            complex ? complexFromRealForm(sum, n) : CMatrix(sum.cast<std::complex<double>>());
        EXPECT_LT((h - r->model.hamiltonian()).cwiseAbs().maxCoeff(), 1e-8) << r->recipe.name;
        const Eigen::VectorXd e = diagonalise(h, !complex).energies;
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(e(i), r->levels.energies(i), 1e-6) << r->recipe.name;
        }
        if (complex) {
            // The real form holds every level twice.
            const Eigen::VectorXd doubled =
                Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>(sum).eigenvalues();
            for (int i = 0; i < n; ++i) {
                EXPECT_NEAR(doubled(2 * i), e(i), 1e-6);
                EXPECT_NEAR(doubled(2 * i + 1), e(i), 1e-6);
            }
        }
        // The z section of "o_E.dup" adds only the small probing field.
        const double bound = kBohrMagnetonK * r->recipe.settings.fieldComponents *
                             r->model.moment[2].cwiseAbs().rowwise().sum().maxCoeff();
        const std::vector<double> z = zSectionEnergies(*r);
        ASSERT_EQ(static_cast<int>(z.size()), n);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(z[i], e(i), bound + 1e-6) << r->recipe.name;
        }
    }
}

TEST(ResultFiles, HamiltonianFileFollowsTheViewersBasisOrder) {
    struct Case {
        const char* ion;
        int baza;
        std::vector<double> zeemanDiagonal;
    };
    const double mu = kBohrMagnetonK;
    const double half = kElectronG / 2;
    // 1 T along z: |L,S,Lz,Sz> from Lz = L, Sz = S down; |J,Jz> from Jz = -J up.
    const std::vector<Case> cases{
        {"Ti3+",
         1,
         {mu * (2 + half), mu * (2 - half), mu * (1 + half), mu * (1 - half), mu * half, -mu * half,
          mu * (-1 + half), mu * (-1 - half), mu * (-2 + half), mu * (-2 - half)}},
        {"Ce3+",
         2,
         {-2.5 * mu * 6 / 7, -1.5 * mu * 6 / 7, -0.5 * mu * 6 / 7, 0.5 * mu * 6 / 7,
          1.5 * mu * 6 / 7, 2.5 * mu * 6 / 7}}};
    for (const Case& c : cases) {
        ResultRecipe recipe;
        recipe.ion = c.ion;
        recipe.baza = c.baza;
        recipe.field = 1;
        const IonModel model = buildModel(recipe);
        const int n = model.dimension();
        ASSERT_EQ(n, static_cast<int>(c.zeemanDiagonal.size()));
        const auto blocks = parseHamiltonianText(hamiltonianText(model), n);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(blocks[2](i, i), c.zeemanDiagonal[i], 1e-8) << c.ion << " state " << i;
        }
    }
}

TEST(ResultFiles, LevelFileHasOneSectionPerAxisInAscendingOrder) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        const auto lines = splitLines(r->files.at("o_E.dup"));
        const int n = r->model.dimension();
        std::vector<std::string> markers{"x0x", "z0z"};
        if (r->model.complexHamiltonian) {
            markers.insert(markers.begin() + 1, "y0y");
        }
        EXPECT_EQ(findMarker(lines, "y0y") < lines.size(), r->model.complexHamiltonian);
        std::size_t at = 0;
        for (const std::string& m : markers) {
            at = findMarker(lines, m, at);
            ASSERT_LT(at, lines.size()) << m;
            const auto rows = sectionRows(lines, at, n);
            for (int i = 0; i < n; ++i) {
                ASSERT_GE(rows[i].size(), 6u) << lines[at + 1 + i];
                EXPECT_NEAR(rows[i][1], rows[i][0] - rows[0][0], 2e-6);
                if (i > 0) {
                    EXPECT_GE(rows[i][0], rows[i - 1][0]);
                }
            }
            at += n + 1;
        }
        const std::size_t star = findMarker(lines, "*0*", at);
        ASSERT_EQ(star, at);
        ASSERT_EQ(lines.size(), star + 1 + n);
        for (std::size_t i = star + 1; i < lines.size(); ++i) {
            EXPECT_FALSE(lines[i].empty());
            EXPECT_NE(lines[i][0], 'x');
        }
    }
}

TEST(ResultFiles, NeutronFileEnergiesMatchTheLevelFileTextExactly) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        const int n = r->model.dimension();
        const auto levelLines = splitLines(r->files.at("o_E.dup"));
        const std::size_t z = findMarker(levelLines, "z0z");
        const auto lines = splitLines(r->files.at("o_neu.dup"));
        ASSERT_EQ(lines.at(0), "*0*");
        ASSERT_EQ(static_cast<int>(lines.size()), 1 + n * (n + 3));
        const std::size_t values = r->recipe.baza == 2 ? 4 : 8;
        for (int i = 0; i < n; ++i) {
            const std::size_t block = 1 + i * (n + 3);
            EXPECT_EQ(firstWord(levelLines[z + 1 + i]), firstWord(lines[block]));
            for (int j = 0; j < n; ++j) {
                EXPECT_EQ(numbersOf(lines[block + 2 + j]).size(), values);
            }
            EXPECT_TRUE(lines[block + 2 + n].empty());
        }
    }
}

TEST(ResultFiles, TransitionListIsSortedAndJoinsRealLevels) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        const std::vector<double> e = zSectionEnergies(*r);
        const auto lines = splitLines(r->files.at("o_spectro.dup"));
        ASSERT_GT(lines.size(), 1u);
        double previous = 0;
        const std::size_t columns = r->recipe.baza == 2 ? 5 : 8;
        for (std::size_t k = 1; k < lines.size(); ++k) {
            const auto v = numbersOf(lines[k]);
            ASSERT_EQ(v.size(), columns) << lines[k];
            EXPECT_GE(v[0], previous);
            previous = v[0];
            const int from = static_cast<int>(v.back());
            ASSERT_GE(from, 1);
            ASSERT_LE(from, static_cast<int>(e.size()));
            bool matches = false;
            for (double target : e) {
                matches = matches || std::abs(target - e[from - 1] - v[0]) < 2e-6;
            }
            EXPECT_TRUE(matches) << lines[k];
        }
        if (r->recipe.baza == 1) {
            EXPECT_EQ(splitLines(r->files.at("o_lsspec.dup")).size(), lines.size());
        } else {
            EXPECT_EQ(r->files.count("o_lsspec.dup"), 0u);
        }
    }
}

/// The viewer's derivation of the transition list from "o_neu.dup", with the LS element left
/// out: (energy difference, elements, initial level) sorted by energy difference.
std::vector<std::vector<double>> transitionsFromNeutronFile(const std::string& text, int n,
                                                            int count) {
    const auto lines = splitLines(text);
    std::vector<double> energies;
    std::vector<std::vector<std::vector<double>>> elements(n);
    for (int i = 0; i < n; ++i) {
        const std::size_t block = 1 + i * (n + 3);
        energies.push_back(numbersOf(lines[block]).at(0));
        for (int j = 0; j < n; ++j) {
            const auto v = numbersOf(lines[block + 2 + j]);
            elements[i].emplace_back(v.begin() + 1, v.begin() + 1 + count);
        }
    }
    std::vector<std::vector<double>> found;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double sum = 0;
            for (double e : elements[i][j]) {
                sum += std::abs(e);
            }
            if (energies[j] > energies[i] + 1e-6 && sum > 1e-6) {
                std::vector<double> line{energies[j] - energies[i]};
                line.insert(line.end(), elements[i][j].begin(), elements[i][j].end());
                line.push_back(i + 1);
                found.push_back(line);
            }
        }
    }
    for (std::size_t p = 0; p < found.size(); ++p) {
        std::size_t best = p;
        for (std::size_t q = p + 1; q < found.size(); ++q) {
            if (found[q][0] < found[best][0]) {
                best = q;
            }
        }
        std::swap(found[p], found[best]);
    }
    return found;
}

TEST(ResultFiles, TransitionListIsWhatTheViewerWouldDeriveFromTheNeutronFile) {
    for (const GeneratedResult* r : ordinaryExamples()) {
        const int count = r->recipe.baza == 2 ? 3 : 6;
        const auto expected =
            transitionsFromNeutronFile(r->files.at("o_neu.dup"), r->model.dimension(), count);
        const auto lines = splitLines(r->files.at("o_spectro.dup"));
        ASSERT_EQ(lines.size(), expected.size() + 1) << r->recipe.name;
        for (std::size_t k = 0; k < expected.size(); ++k) {
            const auto v = numbersOf(lines[k + 1]);
            ASSERT_EQ(v.size(), expected[k].size());
            for (std::size_t c = 0; c < v.size(); ++c) {
                EXPECT_NEAR(v[c], expected[k][c], 1.5e-6) << lines[k + 1];
            }
        }
    }
}

TEST(ResultFiles, InputFilesHaveTheirLineCountsAndConsistentCoefficients) {
    for (const GeneratedResult& r : generatedExamples()) {
        EXPECT_EQ(splitLines(r.files.at("input_e.dup")).size(), 12u);
        EXPECT_EQ(splitLines(r.files.at("input_s.dup")).size(), 24u);
        const auto a = splitLines(r.files.at("input_an.dup"));
        const auto b = splitLines(r.files.at("input_bn.dup"));
        ASSERT_EQ(a.size(), 27u);
        ASSERT_EQ(b.size(), 27u);
        const Ion& ion = ionByLabel(r.recipe.ion);
        const auto& theta = r.recipe.baza == 1 ? ion.stevensL : ion.stevensJ;
        for (int slot = 0; slot < kCoefficientCount; ++slot) {
            const int rank = slotRankIndex(slot).n / 2 - 1;
            const double bValue = numbersOf(b[slot]).at(0);
            EXPECT_DOUBLE_EQ(bValue, r.recipe.b[slot]);
            EXPECT_NEAR(numbersOf(a[slot]).at(0) * theta[rank] * ion.radial[rank], bValue,
                        1e-12 * (1 + std::abs(bValue)));
        }
        EXPECT_EQ(r.files.at("descr.dup").rfind("{\\rtf1", 0), 0u);
    }
}

TEST(ResultFiles, MeanFieldLevelFileHasOneBlockPerTemperatureStep) {
    const GeneratedResult& r = meanFieldExample();
    const auto lines = splitLines(r.files.at("o_E.dup"));
    const auto& steps = r.meanField->steps;
    ASSERT_EQ(static_cast<int>(steps.size()), r.recipe.settings.chiPoints);
    std::size_t at = 0;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const std::string marker = "x" + std::to_string(k) + "x ";
        at = findMarker(lines, marker, at);
        ASSERT_LT(at, lines.size()) << marker;
        EXPECT_NEAR(numbersOf(lines[at].substr(marker.size())).at(0), steps[k].t, 1e-9);
        ASSERT_LT(findMarker(lines, "z" + std::to_string(k) + "z", at), lines.size());
        ASSERT_LT(findMarker(lines, "*" + std::to_string(k) + "*", at), lines.size());
        ++at;
    }
    EXPECT_EQ(findMarker(lines, "x" + std::to_string(steps.size()) + "x"), lines.size());
}

TEST(ResultFiles, EveryMandatoryMemberIsProduced) {
    const std::vector<std::string> ordinary{
        "input_e.dup", "input_an.dup", "input_s.dup",  "o_chi_x.dup", "o_chi_y.dup",
        "o_chi_z.dup", "o_E.dup",      "o_neu.dup",    "o_spc.dup",   "d_moment.dup",
        "d_temp.dup",  "descr.dup",    "input_bn.dup", "o_ham.dup",   "o_spectro.dup"};
    const std::vector<std::string> meanField{
        "input_e.dup", "input_an.dup", "input_bn.dup", "input_s.dup", "o_chi_x.dup",
        "o_chi_y.dup", "o_chi_z.dup",  "o_E.dup",      "o_spc.dup",   "descr.dup",
        "d_temp.dup",  "d_moment.dup", "d_aniso.dup"};
    for (const GeneratedResult& r : generatedExamples()) {
        for (const std::string& name : r.recipe.meanField ? meanField : ordinary) {
            ASSERT_EQ(r.files.count(name), 1u) << r.recipe.name << ": " << name;
            EXPECT_GT(r.files.at(name).size(), 10u) << name;
        }
    }
}

} // namespace
} // namespace vintrel::generator
