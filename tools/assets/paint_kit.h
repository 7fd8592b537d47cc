#pragma once

#include "palette.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
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

/// The colours a button symbol is drawn with.
struct Ink {
    QColor line;
    QColor accent;
    QColor paper;
};

/// The colours of an enabled and of a disabled button.
inline const Ink kNormalInk{palette::kInk, palette::kAccent, palette::kSurface};
inline const Ink kDisabledInk{palette::kInkDisabled, QColor(200, 199, 208), QColor(240, 239, 243)};

/// A symbol drawn into a button picture in the given colours.
using Symbol = void (*)(QPainter&, const Ink&);

/// The round-capped, round-joined pen of the symbol strokes.
QPen symbolPen(const QColor& colour, double width = 1.2);

/// Draws one state of a button picture (0 normal, 1 hovered, 2 pressed, 3 pressed and hovered,
/// 4 disabled): the raised face with corners of `cornerRadius` while hovered or pressed, the
/// symbol (shifted while pressed, greyed while disabled), antialiased over the page colour; then
/// keys everything the drawing did not touch to magenta, so the strip behind the button shows
/// between the strokes.
void paintButtonGlyph(QImage& image, Symbol symbol, int state, double cornerRadius);

} // namespace vintrel::assets
