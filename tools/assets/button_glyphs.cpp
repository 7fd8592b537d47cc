// Glyph sets of the image button: five pictures per set (normal, hovered, pressed, pressed and
// hovered, disabled), named <set>_out, _over, _down, _downover, _disabled.
#include "asset_registry.h"
#include "paint_kit.h"
#include "palette.h"

#include <QPainter>

namespace vintrel::assets {

namespace {

using namespace palette;

struct Look {
    QColor top;
    QColor bottom;
    QColor border;
};

/// The looks of the five states, in glyph order.
const Look kLooks[5] = {
    {kSurface, kSurfaceLow, kBorder},
    {kSurface, kAccentHover, kAccent},
    {kAccentPressed, kAccentPressed, kAccentDark},
    {kAccentPressedHover, kAccentPressedHover, kAccentDark},
    {QColor(236, 235, 240), QColor(236, 235, 240), kBorderLight},
};

const char* const kStateNames[5] = {"_out", "_over", "_down", "_downover", "_disabled"};

void face(QImage& image, int state) {
    const QPainterPath shape = roundedBox(QRectF(0, 0, image.width(), image.height()), 3.5);
    const Look& look = kLooks[state];
    paintOpaqueShape(image, shape, kPage, [&](QPainter& painter) {
        fillOutlined(painter, shape, look.top, look.bottom, look.border);
        if (state == 0 || state == 1) {
            painter.setPen(QColor(255, 255, 255, 200));
            painter.drawLine(QPointF(4, 1.5), QPointF(image.width() - 4, 1.5));
        }
    });
}

/// A colour toggle: the face with a swatch whose cyan middle takes the button's colour.
void swatch(QImage& image, int state) {
    face(image, state);
    const QRect frame(image.width() / 2 - 7, image.height() / 2 - 5, 14, 11);
    QPainter painter(&image);
    painter.setPen(state == 4 ? kBorderLight : kBorderStrong);
    painter.setBrush(state == 4 ? QColor(214, 213, 220) : kTintKey);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

/// The padlock toggle: an open lock while released (the range is this graph's only), a closed
/// one while pressed (a range goes to every graph of the kind).
void padlock(QImage& image, int state) {
    face(image, state);
    const bool locked = state == 2 || state == 3;
    const QColor ink = state == 4 ? kInkDisabled : kInk;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen shackle(ink, 1.6);
    shackle.setCapStyle(Qt::FlatCap);
    painter.setPen(shackle);
    painter.setBrush(Qt::NoBrush);
    QPainterPath bow;
    const double lift = locked ? 0 : 2.5;
    bow.moveTo(8.5, 11 - lift);
    bow.lineTo(8.5, 7.5 - lift);
    bow.arcTo(QRectF(8.5, 4 - lift, 7, 7), 180, -180);
    bow.lineTo(15.5, locked ? 11 : 8.5 - lift);
    painter.drawPath(bow);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(state == 4 ? QColor(214, 213, 220) : QColor(232, 190, 80));
    painter.drawRoundedRect(QRectF(6.5, 10.5, 11, 8), 1.5, 1.5);
    painter.setPen(QPen(ink, 1.4));
    painter.drawLine(QPointF(12, 13.5), QPointF(12, 16));
}

void addSet(std::vector<Asset>& assets, const QString& name, int width, int height,
            void (*paint)(QImage&, int)) {
    for (int state = 0; state < 5; ++state)
        assets.push_back({name + QLatin1String(kStateNames[state]) + QStringLiteral(".bmp"), width,
                          height, [paint, state](QImage& image) { paint(image, state); }});
}

std::vector<Asset> buttonGlyphs() {
    std::vector<Asset> assets;
    addSet(assets, QStringLiteral("button"), 75, 23, face);
    addSet(assets, QStringLiteral("tool"), 24, 23, face);
    addSet(assets, QStringLiteral("swatch"), 24, 23, swatch);
    addSet(assets, QStringLiteral("padlock"), 24, 23, padlock);
    return assets;
}

const bool registered = registerAssets(&buttonGlyphs);

} // namespace

} // namespace vintrel::assets
