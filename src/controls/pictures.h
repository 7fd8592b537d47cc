#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace vintrel {

/// The colour that stands for transparency in every picture.
inline const QColor kTransparentColour(255, 0, 255);

/// A compiled-in picture by file name ("border_top.bmp"), with its magenta pixels made
/// transparent. A missing picture gives a null pixmap; callers skip it.
QPixmap loadPicture(const QString& fileName);

} // namespace vintrel
