// The one painter of the graphs: runs of circles and of solid strokes, which it draws in one
// go on the screen, give the same pixels as drawing them one by one.
#include "graphs/plot_painter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vintrel;

namespace {

QPen solidPen(const Rgb& colour) {
    QPen pen(qtColour(colour), 1);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QImage blank() {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class PlotPainterTest : public QObject {
    Q_OBJECT

private slots:
    void circleRunsMatchSingleCircles_data();
    void circleRunsMatchSingleCircles();
    void strokeRunsMatchSingleStrokes();
};

void PlotPainterTest::circleRunsMatchSingleCircles_data() {
    QTest::addColumn<int>("diameter");
    for (int d : {2, 4, 5, 6, 7, 10})
        QTest::newRow(qPrintable(QString::number(d))) << d;
}

void PlotPainterTest::circleRunsMatchSingleCircles() {
    QFETCH(int, diameter);
    const Rgb pen{10, 20, 200}, fill{200, 10, 20}, other{0, 150, 0};
    const std::vector<SceneCircle> circles = {{{17, 19}, diameter, pen, fill},
                                              {{25, 11}, diameter, pen, fill},
                                              {{30, 40}, diameter, other, other},
                                              {{2, 3}, diameter, pen, fill}};
    PlotScene scene;
    scene.width = scene.height = 60;
    for (const SceneCircle& c : circles)
        scene.add(c);
    QImage runs = blank();
    {
        QPainter p(&runs);
        paintPlotScene(p, scene);
    }
    QImage single = blank();
    {
        QPainter p(&single);
        for (const SceneCircle& c : circles) {
            p.setPen(solidPen(c.pen));
            p.setBrush(qtColour(c.fill));
            p.drawEllipse(
                QRect(c.centre.x - diameter / 2, c.centre.y - diameter / 2, diameter, diameter));
        }
    }
    QCOMPARE(runs, single);
}

void PlotPainterTest::strokeRunsMatchSingleStrokes() {
    const Rgb a{0, 0, 255}, b{255, 0, 0};
    const std::vector<SceneLine> lines = {{{5, 50}, {5, 10}, a},
                                          {{6, 50}, {6, 30}, a},
                                          {{6, 30}, {6, 20}, b},
                                          {{7, 7}, {40, 45}, b},
                                          {{8, 50}, {8, 49}, a}};
    PlotScene scene;
    scene.width = scene.height = 60;
    for (const SceneLine& l : lines)
        scene.add(l);
    QImage runs = blank();
    {
        QPainter p(&runs);
        paintPlotScene(p, scene);
    }
    QImage single = blank();
    {
        QPainter p(&single);
        for (const SceneLine& l : lines) {
            p.setPen(solidPen(l.colour));
            p.drawLine(QPoint(l.a.x, l.a.y), QPoint(l.b.x, l.b.y));
        }
    }
    QCOMPARE(runs, single);
}

QTEST_MAIN(PlotPainterTest)
#include "plot_painter_test.moc"
