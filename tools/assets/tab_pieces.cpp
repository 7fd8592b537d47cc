// The pictures of the tab strip: for every tab look the left, middle and right pieces in the
// active and inactive state, the two scroll arrows and the drop marker. A tab is drawn whole
// and cut into its pieces, so that the pieces always meet; the middle piece is one column of
// the tab repeated, because the strip stretches it.
#include "asset_registry.h"

#include "../../src/tabs/tab_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <set>

namespace {

using namespace vintrel::tabpictures;

struct KindColours {
    QColor top;
    QColor bottom;
    QColor accent;
};

// Soft tints for the inactive tabs of each look, a stronger colour for the active tab's cap.
const KindColours kNormal{{228, 227, 234}, {210, 208, 219}, {104, 112, 136}};
const KindColours kResults{{220, 231, 246}, {198, 213, 236}, {52, 108, 190}};
const KindColours kDynamic{{247, 232, 211}, {236, 213, 182}, {206, 128, 36}};
const KindColours kMce{{218, 238, 222}, {195, 224, 202}, {52, 146, 86}};
const KindColours kMceDynamic{{234, 222, 244}, {215, 200, 233}, {124, 88, 180}};

const QColor kActiveBorder(121, 121, 121);
const QColor kInactiveBorder(140, 138, 152);
const QColor kActiveTop(255, 255, 255);
const QColor kActiveBottom(244, 244, 248);
// Edge pixels are blended against a grey close to the strips' colours.
const QColor kAssumedBackground(196, 194, 204);
const QColor kMagenta(255, 0, 255);

const KindColours& coloursOfLook(int look) {
    switch (look) {
    case kResultLook:
    case kFirstResultLook:
        return kResults;
    case kDynamicLook:
    case kFirstDynamicLook:
        return kDynamic;
    case kMceLook:
        return kMce;
    case kMceDynamicLook:
        return kMceDynamic;
    default:
        return kNormal;
    }
}

QImage transparentCanvas(int width, int height) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    return canvas;
}

// Writes an antialiased drawing into a picture whose transparency is one key colour: pixels
// covered for the most part are blended over the assumed background, the rest stay magenta.
void flatten(const QImage& drawing, QImage& picture, int sourceX = 0) {
    const QImage argb = drawing.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = argb.pixelColor(x + sourceX, y);
            if (pixel.alpha() < 110) {
                picture.setPixelColor(x, y, kMagenta);
                continue;
            }
            const double a = pixel.alphaF();
            auto mix = [a](int front, int back) { return int(front * a + back * (1 - a) + 0.5); };
            picture.setPixelColor(x, y,
                                  QColor(mix(pixel.red(), kAssumedBackground.red()),
                                         mix(pixel.green(), kAssumedBackground.green()),
                                         mix(pixel.blue(), kAssumedBackground.blue())));
        }
    }
}

QPainterPath tabOutline(int width, double top, bool straightLeft) {
    const double bottom = kPieceHeight + 1.0;
    QPainterPath path;
    path.moveTo(0.5, bottom);
    if (straightLeft) {
        path.lineTo(0.5, top + 3);
        path.quadTo(0.5, top, 3.5, top);
    } else {
        path.lineTo(6.0, top + 3);
        path.quadTo(7.5, top, 10.5, top);
    }
    path.lineTo(width - 10.5, top);
    path.quadTo(width - 7.5, top, width - 6.0, top + 3);
    path.lineTo(width - 0.5, bottom);
    return path;
}

// A whole tab of the given width in one look and state.
QImage drawTab(int width, int look, bool active, bool straightLeft) {
    const KindColours& colours = coloursOfLook(look);
    QImage canvas = transparentCanvas(width, kPieceHeight);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const double top = active ? 0.5 : 2.5;
    const QPainterPath outline = tabOutline(width, top, straightLeft);
    QLinearGradient body(0, top, 0, kPieceHeight);
    body.setColorAt(0, active ? kActiveTop : colours.top);
    body.setColorAt(1, active ? kActiveBottom : colours.bottom);
    painter.fillPath(outline, body);
    painter.save();
    painter.setClipPath(outline);
    if (active)
        painter.fillRect(QRectF(9, top, width - 18, 2.5), colours.accent);
    else
        painter.fillRect(QRectF(0, top + 1, width, 1), QColor(255, 255, 255, 120));
    painter.restore();
    painter.setPen(QPen(active ? kActiveBorder : kInactiveBorder, 1.0));
    painter.drawPath(outline);
    return canvas;
}

void paintPiece(QImage& picture, int look, int piece) {
    const bool active = piece < kInactive;
    const int part = piece % 3;
    const bool straightLeft = part == kLeft && picture.width() == kFirstLeftWidth;
    const int tabWidth = kLeftWidth + kMiddleWidth + kRightWidth;
    const QImage tab = drawTab(tabWidth, look, active, straightLeft);
    if (part == kLeft) {
        flatten(tab, picture);
    } else if (part == kRight) {
        flatten(tab, picture, tabWidth - picture.width());
    } else {
        const QImage column = tab.copy(tabWidth / 2, 0, 1, kPieceHeight);
        QImage middle = transparentCanvas(picture.width(), kPieceHeight);
        QPainter painter(&middle);
        for (int x = 0; x < picture.width(); ++x)
            painter.drawImage(x, 0, column);
        painter.end();
        flatten(middle, picture);
    }
}

void paintArrow(QImage& picture, bool next) {
    QImage canvas = transparentCanvas(picture.width(), picture.height());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, picture.height());
    face.setColorAt(0, QColor(252, 252, 254));
    face.setColorAt(1, QColor(228, 228, 236));
    painter.setPen(QPen(kActiveBorder, 1.0));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(0.5, 0.5, picture.width() - 1, picture.height() - 1), 3, 3);
    painter.setPen(QPen(QColor(64, 70, 90), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double tip = next ? 10.0 : 6.0;
    const double tail = next ? 6.5 : 9.5;
    const QPointF chevron[] = {{tail, 4.5}, {tip, 8.0}, {tail, 11.5}};
    painter.drawPolyline(chevron, 3);
    painter.end();
    flatten(canvas, picture);
}

void paintDropMarker(QImage& picture) {
    QImage canvas = transparentCanvas(picture.width(), picture.height());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF arrow[] = {{4.0, 0.5},  {9.0, 0.5}, {9.0, 4.5}, {12.5, 4.5},
                             {6.5, 10.5}, {0.5, 4.5}, {4.0, 4.5}};
    painter.setPen(QPen(QColor(28, 66, 132), 1.0));
    painter.setBrush(kResults.accent);
    painter.drawPolygon(arrow, 7);
    painter.end();
    flatten(canvas, picture);
}

std::function<void(QImage&)> painterFor(int index) {
    if (index == kNavNext || index == kNavPrevious)
        return [next = index == kNavNext](QImage& picture) { paintArrow(picture, next); };
    if (index == kDropMarker)
        return paintDropMarker;
    const int look =
        index < kNavNext ? index / 6 * 6 : kDynamicLook + (index - kDynamicLook) / 6 * 6;
    const int piece = index - look;
    return [look, piece](QImage& picture) { paintPiece(picture, look, piece); };
}

std::vector<vintrel::assets::Asset> tabPieces() {
    std::vector<vintrel::assets::Asset> assets;
    std::set<std::string_view> written;
    for (int index = 0; index < kPictureCount; ++index) {
        const TabPicture& picture = kTabPictures[index];
        if (!written.insert(picture.name).second)
            continue;
        const QString name =
            QString::fromLatin1(picture.name.data(), qsizetype(picture.name.size()));
        assets.push_back(
            {name + QStringLiteral(".bmp"), picture.width, picture.height, painterFor(index)});
    }
    return assets;
}

const bool registered = vintrel::assets::registerAssets(&tabPieces);

} // namespace
