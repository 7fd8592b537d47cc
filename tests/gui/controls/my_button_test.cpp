// The image button driven with real mouse events: states, tri-state toggling, the cyan tint,
// transparency and the caption markup.
#include "controls/my_button.h"
#include "controls/pictures.h"
#include "ink.h"
#include "mouse.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace vintrel;
using namespace vintrel::testing;

namespace {

const QColor kCyan(0, 255, 255);
const QColor kFrame(90, 90, 110);

/// A 24 x 23 picture: a frame of `frame`, the inside of `inside`, a lone cyan pixel in a
/// corner of the inside, magenta corners.
QPixmap glyph(const QColor& frame, const QColor& inside) {
    QImage image(24, 23, QImage::Format_RGB32);
    image.fill(frame);
    QPainter painter(&image);
    painter.fillRect(QRect(3, 3, 18, 17), inside);
    painter.fillRect(QRect(4, 4, 1, 1), kFrame);
    painter.end();
    image.setPixelColor(1, 1, kCyan);
    image.setPixelColor(0, 0, kTransparentColour);
    return QPixmap::fromImage(image);
}

/// A button whose five pictures differ by their frame colour.
struct Fixture {
    QWidget window;
    TMyButton* button = new TMyButton(&window);
    const QColor frames[5] = {QColor(10, 10, 10), QColor(20, 20, 20), QColor(30, 30, 30),
                              QColor(40, 40, 40), QColor(50, 50, 50)};

    Fixture() {
        window.resize(120, 80);
        button->move(40, 30);
        for (int i = 0; i < 5; ++i)
            button->setGlyph(TMyButton::Glyph(i), glyph(frames[i], Qt::white));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        moveTo(&window, QPoint(5, 5));
    }
    /// The picture shown now, told by its frame colour.
    int shownGlyph() const {
        const QColor shown = button->composed().pixelColor(2, 2);
        for (int i = 0; i < 5; ++i)
            if (shown == frames[i])
                return i;
        return -1;
    }
};

} // namespace

class MyButtonTest : public QObject {
    Q_OBJECT

private slots:
    void triStateClicksToggleBeforeTheHandlerRuns() {
        Fixture f;
        f.button->SetTriState(true);
        QList<bool> seen;
        connect(f.button, &TMyButton::OnClick, [&] { seen << f.button->Down(); });
        click(f.button, QPoint(12, 11));
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphDownOverIndex));
        click(f.button, QPoint(12, 11));
        QCOMPARE(seen, (QList<bool>{true, false}));
        QVERIFY(!f.button->Down());
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphOverIndex));
    }

    void plainButtonIsPressedOnlyWhileHeld() {
        Fixture f;
        QSignalSpy clicks(f.button, &TMyButton::OnClick);
        moveTo(f.button, QPoint(12, 11));
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphOverIndex));
        press(f.button, QPoint(12, 11));
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphDownOverIndex));
        release(f.button, QPoint(12, 11));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!f.button->Down());
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphOverIndex));
        f.button->SetDown(true);
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphOverIndex));
    }

    void leavingWithTheButtonHeldForgetsThePress() {
        Fixture f;
        f.button->SetTriState(true);
        QSignalSpy clicks(f.button, &TMyButton::OnClick);
        QSignalSpy out(f.button, &TMyButton::OnMouseOut);
        moveTo(f.button, QPoint(12, 11));
        press(f.button, QPoint(12, 11));
        moveTo(&f.window, QPoint(5, 5));
        QVERIFY(!f.button->Clicking());
        QVERIFY(out.count() >= 1);
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphOutIndex));
        release(&f.window, QPoint(5, 5));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!f.button->Down());
    }

    void disabledButtonShowsItsPictureAndIgnoresTheMouse() {
        Fixture f;
        QSignalSpy over(f.button, &TMyButton::OnMouseOver);
        f.button->setEnabled(false);
        moveTo(f.button, QPoint(12, 11));
        QCOMPARE(over.count(), 0);
        QVERIFY(!f.button->MouseIn());
        QCOMPARE(f.shownGlyph(), int(TMyButton::GlyphDisabledIndex));
    }

    void doubleClickRaisesItsOwnEvent() {
        Fixture f;
        QSignalSpy doubles(f.button, &TMyButton::OnDblClick);
        doubleClick(f.button, QPoint(12, 11));
        QCOMPARE(doubles.count(), 1);
    }

    void cyanMiddleTakesTheButtonColour() {
        TMyButton button;
        button.SetGlyphOut(glyph(kFrame, kCyan));
        button.SetColor(QColor(200, 30, 40));
        const QImage image = button.composed();
        QCOMPARE(image.pixelColor(12, 11), QColor(200, 30, 40));
        QCOMPARE(image.pixelColor(20, 19), QColor(200, 30, 40));
        QCOMPARE(image.pixelColor(2, 2), kFrame);
        QCOMPARE(image.pixelColor(4, 4), kFrame);
        // Cyan that is not connected to the middle stays.
        QCOMPARE(image.pixelColor(1, 1), kCyan);
    }

    void pictureWithoutCyanMiddleIsNotTinted() {
        QImage picture = glyph(kFrame, Qt::white).toImage();
        QPainter(&picture).fillRect(QRect(3, 3, 6, 6), kCyan);
        TMyButton button;
        button.SetGlyphOut(QPixmap::fromImage(picture));
        button.SetColor(QColor(200, 30, 40));
        const QImage image = button.composed();
        QCOMPARE(image.pixelColor(12, 11), QColor(Qt::white));
        QCOMPARE(image.pixelColor(5, 5), kCyan);
    }

    void stretchedPictureCoversTheButton() {
        QImage small(12, 11, QImage::Format_RGB32);
        small.fill(kFrame);
        small.setPixelColor(11, 10, QColor(9, 99, 199));
        TMyButton button;
        button.SetGlyphOut(QPixmap::fromImage(small));
        button.SetColor(Qt::white);
        QCOMPARE(button.composed().pixelColor(23, 22), QColor(Qt::white));
        QCOMPARE(button.composed().pixelColor(6, 6), kFrame);
        button.SetStretch(true);
        QCOMPARE(button.composed().pixelColor(23, 22), QColor(9, 99, 199));
        QCOMPARE(button.composed().pixelColor(0, 0), kFrame);
    }

    void magentaShowsThroughOnlyWhenTransparent() {
        TMyButton button;
        button.SetGlyphOut(glyph(kFrame, Qt::white));
        button.SetColor(QColor(1, 2, 3));
        QCOMPARE(button.composed().pixelColor(0, 0), QColor(1, 2, 3));
        button.SetTransparent(true);
        QCOMPARE(qAlpha(button.composed().pixel(0, 0)), 0);
        QCOMPARE(qAlpha(button.composed().pixel(2, 2)), 255);
    }

    void scriptCharactersMoveThreePixels() {
        // The 2 after "^" and after "_" is the same small glyph, 3 pixels above and below the
        // base: its ink moves by 6 pixels. The caption starts at (width - text width) / 2.
        TMyButton button;
        button.resize(80, 40);
        button.SetColor(Qt::white);
        ControlFont font;
        font.font.setPointSize(14);
        font.font.setStyleStrategy(QFont::NoAntialias);
        font.colour = Qt::black;
        button.SetFontOut(font);
        const QFontMetrics metrics(font.font);
        auto inkOfTheTwo = [&](const QString& caption) {
            button.SetCaption(caption);
            const int start = (80 - metrics.horizontalAdvance(caption)) / 2;
            const int twoLeft = start + metrics.horizontalAdvance(QLatin1Char('K'));
            return inkOf(button.composed().copy(twoLeft, 0, 80 - twoLeft, 40), Qt::black);
        };
        const QRect raised = inkOfTheTwo(QStringLiteral("K^2"));
        const QRect lowered = inkOfTheTwo(QStringLiteral("K_2"));
        const QRect plain = inkOfTheTwo(QStringLiteral("K2"));
        QVERIFY(!raised.isEmpty());
        QCOMPARE(lowered.top() - raised.top(), 6);
        QCOMPARE(lowered.size(), raised.size());
        QVERIFY(lowered.height() < plain.height());
    }

    void fontFollowsTheMouse() {
        Fixture f;
        f.button->resize(60, 23);
        ControlFont out;
        out.colour = QColor(0, 0, 200);
        out.font.setStyleStrategy(QFont::NoAntialias);
        ControlFont over = out;
        over.colour = QColor(200, 0, 0);
        f.button->SetFontOut(out);
        f.button->SetFontOver(over);
        f.button->SetCaption(QStringLiteral("Hi"));
        QVERIFY(!inkOf(f.button->composed(), out.colour).isEmpty());
        moveTo(f.button, QPoint(12, 11));
        QVERIFY(!inkOf(f.button->composed(), over.colour).isEmpty());
        QVERIFY(inkOf(f.button->composed(), out.colour).isEmpty());
    }
};

QTEST_MAIN(MyButtonTest)
#include "my_button_test.moc"
