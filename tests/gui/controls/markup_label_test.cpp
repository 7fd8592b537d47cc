// The markup labels with the viewer's real fonts: extents from the layout rules and the font
// metrics, placement in the box and the disabled look.
#include "base/rounding.h"
#include "controls/fonts.h"
#include "controls/markup.h"
#include "controls/my_label.h"
#include "controls/theme.h"
#include "ink.h"

#include <QApplication>
#include <QFontMetrics>
#include <QTest>

using namespace vintrel;
using vintrel::testing::inkOf;
using vintrel::testing::inkOn;
using vintrel::testing::rendered;

namespace {

const int kSize = fonts::kDefaultSize;

QFontMetrics metricsAt(int size) {
    return QFontMetrics(viewerFont(QStringLiteral("Tahoma"), size));
}
/// Width of one character at a size (Greek letters for Symbol characters given directly).
int w(QChar c, int size) {
    return metricsAt(size).horizontalAdvance(c);
}
int w(const QString& text, int size) {
    int sum = 0;
    for (QChar c : text)
        sum += w(c, size);
    return sum;
}
/// Line height at a size: the text height of any string, "a" included.
int h(int size) {
    return metricsAt(size).height();
}
/// Line top to character top of plain, lowered and raised characters.
int plainOffset() {
    return roundHalfEven(0.2 * h(kSize));
}
int script() {
    return roundHalfEven(kSize * 0.7);
}

QSize layout(const QString& caption) {
    TMyLabel label(nullptr, caption);
    return label.captionSize();
}

} // namespace

class MarkupLabelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installViewerFonts(); }

    void captionsOfThePages_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        const int s = script();
        const int plain = plainOffset() + h(kSize);
        const int lowered = roundHalfEven(0.9 * h(s)) + h(s);
        const int raised = roundHalfEven(0.1 * h(s)) + h(s);
        QTest::newRow("a_0^-^6") << "a_0^-^6"
                                 << w('a', kSize) + 1 + w('0', s) + 1 + w('-', s) + 1 + w('6', s)
                                 << std::max({plain, lowered, raised});
        QTest::newRow("B_e_x_t||z") << "B_e_x_t||z"
                                    << w('B', kSize) + 1 + w('e', s) + 1 + w('x', s) + 1 +
                                           w('t', s) + 2 + w(QStringLiteral("||z"), kSize)
                                    << std::max(plain, lowered);
        QTest::newRow("[Ar]3d^1^04s^2")
            << "[Ar]3d^1^04s^2"
            << w(QStringLiteral("[Ar]3d"), kSize) + 1 + w('1', s) + 1 + w('0', s) + 2 +
                   w(QStringLiteral("4s"), kSize) + 1 + w('2', s)
            << std::max(plain, raised);
        QTest::newRow("paramagnetic$      state")
            << "paramagnetic$      state"
            << std::max(w(QStringLiteral("paramagnetic"), kSize),
                        w(QStringLiteral("      state"), kSize))
            << h(kSize) + plain;
        const int symbol = roundHalfEven(kSize * 1.2);
        QTest::newRow("!m_B") << "!m_B" << w(QChar(0x03BC), symbol) + 1 + 1 + w('B', s)
                              << std::max(h(symbol), lowered);
    }
    void captionsOfThePages() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(int, height);
        QCOMPARE(layout(caption), QSize(width, height));
        TMyLabel label(nullptr, caption);
        QCOMPARE(label.size(), QSize(width, height));
    }

    void symbolCharactersAreGreekLetters() {
        // "m" and its Symbol letter differ in width in the sans family, so the width tells
        // which one was measured.
        QVERIFY(w('m', roundHalfEven(kSize * 1.2)) != w(QChar(0x03BC), roundHalfEven(kSize * 1.2)));
        QCOMPARE(layout(QStringLiteral("!c")).width(),
                 w(QChar(0x03C7), roundHalfEven(kSize * 1.2)) + 1);
    }

    void emptyCaptionAutoSizesToNothing() {
        TMyLabel label(nullptr, QStringLiteral("x"));
        label.SetCaption(QString());
        QCOMPARE(label.size(), QSize(0, 0));
    }

    void alignmentPlacesTheCaptionInTheBox_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<bool>("upright");
        QTest::newRow("right, bottom") << int(taRightJustify) << int(taRightJustify) << true;
        QTest::newRow("centre, centre") << int(taCenter) << int(taCenter) << true;
        QTest::newRow("vertical right, top end")
            << int(taRightJustify) << int(taRightJustify) << false;
        QTest::newRow("vertical centre") << int(taCenter) << int(taCenter) << false;
    }
    void alignmentPlacesTheCaptionInTheBox() {
        QFETCH(int, alignment);
        QFETCH(int, vertical);
        QFETCH(bool, upright);
        const QString caption = QStringLiteral("K a_0^-^2");
        std::unique_ptr<TMarkupLabel> label;
        if (upright)
            label = std::make_unique<TMyLabel>(nullptr, caption);
        else
            label = std::make_unique<TMyVertLabel>(nullptr, caption);
        label->SetAutoSize(false);
        label->SetTransparent(false);
        label->SetColor(Qt::white);
        label->resize(201, 151);
        const QSize text = label->captionSize();
        const QRect home = inkOn(rendered(*label), Qt::white);
        label->SetAlignment(TAlignment(alignment));
        label->SetAlignmentVertical(TAlignment(vertical));
        const QRect moved = inkOn(rendered(*label), Qt::white);
        QVERIFY(!home.isEmpty());
        const int freeX = 201 - text.width();
        const int freeY = 151 - text.height();
        QCOMPARE(moved.left() - home.left(), alignment == taCenter ? freeX / 2 : freeX);
        // A vertical label starts at the bottom edge (compare the lower ends, where its text
        // begins); the others move down from the top.
        const int movedY = upright ? moved.top() - home.top() : moved.bottom() - home.bottom();
        const int shiftY = upright ? (vertical == taCenter ? freeY / 2 : freeY)
                                   : (vertical == taCenter ? (151 + text.height()) / 2 - 151
                                                           : text.height() - 151);
        QCOMPARE(movedY, shiftY);
    }

    void verticalLabelReadsUpwards() {
        TMyVertLabel label(nullptr, QStringLiteral("B_e_x_t||z"));
        const int s = script();
        const int along = w('B', kSize) + 1 + w('e', s) + 1 + w('x', s) + 1 + w('t', s) + 1 +
                          w(QStringLiteral("||z"), kSize);
        const int across = std::max(plainOffset() + h(kSize), roundHalfEven(0.9 * h(s)) + h(s));
        QCOMPARE(label.size(), QSize(across, along));
    }

    void disabledLabelIsEngraved() {
        TMyLabel label(nullptr, QStringLiteral("HIL"));
        QFont font = viewerFont(QStringLiteral("Tahoma"), 20);
        font.setStyleStrategy(QFont::NoAntialias);
        label.setFont(font);
        label.SetTransparent(false);
        label.SetColor(theme::kPageBackground);
        label.SetFontColor(Qt::black);
        label.resize(label.width() + 2, label.height() + 2);
        label.SetAutoSize(false);
        QImage enabled = rendered(label);
        QVERIFY(!inkOf(enabled, Qt::black).isEmpty());
        QVERIFY(inkOf(enabled, theme::kHighlight).isEmpty());

        label.setEnabled(false);
        const QImage disabled = rendered(label);
        QVERIFY(inkOf(disabled, Qt::black).isEmpty());
        const QRect shadow = inkOf(disabled, theme::kShadow);
        const QRect light = inkOf(disabled, theme::kHighlight);
        QVERIFY(!shadow.isEmpty());
        QCOMPARE(light.bottomRight(), shadow.bottomRight() + QPoint(1, 1));
        QCOMPARE(shadow.topLeft(), inkOf(enabled, Qt::black).topLeft());
    }
};

QTEST_MAIN(MarkupLabelTest)
#include "markup_label_test.moc"
