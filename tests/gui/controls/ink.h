#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace vintrel::testing {

/// The bounding box of the pixels of exactly one colour.
inline QRect inkOf(const QImage& image, const QColor& colour) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

/// The bounding box of the pixels that differ from a background colour.
inline QRect inkOn(const QImage& image, const QColor& background) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if ((rgb.pixel(x, y) & 0xFFFFFF) != (background.rgb() & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

/// What a widget paints, at its own size.
inline QImage rendered(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace vintrel::testing
