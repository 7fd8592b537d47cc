// The frame of the result panel: a band in the result strip's colour with a darker rim and
// rounded corners (10 x 10 corners, 9- or 10-pixel edges stretched by the panel).
#include "asset_registry.h"
#include "paint_kit.h"
#include "palette.h"

#include <QPainter>

namespace vintrel::assets {

namespace {

using namespace palette;

constexpr int kCorner = 10;
constexpr double kRadius = 6.0;

/// Which sides of a piece are the outer rim.
struct Rim {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};

/// An edge piece: the band colour with a one-pixel rim on its outer side.
void edge(QImage& image, Rim rim) {
    image.fill(kTabStrip);
    QPainter p(&image);
    p.setPen(kBorderStrong);
    const int w = image.width() - 1;
    const int h = image.height() - 1;
    if (rim.top)
        p.drawLine(0, 0, w, 0);
    if (rim.bottom)
        p.drawLine(0, h, w, h);
    if (rim.left)
        p.drawLine(0, 0, 0, h);
    if (rim.right)
        p.drawLine(w, 0, w, h);
    // A soft highlight just inside the rim.
    p.setPen(QColor(190, 187, 200));
    if (rim.top)
        p.drawLine(0, 1, w, 1);
    if (rim.left)
        p.drawLine(1, 0, 1, h);
}

/// A corner: a quarter of a rounded box whose round corner lies at (cornerX, cornerY).
void corner(QImage& image, bool right, bool bottom) {
    const double size = 4.0 * kCorner;
    const QRectF box(right ? kCorner - size : 0, bottom ? kCorner - size : 0, size, size);
    const QPainterPath shape = roundedBox(box, kRadius);
    paintOpaqueShape(image, shape, kPage, [&](QPainter& p) {
        p.setPen(QPen(kBorderStrong, 1));
        p.setBrush(kTabStrip);
        p.drawPath(shape);
    });
}

std::vector<Asset> framePictures() {
    return {
        {QStringLiteral("border_top.bmp"), 10, 9, [](QImage& i) { edge(i, {.top = true}); }},
        {QStringLiteral("border_top_2.bmp"), 10, 9, [](QImage& i) { edge(i, {.top = true}); }},
        {QStringLiteral("border_bottom.bmp"), 10, 10, [](QImage& i) { edge(i, {.bottom = true}); }},
        {QStringLiteral("border_left.bmp"), 9, 10, [](QImage& i) { edge(i, {.left = true}); }},
        {QStringLiteral("border_right.bmp"), 10, 10, [](QImage& i) { edge(i, {.right = true}); }},
        {QStringLiteral("border_topleft_2.bmp"), kCorner, kCorner,
         [](QImage& i) { corner(i, false, false); }},
        {QStringLiteral("border_topright.bmp"), kCorner, kCorner,
         [](QImage& i) { corner(i, true, false); }},
        {QStringLiteral("border_topright_2.bmp"), kCorner, kCorner,
         [](QImage& i) { corner(i, true, false); }},
        {QStringLiteral("border_bottomright.bmp"), kCorner, kCorner,
         [](QImage& i) { corner(i, true, true); }},
        {QStringLiteral("border_bottomleft.bmp"), kCorner, kCorner,
         [](QImage& i) { corner(i, false, true); }},
    };
}

const bool registered = registerAssets(&framePictures);

} // namespace

} // namespace vintrel::assets
