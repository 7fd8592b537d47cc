// The table of `vintrel-cli data hamiltonian` and the page's "Export data…".
#include "ham_fixtures.h"
#include "hamiltonian/ham_data.h"
#include "levels/level_tables.h"
#include "resultdata/dup_reader.h"
#include "support/cli_run.h"
#include "support/jacobi_eigen.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace vintrel;
using vintrel::test::cli;
using vintrel::test::csvRows;
using vintrel::test::TempDir;

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(VINTREL_SOURCE_DIR) / "examples";

// The energies (number 1) of the z section of block 0 of "o_E.dup".
std::vector<double> levelEnergies(const fs::path& folder, int N) {
    DupReader reader(folder / kLevelsFile);
    EXPECT_TRUE(findMarker(reader, "z0z"));
    std::vector<double> energies;
    for (int i = 0; i < N; ++i)
        energies.push_back(reader.readReal());
    std::sort(energies.begin(), energies.end());
    return energies;
}

// Ce3+ (4f^1, |J,Jz>, six states, real) with the given "o_ham.dup" (none when nullopt).
ResultLocation ceriumResult(const test::WorkingRoot& root,
                            const std::optional<std::string>& hamiltonian) {
    test::ResultRecipe recipe = test::ceriumCubic();
    if (hamiltonian)
        recipe.withFile(kHamiltonianFile, *hamiltonian);
    else
        recipe.without(kHamiltonianFile);
    return root.write("Result00", recipe);
}

std::complex<double> ceriumElement(HamTerm term, int row, int column) {
    if (term == HamTerm::cef && row == column)
        return {-10.0 * row, 0};
    if (term == HamTerm::zeeman && std::abs(row - column) == 1)
        return {0.5, 0};
    return {};
}

} // namespace

TEST(JacobiEigenvalues, KnownMatrices) {
    const std::vector<double> real = test::symmetricEigenvalues({2, 1, 0, 1, 2, 0, 0, 0, -4}, 3);
    ASSERT_EQ(real.size(), 3u);
    EXPECT_NEAR(real[0], -4, 1e-12);
    EXPECT_NEAR(real[1], 1, 1e-12);
    EXPECT_NEAR(real[2], 3, 1e-12);
    // [[1, i], [−i, 1]] has the eigenvalues 0 and 2.
    const std::vector<double> hermitian =
        test::hermitianEigenvalues({1, 0, 0, 1}, {0, 1, -1, 0}, 2);
    ASSERT_EQ(hermitian.size(), 2u);
    EXPECT_NEAR(hermitian[0], 0, 1e-12);
    EXPECT_NEAR(hermitian[1], 2, 1e-12);
}

TEST(HamiltonianTerms, NamesOfTheTermOption) {
    EXPECT_EQ(termsNamed("total"), TermSet::all());
    EXPECT_EQ(termsNamed("cef"), TermSet{HamTerm::cef});
    EXPECT_EQ(termsNamed("ls"), TermSet{HamTerm::ls});
    EXPECT_EQ(termsNamed("zeeman"), TermSet{HamTerm::zeeman});
    EXPECT_FALSE(termsNamed("CEF"));
    EXPECT_FALSE(termsNamed(""));
    EXPECT_EQ(termsName(TermSet::all()), "total");
    EXPECT_EQ(termsName({}), "none");
    EXPECT_EQ(termsName({HamTerm::zeeman, HamTerm::cef, HamTerm::ls}), "total");
    EXPECT_EQ(termsName({HamTerm::zeeman, HamTerm::ls}), "ls+zeeman");
    EXPECT_EQ(termsName({HamTerm::cef, HamTerm::ls}), "ls+cef");
}

TEST(HamiltonianTable, OneRowPerElementWithTheStateCaptions) {
    const test::WorkingRoot root;
    const ResultLocation location =
        ceriumResult(root, test::hamiltonianFile(6, false, ceriumElement));
    const DataTable total = hamiltonianDataTable(location, "Ce test", TermSet::all());
    EXPECT_EQ(total.columns, (std::vector<std::string>{"row", "column", "state row", "state column",
                                                       "re [K]", "im [K]"}));
    const auto comment = [](const DataTable& table, const std::string& key) {
        for (const auto& [k, v] : table.comments)
            if (k == key)
                return v;
        return std::string("(absent)");
    };
    EXPECT_EQ(comment(total, "result"), "Ce test");
    EXPECT_EQ(comment(total, "basis"), "|J,Jz>");
    EXPECT_EQ(comment(total, "states"), "6");
    EXPECT_EQ(comment(total, "term"), "total");
    ASSERT_EQ(total.rows.size(), 36u);
    const auto& first = total.rows[0];
    EXPECT_EQ(std::get<std::int64_t>(first[0]), 1);
    EXPECT_EQ(std::get<std::int64_t>(first[1]), 1);
    EXPECT_EQ(std::get<std::string>(first[2]), "J_z=-2.5");
    EXPECT_EQ(std::get<double>(first[4]), -10.0);
    EXPECT_EQ(std::get<double>(first[5]), 0.0);
    const auto& upper = total.rows[1]; // (1, 2): only the Zeeman term
    EXPECT_EQ(std::get<std::string>(upper[3]), "J_z=-1.5");
    EXPECT_EQ(std::get<double>(upper[4]), 0.5);
    const auto& last = total.rows[35];
    EXPECT_EQ(std::get<std::string>(last[2]), "J_z=2.5");
    EXPECT_EQ(std::get<double>(last[4]), -60.0);

    const DataTable cef = hamiltonianDataTable(location, "Ce test", {HamTerm::cef});
    EXPECT_EQ(comment(cef, "term"), "cef");
    EXPECT_EQ(std::get<double>(cef.rows[1][4]), 0.0);
    EXPECT_EQ(std::get<double>(cef.rows[35][4]), -60.0);
    const DataTable none = hamiltonianDataTable(location, "Ce test", {});
    EXPECT_EQ(comment(none, "term"), "none");
    EXPECT_EQ(std::get<double>(none.rows[35][4]), 0.0);
}

TEST(HamiltonianTable, ResultsWithoutAHamiltonianAreRefused) {
    const test::WorkingRoot root;
    // No file, and an empty one: saving stores an absent member empty.
    for (const auto& content : {std::optional<std::string>(), std::optional<std::string>("")}) {
        const ResultLocation location = ceriumResult(root, content);
        try {
            hamiltonianDataTable(location, "Ce", TermSet::all());
            FAIL() << "a result without o_ham.dup gave a table";
        } catch (const FileError& error) {
            EXPECT_STREQ(error.what(), "Hamiltonian data not found in result file");
        }
    }
    const test::CliRun meanField =
        cli({"data", "hamiltonian", (kExamples / "Nd-meanfield.mfa").string()});
    EXPECT_EQ(meanField.status, kExitUsage);
    EXPECT_NE(meanField.err.find("mean-field"), std::string::npos) << meanField.err;
    // A missing file, like a damaged one, refuses the source; asking a mean-field result for
    // its Hamiltonian is wrong usage.
    const test::CliRun empty = cli({"data", "hamiltonian", root.folder("Result00").string()});
    EXPECT_EQ(empty.status, kExitRefused);
    EXPECT_NE(empty.err.find("Hamiltonian data not found in result file"), std::string::npos);
    EXPECT_EQ(empty.out, "");

    ceriumResult(root, "CEF term\r\n1  2\r\n");
    const test::CliRun damaged = cli({"data", "hamiltonian", root.folder("Result00").string()});
    EXPECT_EQ(damaged.status, kExitRefused);
    EXPECT_NE(damaged.err.find("line 2: row 1 has 2 values, 6 expected"), std::string::npos)
        << damaged.err;
}

TEST(HamiltonianTable, TermOptionChoosesTheSum) {
    const std::string ti = (kExamples / "Ti-LS-complex.zrvn").string();
    const test::CliRun total = cli({"data", "hamiltonian", ti});
    const test::CliRun named = cli({"data", "hamiltonian", ti, "--term", "total"});
    ASSERT_EQ(total.status, kExitOk) << total.err;
    EXPECT_EQ(total.out, named.out);
    EXPECT_NE(total.out.find("\n# term: total\nrow,column,state row,state column,re [K],im [K]\n"
                             "1,1,L_z=2  S_z=0.5,L_z=2  S_z=0.5,"),
              std::string::npos)
        << total.out.substr(0, 600);
    std::array<std::vector<std::vector<std::string>>, 3> terms;
    const char* names[] = {"cef", "ls", "zeeman"};
    for (int t = 0; t < 3; ++t) {
        const test::CliRun run = cli({"data", "hamiltonian", ti, "--term", names[t]});
        ASSERT_EQ(run.status, kExitOk) << run.err;
        EXPECT_NE(run.out.find(std::string("# term: ") + names[t] + "\n"), std::string::npos);
        terms[std::size_t(t)] = csvRows(run.out);
    }
    const auto rows = csvRows(total.out);
    ASSERT_EQ(rows.size(), 100u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t part : {4u, 5u}) {
            double sum = 0;
            for (const auto& term : terms)
                sum += std::stod(term[i][part]);
            EXPECT_NEAR(std::stod(rows[i][part]), sum, 1e-9) << rows[i][0] << "," << rows[i][1];
        }
    // The spin-orbit term couples L_z=2 S_z=-0.5 with L_z=1 S_z=0.5: λ·√(L(L+1)−2·1)·½ = 220 K.
    EXPECT_EQ(terms[1][12][2], "L_z=2  S_z=-0.5");
    EXPECT_EQ(terms[1][12][3], "L_z=1  S_z=0.5");
    EXPECT_EQ(terms[1][12][4], "220");
    // The oblique field makes complex Zeeman elements; the trigonal field complex CEF ones.
    EXPECT_NE(terms[2][1][5], "0");
    EXPECT_NE(terms[0][6][5], "0");

    const test::CliRun wrong = cli({"data", "hamiltonian", ti, "--term", "spin-orbit"});
    EXPECT_EQ(wrong.status, kExitUsage);
    EXPECT_NE(wrong.err.find("--term takes cef, ls, zeeman or total, not spin-orbit"),
              std::string::npos);
    EXPECT_EQ(cli({"data", "hamiltonian", ti, "--term"}).status, kExitUsage);
}

// The summed matrix has the levels of the result: the examples' level files carry a small
// probe field that "o_ham.dup" does not, which moves each level by a few tenths of a kelvin.
TEST(HamiltonianTable, TotalMatrixOfTheExamplesHasTheirLevels) {
    struct Example {
        const char* file;
        int results;
        int N;
        bool complex;
    };
    for (const Example& example :
         {Example{"Ti-LS-complex.zrvn", 1, 10, true}, Example{"Ce-cubic.zrvn", 2, 6, false}}) {
        TempDir dir;
        ASSERT_EQ(cli({"extract", (kExamples / example.file).string(), dir.path().string()}).status,
                  kExitOk);
        for (int result = 0; result < example.results; ++result) {
            const fs::path folder = dir / ("Result0" + std::to_string(result));
            const test::CliRun run =
                cli({"data", "hamiltonian", folder.string(), "--term", "total"});
            ASSERT_EQ(run.status, kExitOk) << run.err;
            const auto rows = csvRows(run.out);
            ASSERT_EQ(rows.size(), std::size_t(example.N * example.N));
            std::vector<double> re, im;
            for (const auto& row : rows) {
                re.push_back(std::stod(row[4]));
                im.push_back(std::stod(row[5]));
                if (!example.complex) {
                    EXPECT_EQ(row[5], "0");
                }
            }
            const std::vector<double> eigenvalues = test::hermitianEigenvalues(re, im, example.N);
            const std::vector<double> levels = levelEnergies(folder, example.N);
            ASSERT_EQ(eigenvalues.size(), levels.size());
            for (std::size_t i = 0; i < levels.size(); ++i) {
                EXPECT_NEAR(eigenvalues[i], levels[i], 0.5) << example.file << " level " << i + 1;
            }
            // The levels spread far wider than the probe moves them: a term missing from the
            // sum, or with the wrong sign, would move them by far more.
            EXPECT_GT(levels.back() - levels.front(), 100.0) << example.file;
        }
    }
}
