// The caption interpreters on a surface with simple, known metrics.
#include "controls/markup.h"

#include "base/rounding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vintrel {
namespace {

/// Every character is as many pixels wide as its size in points (whole points, Symbol
/// characters 2 more), a text of several characters `kerning` pixels less per neighbouring pair;
/// every text is 2 x size high; the size in pixels is 4/3 of the size in points. Writes are
/// recorded.
class FakeSurface : public MarkupSurface {
public:
    struct Write {
        MarkupFont font;
        int x;
        int y;
        std::u16string text;
        bool up;
    };

    explicit FakeSurface(int kerning = 0) : kerning_(kerning) {}

    int textWidth(const MarkupFont& font, std::u16string_view text) const override {
        if (text.empty())
            return 0;
        const int perCharacter =
            static_cast<int>(font.size) + (font.name == kSymbolFontName ? 2 : 0);
        const int count = static_cast<int>(text.size());
        return perCharacter * count - kerning_ * (count - 1);
    }
    int textHeight(const MarkupFont& font, std::u16string_view) const override {
        return static_cast<int>(2 * font.size);
    }
    int pixelSize(const MarkupFont& font) const override {
        return roundHalfEven(font.size * 4 / 3);
    }
    void writeText(const MarkupFont& font, int x, int y, std::u16string_view text,
                   bool up) override {
        writes.push_back({font, x, y, std::u16string(text), up});
    }

    std::vector<int> xs() const {
        std::vector<int> result;
        for (const Write& w : writes)
            result.push_back(w.x);
        return result;
    }

    std::vector<std::u16string> texts() const {
        std::vector<std::u16string> result;
        for (const Write& w : writes)
            result.push_back(w.text);
        return result;
    }

    std::vector<Write> writes;

private:
    int kerning_;
};

const MarkupFont kBase{"Liberation Sans", 10};

struct Extent {
    int height = 0;
    int width = 0;
};

Extent measure(FakeSurface& surface, std::u16string_view caption, bool draw = false,
               const MarkupFont& base = kBase) {
    Extent e;
    drawMarkup(surface, base, caption, draw, 0, 0, e.height, e.width);
    return e;
}

struct VerticalExtent {
    int extent = 0;
    int thickness = 0;
};

VerticalExtent measureVertical(FakeSurface& surface, std::u16string_view caption, int x0 = 0,
                               int y0 = 0) {
    VerticalExtent e;
    drawVerticalMarkup(surface, kBase, caption, true, x0, y0, e.extent, e.thickness);
    return e;
}

TEST(SymbolToUnicode, SymbolLettersBecomeGreek) {
    const struct {
        char16_t code;
        char16_t greek;
    } cases[] = {
        {u'c', u'\u03C7'}, // chi
        {u'm', u'\u03BC'}, // mu
        {u'a', u'\u03B1'}, // alpha
        {u'b', u'\u03B2'}, // beta
        {u'g', u'\u03B3'}, // gamma
        {u'D', u'\u0394'}, // Delta
        {u'W', u'\u03A9'}, // Omega
        {u'3', u'3'},      // a digit stays
    };
    for (const auto& c : cases)
        EXPECT_EQ(symbolToUnicode(c.code), c.greek) << static_cast<char>(c.code);
}

TEST(Markup, LowersAndRaisesWithOnePixelGaps) {
    // a (10 wide, 20 high, baseline offset roundHalfEven(0.2 * 20) = 4), then 0, - and 6 at
    // size 7: each one pixel right of the previous, 0 lowered by roundHalfEven(0.9 * 14) = 13,
    // - and 6 raised by roundHalfEven(0.1 * 14) = 1.
    FakeSurface surface;
    const Extent e = measure(surface, u"a_0^-^6", true);
    EXPECT_EQ(e.width, 10 + 3 * (1 + 7));
    EXPECT_EQ(e.height, 13 + 14);
    ASSERT_EQ(surface.writes.size(), 4u);
    const int xs[] = {0, 11, 19, 27};
    const int ys[] = {4, 13, 1, 1};
    const int sizes[] = {10, 7, 7, 7};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(surface.writes[i].x, xs[i]) << i;
        EXPECT_EQ(surface.writes[i].y, ys[i]) << i;
        EXPECT_EQ(surface.writes[i].font.size, sizes[i]) << i;
    }
}

TEST(Markup, CharacterAfterScriptKeepsTwoPixels) {
    // B, e, x, t at 10, 18, 26, 34 (each lowered one pixel further right), the first | two
    // pixels after t, then | and z plain.
    FakeSurface surface;
    const Extent e = measure(surface, u"B_e_x_t||z", true);
    EXPECT_EQ(surface.xs(), (std::vector<int>{0, 11, 19, 27, 36, 46, 56}));
    EXPECT_EQ(e.width, 66);
    EXPECT_EQ(surface.writes[4].y, 4);
}

TEST(Markup, EachMarkCharacterActsOnTheNextCharacterOnly) {
    // [Ar]3d: six plain characters; both digits of 10 raised; 4s plain after a 2-pixel gap.
    FakeSurface surface;
    const Extent e = measure(surface, u"[Ar]3d^1^04s^2", true);
    EXPECT_EQ(e.width, 60 + (1 + 7) + (1 + 7) + 2 + 20 + (1 + 7));
    ASSERT_EQ(surface.writes.size(), 11u);
    EXPECT_EQ(surface.writes[6].font.size, 7);
    EXPECT_EQ(surface.writes[7].font.size, 7);
    EXPECT_EQ(surface.writes[8].font.size, 10);
    EXPECT_EQ(surface.writes[8].y, 4);
}

TEST(Markup, TwoCaretsShrinkTwice) {
    FakeSurface surface;
    measure(surface, u"x^^y", true);
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[1].font.size, roundHalfEven(roundHalfEven(10 * 0.7) * 0.7));
}

TEST(Markup, SizesRoundHalvesToEven) {
    // 15 x 0.7 = 10.5 gives 10, not 11.
    FakeSurface surface;
    measure(surface, u"x^y", true, MarkupFont{"Liberation Sans", 15});
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[1].font.size, 10);
}

TEST(Markup, LineBreakStartsAtTheLeftOneHeightLower) {
    FakeSurface surface;
    const Extent e = measure(surface, u"paramagnetic$      state", true);
    EXPECT_EQ(e.width, 12 * 10);
    EXPECT_EQ(e.height, 20 + 4 + 20);
    ASSERT_GT(surface.writes.size(), 12u);
    EXPECT_EQ(surface.writes[12].x, 0);
    EXPECT_EQ(surface.writes[12].y, 20 + 4);
}

TEST(Markup, SymbolCharacterIsLargerAndOnePixelWider) {
    // !m: Symbol at roundHalfEven(1.2 * 10) = 12, 14 + 1 wide, not lowered; _B: lowered B at 7.
    FakeSurface surface;
    const Extent e = measure(surface, u"!m_B", true);
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[0].font.name, kSymbolFontName);
    EXPECT_EQ(surface.writes[0].font.size, 12);
    EXPECT_EQ(surface.writes[0].y, 0);
    EXPECT_EQ(surface.writes[1].font.name, kBase.name);
    EXPECT_EQ(surface.writes[1].x, 15 + 1);
    EXPECT_EQ(e.width, 15 + 1 + 7);
    EXPECT_EQ(e.height, std::max(24, 13 + 14));
}

TEST(Markup, RingIsCentredAtTheLineTop) {
    FakeSurface surface;
    measure(surface, u"@A", true);
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[1].text, u"o");
    EXPECT_EQ(surface.writes[1].font.size, 6);
    EXPECT_EQ(surface.writes[1].x, (10 - 6) / 2);
    EXPECT_EQ(surface.writes[1].y, 0);
}

TEST(Markup, MeasuringWritesNothing) {
    FakeSurface surface;
    const Extent e = measure(surface, u"a_0^-^6", false);
    EXPECT_TRUE(surface.writes.empty());
    EXPECT_EQ(e.width, 34);
}

TEST(Markup, TrailingMarkAndEmptyCaptionWriteNothing) {
    FakeSurface surface;
    Extent e = measure(surface, u"", true);
    EXPECT_EQ(e.width, 0);
    EXPECT_EQ(e.height, 0);
    e = measure(surface, u"ab^", true);
    EXPECT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(e.width, 20);
}

TEST(Markup, SymbolWidthGoesOnUpToTheNextMark) {
    // !m: 14 + 1 wide; a and b stay one pixel wider; the lowered c ends it (one-pixel gap).
    FakeSurface surface;
    const Extent e = measure(surface, u"!mab_c", true);
    EXPECT_EQ(surface.xs(), (std::vector<int>{0, 15, 26, 38}));
    EXPECT_EQ(e.width, 38 + 7);
}

TEST(Markup, MarkedFaceIsWhatTheNextCharacterGets) {
    FakeSurface surface;
    const MarkedFace raised = markedFace(surface, kLabelMarkup, kBase, u'^');
    EXPECT_EQ(raised.font, (MarkupFont{kBase.name, 7}));
    EXPECT_EQ(raised.offset, 1); // roundHalfEven(0.1 x 14)
    const MarkedFace symbol = markedFace(surface, kLabelMarkup, kBase, u'!');
    EXPECT_EQ(symbol.font, (MarkupFont{std::string(kSymbolFontName), 12}));
    EXPECT_EQ(symbol.offset, 0);
    const MarkedFace plain = markedFace(surface, kLabelMarkup, kBase, u'x');
    EXPECT_EQ(plain.font, kBase);
    EXPECT_EQ(plain.offset, 4); // roundHalfEven(0.2 x 20)
    // A dialect without a Symbol mark has no face for it.
    EXPECT_EQ(markedFace(surface, kButtonMarkup, kBase, 0).font, kBase);
}

TEST(VerticalMarkup, ScriptsTakeSevenTenthsOfTheBase) {
    // Upwards from y0 = 100: a (dx 4), gap, lowered 0 (dx 13), raised - and 6 (dx 0), each
    // after a one-pixel gap.
    FakeSurface surface;
    const VerticalExtent e = measureVertical(surface, u"a_0^-^6", 5, 100);
    EXPECT_EQ(e.extent, 10 + 3 * (1 + 7));
    EXPECT_EQ(e.thickness, 13 + 14);
    ASSERT_EQ(surface.writes.size(), 4u);
    const int ys[] = {100, 89, 81, 73};
    const int xs[] = {9, 18, 5, 5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(surface.writes[i].up) << i;
        EXPECT_EQ(surface.writes[i].y, ys[i]) << i;
        EXPECT_EQ(surface.writes[i].x, xs[i]) << i;
    }
    surface.writes.clear();
    measureVertical(surface, u"x^^y");
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[1].font.size, 7);
}

TEST(VerticalMarkup, WritesLineBreakAndRingLiterally) {
    FakeSurface surface;
    const VerticalExtent e = measureVertical(surface, u"a$@b");
    EXPECT_EQ(surface.writes.size(), 4u);
    EXPECT_EQ(e.extent, 40);
    EXPECT_EQ(e.thickness, 24);
}

TEST(VerticalMarkup, SymbolUsesElevenTenths) {
    FakeSurface surface;
    const VerticalExtent e = measureVertical(surface, u"!cT");
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[0].font.name, kSymbolFontName);
    EXPECT_EQ(surface.writes[0].font.size, 11);
    EXPECT_EQ(surface.writes[0].x, roundHalfEven(0.1 * 22));
    EXPECT_EQ(surface.writes[1].font, kBase);
    EXPECT_EQ(e.extent, 13 + 10);
}

TEST(VerticalMarkup, SymbolFontEndsWithItsCharacter) {
    // "!^ab": the raised a is a Symbol character; b is plain again even though the caret came
    // between the exclamation mark and the a.
    FakeSurface surface;
    measureVertical(surface, u"!^ab");
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[0].font.name, kSymbolFontName);
    EXPECT_EQ(surface.writes[0].font.size, 7);
    EXPECT_EQ(surface.writes[1].font, kBase);
}

TEST(ButtonCaption, ShiftsThreePixels) {
    // K at the base, a lowered 2 at size 7 three pixels lower, x two pixels after it.
    FakeSurface surface;
    const int advance = drawButtonCaption(surface, kBase, u"K_2x^3", 5, 20);
    ASSERT_EQ(surface.writes.size(), 4u);
    EXPECT_EQ(surface.writes[0].y, 20);
    EXPECT_EQ(surface.writes[1].x, 15);
    EXPECT_EQ(surface.writes[1].y, 23);
    EXPECT_EQ(surface.writes[1].font.size, 7);
    EXPECT_EQ(surface.writes[2].x, 5 + 10 + 7 + 2);
    EXPECT_EQ(surface.writes[2].y, 20);
    EXPECT_EQ(surface.writes[3].y, 17);
    EXPECT_EQ(advance, 10 + 7 + 2 + 10 + 7);
}

TEST(ButtonCaption, KnowsNoSymbolRingOrLineBreak) {
    // "!", "@" and "$" are written; two carets shrink twice, and the last mark sets the shift.
    FakeSurface surface;
    const int advance = drawButtonCaption(surface, kBase, u"!@$^_x", 0, 20);
    ASSERT_EQ(surface.writes.size(), 4u);
    EXPECT_EQ(surface.writes[3].text, u"x");
    EXPECT_EQ(surface.writes[3].font.size, roundHalfEven(roundHalfEven(10 * 0.7) * 0.7));
    EXPECT_EQ(surface.writes[3].y, 23);
    EXPECT_EQ(advance, 30 + 5);
}

// The energy-level diagram's dialect: base 9 pt, 12 pixels in the fake.
const MarkupFont kDiagramBase{"Liberation Sans", 9};

MarkupExtent writeDiagram(FakeSurface& surface, std::u16string_view text,
                          const MarkupFont& base = kDiagramBase) {
    return writeMarkup(surface, kLevelDiagramMarkup, base, text, true, 100, 50);
}

TEST(LevelDiagramMarkup, ScriptsAreScaledExactlyAndShiftedByThePixelSize) {
    // E, then 2 at 6.3 pt, 2 pixels (0.2 x 12, rounded) higher, then 3 at 7.2 pt, 7 pixels
    // (0.6 x 12) lower; no gaps.
    FakeSurface surface;
    const MarkupExtent e = writeDiagram(surface, u"E^2_3");
    ASSERT_EQ(surface.writes.size(), 3u);
    EXPECT_EQ(surface.xs(), (std::vector<int>{100, 109, 115}));
    EXPECT_EQ(surface.writes[0].y, 50);
    EXPECT_EQ(surface.writes[1].y, 48);
    EXPECT_DOUBLE_EQ(surface.writes[1].font.size, 9 * 0.7);
    EXPECT_EQ(surface.writes[2].y, 57);
    EXPECT_DOUBLE_EQ(surface.writes[2].font.size, 9 * 0.8);
    EXPECT_EQ(e.width, 9 + 6 + 7);
}

TEST(LevelDiagramMarkup, OffsetsRoundToTheNearestPixel) {
    // 10 pt is 13 pixels in the fake: raised by 0.2 x 13 = 2.6 -> 3, lowered by 0.6 x 13 =
    // 7.8 -> 8 (truncating would give 2 and 7).
    FakeSurface surface;
    writeDiagram(surface, u"^a_b", MarkupFont{"Liberation Sans", 10});
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[0].y, 50 - 3);
    EXPECT_EQ(surface.writes[1].y, 50 + 8);
}

TEST(LevelDiagramMarkup, PlainTextIsWrittenInRuns) {
    // The level text: runs are measured whole, so their kerning counts.
    FakeSurface surface(1);
    const MarkupExtent e = writeDiagram(surface, u"<L_z>=0.5");
    EXPECT_EQ(surface.texts(), (std::vector<std::u16string>{u"<L", u"z", u">=0.5"}));
    EXPECT_EQ(surface.xs(), (std::vector<int>{100, 100 + 17, 100 + 17 + 7}));
    EXPECT_EQ(surface.writes[2].font, kDiagramBase);
    EXPECT_EQ(e.width, 17 + 7 + (5 * 9 - 4));
}

TEST(LevelDiagramMarkup, BackslashTakesTheNextCharacterFromTheSymbolFont) {
    // Same size, no extra width, on the line; "!", "$" and "@" are plain text.
    FakeSurface surface;
    const MarkupExtent e = writeDiagram(surface, u"\\m!$@");
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[0].font, (MarkupFont{std::string(kSymbolFontName), 9}));
    EXPECT_EQ(surface.writes[0].y, 50);
    EXPECT_EQ(surface.writes[1].text, u"!$@");
    EXPECT_EQ(surface.writes[1].x, 100 + 11);
    EXPECT_EQ(e.width, 11 + 27);
}

TEST(LevelDiagramMarkup, TheCharacterAfterAMarkIsWrittenWhateverItIs) {
    const struct {
        std::u16string_view text;
        std::vector<std::u16string> written;
        std::vector<int> ys;
    } cases[] = {
        {u"^^a", {u"^", u"a"}, {48, 50}},   // a raised caret
        {u"\\^x", {u"^", u"x"}, {50, 50}},  // a Symbol caret (the surface shows it as ⊥)
        {u"_\\a", {u"\\", u"a"}, {57, 50}}, // a lowered backslash
        {u"a^", {u"a^"}, {50}},             // a mark at the end is plain text
        {u"^", {u"^"}, {50}},
        {u"", {}, {}},
    };
    for (const auto& c : cases) {
        FakeSurface surface;
        writeDiagram(surface, c.text);
        EXPECT_EQ(surface.texts(), c.written);
        std::vector<int> ys;
        for (const auto& w : surface.writes)
            ys.push_back(w.y);
        EXPECT_EQ(ys, c.ys);
    }
    FakeSurface surface;
    writeDiagram(surface, u"\\^x");
    ASSERT_EQ(surface.writes.size(), 2u);
    EXPECT_EQ(surface.writes[0].font.name, kSymbolFontName);
    EXPECT_EQ(surface.writes[1].font, kDiagramBase);
}

TEST(LevelDiagramMarkup, MeasuringWritesNothingAndGivesTheSameWidth) {
    FakeSurface drawn(1);
    const MarkupExtent e = writeDiagram(drawn, u"<J_z>=\\m^2");
    FakeSurface measured(1);
    const MarkupExtent m =
        writeMarkup(measured, kLevelDiagramMarkup, kDiagramBase, u"<J_z>=\\m^2", false, 100, 50);
    EXPECT_TRUE(measured.writes.empty());
    EXPECT_EQ(m.width, e.width);
    EXPECT_EQ(e.width, 17 + 7 + 17 + 11 + 6);
}

TEST(LevelDiagramMarkup, MarkedFacesGiveTheRoomAboveAndBelow) {
    FakeSurface surface;
    const MarkedFace raised = markedFace(surface, kLevelDiagramMarkup, kDiagramBase, u'^');
    const MarkedFace lowered = markedFace(surface, kLevelDiagramMarkup, kDiagramBase, u'_');
    EXPECT_EQ(raised.offset, -2);
    EXPECT_DOUBLE_EQ(raised.font.size, 9 * 0.7);
    EXPECT_EQ(lowered.offset, 7);
    EXPECT_DOUBLE_EQ(lowered.font.size, 9 * 0.8);
}

} // namespace
} // namespace vintrel
