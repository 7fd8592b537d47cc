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
    return assets;
}

const bool registered = registerAssets(&buttonGlyphs);

} // namespace

} // namespace vintrel::assets
