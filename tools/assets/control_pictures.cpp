// The pictures of the small controls: the up-down spinner, the combo box arrow and the pieces
// of the two-thumb track bar.
#include "asset_registry.h"
#include "paint_kit.h"
#include "palette.h"

#include <QPainter>

namespace vintrel::assets {

namespace {

using namespace palette;

/// A filled triangle of even width: rows 2, 4, 6 pixels wide around the line between
/// columns cx - 1 and cx.
void evenTriangle(QImage& image, int cx, int tipY, bool up, const QColor& colour) {
    for (int row = 0; row < 3; ++row) {
        const int y = up ? tipY + row : tipY - row;
        for (int x = cx - 1 - row; x <= cx + row; ++x)
            image.setPixelColor(x, y, colour);
    }
}

/// The spinner: two halves with an arrow each; `pressed` 0 none, 1 upper, 2 lower.
void spinner(QImage& image, int pressed) {
    const int w = image.width();
    const int h = image.height();
    const int middle = h / 2;
    QPainter painter(&image);
    auto half = [&](QRect area, bool lit) {
        QLinearGradient gradient(area.topLeft(), area.bottomLeft());
        gradient.setColorAt(0, lit ? kAccentPressed : kSurface);
        gradient.setColorAt(1, lit ? kAccentPressedHover : kSurfaceLow);
        painter.fillRect(area, gradient);
    };
    half(QRect(0, 0, w, middle), pressed == 1);
    half(QRect(0, middle, w, h - middle), pressed == 2);
    painter.setPen(kBorder);
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.setPen(kBorderLight);
    painter.drawLine(1, middle, w - 2, middle);
    painter.end();
    evenTriangle(image, w / 2, 3, true, pressed == 1 ? kAccentDark : kInk);
    evenTriangle(image, w / 2, h - 4, false, pressed == 2 ? kAccentDark : kInk);
}

/// The combo box arrow: a separator and a small down triangle; lit while the pointer is on it.
void comboArrow(QImage& image, bool over) {
    image.fill(kSurface);
    QPainter painter(&image);
    if (over) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccentHover);
        painter.drawRoundedRect(QRectF(1, 1, image.width() - 2, image.height() - 2), 2, 2);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.setPen(kBorderLight);
        painter.drawLine(0, 3, 0, image.height() - 4);
    }
    painter.end();
    triangle(image, image.width() / 2, image.height() / 2 + 2, 3, 4, false,
             over ? kAccentDark : kInk);
}

constexpr int kGrooveTop = 9;
constexpr int kGrooveHeight = 4;

/// A piece of the groove: its colour rows, rounded at the left or right end when asked.
void groove(QImage& image, const QColor& top, const QColor& body, bool leftEnd, bool rightEnd) {
    const int first = leftEnd ? 3 : 0;
    const int last = rightEnd ? image.width() - 4 : image.width() - 1;
    for (int y = kGrooveTop; y < kGrooveTop + kGrooveHeight; ++y) {
        const bool edgeRow = y == kGrooveTop || y == kGrooveTop + kGrooveHeight - 1;
        for (int x = first; x <= last; ++x) {
            const bool corner = edgeRow && ((leftEnd && x == first) || (rightEnd && x == last));
            if (!corner)
                image.setPixelColor(x, y, y == kGrooveTop ? top : body);
        }
    }
}

const QColor kGrooveTopColour(184, 181, 196);
const QColor kGrooveColour(206, 204, 214);

/// The thumb: a round knob with a small accent centre.
void thumb(QImage& image) {
    const QRectF knob(0.5, 5.5, 10, 10);
    QPainterPath shape;
    shape.addEllipse(knob);
    paintOpaqueShape(image, shape, kPage, [&](QPainter& painter) {
        fillOutlined(painter, shape, kSurface, kSurfaceLow, kBorderStrong);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawEllipse(knob.center(), 2, 2);
    });
}

std::vector<Asset> controlPictures() {
    return {
        {"updown1.bmp", 10, 17, [](QImage& i) { spinner(i, 0); }},
        {"updown2.bmp", 10, 17, [](QImage& i) { spinner(i, 1); }},
        {"updown3.bmp", 10, 17, [](QImage& i) { spinner(i, 2); }},
        {"down.bmp", 16, 17, [](QImage& i) { comboArrow(i, false); }},
        {"down_over.bmp", 16, 17, [](QImage& i) { comboArrow(i, true); }},
        {"slider.bmp", 11, 22, thumb},
        {"track_left.bmp", 11, 22,
         [](QImage& i) { groove(i, kGrooveTopColour, kGrooveColour, true, false); }},
        {"track_center.bmp", 11, 22,
         [](QImage& i) { groove(i, kGrooveTopColour, kGrooveColour, false, false); }},
        {"track_right.bmp", 11, 22,
         [](QImage& i) { groove(i, kGrooveTopColour, kGrooveColour, false, true); }},
        {"track_center_fill.bmp", 11, 22,
         [](QImage& i) { groove(i, kAccentDark, kAccent, false, false); }},
    };
}

const bool registered = registerAssets(&controlPictures);

} // namespace

} // namespace vintrel::assets
