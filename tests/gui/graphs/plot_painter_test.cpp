// The one painter of the graphs: runs of circles and of solid strokes, which it draws in one
// go on the screen, give the same pixels as drawing them one by one; the legend of the named
// curves.
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
    void legendNamesTheNamedCurvesInRows();
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

void PlotPainterTest::legendNamesTheNamedCurvesInRows() {
    const std::vector<double> values;
    const Rgb green{31, 138, 18}, blue{0, 39, 194}, grey{48, 48, 48};
    const std::vector<CurveDescription> curves = {
        {&values, green, false, LineStyle::Solid, "B_e_x_t||x"},
        {&values, grey, false, LineStyle::Solid, ""}, // a guide, left out
        {&values, blue, true, LineStyle::Dashed, "Curie's law"},
    };
    const auto linesOf = [](const PlotScene& scene) {
        std::vector<SceneLine> lines;
        for (const SceneItem& item : scene.items)
            if (const auto* line = std::get_if<SceneLine>(&item))
                lines.push_back(*line);
        return lines;
    };
    const auto textsOf = [](const PlotScene& scene) {
        std::vector<SceneText> texts;
        for (const SceneItem& item : scene.items)
            if (const auto* text = std::get_if<SceneText>(&item))
                texts.push_back(*text);
        return texts;
    };
    const PlotScene wide = legendScene(curves, 800);
    const auto lines = linesOf(wide);
    const auto texts = textsOf(wide);
    QCOMPARE(lines.size(), std::size_t{2});
    QCOMPARE(texts.size(), std::size_t{2});
    QCOMPARE(texts[0].text, std::string("B_e_x_t||x"));
    QVERIFY(texts[0].markup);
    QCOMPARE(texts[1].text, std::string("Curie's law"));
    QVERIFY(lines[0].colour == green && lines[0].style == LineStyle::Solid);
    QVERIFY(lines[1].colour == blue && lines[1].style == LineStyle::Dashed);
    // One row: each name right of its own sample, the second entry after the first name.
    QCOMPARE(lines[0].a.y, lines[1].a.y);
    QVERIFY(texts[0].at.x > lines[0].b.x);
    QVERIFY(lines[1].a.x > texts[0].at.x + sceneTextSize(texts[0]).width());
    QVERIFY(wide.width <= 800 && wide.height > 0);
    // Too narrow for both: the second entry starts a new row at the left.
    const PlotScene narrow = legendScene(curves, 60);
    const auto narrowLines = linesOf(narrow);
    QCOMPARE(narrowLines.size(), std::size_t{2});
    QCOMPARE(narrowLines[1].a.x, 0);
    QVERIFY(narrowLines[1].a.y > narrowLines[0].a.y);
    QVERIFY(narrow.height > wide.height);
    // A single named curve is named by the axis title: no legend.
    QVERIFY(legendScene({curves[0], curves[1]}, 800).items.empty());
}

QTEST_MAIN(PlotPainterTest)
#include "plot_painter_test.moc"
