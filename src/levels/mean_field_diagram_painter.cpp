#include "levels/mean_field_diagram_painter.h"

#include "base/number_pattern.h"
#include "controls/fonts.h"
#include "graphs/mean_field_plots.h"
#include "levels/level_diagram_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace vintrel {

namespace {

const QColor kText(0x64, 0x64, 0x64);
const QColor kNoteText(0x8C, 0x8C, 0x8C);

const QFont& textFont() {
    static const QFont font = viewerFont(QStringLiteral("Tahoma"), 9);
    return font;
}

const QFont& axisFont() {
    static const QFont font = viewerFont(QStringLiteral("Tahoma"), 8);
    return font;
}

// The columns of the steps and the rows of every level at every step.
struct CurvePoints {
    std::vector<int> columns;           ///< per step
    std::vector<std::vector<int>> rows; ///< per step, per level
    int startColumn = 40;               ///< where the first step's segments begin
};

CurvePoints curvePoints(const MeanFieldScene& s, QSize size) {
    CurvePoints points;
    const auto& steps = s.levels->steps;
    const int H = size.height();
    const int W = size.width();
    points.startColumn = temperatureToColumn(0, s.axis, W);
    points.columns.reserve(steps.size());
    points.rows.reserve(steps.size());
    for (const MeanFieldStep& step : steps) {
        points.columns.push_back(temperatureToColumn(step.T, s.axis, W));
        std::vector<int> rows;
        rows.reserve(step.E.size());
        for (double E : step.E)
            rows.push_back(meanFieldLevelToY(E, s.window, H));
        points.rows.push_back(std::move(rows));
    }
    return points;
}

// The segment of step k of level i: from the previous step (or the start, level) to step k.
QLine segment(const CurvePoints& points, std::size_t k, std::size_t i) {
    const int row = points.rows[k][i];
    if (k == 0)
        return {points.startColumn, row, points.columns[0], row};
    return {points.columns[k - 1], points.rows[k - 1][i], points.columns[k], row};
}

// The row of a segment at column x.
int rowAt(const QLine& line, int x) {
    if (line.x2() == line.x1())
        return line.y2();
    const double t = static_cast<double>(x - line.x1()) / (line.x2() - line.x1());
    return line.y1() + static_cast<int>(std::lround(t * (line.y2() - line.y1())));
}

void drawCurves(QPainter& p, const CurvePoints& points, std::size_t N) {
    p.setPen(QColor::fromRgb(kCurveColour));
    QPolygon curve(static_cast<int>(points.columns.size()) + 1);
    for (std::size_t i = 0; i < N; ++i) {
        curve.setPoint(0, points.startColumn, points.rows[0][i]);
        for (std::size_t k = 0; k < points.columns.size(); ++k)
            curve.setPoint(static_cast<int>(k) + 1, points.columns[k], points.rows[k][i]);
        p.drawPolyline(curve);
    }
}

// The selected segment in green, the slider's line down to the lowest level and the circled
// points of the selected step.
void drawSelection(QPainter& p, const MeanFieldScene& s, const CurvePoints& points, std::size_t N,
                   QSize size, MeanFieldLayout& layout) {
    const QColor green = QColor::fromRgb(kSelectedColour);
    const auto step = static_cast<std::size_t>(s.selection.step);
    layout.markedColumn = points.columns[step];
    layout.markedRows = points.rows[step];
    layout.selectedColumn = temperatureToColumn(s.Tsel, s.axis, size.width());
    int lowestRow = layout.markedRows.front();
    p.setPen(green);
    if (s.selection.segment >= 0) {
        const auto k = static_cast<std::size_t>(s.selection.segment);
        for (std::size_t i = 0; i < N; ++i) {
            const QLine line = segment(points, k, i);
            p.drawLine(line);
            lowestRow = std::max(lowestRow, rowAt(line, layout.selectedColumn));
        }
    }
    p.drawLine(layout.selectedColumn, 0, layout.selectedColumn, lowestRow);
    p.setBrush(Qt::NoBrush);
    for (int row : layout.markedRows)
        p.drawEllipse(QPoint(layout.markedColumn, row), 2, 2);
}

void drawTransition(QPainter& p, const MeanFieldScene& s, QSize size, MeanFieldLayout& layout) {
    const double Tc = *s.levels->Tc;
    const int x = temperatureToColumn(Tc, s.axis, size.width());
    layout.transitionColumn = x;
    QPen red(QColor::fromRgb(kTransitionLineColour));
    red.setStyle(Qt::DotLine);
    p.setPen(red);
    p.drawLine(x, 0, x, size.height());
    layout.transitionLabelShown = Tc < s.axis.last;
    if (!layout.transitionLabelShown)
        return;
    p.setFont(textFont());
    p.setPen(QColor(0xFF, 0, 0));
    const QString label = QString::fromStdString(transitionLabel(Tc));
    const int height = p.fontMetrics().height();
    p.save();
    p.translate(x - 2 - height, 60 + p.fontMetrics().horizontalAdvance(label));
    p.rotate(-90);
    drawMarkupText(p, 0, 0, label, QRect(-10, -10, 2000, height + 20));
    p.restore();
}

} // namespace

MeanFieldLayout paintMeanFieldDiagram(QPainter& p, QSize size, const MeanFieldScene& s) {
    MeanFieldLayout layout;
    const int H = size.height();
    drawAxisStrip(p, size);
    drawEnergyAxis(p, s.window, H, {43, 37, size.width() - 30});
    if (!s.note.isEmpty()) {
        p.setFont(textFont());
        p.setPen(kNoteText);
        p.drawText(QRect(50, 0, size.width() - 50, H), Qt::AlignCenter, s.note);
    }
    const MeanFieldLevels* levels = s.levels;
    if (levels && !levels->steps.empty() && levels->N > 0) {
        const CurvePoints points = curvePoints(s, size);
        const auto N = static_cast<std::size_t>(levels->N);
        drawCurves(p, points, N);
        layout.curves = levels->N;
        if (s.selection.step >= 0) {
            drawSelection(p, s, points, N, size, layout);
            const MeanFieldStep& step = levels->steps[static_cast<std::size_t>(s.selection.step)];
            layout.band = visibleBand(s.window, H, step.E.front(), step.E.back());
            if (layout.band.shown)
                drawVisibleBand(p, size, s.bandWidth, layout.band, layout.markedRows.front());
        }
    }
    if (levels && levels->Tc)
        drawTransition(p, s, size, layout);
    if (s.dragging)
        drawDragBand(p, size, s.dragY0, s.dragY1);
    if (s.helpVisible)
        drawHelpBox(p, size);
    return layout;
}

void paintTemperatureAxis(QPainter& p, QSize size, const TemperatureAxis& axis) {
    p.fillRect(QRect(QPoint(0, 0), size), QColor(0xFA, 0xFA, 0xFC));
    p.setFont(axisFont());
    const QFontMetrics metrics = p.fontMetrics();
    p.setPen(kText);
    const int W = size.width();
    p.drawLine(temperatureToColumn(axis.first, axis, W), 0, temperatureToColumn(axis.last, axis, W),
               0);
    for (double T : temperatureTicks(axis)) {
        const int x = temperatureToColumn(T, axis, W);
        p.drawLine(x, 0, x, 4);
        const QString label = QString::fromStdString(formatFloatDot("0.##", T));
        p.drawText(x - metrics.horizontalAdvance(label) / 2, 5 + metrics.ascent(), label);
    }
    const QString caption = QStringLiteral("Temperature (K)");
    p.setFont(textFont());
    const QFontMetrics captionMetrics = p.fontMetrics();
    const int centre =
        (temperatureToColumn(axis.first, axis, W) + temperatureToColumn(axis.last, axis, W)) / 2;
    p.drawText(centre - captionMetrics.horizontalAdvance(caption) / 2,
               8 + metrics.height() + captionMetrics.ascent(), caption);
}

} // namespace vintrel
