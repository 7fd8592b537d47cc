// The nine pieces of the decorated panels: "panel" for dialog backgrounds, "band" for the
// title bands at the top of detail windows. Named <set>_topleft, _top, _topright, _left,
// _center, _right, _bottomleft, _bottom, _bottomright.
#include "asset_registry.h"
#include "palette.h"

#include <QPainter>

namespace vintrel::assets {

namespace {

using namespace palette;

/// A vertical gradient with its two ends, sampled per row so that pieces match exactly.
struct Shade {
    QColor top;
    QColor bottom;
    QColor at(int y, int height) const {
        const double t = height > 1 ? double(y) / (height - 1) : 0;
        return QColor::fromRgbF(top.redF() + t * (bottom.redF() - top.redF()),
                                top.greenF() + t * (bottom.greenF() - top.greenF()),
                                top.blueF() + t * (bottom.blueF() - top.blueF()));
    }
};

/// A piece described by rows: the gradient body, with outline rows and columns at the
/// piece's outer sides.
struct Frame {
    Shade body;
    QColor outline;
    QColor highlight;
    int border; // width of the edge pieces
    int height; // rows of the stretched pieces
};

void piece(QImage& image, const Frame& f, bool top, bool bottom, bool left, bool right) {
    const int w = image.width();
    const int h = image.height();
    const bool tall = !top && !bottom;
    for (int y = 0; y < h; ++y) {
        const QColor body = tall ? f.body.at(y, h) : (top ? f.body.top : f.body.bottom);
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, body);
    }
    QPainter painter(&image);
    if (top) {
        painter.setPen(f.outline);
        painter.drawLine(0, 0, w - 1, 0);
        painter.setPen(f.highlight);
        painter.drawLine(left ? 1 : 0, 1, right ? w - 2 : w - 1, 1);
    }
    if (bottom) {
        painter.setPen(f.outline);
        painter.drawLine(0, h - 1, w - 1, h - 1);
    }
    if (left) {
        painter.setPen(f.outline);
        painter.drawLine(0, 0, 0, h - 1);
        painter.setPen(f.highlight);
        painter.drawLine(1, top ? 1 : 0, 1, bottom ? h - 2 : h - 1);
    }
    if (right) {
        painter.setPen(f.outline);
        painter.drawLine(w - 1, 0, w - 1, h - 1);
    }
}

void addNine(std::vector<Asset>& assets, const QString& name, const Frame& f) {
    struct Slot {
        const char* suffix;
        bool top, bottom, left, right;
    };
    static const Slot kSlots[9] = {
        {"_topleft", true, false, true, false},     {"_top", true, false, false, false},
        {"_topright", true, false, false, true},    {"_left", false, false, true, false},
        {"_center", false, false, false, false},    {"_right", false, false, false, true},
        {"_bottomleft", false, true, true, false},  {"_bottom", false, true, false, false},
        {"_bottomright", false, true, false, true},
    };
    for (const Slot& s : kSlots) {
        const int w = s.left || s.right ? f.border : 8;
        const int h = s.top || s.bottom ? f.border : f.height;
        assets.push_back(
            {name + QLatin1String(s.suffix) + QStringLiteral(".bmp"), w, h,
             [f, s](QImage& image) { piece(image, f, s.top, s.bottom, s.left, s.right); }});
    }
}

std::vector<Asset> panelPieces() {
    std::vector<Asset> assets;
    addNine(assets, QStringLiteral("panel"),
            Frame{{QColor(234, 233, 238), QColor(222, 221, 226)},
                  kBorderLight,
                  QColor(246, 245, 249),
                  4,
                  64});
    addNine(assets, QStringLiteral("band"),
            Frame{{QColor(252, 252, 254), QColor(232, 231, 237)}, kBorderLight, kSurface, 2, 41});
    return assets;
}

const bool registered = registerAssets(&panelPieces);

} // namespace

} // namespace vintrel::assets
