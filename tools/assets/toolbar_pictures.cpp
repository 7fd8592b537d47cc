// The main window's toolbar: its background strip and one glyph set per toolbar button
// (toolbar_<name>_out, _over, _down, _downover, _disabled; 30 x 27). The normal state is the
// bare symbol; hovering and pressing add a rounded face behind it.
#include "asset_registry.h"
#include "paint_kit.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace vintrel::assets {

namespace {

using namespace palette;

constexpr int kWidth = 30;
constexpr int kHeight = 27;

void folder(QPainter& p, const Ink& ink) {
    QPainterPath back;
    back.moveTo(6.5, 8.5);
    back.lineTo(11.5, 8.5);
    back.lineTo(13.5, 10.5);
    back.lineTo(22.5, 10.5);
    back.lineTo(22.5, 20.5);
    back.lineTo(6.5, 20.5);
    back.closeSubpath();
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.paper);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(6.5, 20.5);
    front.lineTo(9.5, 13.5);
    front.lineTo(25.0, 13.5);
    front.lineTo(22.5, 20.5);
    front.closeSubpath();
    p.setBrush(ink.accent);
    p.drawPath(front);
}

void floppy(QPainter& p, const Ink& ink, double x, double y) {
    QPainterPath body;
    body.moveTo(x, y);
    body.lineTo(x + 10, y);
    body.lineTo(x + 13, y + 3);
    body.lineTo(x + 13, y + 13);
    body.lineTo(x, y + 13);
    body.closeSubpath();
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.accent);
    p.drawPath(body);
    p.setBrush(ink.paper);
    p.drawRect(QRectF(x + 2.5, y + 7.5, 8, 5.5));
    p.setBrush(ink.line);
    p.drawRect(QRectF(x + 3.5, y + 0.5, 5, 3));
}

void save(QPainter& p, const Ink& ink) {
    floppy(p, ink, 8.5, 6.5);
}

void saveAll(QPainter& p, const Ink& ink) {
    floppy(p, ink, 11.5, 4.5);
    floppy(p, ink, 5.5, 9.5);
}

void print(QPainter& p, const Ink& ink) {
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(10.5, 5.5, 9, 6));
    p.setBrush(QColor(ink.line).lighter(170));
    p.drawRoundedRect(QRectF(6.5, 10.5, 17, 7), 1.5, 1.5);
    p.setBrush(ink.paper);
    p.drawRect(QRectF(10.5, 15.5, 9, 6));
    p.setPen(symbolPen(ink.accent, 1.5));
    p.drawPoint(QPointF(20.5, 13));
}

void gear(QPainter& p, const Ink& ink) {
    const QPointF centre(15, 13.5);
    QPainterPath outline;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double angle = i * std::numbers::pi / teeth;
        const double r = i % 2 == 0 ? 8.0 : 6.0;
        const double half = std::numbers::pi / teeth / 2.2;
        const QPointF a = centre + QPointF(r * std::cos(angle - half), r * std::sin(angle - half));
        const QPointF b = centre + QPointF(r * std::cos(angle + half), r * std::sin(angle + half));
        if (i == 0)
            outline.moveTo(a);
        else
            outline.lineTo(a);
        outline.lineTo(b);
    }
    outline.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 2.5, 2.5);
    p.setPen(symbolPen(ink.line));
    p.setBrush(QColor(ink.line).lighter(170));
    p.drawPath(outline.subtracted(hole));
}

void tabShape(QPainter& p, const Ink& ink, double x, const QColor& fill) {
    QPainterPath tab;
    tab.moveTo(x, 11.5);
    tab.lineTo(x + 1.5, 7.5);
    tab.lineTo(x + 6.5, 7.5);
    tab.lineTo(x + 8, 11.5);
    p.setPen(symbolPen(ink.line));
    p.setBrush(fill);
    p.drawPath(tab);
}

void tabs(QPainter& p, const Ink& ink) {
    tabShape(p, ink, 5.5, ink.paper);
    tabShape(p, ink, 16.5, ink.paper);
    tabShape(p, ink, 11, ink.accent);
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(5.5, 11.5, 19, 9));
}

void closeAll(QPainter& p, const Ink& ink) {
    tabShape(p, ink, 5.5, ink.paper);
    tabShape(p, ink, 12.5, ink.paper);
    p.setPen(symbolPen(ink.line));
    p.setBrush(ink.paper);
    p.drawRect(QRectF(5.5, 11.5, 15, 9));
    p.setPen(symbolPen(ink.accent, 2.0));
    p.drawLine(QPointF(18, 14), QPointF(24.5, 20.5));
    p.drawLine(QPointF(24.5, 14), QPointF(18, 20.5));
}

void help(QPainter& p, const Ink& ink) {
    p.setPen(symbolPen(ink.accent == kDisabledInk.accent ? ink.line : kAccentDark));
    p.setBrush(ink.accent);
    p.drawEllipse(QPointF(15, 13.5), 8, 8);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(ink.paper);
    p.drawText(QRectF(7, 5.5, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void background(QImage& image) {
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, QColor(247, 246, 250));
    gradient.setColorAt(1, QColor(226, 225, 231));
    p.fillRect(image.rect(), gradient);
    p.setPen(kBorder);
    p.drawLine(0, image.height() - 1, image.width(), image.height() - 1);
}

std::vector<Asset> toolbarPictures() {
    const struct {
        const char* name;
        Symbol symbol;
    } buttons[] = {{"open", folder},   {"save", save}, {"saveall", saveAll},   {"print", print},
                   {"settings", gear}, {"tabs", tabs}, {"closeall", closeAll}, {"help", help}};
    const char* const states[5] = {"_out", "_over", "_down", "_downover", "_disabled"};
    std::vector<Asset> assets;
    assets.push_back({QStringLiteral("toolbar_back.bmp"), 16, 33, background});
    for (const auto& button : buttons)
        for (int state = 0; state < 5; ++state)
            assets.push_back({QStringLiteral("toolbar_%1%2.bmp")
                                  .arg(QLatin1String(button.name), QLatin1String(states[state])),
                              kWidth, kHeight, [symbol = button.symbol, state](QImage& image) {
                                  paintButtonGlyph(image, symbol, state, 4);
                              }});
    return assets;
}

const bool registered = registerAssets(&toolbarPictures);

} // namespace

} // namespace vintrel::assets
