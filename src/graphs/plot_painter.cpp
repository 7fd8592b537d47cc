#include "graphs/plot_painter.h"

#include "base/atomic_file.h"
#include "base/binary_file.h"
#include "controls/data_export.h"
#include "controls/fonts.h"
#include "controls/markup.h"
#include "controls/qt_markup_surface.h"
#include "controls/theme.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QList>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygon>
#include <QSvgGenerator>

#include <algorithm>
#include <string_view>

namespace vintrel {

namespace {

QPoint qtPoint(const PlotPixel& p) {
    return {p.x, p.y};
}

QPen linePen(const Rgb& colour, LineStyle style, int width = 1) {
    QPen pen(qtColour(colour), width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    const std::vector<int> dashes = dashPattern(style);
    if (!dashes.empty()) {
        QList<qreal> pattern;
        for (int run : dashes)
            pattern.append(run);
        pen.setDashPattern(pattern);
    }
    return pen;
}

std::u16string_view utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

/// The top-left corner of a box of the given size placed at the anchor point.
QPoint anchored(const SceneText& text, QSize size) {
    const int x = text.at.x;
    const int y = text.at.y;
    switch (text.anchor) {
    case TextAnchor::TopLeft:
        break;
    case TextAnchor::TopRight:
        return {x - size.width(), y};
    case TextAnchor::TopCentre:
        return {x - size.width() / 2, y};
    case TextAnchor::Centre:
        return {x - size.width() / 2, y - size.height() / 2};
    case TextAnchor::LeftCentre:
        return {x, y - size.height() / 2};
    }
    return {x, y};
}

void drawText(QPainter& painter, const SceneText& text) {
    const QFont font = viewerFont(QStringLiteral("Tahoma"), text.pointSize, text.bold);
    const QString caption = QString::fromStdString(text.text);
    painter.setPen(qtColour(text.colour));
    if (!text.markup) {
        painter.setFont(font);
        const QFontMetrics metrics(font, painter.device());
        const QSize size(metrics.horizontalAdvance(caption), metrics.height());
        const QPoint corner = anchored(text, size);
        painter.drawText(QRect(corner, size), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         caption);
        return;
    }
    QtMarkupSurface surface(font, &painter, painter.device());
    surface.setColour(qtColour(text.colour));
    const MarkupFont base = QtMarkupSurface::markupFont(font);
    if (text.vertical) {
        int extent = 0;
        int thickness = 0;
        drawVerticalMarkup(surface, base, utf16(caption), false, 0, 0, extent, thickness);
        const QPoint corner = anchored(text, QSize(thickness, extent));
        drawVerticalMarkup(surface, base, utf16(caption), true, corner.x(), corner.y() + extent,
                           extent, thickness);
        return;
    }
    int height = 0;
    int width = 0;
    drawMarkup(surface, base, utf16(caption), false, 0, 0, height, width);
    const QPoint corner = anchored(text, QSize(width, height));
    drawMarkup(surface, base, utf16(caption), true, corner.x(), corner.y(), height, width);
}

struct ItemPainter {
    QPainter& painter;
    const MiniParamDrawer& miniParam;

    void operator()(const SceneLine& line) const {
        painter.setPen(linePen(line.colour, line.style));
        painter.drawLine(qtPoint(line.a), qtPoint(line.b));
    }
    void operator()(const ScenePolyline& polyline) const {
        painter.setPen(linePen(polyline.colour, polyline.style, polyline.width));
        QPolygon points;
        points.reserve(static_cast<int>(polyline.points.size()));
        for (const PlotPixel& p : polyline.points)
            points.append(qtPoint(p));
        painter.drawPolyline(points);
    }
    void operator()(const SceneRect& rect) const {
        painter.setPen(linePen(rect.pen, LineStyle::Solid));
        painter.setBrush(rect.filled ? QBrush(qtColour(rect.fill)) : QBrush(Qt::NoBrush));
        const QRect r(rect.rect.left, rect.rect.top, rect.rect.width, rect.rect.height);
        if (rect.cornerRadius > 0)
            painter.drawRoundedRect(r, rect.cornerRadius, rect.cornerRadius);
        else
            painter.drawRect(r);
        painter.setBrush(Qt::NoBrush);
    }
    void operator()(const SceneCircle& circle) const {
        painter.setPen(linePen(circle.pen, LineStyle::Solid));
        painter.setBrush(qtColour(circle.fill));
        const int d = circle.diameter;
        painter.drawEllipse(QRect(circle.centre.x - d / 2, circle.centre.y - d / 2, d, d));
        painter.setBrush(Qt::NoBrush);
    }
    void operator()(const SceneTriangle& triangle) const {
        painter.setPen(linePen(triangle.colour, LineStyle::Solid));
        painter.setBrush(qtColour(triangle.colour));
        QPolygon corners;
        for (const PlotPixel& p : triangle.corners)
            corners.append(qtPoint(p));
        painter.drawPolygon(corners);
        painter.setBrush(Qt::NoBrush);
    }
    void operator()(const SceneText& text) const { drawText(painter, text); }
    void operator()(const SceneMiniParam& mini) const {
        if (miniParam)
            miniParam(painter,
                      QRect(mini.rect.left, mini.rect.top, mini.rect.width, mini.rect.height),
                      mini.opacity);
    }
};

// Draws the run of circles alike (diameter, pen and fill) from `first` on by one picture of
// the circle drawn once; gives the index after the run.
std::size_t drawCircleRun(QPainter& painter, const std::vector<SceneItem>& items,
                          std::size_t first) {
    const auto& model = std::get<SceneCircle>(items[first]);
    const int d = model.diameter;
    QImage sprite(d + 3, d + 3, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setRenderHints(painter.renderHints());
        p.setPen(linePen(model.pen, LineStyle::Solid));
        p.setBrush(qtColour(model.fill));
        p.drawEllipse(QRect(1, 1, d, d));
    }
    std::size_t i = first;
    for (; i < items.size(); ++i) {
        const auto* circle = std::get_if<SceneCircle>(&items[i]);
        if (!circle || circle->diameter != d || !(circle->pen == model.pen) ||
            !(circle->fill == model.fill))
            break;
        painter.drawImage(circle->centre.x - d / 2 - 1, circle->centre.y - d / 2 - 1, sprite);
    }
    return i;
}

} // namespace

QSize sceneTextSize(const SceneText& text) {
    const QFont font = viewerFont(QStringLiteral("Tahoma"), text.pointSize, text.bold);
    const QString caption = QString::fromStdString(text.text);
    if (!text.markup) {
        const QFontMetrics metrics(font);
        return {metrics.horizontalAdvance(caption), metrics.height()};
    }
    QtMarkupSurface surface(font);
    int height = 0;
    int width = 0;
    drawMarkup(surface, QtMarkupSurface::markupFont(font), utf16(caption), false, 0, 0, height,
               width);
    return {width, height};
}

PlotScene legendScene(const std::vector<CurveDescription>& curves, int width) {
    constexpr int kSample = 24;
    constexpr int kGap = 5;
    constexpr int kBetween = 18;
    constexpr int kRow = 16;
    PlotScene legend;
    const auto named = std::count_if(curves.begin(), curves.end(),
                                     [](const CurveDescription& c) { return !c.name.empty(); });
    if (named < 2)
        return legend;
    int x = 0;
    int y = 0;
    for (const CurveDescription& curve : curves) {
        if (curve.name.empty())
            continue;
        SceneText text{curve.name, {0, 0}, TextAnchor::LeftCentre, 9, {0, 0, 0}};
        text.markup = true;
        const int entry = kSample + kGap + sceneTextSize(text).width();
        if (x > 0 && x + entry > width) {
            x = 0;
            y += kRow;
        }
        const int middle = y + kRow / 2;
        legend.items.push_back(
            SceneLine{{x, middle}, {x + kSample, middle}, curve.colour, curve.style});
        text.at = {x + kSample + kGap, middle};
        legend.items.push_back(text);
        legend.width = std::max(legend.width, x + entry);
        x += entry + kBetween;
    }
    legend.height = y + kRow;
    return legend;
}

QColor qtColour(const Rgb& colour) {
    return QColor(colour.r, colour.g, colour.b);
}

void paintPlotScene(QPainter& painter, const PlotScene& scene, const MiniParamDrawer& miniParam) {
    painter.save();
    const ItemPainter draw{painter, miniParam};
    const std::size_t count = scene.items.size();
    const bool raster =
        painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    QList<QLine> batch;
    for (std::size_t i = 0; i < count;) {
        // A run of solid lines of one colour is drawn in one call (the strokes of a spectrum).
        if (raster && std::holds_alternative<SceneCircle>(scene.items[i])) {
            i = drawCircleRun(painter, scene.items, i);
            continue;
        }
        const auto* first = std::get_if<SceneLine>(&scene.items[i]);
        if (!first || first->style != LineStyle::Solid) {
            std::visit(draw, scene.items[i++]);
            continue;
        }
        batch.clear();
        for (; i < count; ++i) {
            const auto* line = std::get_if<SceneLine>(&scene.items[i]);
            if (!line || line->style != LineStyle::Solid || !(line->colour == first->colour))
                break;
            batch.append(QLine(qtPoint(line->a), qtPoint(line->b)));
        }
        painter.setPen(linePen(first->colour, LineStyle::Solid));
        painter.drawLines(batch);
    }
    painter.restore();
}

QString writePlotFigure(const PlotScene& figure, const QString& path, int dpi,
                        const QString& title) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QSize size(figure.width, figure.height);
    const auto paint = [&](QPaintDevice& device) {
        QPainter painter(&device);
        painter.fillRect(QRect(QPoint(0, 0), size), theme::kPageBackground);
        paintPlotScene(painter, figure);
        return painter.end();
    };
    try {
        AtomicFile file(path.toStdString());
        const QString temporary = QString::fromStdString(file.temporaryPath().string());
        bool written = false;
        if (suffix == QLatin1String("svg")) {
            QSvgGenerator svg;
            svg.setFileName(temporary);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setResolution(dpi);
            svg.setTitle(title);
            written = paint(svg);
        } else if (suffix == QLatin1String("pdf")) {
            QPdfWriter pdf(temporary);
            pdf.setResolution(dpi);
            pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / dpi, QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            pdf.setTitle(title);
            written = paint(pdf);
        } else {
            QImage image(size, QImage::Format_RGB32);
            image.setDotsPerMeterX(qRound(dpi / 0.0254));
            image.setDotsPerMeterY(qRound(dpi / 0.0254));
            written = paint(image) && image.save(temporary, "PNG");
        }
        if (!written)
            throw FileError("Cannot create file " + path.toStdString());
        file.commit();
    } catch (const FileError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

QString chooseFigureFile(QWidget* parent, const QString& name) {
    const QString path =
        chooseExportFile(parent, name + QStringLiteral(".png"), QStringLiteral("Export figure"),
                         QStringLiteral("PNG picture (*.png);;SVG drawing "
                                        "(*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".png");
}

} // namespace vintrel
