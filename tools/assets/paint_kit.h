#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

#include <functional>

/// Drawing helpers shared by the picture painters.
namespace vintrel::assets {

/// Draws antialiased over `background` (the colour the picture will usually lie on) and then
/// makes every pixel outside `shape` magenta, so that edges blend with the background and
/// never with the transparent colour.
void paintOpaqueShape(QImage& image, const QPainterPath& shape, const QColor& background,
                      const std::function<void(QPainter&)>& draw);

/// A rounded rectangle path on pixel edges, inset by half a pixel for crisp 1-pixel outlines.
QPainterPath roundedBox(const QRectF& box, double radius);

/// Fills `shape` with a vertical gradient from `top` to `bottom` and outlines it with a
/// 1-pixel `border` pen.
void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& top,
                  const QColor& bottom, const QColor& border);

/// A small filled triangle pointing up (or down) with its tip at (cx, tipY), `half` pixels
/// to each side and `height` pixels tall, drawn without antialiasing.
void triangle(QImage& image, int cx, int tipY, int half, int height, bool up, const QColor& colour);

} // namespace vintrel::assets
