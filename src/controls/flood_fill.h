#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

namespace vintrel {

/// Replaces the 4-connected area of `target`-coloured pixels around `seed` with `replacement`
/// (a surface flood fill). Does nothing when the seed lies outside the image or is not of the
/// target colour. Works on 32-bit images.
void floodFill(QImage& image, QPoint seed, const QColor& target, const QColor& replacement);

/// A copy of a picture as an opaque 32-bit image whose transparent parts are magenta, the
/// form in which the controls keep and compose their pictures.
QImage opaquePicture(const QImage& picture);

/// Makes the magenta pixels of a 32-bit image transparent (the image becomes ARGB).
QImage withMagentaTransparent(const QImage& image);

/// Replaces the magenta pixels of a 32-bit image with a colour.
void replaceMagenta(QImage& image, const QColor& colour);

} // namespace vintrel
