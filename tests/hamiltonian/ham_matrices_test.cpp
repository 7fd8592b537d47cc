// The reader of "o_ham.dup" and the matrices of the Hamiltonian page.
#include "ham_fixtures.h"
#include "hamiltonian/ham_matrices.h"
#include "resultdata/dup_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

// A Hermitian element that tells term, row and column apart.
std::complex<double> hermitian(HamTerm term, int row, int column) {
    const int low = std::min(row, column);
    const int high = std::max(row, column);
    const double t = 1000.0 * (static_cast<int>(term) + 1);
    if (row == column)
        return {t + row, 0};
    const std::complex<double> upper(t + low * 0.01 + high, 0.25 * high - 0.5 * low);
    return row < column ? upper : std::conj(upper);
}

HamiltonianMatrices sized(int N, bool complex) {
    HamiltonianMatrices matrices;
    matrices.reset(N, complex);
    return matrices;
}

std::string errorOf(const std::string& text, int N, bool complex) {
    HamiltonianMatrices matrices = sized(N, complex);
    try {
        readHamiltonianText("o_ham.dup", text, matrices);
    } catch (const InputError& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(DoubleBlankFields, CutAtEveryDoubleBlankAndKeepEmptyFields) {
    using Fields = std::vector<std::string_view>;
    const std::pair<std::string_view, Fields> cases[] = {
        {"1  2  3", {"1", "2", "3"}}, {"-90.5  0.0", {"-90.5", "0.0"}},
        {"1    3", {"1", "", "3"}},   {"1   3", {"1", " 3"}},
        {"  1", {"", "1"}},           {"1 2  3", {"1 2", "3"}},
        {"1  ", {"1", ""}},           {"", {""}},
    };
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(doubleBlankFields(line), fields) << '"' << line << '"';
}

TEST(HamiltonianReader, RealBlocksFillTheTermsAndFurtherFieldsAreIgnored) {
    const std::string text = test::hamiltonianFile(3, false, hermitian);
    HamiltonianMatrices matrices = sized(3, false);
    readHamiltonianText("o_ham.dup", text + "trailing lines are ignored\r\n", matrices);
    ASSERT_EQ(matrices.size(), 3);
    for (HamTerm term : {HamTerm::cef, HamTerm::ls, HamTerm::zeeman})
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c)
                EXPECT_DOUBLE_EQ(matrices.term(term).at(r, c), hermitian(term, r, c).real());
    EXPECT_NEAR(matrices.element(HamTerm::ls, 1, 3).re, 2003.01, 1e-9);
    EXPECT_EQ(matrices.element(HamTerm::ls, 1, 3).im, 0.0);

    const std::string wide = "CEF\n1  2  junk\n3  4  \n"
                             "LS\n0  0\n0  0\n"
                             "Zeeman\n0  0\n0  0\n";
    HamiltonianMatrices two = sized(2, false);
    readHamiltonianText("o_ham.dup", wide, two);
    EXPECT_EQ(two.element(HamTerm::cef, 1, 2), (HamElement{2, 0}));
    EXPECT_EQ(two.element(HamTerm::cef, 2, 1), (HamElement{3, 0}));
}

TEST(HamiltonianReader, ComplexSixtySixStatesTakeRealAndImaginaryPartsFromTheFirstRowOfEachBlock) {
    constexpr int N = 66;
    HamiltonianMatrices matrices = sized(N, true);
    ASSERT_TRUE(matrices.fits());
    ASSERT_EQ(matrices.size(), 2 * N);
    readHamiltonianText("o_ham.dup", test::hamiltonianFile(N, true, hermitian), matrices);
    for (HamTerm term : {HamTerm::cef, HamTerm::ls, HamTerm::zeeman})
        for (int r : {1, 2, 33, 65, 66})
            for (int c : {1, 7, 34, 66}) {
                const std::complex<double> e = hermitian(term, r, c);
                EXPECT_NEAR(matrices.element(term, r, c).re, e.real(), 1e-9) << r << "," << c;
                EXPECT_NEAR(matrices.element(term, r, c).im, e.imag(), 1e-9) << r << "," << c;
            }
    // The second row of a block is read, too, though never shown.
    EXPECT_NEAR(matrices.term(HamTerm::cef).at(2, 3), -hermitian(HamTerm::cef, 1, 2).imag(), 1e-9);

    matrices.sum(TermSet{HamTerm::ls, HamTerm::zeeman});
    const HamElement total = matrices.element(matrices.total(), 5, 40);
    const HamElement selected = matrices.element(matrices.selected(), 5, 40);
    std::complex<double> sum, ticked;
    for (HamTerm term : {HamTerm::cef, HamTerm::ls, HamTerm::zeeman}) {
        sum += hermitian(term, 5, 40);
        if (term != HamTerm::cef)
            ticked += hermitian(term, 5, 40);
    }
    EXPECT_NEAR(total.re, sum.real(), 1e-9);
    EXPECT_NEAR(total.im, sum.imag(), 1e-9);
    EXPECT_NEAR(selected.re, ticked.real(), 1e-9);
    EXPECT_NEAR(selected.im, ticked.imag(), 1e-9);
    // Every position of the 2N × 2N form is summed.
    EXPECT_NEAR(matrices.total().at(2 * N, 2 * N - 1), 0.0, 1e-12);
    EXPECT_NEAR(matrices.selected().at(2 * N, 2 * N),
                hermitian(HamTerm::ls, N, N).real() + hermitian(HamTerm::zeeman, N, N).real(),
                1e-9);
}

TEST(HamiltonianReader, CapacityGivesTheLimitsOfTheStates) {
    struct Case {
        int N;
        bool complex;
        bool fits;
    };
    const Case cases[] = {{152, false, true}, {153, false, false}, {76, true, true},
                          {77, true, false},  {0, false, false},   {-3, true, false}};
    for (const Case& c : cases) {
        const HamiltonianMatrices matrices = sized(c.N, c.complex);
        EXPECT_EQ(matrices.fits(), c.fits) << c.N;
        EXPECT_EQ(matrices.size(), c.fits ? (c.complex ? 2 * c.N : c.N) : 0) << c.N;
        EXPECT_EQ(matrices.element(HamTerm::cef, 1, 1), HamElement{}) << c.N;
    }
    EXPECT_NE(errorOf("CEF\n", 153, false).find("153 states"), std::string::npos);
    EXPECT_NE(errorOf("CEF\n", 77, true).find("at most 152 states of a real and 76 of a complex"),
              std::string::npos);
    // No states (a configuration that cannot be read): nothing to read, nothing wrong.
    EXPECT_EQ(errorOf("", 0, false), "");
}

TEST(HamiltonianReader, DamagedFilesNameTheLineAndKeepWhatWasRead) {
    const std::string good = test::hamiltonianFile(2, false, hermitian);
    auto without = [&](const std::string& from) { return good.substr(0, good.find(from)); };
    struct Case {
        const char* what;
        std::string text;
        const char* error;
    };
    std::string letters = good;
    letters.replace(letters.find("2001.0"), 4, "2x01");
    const Case cases[] = {
        {"no Zeeman block", without("Zeeman"), "o_ham.dup, line 7: unexpected end of file"},
        {"short LS block", without("LS term") + "LS term\r\n2001.000000000  2002.010000000\r\n",
         "o_ham.dup, line 6: unexpected end of file"},
        {"a letter in a number", letters, "o_ham.dup, line 5: \"2x01.000000000\" is not a valid"},
        {"an empty field", "CEF\n1    2\n3  4\n", "line 2: \"\" is not a valid number"},
        {"a short row", "CEF\n1  2\n3\n", "line 3: row 2 has 1 values, 2 expected"},
        {"a comma", "CEF\n1,5  2\n", "line 2: \"1,5\" is not a valid number"},
    };
    for (const Case& c : cases) {
        const std::string error = errorOf(c.text, 2, false);
        EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
    }
    // What was read before the damage stays.
    HamiltonianMatrices matrices = sized(2, false);
    EXPECT_THROW(readHamiltonianText("o_ham.dup", without("Zeeman"), matrices), InputError);
    EXPECT_NEAR(matrices.element(HamTerm::cef, 2, 1).re, 1002.01, 1e-9);
    EXPECT_EQ(matrices.element(HamTerm::ls, 2, 2), (HamElement{2002, 0}));
}

TEST(HamiltonianReader, AMissingOrEmptyFileLeavesZeroMatrices) {
    test::TempDir dir;
    HamiltonianMatrices matrices = sized(2, false);
    EXPECT_FALSE(readHamiltonian(dir.path(), matrices));
    // Saving stores an absent member empty: an empty file is a missing one, not a damaged one.
    test::writeFile(dir / kHamiltonianFile, "");
    EXPECT_FALSE(readHamiltonian(dir.path(), matrices));
    EXPECT_EQ(matrices.size(), 2);
    EXPECT_EQ(matrices.element(HamTerm::cef, 1, 1), HamElement{});

    test::writeFile(dir / kHamiltonianFile, test::hamiltonianFile(2, false, hermitian));
    EXPECT_TRUE(readHamiltonian(dir.path(), matrices));
    EXPECT_EQ(matrices.element(HamTerm::zeeman, 2, 2), (HamElement{3002, 0}));

    test::writeFile(dir / kHamiltonianFile, "CEF\n");
    try {
        readHamiltonian(dir.path(), matrices);
        FAIL() << "a block without rows was read";
    } catch (const InputError& error) {
        EXPECT_NE(std::string(error.what()).find((dir / kHamiltonianFile).string()),
                  std::string::npos);
    }
}

TEST(HamiltonianMatrices, ElementsBeyondTheStatesAreZeroAndNeverRead) {
    HamiltonianMatrices matrices = sized(3, true);
    readHamiltonianText("o_ham.dup", test::hamiltonianFile(3, true, hermitian), matrices);
    EXPECT_NEAR(matrices.element(HamTerm::cef, 3, 1).im, -0.25, 1e-12);
    // A selection left over from a larger result: rows and columns 4 … 10 do not exist.
    for (const auto& [r, c] : {std::pair{4, 1}, {1, 4}, {10, 10}, {0, 1}, {1, -1}})
        EXPECT_EQ(matrices.element(HamTerm::cef, r, c), HamElement{}) << r << "," << c;
    EXPECT_EQ(matrices.term(HamTerm::cef).at(7, 1), 0.0);
    EXPECT_EQ(matrices.term(HamTerm::cef).at(1, 0), 0.0);
}
