// The small pictures of the two result kinds in the tab dialogs (15 x 15): a result sheet with
// energy levels for an ordinary result, and one with a magnetisation curve for a mean-field
// result.
#include "asset_registry.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace vintrel::assets {

namespace {

using namespace palette;

/// The mean-field colour: a warm orange beside the blue accent.
const QColor kMeanField(226, 122, 52);
const QColor kMeanFieldDark(176, 84, 24);

/// A sheet with a folded corner, outlined in `edge`.
void sheet(QPainter& p, const QColor& edge) {
    QPainterPath outline;
    outline.moveTo(2.5, 0.5);
    outline.lineTo(9.5, 0.5);
    outline.lineTo(12.5, 3.5);
    outline.lineTo(12.5, 14.5);
    outline.lineTo(2.5, 14.5);
    outline.closeSubpath();
    p.setPen(QPen(edge, 1));
    p.setBrush(kSurface);
    p.drawPath(outline);
    p.setBrush(kSurfaceLow);
    p.drawLine(QPointF(9.5, 0.5), QPointF(9.5, 3.5));
    p.drawLine(QPointF(9.5, 3.5), QPointF(12.5, 3.5));
}

void ordinaryIcon(QImage& image) {
    QPainter p(&image);
    sheet(p, kAccentDark);
    p.setPen(QPen(kAccent, 1));
    for (const int y : {5, 8, 9, 12})
        p.drawLine(4, y, 10, y);
}

void meanFieldIcon(QImage& image) {
    QPainter p(&image);
    sheet(p, kMeanFieldDark);
    p.setRenderHint(QPainter::Antialiasing);
    // The ordered moment falling to zero at the transition temperature.
    QPainterPath curve;
    curve.moveTo(4, 5);
    curve.cubicTo(7, 5, 9, 7, 9.5, 12.5);
    curve.lineTo(11, 12.5);
    p.setPen(QPen(kMeanField, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

std::vector<Asset> kindIcons() {
    return {{QStringLiteral("mini-zorvane.bmp"), 15, 15, ordinaryIcon},
            {QStringLiteral("mini-mfa.bmp"), 15, 15, meanFieldIcon}};
}

const bool registered = registerAssets(&kindIcons);

} // namespace

} // namespace vintrel::assets
