#include "controls/pictures.h"

#include <QBitmap>
#include <QHash>
#include <QImage>

namespace vintrel {

QPixmap loadPicture(const QString& fileName) {
    static QHash<QString, QPixmap> cache;
    const auto found = cache.constFind(fileName);
    if (found != cache.constEnd())
        return *found;
    QPixmap pixmap;
    QImage image(QStringLiteral(":/data/") + fileName);
    if (!image.isNull()) {
        pixmap = QPixmap::fromImage(image);
        pixmap.setMask(pixmap.createMaskFromColor(kTransparentColour, Qt::MaskInColor));
    }
    cache.insert(fileName, pixmap);
    return pixmap;
}

} // namespace vintrel
