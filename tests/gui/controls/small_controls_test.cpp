// The track bar, up-down, combo box, nine-picture panel and the side-panel steps.
#include "controls/my_combobox.h"
#include "controls/my_trackbar.h"
#include "controls/my_updown.h"
#include "controls/nice_panel.h"
#include "controls/number_text.h"
#include "controls/panel_animation.h"
#include "controls/pictures.h"
#include "mouse.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <vector>

using namespace vintrel;
using namespace vintrel::testing;

namespace {

QPixmap filled(int w, int h, const QColor& colour) {
    QPixmap pixmap(w, h);
    pixmap.fill(colour);
    return pixmap;
}

struct Thumbs {
    int left;
    int right;
    bool operator==(const Thumbs&) const = default;
};

Thumbs thumbsOf(const TMyTrackBar& bar) {
    return {bar.PositionLeft(), bar.PositionRight()};
}

} // namespace

namespace QTest {
template <>
char* toString(const Thumbs& t) {
    return qstrdup(QByteArray::number(t.left) + ", " + QByteArray::number(t.right));
}
} // namespace QTest

class SmallControlsTest : public QObject {
    Q_OBJECT

private slots:
    void picturesComeAtTheirSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const char* name : {"updown1.bmp", "updown2.bmp", "updown3.bmp"})
            QTest::newRow(name) << name << QSize(10, 17);
        for (const char* name : {"down.bmp", "down_over.bmp"})
            QTest::newRow(name) << name << QSize(16, 17);
        for (const char* name : {"slider.bmp", "track_center.bmp", "track_left.bmp",
                                 "track_right.bmp", "track_center_fill.bmp"})
            QTest::newRow(name) << name << QSize(11, 22);
    }
    void picturesComeAtTheirSizes() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(loadPicture(name).size(), size);
    }

    void trackBarRaisingMinimumMovesBothThumbs() {
        TMyTrackBar bar;
        QCOMPARE(bar.Max(), 100);
        bar.SetPositionLeft(20);
        bar.SetPositionRight(80);
        QSignalSpy changes(&bar, &TMyTrackBar::OnChange);
        bar.SetMin(90);
        QCOMPARE(thumbsOf(bar), (Thumbs{90, 90}));
        QVERIFY(changes.count() >= 1);
        // The right thumb at 90: a left thumb set to 95 crosses it and the two exchange.
        bar.SetPositionLeft(95);
        QCOMPARE(thumbsOf(bar), (Thumbs{90, 95}));
        bar.SetPositionRight(100);
        bar.SetPositionLeft(95);
        QCOMPARE(thumbsOf(bar), (Thumbs{95, 100}));
    }

    void trackBarLimits() {
        TMyTrackBar bar;
        bar.SetPositionRight(150);
        QCOMPARE(bar.PositionRight(), 100);
        bar.SetPositionLeft(-5);
        QCOMPARE(bar.PositionLeft(), 0);
        bar.SetMin(30);
        bar.SetMax(20);
        QCOMPARE(bar.Max(), 100);
        bar.SetMax(60);
        QCOMPARE(thumbsOf(bar), (Thumbs{30, 60}));
        bar.SetMin(70);
        QCOMPARE(bar.Min(), 30);
    }

    void trackBarDragMovesTheNearerThumb() {
        QWidget window;
        auto* bar = new TMyTrackBar(&window);
        bar->move(10, 10);
        window.resize(130, 50);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bar->SetPositionLeft(20);
        bar->SetPositionRight(80);
        moveTo(bar, QPoint(30, 12));
        press(bar, QPoint(30, 12));
        QCOMPARE(thumbsOf(*bar), (Thumbs{30, 80}));
        moveTo(bar, QPoint(70, 12));
        QCOMPARE(thumbsOf(*bar), (Thumbs{30, 70}));
        release(bar, QPoint(70, 12));
        // Equally far from both: the right thumb moves.
        click(bar, QPoint(50, 12));
        QCOMPARE(thumbsOf(*bar), (Thumbs{30, 50}));
        // Thumbs together: the right one is taken, and set left of the other they exchange.
        bar->SetPositionRight(30);
        click(bar, QPoint(10, 12));
        QCOMPARE(thumbsOf(*bar), (Thumbs{10, 30}));
        // Screen x to value goes through the range: 25 of 100 pixels in 0..1000 is 250.
        bar->SetMax(1000);
        bar->SetPositionLeft(0);
        bar->SetPositionRight(1000);
        click(bar, QPoint(25, 12));
        QCOMPARE(bar->PositionLeft(), 250);
    }

    void trackBarWithAnEmptyRangeSurvives() {
        TMyTrackBar bar;
        bar.SetMin(100);
        QCOMPARE(thumbsOf(bar), (Thumbs{100, 100}));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        click(&bar, QPoint(40, 12));
        QCOMPARE(thumbsOf(bar), (Thumbs{100, 100}));
        QCOMPARE(bar.thumbX(100), 0);
    }

    void upDownLimits() {
        TMyUpDown updown;
        QSignalSpy changes(&updown, &TMyUpDown::OnChange);
        updown.SetPosition(5);
        QCOMPARE(updown.Position(), 1.0);
        QCOMPARE(updown.Edit1->text(), QStringLiteral("1.0"));
        QCOMPARE(changes.count(), 0);
        updown.SetPosition(0.5);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(updown.Edit1->text(), QStringLiteral("0.5"));
        updown.SetMax(-1);
        QCOMPARE(updown.Max(), 1.0);
        updown.SetMax(0.3);
        QCOMPARE(updown.Position(), 0.3);
        updown.SetMin(0.2);
        QCOMPARE(updown.Position(), 0.3);
        updown.SetMin(0.4);
        QCOMPARE(updown.Min(), 0.2);
        updown.SetMin(0.3);
        QCOMPARE(updown.Position(), 0.3);
    }

    void holdingTheSpinnerStopsAtTheLimit_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<double>("end");
        QTest::addColumn<QString>("text");
        QTest::newRow("up to the maximum") << 0.7 << true << 1.0 << "1.0";
        QTest::newRow("down to the minimum") << 0.2 << false << 0.0 << "0.0";
    }
    void holdingTheSpinnerStopsAtTheLimit() {
        QFETCH(double, start);
        QFETCH(bool, upper);
        QFETCH(double, end);
        QFETCH(QString, text);
        TMyUpDown updown;
        updown.SetPosition(start);
        updown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&updown));
        QSignalSpy changes(&updown, &TMyUpDown::OnChange);
        const QPoint spinner(updown.width() - 3, upper ? 3 : updown.height() - 3);
        press(&updown, spinner);
        QCOMPARE(updown.img(), upper ? 1 : 2);
        QCOMPARE(updown.Position(), start + (upper ? 0.1 : -0.1));
        QTest::qWait(1500);
        release(&updown, spinner);
        QCOMPARE(updown.Position(), end);
        QCOMPARE(updown.Edit1->text(), text);
        QCOMPARE(updown.img(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(updown.Edit1->selectedText(), text);
    }

    void pressOnTheFieldDoesNotStep() {
        TMyUpDown updown;
        updown.SetPosition(0.5);
        updown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&updown));
        click(&updown, QPoint(updown.spinnerLeft() - 1, 3));
        QCOMPARE(updown.Position(), 0.5);
    }

    void typingSetsTheValue() {
        TMyUpDown updown;
        updown.SetPosition(0.3);
        updown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&updown));
        QSignalSpy changes(&updown, &TMyUpDown::OnChange);
        updown.Edit1->setFocus();
        updown.Edit1->end(false);
        QTest::keyClicks(updown.Edit1, QStringLiteral("x"));
        QCOMPARE(updown.Edit1->text(), QStringLiteral("0.3"));
        QCOMPARE(updown.Position(), 0.3);
        // The value follows the digits as they are typed.
        updown.Edit1->selectAll();
        QTest::keyClicks(updown.Edit1, QStringLiteral("0.85"));
        QCOMPARE(updown.Position(), 0.85);
        QCOMPARE(updown.Edit1->text(), QStringLiteral("0.85"));
        QVERIFY(changes.count() >= 1);
        // Finishing the entry shows the value in the field's pattern.
        QTest::keyClick(updown.Edit1, Qt::Key_Return);
        QCOMPARE(updown.Edit1->text(), QStringLiteral("0.8"));
        // A number beyond the range is limited when the entry is finished.
        updown.Edit1->selectAll();
        QTest::keyClicks(updown.Edit1, QStringLiteral("7"));
        QTest::keyClick(updown.Edit1, Qt::Key_Return);
        QCOMPARE(updown.Position(), 1.0);
        QCOMPARE(updown.Edit1->text(), QStringLiteral("1.0"));
    }

    void numberPatterns_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << "0.0" << 1.0 << "1.0";
        QTest::newRow("rounds to the last place") << "0.0" << 0.96 << "1.0";
        QTest::newRow("no negative zero") << "0.0" << -0.04 << "0.0";
        QTest::newRow("negative") << "0.00" << -2.5 << "-2.50";
        QTest::newRow("optional decimals") << "0.###" << 2.5 << "2.5";
        QTest::newRow("optional decimals dropped") << "0.###" << 2.0 << "2";
        QTest::newRow("no leading zero") << "#.##" << 0.5 << ".5";
        QTest::newRow("large") << "0.0" << 123456.78 << "123456.8";
    }
    void numberPatterns() {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatDecimal(pattern.toStdString(), value)), text);
    }

    void numberTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "0.5" << true << 0.5;
        QTest::newRow("blanks") << " 1.25 " << true << 1.25;
        QTest::newRow("negative") << "-3" << true << -3.0;
        QTest::newRow("comma") << "1,5" << false << 0.0;
        QTest::newRow("letters") << "0.3x" << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
    }
    void numberTexts() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto parsed = parseDecimal(text.toStdString());
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void comboArrowLightsUnderThePointer() {
        TMyComboBox combo;
        combo.addItems({QStringLiteral("standard"), QStringLiteral("warm")});
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        moveTo(&combo, QPoint(combo.width() - 5, 8));
        QVERIFY(combo.over());
        moveTo(&combo, QPoint(10, 8));
        QVERIFY(!combo.over());
    }

    void nicePanelPlacesItsNinePictures() {
        TNicePanel panel;
        panel.resize(60, 40);
        const QColor colours[9] = {Qt::red,  Qt::green, Qt::blue,    Qt::yellow, Qt::white,
                                   Qt::cyan, Qt::gray,  Qt::darkRed, Qt::black};
        for (int i = 0; i < 9; ++i)
            panel.setPiece(TNicePanel::Piece(i), filled(5, 4, colours[i]));
        const QImage image = panel.composed();
        const QPoint probes[9] = {{0, 0},   {30, 0}, {59, 0},  {0, 20}, {30, 20},
                                  {59, 20}, {0, 39}, {30, 39}, {59, 39}};
        for (int i = 0; i < 9; ++i)
            QCOMPARE(image.pixelColor(probes[i]), colours[i]);
    }

    void panelNoiseMixesWithTheRowsAround() {
        QImage image(6, 4, QImage::Format_RGB888);
        image.fill(QColor(100, 100, 255));
        addPanelNoise(image, 1, 1, [] { return 10; });
        // Rows 0 and 3 and columns 0 and 5 stay; (10 + 3 x 100 - 7) div 3 = 101, then the
        // second row sees 101 above: (10 + 100 + 100 + 101 - 7) div 3 = 101; 255 saturates.
        QCOMPARE(image.pixelColor(2, 0), QColor(100, 100, 255));
        QCOMPARE(image.pixelColor(2, 3), QColor(100, 100, 255));
        QCOMPARE(image.pixelColor(0, 1), QColor(100, 100, 255));
        QCOMPARE(image.pixelColor(5, 2), QColor(100, 100, 255));
        QCOMPARE(image.pixelColor(2, 1), QColor(101, 101, 255));
        QCOMPARE(image.pixelColor(4, 2), QColor(101, 101, 255));
    }

    void randomizedPanelIsNewAtEveryPaint() {
        TNicePanel panel;
        panel.resize(40, 30);
        panel.SetImgCenter(filled(4, 4, QColor(120, 120, 130)));
        const QImage plain = panel.composed();
        panel.SetRandomized(true);
        const QImage first = panel.composed();
        QTest::qWait(2);
        const QImage second = panel.composed();
        QVERIFY(first != plain);
        QVERIFY(first != second);
    }

    void collapsingPanelTakesNineTicks() {
        QWidget parent;
        parent.resize(400, 100);
        auto* panel = new QWidget(&parent);
        panel->setGeometry(50, 0, 300, 100);
        QTimer timer;
        timer.start(50);
        std::vector<int> widths;
        while (timer.isActive() && widths.size() < 20) {
            shrinkPanelStep(panel, 20, 350, false, &timer);
            widths.push_back(panel->width());
            QCOMPARE(panel->geometry().right() + 1, 350);
        }
        QCOMPARE(widths, (std::vector<int>{214, 153, 109, 78, 56, 40, 29, 21, 20}));
    }

    void expandingPanelGrowsToItsTarget() {
        QWidget panel;
        panel.setGeometry(10, 0, 20, 50);
        QTimer timer;
        timer.start(50);
        std::vector<int> widths;
        while (timer.isActive() && widths.size() < 20) {
            growPanelStep(&panel, 300, 0, true, &timer);
            widths.push_back(panel.width());
        }
        QCOMPARE(widths, (std::vector<int>{28, 39, 55, 77, 108, 151, 211, 295, 300}));
        QCOMPARE(panel.x(), 10);
    }

    void panelGrowsFromNothing() {
        QWidget panel;
        panel.setGeometry(0, 0, 0, 50);
        QTimer timer;
        timer.start(50);
        int ticks = 0;
        while (timer.isActive() && ticks < 50) {
            growPanelStep(&panel, 100, 0, true, &timer);
            ++ticks;
        }
        QVERIFY(!timer.isActive());
        QCOMPARE(panel.width(), 100);
    }
};

QTEST_MAIN(SmallControlsTest)
#include "small_controls_test.moc"
