#include "controls/flood_fill.h"

#include "controls/pictures.h"

#include <QPainter>

#include <vector>

namespace vintrel {

void floodFill(QImage& image, QPoint seed, const QColor& target, const QColor& replacement) {
    if (!image.rect().contains(seed))
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QRgb from = target.rgb() & 0xFFFFFF;
    const QRgb to = replacement.rgb();
    if ((image.pixel(seed) & 0xFFFFFF) != from || (to & 0xFFFFFF) == from)
        return;
    auto matches = [&](int x, int y) {
        return (reinterpret_cast<const QRgb*>(image.constScanLine(y))[x] & 0xFFFFFF) == from;
    };
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!matches(p.x(), p.y()))
            continue;
        int left = p.x();
        while (left > 0 && matches(left - 1, p.y()))
            --left;
        int right = p.x();
        while (right + 1 < image.width() && matches(right + 1, p.y()))
            ++right;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
        for (int x = left; x <= right; ++x) {
            row[x] = to;
            for (const int y : {p.y() - 1, p.y() + 1})
                if (y >= 0 && y < image.height() && matches(x, y))
                    stack.emplace_back(x, y);
        }
    }
}

QImage opaquePicture(const QImage& picture) {
    QImage result(picture.size(), QImage::Format_RGB32);
    result.fill(kTransparentColour);
    QPainter painter(&result);
    painter.drawImage(0, 0, picture);
    return result;
}

QImage withMagentaTransparent(const QImage& image) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = kTransparentColour.rgb() & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
    }
    return result;
}

void replaceMagenta(QImage& image, const QColor& colour) {
    const QRgb key = kTransparentColour.rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = colour.rgb();
    }
}

} // namespace vintrel
