// The pictures of the potential view: the 19 palette bitmaps (their top row colours the highest
// values) and the glyph strip of the 3-D view's axis labels.
#include "asset_registry.h"

#include "potential/glyph_strip.h"
#include "potential/palettes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <utility>
#include <vector>

namespace vintrel::assets {

namespace {

/// A colour at a position 0 … 1 of the value range (0 = lowest value).
struct Stop {
    double at;
    QColor colour;
};
using Stops = std::vector<Stop>;

QColor colourAt(const Stops& stops, double t) {
    if (t <= stops.front().at)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t > stops[i].at)
            continue;
        const Stop& a = stops[i - 1];
        const Stop& b = stops[i];
        const double u = b.at > a.at ? (t - a.at) / (b.at - a.at) : 1.0;
        auto mix = [u](int from, int to) {
            return static_cast<int>(std::lround(from + (to - from) * u));
        };
        return QColor(mix(a.colour.red(), b.colour.red()), mix(a.colour.green(), b.colour.green()),
                      mix(a.colour.blue(), b.colour.blue()));
    }
    return stops.back().colour;
}

/// A hue sweep from blue to red repeated `cycles` times over [from, to] of the range, each
/// cycle starting sharply at blue again; `outside` elsewhere.
Stops hueCycles(double from, double to, int cycles, const QColor& outside) {
    const QColor hues[] = {QColor(20, 20, 160), QColor(0, 190, 230), QColor(0, 170, 40),
                           QColor(240, 220, 0), QColor(220, 30, 20)};
    Stops stops;
    if (from > 0)
        stops.push_back({0, outside}), stops.push_back({from, outside});
    for (int c = 0; c < cycles; ++c)
        for (int h = 0; h < 5; ++h)
            stops.push_back({from + (to - from) * (c + h / 4.0) / cycles, hues[h]});
    if (to < 1)
        stops.push_back({to, outside}), stops.push_back({1, outside});
    return stops;
}

/// The palettes in the order of PaletteFiles.
std::vector<Stops> paletteStops() {
    const QColor black(0, 0, 0), white(255, 255, 255), grey(128, 128, 128);
    return {
        // standard: blue, cyan, green, yellow, red
        {{0, QColor(0, 0, 150)},
         {0.25, QColor(0, 190, 255)},
         {0.5, QColor(0, 190, 40)},
         {0.75, QColor(255, 225, 0)},
         {1, QColor(215, 0, 0)}},
        // warm: black, dark red, orange, yellow, white
        {{0, black},
         {0.3, QColor(150, 0, 0)},
         {0.6, QColor(255, 130, 0)},
         {0.85, QColor(255, 235, 60)},
         {1, white}},
        // black-white
        {{0, black}, {1, white}},
        // half b-w (+): the positive half in black to white, the negative half dark
        {{0, QColor(40, 40, 40)}, {0.5, QColor(40, 40, 40)}, {0.5, black}, {1, white}},
        // half b-w (-): the negative half in black to white, the positive half light
        {{0, black}, {0.5, white}, {0.5, QColor(215, 215, 215)}, {1, QColor(215, 215, 215)}},
        // hi sensitive: three hue cycles over the whole range
        hueCycles(0, 1, 3, grey),
        // hi sensitive half(+) and half(-)
        hueCycles(0.5, 1, 2, grey),
        hueCycles(0, 0.5, 2, grey),
        // hi contrast dark: saturated ends, black in the middle
        {{0, QColor(0, 90, 255)}, {0.5, black}, {1, QColor(255, 40, 0)}},
        // hi contrast invert: saturated ends, white in the middle
        {{0, QColor(0, 60, 230)}, {0.5, white}, {1, QColor(230, 20, 0)}},
        // nice centered: cool to warm through a light centre, and the reverse
        {{0, QColor(59, 76, 192)}, {0.5, QColor(221, 221, 221)}, {1, QColor(180, 4, 38)}},
        {{0, QColor(180, 4, 38)}, {0.5, QColor(221, 221, 221)}, {1, QColor(59, 76, 192)}},
        // thermovision: black, purple, red, orange, yellow, white
        {{0, black},
         {0.2, QColor(80, 0, 120)},
         {0.45, QColor(200, 0, 60)},
         {0.65, QColor(255, 110, 0)},
         {0.85, QColor(255, 230, 40)},
         {1, white}},
        // redish up and down
        {{0, white}, {1, QColor(200, 0, 0)}},
        {{0, QColor(200, 0, 0)}, {1, white}},
        // black on top: light yellow, orange, dark red, black
        {{0, QColor(255, 250, 200)},
         {0.35, QColor(255, 150, 0)},
         {0.7, QColor(140, 0, 0)},
         {1, black}},
        // yellow on top: dark blue, purple, orange, yellow
        {{0, QColor(10, 10, 90)},
         {0.35, QColor(130, 20, 160)},
         {0.7, QColor(240, 100, 40)},
         {1, QColor(255, 240, 30)}},
        // UV white up and down
        {{0, black}, {0.35, QColor(60, 0, 140)}, {0.7, QColor(170, 80, 255)}, {1, white}},
        {{0, white}, {0.3, QColor(170, 80, 255)}, {0.65, QColor(60, 0, 140)}, {1, black}},
    };
}

void paintPalette(QImage& image, const Stops& stops) {
    for (int y = 0; y < image.height(); ++y) {
        const double t = 1 - static_cast<double>(y) / (image.height() - 1);
        const QColor colour = colourAt(stops, t);
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, colour);
    }
}

/// The text a glyph shows: the character itself, but the field "B" with "ext" below it for
/// "C" and "µ" with "B" below it for "u" (the label units of the field and the moment).
std::pair<QString, QString> glyphText(char c) {
    if (c == 'C')
        return {QStringLiteral("B"), QStringLiteral("ext")};
    if (c == 'u')
        return {QStringLiteral("\u00B5"), QStringLiteral("B")};
    return {QString(QChar(c)), QString()};
}

/// White glyphs on black, each fitted into its columns with a pixel to spare on either side
/// (the label quads cut one pixel off each side).
void glyphStrip(QImage& image) {
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(46);
    font.setBold(true);
    QFont small = font;
    small.setPixelSize(24);
    for (std::size_t k = 0; k < GlyphSet.size(); ++k) {
        const auto [main, index] = glyphText(GlyphSet[k]);
        QPainterPath path;
        path.addText(0, 0, font, main);
        if (!index.isEmpty())
            path.addText(path.boundingRect().right() + 2, 10, small, index);
        if (path.isEmpty())
            continue;
        const QRectF box = path.boundingRect();
        const double left = GlyphBounds[k] + 2, right = GlyphBounds[k + 1] - 2;
        const double scale = std::min(1.0, (right - left) / box.width());
        // The digits' baseline sits at row 52; narrower cells squeeze the glyph sideways.
        QTransform place;
        place.translate((left + right) / 2 - box.center().x() * scale, 52);
        place.scale(scale, 1);
        painter.drawPath(place.map(path));
    }
}

/// The range indicator beside the palette strip: a tab pointing left at the strip, grey, or
/// lit while the mouse is over it. Magenta around it is transparent.
void rangeIndicator(QImage& image, bool lit) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor face = lit ? QColor(150, 190, 255) : QColor(200, 199, 206);
    const QColor edge = lit ? QColor(40, 90, 200) : QColor(90, 88, 100);
    const int w = image.width(), h = image.height(), mid = h / 2;
    QPolygon outline;
    outline << QPoint(0, mid) << QPoint(mid, 0) << QPoint(w - 1, 0) << QPoint(w - 1, h - 1)
            << QPoint(mid, h - 1);
    painter.setPen(edge);
    painter.setBrush(face);
    painter.drawPolygon(outline);
    painter.setPen(lit ? QColor(230, 240, 255) : QColor(245, 245, 248));
    painter.drawLine(mid + 1, 1, w - 2, 1);
    painter.setPen(edge);
    for (int x = mid + 3; x < w - 2; x += 3)
        painter.drawLine(x, 3, x, h - 4);
}

std::vector<Asset> potentialPictures() {
    std::vector<Asset> pictures;
    const std::vector<Stops> stops = paletteStops();
    for (std::size_t i = 0; i < PaletteFiles.size(); ++i)
        pictures.push_back({QString::fromLatin1(PaletteFiles[i]), 16, 256,
                            [s = stops[i]](QImage& image) { paintPalette(image, s); }});
    pictures.push_back(
        {QString::fromLatin1(kGlyphFile), kGlyphStripWidth, kGlyphStripHeight, glyphStrip});
    pictures.push_back({QStringLiteral("suwak-normal.bmp"), 22, 13,
                        [](QImage& image) { rangeIndicator(image, false); }});
    pictures.push_back({QStringLiteral("suwak-over.bmp"), 22, 13,
                        [](QImage& image) { rangeIndicator(image, true); }});
    return pictures;
}

const bool registered = registerAssets(&potentialPictures);

} // namespace

} // namespace vintrel::assets
