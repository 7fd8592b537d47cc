#include "controls/nice_panel.h"

#include "controls/flood_fill.h"
#include "controls/pictures.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <random>

namespace vintrel {

TNicePanel::TNicePanel(QWidget* parent) : QWidget(parent) {}

void TNicePanel::setPiece(Piece which, const QPixmap& picture) {
    FImg[which] = picture.isNull() ? QImage() : opaquePicture(picture.toImage());
    update();
}

void TNicePanel::SetRandomized(bool randomized) {
    FRandomized = randomized;
    update();
}

QImage TNicePanel::composed() const {
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return {};
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(kTransparentColour);
    {
        QPainter painter(&image);
        auto stretch = [&](Piece which, QRect target) {
            if (!FImg[which].isNull())
                painter.drawImage(target, FImg[which]);
        };
        stretch(Center, QRect(0, 0, w, h));
        stretch(TopCenter, QRect(0, 0, w, FImg[TopCenter].height()));
        stretch(BottomCenter,
                QRect(0, h - FImg[BottomCenter].height(), w, FImg[BottomCenter].height()));
        stretch(Left, QRect(0, 0, FImg[Left].width(), h));
        stretch(Right, QRect(w - FImg[Right].width(), 0, FImg[Right].width(), h));
        painter.drawImage(0, 0, FImg[TopLeft]);
        painter.drawImage(w - FImg[TopRight].width(), 0, FImg[TopRight]);
        painter.drawImage(0, h - FImg[BottomLeft].height(), FImg[BottomLeft]);
        painter.drawImage(w - FImg[BottomRight].width(), h - FImg[BottomRight].height(),
                          FImg[BottomRight]);
    }
    if (FRandomized) {
        std::minstd_rand generator(
            static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::uniform_int_distribution<int> noise(0, 15);
        addPanelNoise(image, FImg[TopLeft].width(), FImg[TopRight].width(),
                      [&] { return noise(generator); });
    }
    return image;
}

void addPanelNoise(QImage& image, int left, int right, const std::function<int()>& random) {
    if (image.format() != QImage::Format_RGB888)
        image = image.convertToFormat(QImage::Format_RGB888);
    const int firstByte = 3 * left;
    const int endByte = 3 * (image.width() - right);
    for (int y = 1; y < image.height() - 1; ++y) {
        uchar* row = image.scanLine(y);
        const uchar* above = image.constScanLine(y - 1);
        const uchar* below = image.constScanLine(y + 1);
        for (int i = std::max(0, firstByte); i < std::min(endByte, 3 * image.width()); ++i) {
            const int value = (random() + row[i] + below[i] + above[i] - 7) / 3;
            row[i] = static_cast<uchar>(std::clamp(value, 0, 255));
        }
    }
}

void TNicePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0,
                      withMagentaTransparent(composed().convertToFormat(QImage::Format_RGB32)));
}

void loadPanelSet(TNicePanel& panel, const QString& prefix) {
    static const char* const names[] = {"_topleft",    "_top",    "_topright",
                                        "_left",       "_center", "_right",
                                        "_bottomleft", "_bottom", "_bottomright"};
    for (int i = 0; i < 9; ++i)
        panel.setPiece(static_cast<TNicePanel::Piece>(i),
                       loadPicture(prefix + QLatin1String(names[i]) + QStringLiteral(".bmp")));
}

} // namespace vintrel
