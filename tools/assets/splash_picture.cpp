// The picture of the start panel's credits: a crystal-field level scheme split out of a free-ion
// level and, beside it, the cross-section of a cubic crystal-field potential. The left part,
// where the credits are written, stays transparent (magenta, as the top-left pixel).
#include "asset_registry.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace vintrel::assets {

namespace {

using namespace palette;

void levelScheme(QPainter& painter, double left, double top, double height) {
    // Free ion on the left, the crystal-field levels on the right, joined by dotted lines.
    const double freeY = top + height * 0.55;
    const double levels[] = {0.92, 0.80, 0.31, 0.24, 0.05};
    painter.setPen(QPen(kInk, 2));
    painter.drawLine(QPointF(left, freeY), QPointF(left + 30, freeY));
    for (const double level : levels) {
        const double y = top + height * (1 - level);
        painter.setPen(QPen(kBorderStrong, 1, Qt::DotLine));
        painter.drawLine(QPointF(left + 30, freeY), QPointF(left + 56, y));
        painter.setPen(QPen(kAccentDark, 2));
        painter.drawLine(QPointF(left + 56, y), QPointF(left + 96, y));
    }
    // A transition arrow from the ground level.
    const double from = top + height * (1 - levels[4]);
    const double to = top + height * (1 - levels[1]);
    painter.setPen(QPen(QColor(200, 60, 60), 1.5));
    painter.drawLine(QPointF(left + 76, from - 3), QPointF(left + 76, to + 6));
    QPainterPath head;
    head.moveTo(left + 76, to + 1);
    head.lineTo(left + 72, to + 9);
    head.lineTo(left + 80, to + 9);
    head.closeSubpath();
    painter.fillPath(head, QColor(200, 60, 60));
}

void potentialShape(QPainter& painter, QPointF centre, double radius) {
    // r(φ) = 1 + 0.32 cos 4φ: the section of a fourth-order cubic term through the z = 0 plane.
    QPainterPath outline;
    constexpr int steps = 240;
    for (int i = 0; i <= steps; ++i) {
        const double phi = 2 * std::numbers::pi * i / steps;
        const double r = radius * (1 + 0.32 * std::cos(4 * phi)) / 1.32;
        const QPointF point(centre.x() + r * std::cos(phi), centre.y() - r * std::sin(phi));
        if (i == 0)
            outline.moveTo(point);
        else
            outline.lineTo(point);
    }
    QRadialGradient fill(centre, radius);
    fill.setColorAt(0, QColor(255, 240, 170));
    fill.setColorAt(0.55, QColor(250, 160, 80));
    fill.setColorAt(1, QColor(190, 40, 60));
    painter.fillPath(outline, fill);
    painter.setPen(QPen(kInk, 1));
    painter.drawPath(outline);
    painter.setPen(QPen(kBorderStrong, 1, Qt::DashLine));
    painter.drawLine(QPointF(centre.x() - radius - 8, centre.y()),
                     QPointF(centre.x() + radius + 8, centre.y()));
    painter.drawLine(QPointF(centre.x(), centre.y() - radius - 8),
                     QPointF(centre.x(), centre.y() + radius + 8));
}

void paintSplash(QImage& image) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double height = image.height();
    levelScheme(painter, 414, 28, height - 92);
    potentialShape(painter, QPointF(568, 92), 44);
    // A thin accent rule under the title area.
    painter.setPen(QPen(kAccent, 2));
    painter.drawLine(QPointF(38, 102), QPointF(400, 102));
    // The top-left pixel names the transparent colour.
    painter.end();
    image.setPixelColor(0, 0, kTransparent);
}

std::vector<Asset> splashPictures() {
    return {{QStringLiteral("splash-reader.bmp"), 623, 240, paintSplash}};
}

const bool registered = registerAssets(&splashPictures);

} // namespace

} // namespace vintrel::assets
