#include "parameters/parameter_captions.h"

#include "controls/fonts.h"
#include "controls/markup.h"
#include "controls/qt_markup_surface.h"
#include "controls/theme.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vintrel {

namespace {

std::u16string_view view(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

} // namespace

int markupWidth(const QFont& font, const QString& caption) {
    QtMarkupSurface surface(font);
    int height = 0;
    int width = 0;
    drawMarkup(surface, QtMarkupSurface::markupFont(font), view(caption), false, 0, 0, height,
               width);
    return width;
}

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic) {
    QFont font = viewerFont(family, fonts::kDefaultSize, bold);
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

TFormulaCaption::TFormulaCaption(QWidget* parent, std::vector<FormulaPiece> pieces)
    : QWidget(parent) {
    setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    setAttribute(Qt::WA_TranslucentBackground);
    setPieces(std::move(pieces));
}

void TFormulaCaption::setPieces(std::vector<FormulaPiece> pieces) {
    pieces_ = std::move(pieces);
    resize(sizeHint());
    update();
}

QString TFormulaCaption::plainText() const {
    QString out;
    for (const FormulaPiece& piece : pieces_) {
        out += piece.text;
        if (!piece.sup.isEmpty())
            out += QLatin1Char('^') + piece.sup;
        if (!piece.sub.isEmpty())
            out += QLatin1Char('_') + piece.sub;
    }
    return out;
}

QSize TFormulaCaption::sizeHint() const {
    const QFontMetrics metrics(font());
    return {paint(nullptr) + 2, metrics.height() + metrics.height() / 2 + 4};
}

void TFormulaCaption::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(&painter);
}

int TFormulaCaption::paint(QPainter* painter) const {
    QFont base = font();
    QFont large = base;
    large.setPixelSize(base.pixelSize() * 3 / 2);
    QFont small = base;
    small.setPixelSize(std::max(8, base.pixelSize() * 2 / 3));
    const QFontMetrics baseMetrics(base);
    const QFontMetrics smallMetrics(small);
    const int baseline = smallMetrics.ascent() / 2 + baseMetrics.ascent() + 1;
    int x = 0;
    for (const FormulaPiece& piece : pieces_) {
        const QFont& face = piece.large ? large : base;
        const QFontMetrics metrics(face);
        const int textWidth = metrics.horizontalAdvance(piece.text);
        const int indexWidth = std::max(smallMetrics.horizontalAdvance(piece.sup),
                                        smallMetrics.horizontalAdvance(piece.sub));
        if (painter) {
            painter->setPen(theme::kText);
            painter->setFont(face);
            painter->drawText(x, baseline, piece.text);
            if (piece.bar) {
                const int top = baseline - baseMetrics.capHeight() - 2;
                painter->drawLine(x + 1, top, x + textWidth - 1, top);
            }
            painter->setFont(small);
            const int right = x + textWidth + 1;
            if (!piece.sup.isEmpty())
                painter->drawText(right, baseline - baseMetrics.capHeight() + 2, piece.sup);
            if (!piece.sub.isEmpty())
                painter->drawText(right, baseline + smallMetrics.ascent() / 2 + 1, piece.sub);
        }
        x += textWidth + (indexWidth > 0 ? indexWidth + 2 : 0);
    }
    return x;
}

TBarredLabel::TBarredLabel(QWidget* parent, const QString& caption, std::vector<int> barred)
    : TMyLabel(parent, caption), barred_(std::move(barred)) {}

void TBarredLabel::paintEvent(QPaintEvent* event) {
    TMyLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(FontColor());
    for (int at : barred_) {
        const int left = markupWidth(font(), Caption().left(at));
        const int width = markupWidth(font(), Caption().mid(at, 1));
        painter.drawLine(left + 1, 1, left + width - 2, 1);
    }
}

} // namespace vintrel
