#include "paint_kit.h"

#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>

namespace vintrel::assets {

void paintOpaqueShape(QImage& image, const QPainterPath& shape, const QColor& background,
                      const std::function<void(QPainter&)>& draw) {
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    QImage mask(image.size(), QImage::Format_RGB32);
    mask.fill(Qt::black);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        QPainterPathStroker stroker;
        stroker.setWidth(1.0);
        painter.drawPath(shape.united(stroker.createStroke(shape)));
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(mask.pixel(x, y)) < 128)
                image.setPixelColor(x, y, palette::kTransparent);
}

QPainterPath roundedBox(const QRectF& box, double radius) {
    QPainterPath path;
    path.addRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& top,
                  const QColor& bottom, const QColor& border) {
    const QRectF box = shape.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.setPen(QPen(border, 1));
    painter.setBrush(gradient);
    painter.drawPath(shape);
}

void triangle(QImage& image, int cx, int tipY, int half, int height, bool up,
              const QColor& colour) {
    for (int row = 0; row < height; ++row) {
        const int y = up ? tipY + row : tipY - row;
        const int spread = row * half / std::max(1, height - 1);
        for (int x = cx - spread; x <= cx + spread; ++x)
            if (image.rect().contains(x, y))
                image.setPixelColor(x, y, colour);
    }
}

QPen symbolPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

namespace {

void buttonFace(QPainter& p, const QSize& size, int state, double cornerRadius) {
    using namespace palette;
    if (state == 0 || state == 4)
        return;
    const QPainterPath shape = roundedBox(QRectF(QPointF(0, 0), QSizeF(size)), cornerRadius);
    const bool pressed = state >= 2;
    fillOutlined(p, shape, pressed ? kAccentPressed : kSurface,
                 pressed ? kAccentPressedHover : kAccentHover, pressed ? kAccentDark : kAccent);
}

} // namespace

void paintButtonGlyph(QImage& image, Symbol symbol, int state, double cornerRadius) {
    QImage layer(image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        buttonFace(p, image.size(), state, cornerRadius);
        if (state >= 2)
            p.translate(0.5, 1);
        symbol(p, state == 4 ? kDisabledInk : kNormalInk);
    }
    image.fill(palette::kPage);
    {
        QPainter p(&image);
        p.drawImage(0, 0, layer);
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) < 40)
                image.setPixelColor(x, y, palette::kTransparent);
}

} // namespace vintrel::assets
