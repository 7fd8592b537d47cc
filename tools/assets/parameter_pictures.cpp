// The pictures of the parameters page: the element tile behind the selected ion, its small
// ion buttons, and the two coordinate systems of the magnetic-field group.
#include "asset_registry.h"
#include "paint_kit.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace vintrel::assets {

namespace {

using namespace palette;

// The axis colours of the field captions: x green, y orange, z blue.
const QColor kAxisX(0, 146, 63);
const QColor kAxisY(231, 120, 23);
const QColor kAxisZ(0, 147, 221);
const QColor kVector(200, 40, 60);
const QColor kTileBand(232, 238, 250);

/// The tile: a white card with a soft band at the top where the ion buttons sit.
void elementTile(QImage& image) {
    const QRectF card(0, 0, image.width(), image.height());
    const QPainterPath shape = roundedBox(card, 9);
    paintOpaqueShape(image, shape, kPage, [&](QPainter& painter) {
        fillOutlined(painter, shape, kSurface, kSurfaceLow, kBorder);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTileBand);
        painter.setClipPath(shape);
        painter.drawRect(QRectF(1, 1, image.width() - 2, 53));
        painter.setClipping(false);
        painter.setPen(kBorderLight);
        painter.drawLine(QPointF(12, 54.5), QPointF(image.width() - 12, 54.5));
        painter.drawLine(QPointF(12, 115.5), QPointF(image.width() - 12, 115.5));
    });
}

/// A small ion button: 0 normal, 1 hovered, 2 pressed, 3 disabled.
void ionButton(QImage& image, int state) {
    const QPainterPath shape = roundedBox(QRectF(0, 0, image.width(), image.height()), 4);
    const QColor tops[] = {kSurface, kAccentHover, kAccentPressed, kSurfaceLow};
    const QColor bottoms[] = {kSurfaceLow, kAccentHover, kAccentPressedHover, kSurfaceLow};
    const QColor borders[] = {kBorder, kAccent, kAccentDark, kBorderLight};
    paintOpaqueShape(image, shape, kTileBand, [&](QPainter& painter) {
        fillOutlined(painter, shape, tops[state], bottoms[state], borders[state]);
    });
}

/// The axes of both pictures in an oblique view: z up, y to the right, x towards the viewer.
struct Axes {
    QPointF origin{62, 92};
    double length = 56;
    QPointF project(double x, double y, double z) const {
        return origin + QPointF(-0.55 * x + y, 0.42 * x - z) * length;
    }
};

void arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << to << to - u * 7 + n * 3 << to - u * 7 - n * 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head);
}

void label(QPainter& painter, QPointF at, const QString& text, const QColor& colour,
           bool italic = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setItalic(italic);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(at, text);
}

/// "B" with a small index below it.
void indexedLabel(QPainter& painter, QPointF at, const QString& index, const QColor& colour) {
    label(painter, at, QStringLiteral("B"), colour);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setItalic(true);
    painter.setFont(font);
    painter.drawText(at + QPointF(9, 3), index);
}

void drawAxes(QPainter& painter, const Axes& axes) {
    arrow(painter, axes.origin, axes.project(1.1, 0, 0), kAxisX, 1.6);
    arrow(painter, axes.origin, axes.project(0, 1.25, 0), kAxisY, 1.6);
    arrow(painter, axes.origin, axes.project(0, 0, 1.3), kAxisZ, 1.6);
    label(painter, axes.project(1.1, 0, 0) + QPointF(-4, 14), QStringLiteral("x"), kAxisX);
    label(painter, axes.project(0, 1.25, 0) + QPointF(-2, 15), QStringLiteral("y"), kAxisY);
    label(painter, axes.project(0, 0, 1.3) + QPointF(6, 6), QStringLiteral("z"), kAxisZ);
}

constexpr double kTheta = 50 * std::numbers::pi / 180;
constexpr double kPhi = 55 * std::numbers::pi / 180;

// The field direction used in both pictures.
void fieldDirection(double& x, double& y, double& z) {
    x = std::sin(kTheta) * std::cos(kPhi);
    y = std::sin(kTheta) * std::sin(kPhi);
    z = std::cos(kTheta);
}

void dashed(QPainter& painter, QPointF a, QPointF b, const QColor& colour) {
    painter.setPen(QPen(colour, 1, Qt::DashLine));
    painter.drawLine(a, b);
}

/// Spherical angles: alpha from the z axis (blue), beta the azimuth from x (green).
void sphericalSystem(QImage& image) {
    image.fill(kPage);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Axes axes;
    drawAxes(painter, axes);
    double x, y, z;
    fieldDirection(x, y, z);
    const QPointF tip = axes.project(x, y, z);
    const QPointF foot = axes.project(x, y, 0);
    dashed(painter, tip, foot, kBorderStrong);
    dashed(painter, axes.origin, foot, kBorderStrong);
    auto arc = [&](auto point, double from, double to, const QColor& colour) {
        QPainterPath path;
        for (int i = 0; i <= 24; ++i) {
            const QPointF p = point(from + (to - from) * i / 24);
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        painter.setPen(QPen(colour, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    };
    arc(
        [&](double t) {
            return axes.project(0.42 * std::sin(t) * std::cos(kPhi),
                                0.42 * std::sin(t) * std::sin(kPhi), 0.42 * std::cos(t));
        },
        0, kTheta, kAxisZ);
    arc([&](double t) { return axes.project(0.5 * std::cos(t), 0.5 * std::sin(t), 0); }, 0, kPhi,
        kAxisX);
    arrow(painter, axes.origin, tip, kVector, 2.2);
    label(painter, tip + QPointF(3, -2), QStringLiteral("B"), kVector);
    label(painter, axes.project(0.1, 0.12, 0.62) + QPointF(-2, 0), QStringLiteral("\u03B1"), kAxisZ,
          false);
    label(painter, axes.project(0.62, 0.22, 0) + QPointF(-4, 12), QStringLiteral("\u03B2"), kAxisX,
          false);
}

/// Cartesian components: the field and its projections on the three axes.
void cartesianSystem(QImage& image) {
    image.fill(kPage);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Axes axes;
    drawAxes(painter, axes);
    double x, y, z;
    fieldDirection(x, y, z);
    const QPointF tip = axes.project(x, y, z);
    const QPointF foot = axes.project(x, y, 0);
    dashed(painter, tip, foot, kBorderStrong);
    dashed(painter, foot, axes.project(x, 0, 0), kBorderStrong);
    dashed(painter, foot, axes.project(0, y, 0), kBorderStrong);
    dashed(painter, tip, axes.project(0, 0, z), kBorderStrong);
    painter.setPen(Qt::NoPen);
    for (const auto& [point, colour] :
         {std::pair{axes.project(x, 0, 0), kAxisX}, std::pair{axes.project(0, y, 0), kAxisY},
          std::pair{axes.project(0, 0, z), kAxisZ}}) {
        painter.setBrush(colour);
        painter.drawEllipse(point, 3, 3);
    }
    arrow(painter, axes.origin, tip, kVector, 2.2);
    label(painter, tip + QPointF(3, -2), QStringLiteral("B"), kVector);
    indexedLabel(painter, axes.project(x, 0, 0) + QPointF(-20, 2), QStringLiteral("x"), kAxisX);
    indexedLabel(painter, axes.project(0, y, 0) + QPointF(-6, 16), QStringLiteral("y"), kAxisY);
    indexedLabel(painter, axes.project(0, 0, z) + QPointF(-22, 4), QStringLiteral("z"), kAxisZ);
}

std::vector<Asset> parameterPictures() {
    return {
        {"panel_element_back.bmp", 160, 213, elementTile},
        {"panel_element_small_norm.bmp", 29, 19, [](QImage& i) { ionButton(i, 0); }},
        {"panel_element_small_over.bmp", 29, 19, [](QImage& i) { ionButton(i, 1); }},
        {"panel_element_small_down.bmp", 29, 19, [](QImage& i) { ionButton(i, 2); }},
        {"panel_element_small_dis.bmp", 29, 19, [](QImage& i) { ionButton(i, 3); }},
        {"coordinates_spherical.bmp", 150, 145, sphericalSystem},
        {"coordinates_cartesian.bmp", 150, 145, cartesianSystem},
    };
}

const bool registered = registerAssets(&parameterPictures);

} // namespace

} // namespace vintrel::assets
