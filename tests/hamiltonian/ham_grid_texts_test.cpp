// The prepared texts of the grid's cells.
#include "ham_fixtures.h"
#include "hamiltonian/ham_grid_texts.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

// 7 pixels a character, 8 in bold.
int measure(std::string_view text, bool bold) {
    return int(text.size()) * (bold ? 8 : 7);
}

HamiltonianMatrices complexPair() {
    HamiltonianMatrices matrices;
    matrices.reset(2, true);
    readHamiltonianText("o_ham.dup",
                        test::hamiltonianFile(2, true,
                                              [](HamTerm term, int r, int c) {
                                                  if (r == c)
                                                      return std::complex<double>(-1320.5, 0);
                                                  const std::complex<double> e(
                                                      term == HamTerm::cef ? -11022.7 : 0, 2);
                                                  return r < c ? e : std::conj(e);
                                              }),
                        matrices);
    return matrices;
}

} // namespace

TEST(HamGridTexts, TextsWiderThanTheColumnBecomeLong) {
    const HamiltonianMatrices matrices = complexPair();
    HamGridTexts texts;
    texts.prepare(matrices, TermSet::all(), 75, measure);
    EXPECT_EQ(texts.states(), 2);
    EXPECT_EQ(texts.lineCount(), 3);
    const PreparedLine* cell = texts.lines(1, 2);
    ASSERT_NE(cell, nullptr);
    // LS: "2i" → stem "2" and the i drawn apart: 7 + 1 + 7.
    EXPECT_EQ(cell[0].term, HamTerm::ls);
    EXPECT_EQ(cell[0].stem, "2");
    EXPECT_TRUE(cell[0].imaginaryUnit);
    EXPECT_EQ(cell[0].stemWidth, 7);
    EXPECT_EQ(cell[0].width, 15);
    // CEF: "-11023+2i", bold as the dominant term: 8 × 8 + 1 + 8 = 73 fits 75.
    EXPECT_EQ(cell[1].term, HamTerm::cef);
    EXPECT_TRUE(cell[1].emphasised);
    EXPECT_EQ(cell[1].stem, "-11023+2");
    EXPECT_EQ(cell[1].width, 73);
    // Diagonal: "-1320.5" plain (7 × 7 = 49) for every term; no term stands out of equals.
    const PreparedLine* diagonal = texts.lines(2, 2);
    EXPECT_EQ(diagonal[1].stem, "-1320.5");
    EXPECT_FALSE(diagonal[1].imaginaryUnit);
    EXPECT_TRUE(diagonal[0].emphasised); // LS, first of three equal values

    EXPECT_EQ(texts.shownText(cell[1]), "-11023+2i");
    EXPECT_FALSE(cell[1].tooWide);

    // Narrower columns: the bold CEF text (73) no longer fits 72, the plain ones do.
    texts.fit(72);
    EXPECT_TRUE(cell[1].tooWide);
    EXPECT_EQ(texts.shownText(cell[1]), "(long)");
    EXPECT_EQ(texts.longWidth(true), 48);
    EXPECT_EQ(texts.longWidth(false), 42);
    EXPECT_FALSE(cell[0].tooWide);
    EXPECT_EQ(texts.shownText(cell[0]), "2i");
    // Zoomed in again, the value comes back; preparing at a width fits at once.
    texts.fit(80);
    EXPECT_EQ(texts.shownText(cell[1]), "-11023+2i");
    texts.prepare(matrices, TermSet::all(), 72, measure);
    EXPECT_EQ(texts.shownText(texts.lines(1, 2)[1]), "(long)");
}

TEST(HamGridTexts, OnlyTheTickedTermsAndOnlyTheStatesOfTheMatrices) {
    const HamiltonianMatrices matrices = complexPair();
    HamGridTexts texts;
    texts.prepare(matrices, {HamTerm::zeeman}, 75, measure);
    EXPECT_EQ(texts.lineCount(), 1);
    EXPECT_EQ(texts.lines(2, 1)[0].term, HamTerm::zeeman);
    EXPECT_EQ(texts.lines(2, 1)[0].stem, "-2");
    EXPECT_FALSE(texts.lines(2, 1)[0].emphasised); // a single line is never emphasised
    for (const auto& [r, c] : {std::pair{0, 1}, {3, 1}, {1, 3}, {40, 40}})
        EXPECT_EQ(texts.lines(r, c), nullptr) << r << "," << c;

    texts.prepare(matrices, {}, 75, measure);
    EXPECT_EQ(texts.lineCount(), 0);
    EXPECT_EQ(texts.lines(1, 1), nullptr);

    HamiltonianMatrices tooLarge;
    tooLarge.reset(200, false);
    texts.prepare(tooLarge, TermSet::all(), 75, measure);
    EXPECT_EQ(texts.states(), 0);
    EXPECT_EQ(texts.lines(1, 1), nullptr);
}
