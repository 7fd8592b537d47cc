// The caption interpreters on a surface with simple, known metrics.
#include "controls/markup.h"

#include "base/rounding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vintrel {
namespace {

/// Every character is `size` pixels wide (Symbol characters 2 more) and every text is
/// 2 x `size` high; writes are recorded.
class FakeSurface : public MarkupSurface {
public:
    struct Write {
        MarkupFont font;
        int x;
        int y;
        std::u16string text;
        bool up;
    };

    int textWidth(const MarkupFont& font, std::u16string_view text) const override {
        const int perCharacter = font.size + (font.name == kSymbolFontName ? 2 : 0);
        return perCharacter * static_cast<int>(text.size());
    }
    int textHeight(const MarkupFont& font, std::u16string_view) const override {
        return 2 * font.size;
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

    std::vector<Write> writes;
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

} // namespace
} // namespace vintrel
