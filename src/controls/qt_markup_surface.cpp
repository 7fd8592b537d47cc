#include "controls/qt_markup_surface.h"

#include "controls/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace vintrel {

QtMarkupSurface::QtMarkupSurface(const QFont& styleTemplate, QPainter* painter,
                                 QPaintDevice* device)
    : template_(styleTemplate), painter_(painter),
      device_(device ? device : (painter ? painter->device() : nullptr)) {}

QFont QtMarkupSurface::qtFont(const MarkupFont& font) const {
    QFont result = template_;
    result.setFamily(mapFontFamily(QString::fromStdString(font.name)));
    result.setPointSizeF(std::max(1.0, font.size));
    return result;
}

QString QtMarkupSurface::shownText(const MarkupFont& font, std::u16string_view text) {
    QString shown = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    if (font.name == kSymbolFontName)
        for (QChar& c : shown)
            c = QChar(symbolToUnicode(c.unicode()));
    return shown;
}

MarkupFont QtMarkupSurface::markupFont(const QFont& font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    return MarkupFont{font.family().toStdString(), points};
}

int QtMarkupSurface::textWidth(const MarkupFont& font, std::u16string_view text) const {
    const QFontMetrics metrics(qtFont(font), device_);
    return metrics.horizontalAdvance(shownText(font, text));
}

int QtMarkupSurface::textHeight(const MarkupFont& font, std::u16string_view) const {
    return QFontMetrics(qtFont(font), device_).height();
}

int QtMarkupSurface::pixelSize(const MarkupFont& font) const {
    const QFont qfont = qtFont(font);
    return QFontInfo(device_ ? QFont(qfont, device_) : qfont).pixelSize();
}

void QtMarkupSurface::writeText(const MarkupFont& font, int x, int y, std::u16string_view text,
                                bool up) {
    if (!painter_)
        return;
    const QFont qfont = qtFont(font);
    const QFontMetrics metrics(qfont, device_);
    painter_->save();
    painter_->setFont(qfont);
    painter_->setPen(colour_);
    painter_->translate(x, y);
    if (up)
        painter_->rotate(-90);
    painter_->drawText(QPoint(0, metrics.ascent()), shownText(font, text));
    painter_->restore();
}

} // namespace vintrel
