// The caption interpreters on a surface with simple, known metrics.
#include "base/rounding.h"
#include "controls/markup.h"

#include <QTest>

#include <string>
#include <vector>

using namespace vintrel;

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

    std::vector<Write> writes;
};

const MarkupFont kBase{"Liberation Sans", 10};

struct Extent {
    int height = 0;
    int width = 0;
};

Extent measure(FakeSurface& surface, const std::u16string& caption, bool draw = false,
               MarkupFont base = kBase) {
    Extent e;
    drawMarkup(surface, base, caption, draw, 0, 0, e.height, e.width);
    return e;
}

} // namespace

class MarkupTest : public QObject {
    Q_OBJECT

private slots:
    void symbolLettersBecomeGreek_data() {
        QTest::addColumn<QChar>("code");
        QTest::addColumn<QChar>("greek");
        QTest::newRow("c chi") << QChar('c') << QChar(0x03C7);
        QTest::newRow("m mu") << QChar('m') << QChar(0x03BC);
        QTest::newRow("a alpha") << QChar('a') << QChar(0x03B1);
        QTest::newRow("b beta") << QChar('b') << QChar(0x03B2);
        QTest::newRow("g gamma") << QChar('g') << QChar(0x03B3);
        QTest::newRow("D Delta") << QChar('D') << QChar(0x0394);
        QTest::newRow("W Omega") << QChar('W') << QChar(0x03A9);
        QTest::newRow("digit unchanged") << QChar('3') << QChar('3');
    }
    void symbolLettersBecomeGreek() {
        QFETCH(QChar, code);
        QFETCH(QChar, greek);
        QCOMPARE(QChar(symbolToUnicode(code.unicode())), greek);
    }

    void lowersAndRaisesWithOnePixelGaps() {
        // a (10 wide, 20 high, baseline offset roundHalfEven(0.2 * 20) = 4), then 0, - and 6 at
        // size 7: each one pixel right of the previous, 0 lowered by roundHalfEven(0.9 * 14) = 13,
        // - and 6 raised by roundHalfEven(0.1 * 14) = 1.
        FakeSurface surface;
        const Extent e = measure(surface, u"a_0^-^6", true);
        QCOMPARE(e.width, 10 + 3 * (1 + 7));
        QCOMPARE(e.height, 13 + 14);
        QCOMPARE(surface.writes.size(), std::size_t(4));
        const int xs[] = {0, 11, 19, 27};
        const int ys[] = {4, 13, 1, 1};
        const int sizes[] = {10, 7, 7, 7};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(surface.writes[i].x, xs[i]);
            QCOMPARE(surface.writes[i].y, ys[i]);
            QCOMPARE(surface.writes[i].font.size, sizes[i]);
        }
    }

    void characterAfterScriptKeepsTwoPixels() {
        // B, e, x, t at 10, 18, 26, 34 (each lowered one pixel further right), the first | two
        // pixels after t, then | and z plain.
        FakeSurface surface;
        const Extent e = measure(surface, u"B_e_x_t||z", true);
        std::vector<int> xs;
        for (const auto& w : surface.writes)
            xs.push_back(w.x);
        QCOMPARE(xs, (std::vector<int>{0, 11, 19, 27, 36, 46, 56}));
        QCOMPARE(e.width, 66);
        QCOMPARE(surface.writes[4].y, 4);
    }

    void eachMarkCharacterActsOnTheNextCharacterOnly() {
        // [Ar]3d: six plain characters; both digits of 10 raised; 4s plain after a 2-pixel gap.
        FakeSurface surface;
        const Extent e = measure(surface, u"[Ar]3d^1^04s^2", true);
        QCOMPARE(e.width, 60 + (1 + 7) + (1 + 7) + 2 + 20 + (1 + 7));
        QCOMPARE(surface.writes[6].font.size, 7);
        QCOMPARE(surface.writes[7].font.size, 7);
        QCOMPARE(surface.writes[8].font.size, 10);
        QCOMPARE(surface.writes[8].y, 4);
    }

    void twoCaretsShrinkTwice() {
        FakeSurface surface;
        measure(surface, u"x^^y", true);
        QCOMPARE(surface.writes[1].font.size, roundHalfEven(roundHalfEven(10 * 0.7) * 0.7));
    }

    void sizesRoundHalvesToEven() {
        // 15 x 0.7 = 10.5 gives 10, not 11.
        FakeSurface surface;
        measure(surface, u"x^y", true, MarkupFont{"Liberation Sans", 15});
        QCOMPARE(surface.writes[1].font.size, 10);
    }

    void lineBreakStartsAtTheLeftOneHeightLower() {
        FakeSurface surface;
        const Extent e = measure(surface, u"paramagnetic$      state", true);
        QCOMPARE(e.width, 12 * 10);
        QCOMPARE(e.height, 20 + 4 + 20);
        QCOMPARE(surface.writes[12].x, 0);
        QCOMPARE(surface.writes[12].y, 20 + 4);
    }

    void symbolCharacterIsLargerAndOnePixelWider() {
        // !m: Symbol at roundHalfEven(1.2 * 10) = 12, 14 + 1 wide, not lowered; _B: lowered B at 7.
        FakeSurface surface;
        const Extent e = measure(surface, u"!m_B", true);
        QCOMPARE(surface.writes[0].font.name, std::string(kSymbolFontName));
        QCOMPARE(surface.writes[0].font.size, 12);
        QCOMPARE(surface.writes[0].y, 0);
        QCOMPARE(surface.writes[1].font.name, kBase.name);
        QCOMPARE(surface.writes[1].x, 15 + 1);
        QCOMPARE(e.width, 15 + 1 + 7);
        QCOMPARE(e.height, std::max(24, 13 + 14));
    }

    void ringIsCentredAtTheLineTop() {
        FakeSurface surface;
        measure(surface, u"@A", true);
        QCOMPARE(surface.writes.size(), std::size_t(2));
        QVERIFY(surface.writes[1].text == u"o");
        QCOMPARE(surface.writes[1].font.size, 6);
        QCOMPARE(surface.writes[1].x, (10 - 6) / 2);
        QCOMPARE(surface.writes[1].y, 0);
    }

    void measuringWritesNothing() {
        FakeSurface surface;
        const Extent e = measure(surface, u"a_0^-^6", false);
        QVERIFY(surface.writes.empty());
        QCOMPARE(e.width, 34);
    }

    void trailingMarkAndEmptyCaptionWriteNothing() {
        FakeSurface surface;
        Extent e = measure(surface, u"", true);
        QCOMPARE(e.width, 0);
        QCOMPARE(e.height, 0);
        e = measure(surface, u"ab^", true);
        QCOMPARE(surface.writes.size(), std::size_t(2));
        QCOMPARE(e.width, 20);
    }

    void verticalScriptsTakeSevenTenthsOfTheBase() {
        // Upwards from y0 = 100: a (dx 4), gap, lowered 0 (dx 13), raised - and 6 (dx 0), each
        // after a one-pixel gap.
        FakeSurface surface;
        int extent = 0;
        int thickness = 0;
        drawVerticalMarkup(surface, kBase, u"a_0^-^6", true, 5, 100, extent, thickness);
        QCOMPARE(extent, 10 + 3 * (1 + 7));
        QCOMPARE(thickness, 13 + 14);
        const int ys[] = {100, 89, 81, 73};
        const int xs[] = {9, 18, 5, 5};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(surface.writes[i].up);
            QCOMPARE(surface.writes[i].y, ys[i]);
            QCOMPARE(surface.writes[i].x, xs[i]);
        }
        surface.writes.clear();
        drawVerticalMarkup(surface, kBase, u"x^^y", true, 0, 0, extent, thickness);
        QCOMPARE(surface.writes[1].font.size, 7);
    }

    void verticalWritesLineBreakAndRingLiterally() {
        FakeSurface surface;
        int extent = 0;
        int thickness = 0;
        drawVerticalMarkup(surface, kBase, u"a$@b", true, 0, 0, extent, thickness);
        QCOMPARE(surface.writes.size(), std::size_t(4));
        QCOMPARE(extent, 40);
        QCOMPARE(thickness, 24);
    }

    void verticalSymbolUsesElevenTenths() {
        FakeSurface surface;
        int extent = 0;
        int thickness = 0;
        drawVerticalMarkup(surface, kBase, u"!cT", true, 0, 0, extent, thickness);
        QCOMPARE(surface.writes[0].font.name, std::string(kSymbolFontName));
        QCOMPARE(surface.writes[0].font.size, 11);
        QCOMPARE(surface.writes[0].x, roundHalfEven(0.1 * 22));
        QCOMPARE(surface.writes[1].font, kBase);
        QCOMPARE(extent, 13 + 10);
    }

    void verticalSymbolFontEndsWithItsCharacter() {
        // "!^ab": the raised a is a Symbol character; b is plain again even though the caret
        // came between the exclamation mark and the a.
        FakeSurface surface;
        int extent = 0;
        int thickness = 0;
        drawVerticalMarkup(surface, kBase, u"!^ab", true, 0, 0, extent, thickness);
        QCOMPARE(surface.writes[0].font.name, std::string(kSymbolFontName));
        QCOMPARE(surface.writes[0].font.size, 7);
        QCOMPARE(surface.writes[1].font, kBase);
    }

    void buttonCaptionShiftsThreePixels() {
        // K at the base, a lowered 2 at size 7 three pixels lower, x two pixels after it.
        FakeSurface surface;
        const int advance = drawButtonCaption(surface, kBase, u"K_2x^3", 5, 20);
        QCOMPARE(surface.writes.size(), std::size_t(4));
        QCOMPARE(surface.writes[0].y, 20);
        QCOMPARE(surface.writes[1].x, 15);
        QCOMPARE(surface.writes[1].y, 23);
        QCOMPARE(surface.writes[1].font.size, 7);
        QCOMPARE(surface.writes[2].x, 5 + 10 + 7 + 2);
        QCOMPARE(surface.writes[2].y, 20);
        QCOMPARE(surface.writes[3].y, 17);
        QCOMPARE(advance, 10 + 7 + 2 + 10 + 7);
    }
};

QTEST_GUILESS_MAIN(MarkupTest)
#include "markup_test.moc"
