// Cell texts, the dominant term and the side panel's texts.
#include "ham_fixtures.h"
#include "hamiltonian/ham_states.h"
#include "hamiltonian/ham_texts.h"
#include "resultdata/term_values.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

constexpr HamTerm LS = HamTerm::ls;
constexpr HamTerm CEF = HamTerm::cef;
constexpr HamTerm ZEEMAN = HamTerm::zeeman;

// Matrices of N states whose (1, 2) element has the given terms; every other element is 0.
HamiltonianMatrices withElement(bool complex, std::complex<double> cef, std::complex<double> ls,
                                std::complex<double> zeeman, int N = 3) {
    HamiltonianMatrices matrices;
    matrices.reset(N, complex);
    readHamiltonianText(
        "o_ham.dup",
        test::hamiltonianFile(N, complex,
                              [&](HamTerm term, int r, int c) {
                                  if (r != 1 || c != 2)
                                      return std::complex<double>();
                                  return term == CEF ? cef : term == LS ? ls : zeeman;
                              }),
        matrices);
    matrices.sum(TermSet::all());
    return matrices;
}

} // namespace

TEST(CompactText, RealInTenAndComplexInTwelveCharacters) {
    struct Case {
        HamElement value;
        bool complex;
        const char* text;
    };
    const Case cases[] = {
        {{123.456789, 0}, false, "123.45679"},
        {{0, 0}, false, "0"},
        {{-1320, 0}, false, "-1320"},
        {{2.5e-7, 0}, false, "2.5E-7"},
        {{-1234567.891, 0}, false, "-1.2346E+6"},
        {{1.5, 0}, true, "1.5"},
        {{0, 2}, true, "2i"},
        {{0, -2}, true, "-2i"},
        {{1.5, 1e-12}, true, "1.5+1E-12i"},
        {{1.5, 0}, true, "1.5"},
        {{-1320, -11022.703842524}, true, "-1320-11023i"},
        {{1.008733423, -0.582392513}, true, "1.0087-0.582i"},
    };
    CompactTexts remembered;
    for (int pass = 0; pass < 2; ++pass)
        for (const Case& c : cases) {
            EXPECT_EQ(compactText(c.value, c.complex), c.text) << c.value.re << " " << c.value.im;
            EXPECT_EQ(remembered(c.value, c.complex), c.text) << c.value.re << " " << c.value.im;
        }
    // The same value in a real and a complex Hamiltonian: 10 and 12 characters.
    EXPECT_EQ(remembered({-1234.56789, 0}, false), "-1234.5679");
    EXPECT_EQ(remembered({-1234.56789, 0}, true), "-1234.56789");
}

TEST(DominantTerm, FirstTickedTermWithTheLargestSizeInTheOrderLsCefZeeman) {
    const std::array<HamElement, 3> equal = {HamElement{-2, 0}, HamElement{2, 0}, HamElement{2, 0}};
    EXPECT_EQ(dominantTerm(equal, TermSet::all(), false), LS);
    EXPECT_EQ(dominantTerm(equal, {CEF, ZEEMAN}, false), CEF);
    EXPECT_EQ(dominantTerm(equal, {ZEEMAN}, false), ZEEMAN);
    EXPECT_EQ(dominantTerm(equal, {}, false), std::nullopt);
    // Indexed by HamTerm: CEF, LS, Zeeman. A later term wins only when strictly larger.
    const std::array<HamElement, 3> zeemanLargest = {HamElement{1, 0}, HamElement{-3, 0},
                                                     HamElement{-3.5, 0}};
    EXPECT_EQ(dominantTerm(zeemanLargest, TermSet::all(), false), ZEEMAN);
    EXPECT_EQ(dominantTerm(zeemanLargest, {CEF, LS}, false), LS);
    // Complex: re² + im², so 3 + 3i (18) beats 4 (16).
    const std::array<HamElement, 3> complex = {HamElement{3, 3}, HamElement{4, 0},
                                               HamElement{0, 1}};
    EXPECT_EQ(dominantTerm(complex, TermSet::all(), true), CEF);
    EXPECT_EQ(dominantTerm(complex, TermSet::all(), false), LS);
}

TEST(CellLines, OneLinePerTickedTermAndOnlyANonZeroDominantOfSeveralIsEmphasised) {
    const HamiltonianMatrices matrices = withElement(false, 5, -5, 0.25);
    const std::vector<CellLine> all = cellLines(matrices, 1, 2, TermSet::all());
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].term, LS);
    EXPECT_EQ(all[0].text, "-5");
    EXPECT_TRUE(all[0].emphasised);
    EXPECT_EQ(all[1].term, CEF);
    EXPECT_EQ(all[1].text, "5");
    EXPECT_FALSE(all[1].emphasised);
    EXPECT_EQ(all[2].text, "0.25");
    EXPECT_FALSE(all[2].emphasised);

    const std::vector<CellLine> one = cellLines(matrices, 1, 2, {CEF});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_FALSE(one[0].emphasised);
    const std::vector<CellLine> zeros = cellLines(matrices, 2, 1, {CEF, ZEEMAN});
    ASSERT_EQ(zeros.size(), 2u);
    EXPECT_FALSE(zeros[0].emphasised);
    EXPECT_FALSE(zeros[1].emphasised);
    EXPECT_TRUE(cellLines(matrices, 1, 2, {}).empty());
    // States beyond the matrices (a selection from a larger result) have no lines.
    EXPECT_TRUE(cellLines(matrices, 4, 1, TermSet::all()).empty());

    const HamiltonianMatrices complex = withElement(true, {0, 2}, {0, 0}, {1, -1});
    const std::vector<CellLine> lines = cellLines(complex, 1, 2, TermSet::all());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "0");
    EXPECT_EQ(lines[1].text, "2i");
    EXPECT_TRUE(lines[1].emphasised);
    EXPECT_EQ(lines[2].text, "1-1i");
}

TEST(ParameterPanelTexts, UsedParametersOfTheResult) {
    TVariables ti;
    ti.element = 22;
    ti._ionvalue = 3;
    ti.siconf = "3d^1";
    ti.baza = 1;
    ti.cialo = 2;
    ti.lambda = 220;
    ti._dimension = 10;
    ti._magfield_x = 1.5;
    ti._magfield_y = 0.8660254037844386;
    ti._magfield_z = 1.0000000000000002;
    const ParameterPanelTexts texts = parameterPanelTexts(ti);
    EXPECT_EQ(texts.element, "Titanium");
    EXPECT_EQ(texts.atomicNumber, "22");
    EXPECT_EQ(texts.oxidation, "+3");
    EXPECT_EQ(texts.dimension, "10");
    EXPECT_EQ(texts.base, "|L,S,L_z,S_z>");
    EXPECT_EQ(texts.field, "Complex");
    EXPECT_EQ(texts.lambda, "220");
    EXPECT_EQ(texts.bx, "1.5");
    EXPECT_EQ(texts.by, "0.866025");
    EXPECT_EQ(texts.bz, "1");

    TVariables ce;
    ce.element = 82; // table row of cerium
    ce._ionvalue = 0;
    ce.baza = 2;
    ce.lambda = 0.125;
    const ParameterPanelTexts j = parameterPanelTexts(ce);
    EXPECT_EQ(j.element, "Cerium");
    EXPECT_EQ(j.atomicNumber, "58");
    EXPECT_EQ(j.oxidation, "0");
    EXPECT_EQ(j.base, "|L,S,J,J_z>");
    EXPECT_EQ(j.field, "Real");
    EXPECT_EQ(j.lambda, "(infinite value)");
    ce._ionvalue = -1;
    ce.element = 500;
    EXPECT_EQ(parameterPanelTexts(ce).oxidation, "-1");
    EXPECT_EQ(parameterPanelTexts(ce).element, "");
}

TEST(SelectionTexts, ShownOnlyWhileTheSelectionFitsTheStates) {
    const std::vector<std::string> captions = stateCaptions(2, *termValues("3d^1", 2));
    ASSERT_EQ(captions.size(), 4u);
    const HamiltonianMatrices four = withElement(true, {1.25, -0.5}, {-3, 0}, {0, 2e-7}, 4);

    const SelectionTexts none = selectionTexts(four, captions, -1, -1, TermSet::all());
    EXPECT_EQ(none.row, "(none)");
    EXPECT_EQ(none.column, "(none)");
    EXPECT_EQ(none.rowCaption, "");
    EXPECT_FALSE(none.total.shown);

    const SelectionTexts row = selectionTexts(four, captions, 2, -1, TermSet::all());
    EXPECT_EQ(row.row, "2");
    EXPECT_EQ(row.rowCaption, "J_z=-0.5");
    EXPECT_EQ(row.column, "(none)");
    EXPECT_FALSE(row.total.shown);

    const SelectionTexts both = selectionTexts(four, captions, 1, 2, {CEF, ZEEMAN});
    EXPECT_EQ(both.columnCaption, "J_z=-0.5");
    const TermValueTexts& cef = both.terms[std::size_t(CEF)];
    EXPECT_TRUE(cef.shown);
    EXPECT_EQ(cef.value, "1.25");
    EXPECT_EQ(cef.imaginary, "-0.5 i");
    EXPECT_FALSE(both.terms[std::size_t(LS)].shown);
    const TermValueTexts& zeeman = both.terms[std::size_t(ZEEMAN)];
    EXPECT_EQ(zeeman.value, "0");
    EXPECT_EQ(zeeman.imaginary, ""); // 2e-7 shows as 0
    EXPECT_TRUE(both.total.shown);
    EXPECT_EQ(both.total.value, "-1.75");
    EXPECT_EQ(both.total.imaginary, "-0.5 i");

    // A selection kept from a larger result: row 7 of a result with 4 states.
    const SelectionTexts beyond = selectionTexts(four, captions, 7, 2, TermSet::all());
    EXPECT_EQ(beyond.row, "(none)");
    EXPECT_EQ(beyond.column, "2");
    EXPECT_FALSE(beyond.total.shown);

    const HamiltonianMatrices real = withElement(false, 1, 2, -4.123456);
    const SelectionTexts plain = selectionTexts(real, {"a", "b", "c"}, 1, 2, {ZEEMAN});
    EXPECT_EQ(plain.terms[std::size_t(ZEEMAN)].value, "-4.12346");
    EXPECT_EQ(plain.terms[std::size_t(ZEEMAN)].imaginary, "");
    EXPECT_EQ(plain.total.value, "-1.12346");
}

TEST(ElementHint, SelectedSumAndTotal) {
    HamiltonianMatrices real = withElement(false, 1, 2, -4.123456789);
    real.sum({CEF, ZEEMAN});
    EXPECT_EQ(elementHint(real, 1, 2), "selected: -3.1234568, total: -1.1234568");
    HamiltonianMatrices complex = withElement(true, {1, 0.5}, {0, -1}, {0, 0});
    complex.sum({LS});
    EXPECT_EQ(elementHint(complex, 1, 2), "selected: 0-1i, total: 1-0.5i");
    EXPECT_EQ(elementHint(complex, 2, 3), "selected: 0+0i, total: 0+0i");
}
