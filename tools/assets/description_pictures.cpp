// The tool bar of the description editor: one glyph set per button (descr_<name>_out, _over,
// _down, _downover, _disabled; 24 x 23). Like the main tool bar, the normal state is the bare
// symbol; hovering and pressing add a rounded face, and the pressed face stays on the style and
// script toggles while they are down.
#include "asset_registry.h"
#include "paint_kit.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>

namespace vintrel::assets {

namespace {

using namespace palette;

constexpr int kWidth = 24;
constexpr int kHeight = 23;

/// A sheet of paper with a folded corner, its top left at (x, y).
void sheet(QPainter& p, const Ink& ink, double x, double y, double w, double h) {
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + w - 3, y);
    page.lineTo(x + w, y + 3);
    page.lineTo(x + w, y + h);
    page.lineTo(x, y + h);
    page.closeSubpath();
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.paper);
    p.drawPath(page);
    p.setPen(symbolPen(ink.accent, 1.0));
    for (double line = y + 4; line < y + h - 1.5; line += 2.5)
        p.drawLine(QPointF(x + 2, line), QPointF(x + w - 2.5, line));
}

void save(QPainter& p, const Ink& ink) {
    QPainterPath body;
    body.moveTo(5.5, 4.5);
    body.lineTo(15.5, 4.5);
    body.lineTo(18.5, 7.5);
    body.lineTo(18.5, 18.5);
    body.lineTo(5.5, 18.5);
    body.closeSubpath();
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.accent);
    p.drawPath(body);
    p.setBrush(ink.paper);
    p.drawRect(QRectF(8, 12, 8, 6.5));
    p.setBrush(ink.line);
    p.drawRect(QRectF(8.5, 5, 5, 3));
}

/// An arrow bent back over a half circle; `back` points it to the left (undo).
void bentArrow(QPainter& p, const Ink& ink, bool back) {
    p.save();
    if (!back) {
        p.translate(kWidth, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(7, 9.5);
    arc.lineTo(13, 9.5);
    arc.cubicTo(19.5, 9.5, 19.5, 18, 13, 18);
    arc.lineTo(9, 18);
    p.setPen(symbolPen(ink.line, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(3.5, 9.5);
    head.lineTo(8.5, 5.5);
    head.lineTo(8.5, 13.5);
    head.closeSubpath();
    p.setPen(symbolPen(ink.accent == kDisabledInk.accent ? ink.line : kAccentDark, 1.0));
    p.setBrush(ink.accent);
    p.drawPath(head);
    p.restore();
}

void undo(QPainter& p, const Ink& ink) {
    bentArrow(p, ink, true);
}

void redo(QPainter& p, const Ink& ink) {
    bentArrow(p, ink, false);
}

void discard(QPainter& p, const Ink& ink) {
    sheet(p, ink, 7.5, 3.5, 11, 14);
    p.setPen(symbolPen(ink.paper, 3.5));
    p.drawLine(QPointF(4.5, 14), QPointF(11.5, 21));
    p.drawLine(QPointF(11.5, 14), QPointF(4.5, 21));
    p.setPen(symbolPen(ink.accent == kDisabledInk.accent ? ink.line : kAccentDark, 1.8));
    p.drawLine(QPointF(4.5, 14), QPointF(11.5, 21));
    p.drawLine(QPointF(11.5, 14), QPointF(4.5, 21));
}

void cut(QPainter& p, const Ink& ink) {
    p.setPen(symbolPen(ink.line, 1.3));
    p.drawLine(QPointF(8.5, 3.5), QPointF(14.5, 14));
    p.drawLine(QPointF(15.5, 3.5), QPointF(9.5, 14));
    p.setBrush(ink.paper);
    p.setPen(symbolPen(ink.accent == kDisabledInk.accent ? ink.line : kAccentDark, 1.5));
    p.drawEllipse(QPointF(8, 16.5), 3, 3);
    p.drawEllipse(QPointF(16, 16.5), 3, 3);
}

void copy(QPainter& p, const Ink& ink) {
    sheet(p, ink, 4.5, 3.5, 9, 11);
    sheet(p, ink, 10.5, 8.5, 9, 11);
}

void paste(QPainter& p, const Ink& ink) {
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.accent == kDisabledInk.accent ? ink.paper : kBorderLight);
    p.drawRoundedRect(QRectF(4.5, 4.5, 12, 15), 1.5, 1.5);
    p.setBrush(ink.accent);
    p.drawRoundedRect(QRectF(7.5, 3, 6, 3), 1, 1);
    sheet(p, ink, 11.5, 9.5, 8, 10);
}

/// A letter for the style buttons, centred; `draw` may add to it (the underline).
void letter(QPainter& p, const Ink& ink, const QString& text, bool bold, bool italic,
            double pixelSize = 14, QRectF box = QRectF(0, 0, kWidth, kHeight)) {
    QFont font(italic ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(bold);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(ink.line);
    p.drawText(box, Qt::AlignCenter, text);
}

void bold(QPainter& p, const Ink& ink) {
    letter(p, ink, QStringLiteral("B"), true, false);
}

void italic(QPainter& p, const Ink& ink) {
    letter(p, ink, QStringLiteral("I"), true, true);
}

void underline(QPainter& p, const Ink& ink) {
    letter(p, ink, QStringLiteral("U"), false, false, 13, QRectF(0, -1.5, kWidth, kHeight));
    p.setPen(symbolPen(ink.accent == kDisabledInk.accent ? ink.line : kAccentDark, 1.4));
    p.drawLine(QPointF(7, 18), QPointF(17, 18));
}

/// "x" with a small "2" raised (1), lowered (−1) or none (0).
void script(QPainter& p, const Ink& ink, int where) {
    const double shift = where == 0 ? 0 : 3.5;
    letter(p, ink, QStringLiteral("x"), false, false, 14,
           QRectF(where == 0 ? 0 : -shift, 0, kWidth, kHeight));
    if (where == 0)
        return;
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(9);
    small.setBold(true);
    p.setFont(small);
    p.setPen(ink.accent == kDisabledInk.accent ? ink.line : kAccentDark);
    p.drawText(QRectF(13, where > 0 ? 2 : 11, 8, 10), Qt::AlignCenter, QStringLiteral("2"));
}

void superscript(QPainter& p, const Ink& ink) {
    script(p, ink, 1);
}

void normal(QPainter& p, const Ink& ink) {
    script(p, ink, 0);
}

void subscript(QPainter& p, const Ink& ink) {
    script(p, ink, -1);
}

std::vector<Asset> descriptionPictures() {
    const struct {
        const char* name;
        Symbol symbol;
    } buttons[] = {{"save", save},
                   {"discard", discard},
                   {"cut", cut},
                   {"copy", copy},
                   {"paste", paste},
                   {"undo", undo},
                   {"redo", redo},
                   {"bold", bold},
                   {"italic", italic},
                   {"underline", underline},
                   {"superscript", superscript},
                   {"normal", normal},
                   {"subscript", subscript}};
    const char* const states[5] = {"_out", "_over", "_down", "_downover", "_disabled"};
    std::vector<Asset> assets;
    for (const auto& button : buttons)
        for (int state = 0; state < 5; ++state)
            assets.push_back({QStringLiteral("descr_%1%2.bmp")
                                  .arg(QLatin1String(button.name), QLatin1String(states[state])),
                              kWidth, kHeight, [symbol = button.symbol, state](QImage& image) {
                                  paintButtonGlyph(image, symbol, state, 3.5);
                              }});
    return assets;
}

const bool registered = registerAssets(&descriptionPictures);

} // namespace

} // namespace vintrel::assets
