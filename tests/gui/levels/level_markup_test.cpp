// The level diagram's markup texts written on a Qt painter through the caption interpreter.
#include "controls/fonts.h"
#include "gui/controls/ink.h"
#include "levels/level_diagram_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vintrel;
using vintrel::testing::inkOf;
using vintrel::testing::inkOn;

namespace {

const QColor kPaper(0xFA, 0xFA, 0xFC);

// A text drawn by drawMarkupText in the diagram's text font on an empty picture.
struct Drawn {
    QImage image{400, 60, QImage::Format_RGB32};
    int end = 0;

    Drawn(const QString& text, const QColor& colour = Qt::black, int shift = 0,
          QRect clip = QRect(0, 0, 400, 60)) {
        image.fill(kPaper);
        QPainter painter(&image);
        painter.setFont(viewerFont(QStringLiteral("Tahoma"), 9));
        painter.setPen(colour);
        end = drawMarkupText(painter, 20, 20, text, clip, shift);
    }
};

} // namespace

class LevelMarkupTest : public QObject {
    Q_OBJECT

private slots:
    void plainTextEndsAfterItsWholeAdvance() {
        const QString text = QStringLiteral("<L_z>=0.0194, AVAWAY To");
        const Drawn drawn(QStringLiteral("AVAWAY To"));
        QImage probe(1, 1, QImage::Format_RGB32);
        const QFontMetrics metrics(viewerFont(QStringLiteral("Tahoma"), 9), &probe);
        QCOMPARE(drawn.end, 20 + metrics.horizontalAdvance(QStringLiteral("AVAWAY To")));
        QVERIFY(Drawn(text).end > Drawn(QStringLiteral("<L")).end);
    }

    void scriptsSitAboveAndBelowInASmallerFont() {
        const QRect plain = inkOn(Drawn(QStringLiteral("x")).image, kPaper);
        const QRect raised = inkOn(Drawn(QStringLiteral("^x")).image, kPaper);
        const QRect lowered = inkOn(Drawn(QStringLiteral("_x")).image, kPaper);
        QVERIFY(!plain.isEmpty() && !raised.isEmpty() && !lowered.isEmpty());
        QVERIFY(raised.top() < plain.top());
        QVERIFY(lowered.bottom() > plain.bottom());
        QVERIFY(raised.height() < plain.height());
        QVERIFY(lowered.height() < plain.height());
    }

    void backslashWritesTheGreekLetter() {
        QCOMPARE(Drawn(QStringLiteral("\\m")).image, Drawn(QString(QChar(0x03BC))).image);
        QVERIFY(Drawn(QStringLiteral("\\m")).image != Drawn(QStringLiteral("m")).image);
    }

    void shiftMovesLeftAndClipCuts() {
        const QString text = QStringLiteral("<J_z>=3.5000, <J_z>=-2.5000");
        const Drawn whole(text);
        const QRect clip(60, 0, 80, 60);
        const Drawn cut(text, Qt::black, 10, clip);
        QCOMPARE(cut.end, whole.end - 10);
        const QRect ink = inkOn(cut.image, kPaper);
        QVERIFY(!ink.isEmpty());
        QVERIFY(clip.contains(ink));
    }

    void aTextKeepsItsColourWhenDrawnAgain() {
        // The second drawing comes from the picture kept for the first; a new colour is a new
        // picture.
        const QString text = QStringLiteral("<S_y>=-0.5, g_e");
        const QRect red = inkOf(Drawn(text, Qt::red).image, Qt::red);
        const QRect again = inkOf(Drawn(text, Qt::red).image, Qt::red);
        const QRect blue = inkOf(Drawn(text, Qt::blue).image, Qt::blue);
        QVERIFY(!red.isEmpty());
        QCOMPARE(again, red);
        QCOMPARE(blue, red);
    }
};

QTEST_MAIN(LevelMarkupTest)
#include "level_markup_test.moc"
