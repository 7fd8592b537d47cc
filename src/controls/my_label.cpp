#include "controls/my_label.h"

#include "controls/fonts.h"
#include "controls/qt_markup_surface.h"
#include "controls/theme.h"

#include <QEvent>
#include <QPainter>

namespace vintrel {

namespace {
std::u16string_view captionView(const QString& caption) {
    return {reinterpret_cast<const char16_t*>(caption.utf16()),
            static_cast<std::size_t>(caption.size())};
}
} // namespace

TMarkupLabel::TMarkupLabel(QWidget* parent)
    : QWidget(parent), FColor(theme::kPageBackground), FFontColor(theme::kText) {}

void TMarkupLabel::SetCaption(const QString& caption) {
    FCaption = caption;
    applyAutoSize();
    update();
}

void TMarkupLabel::SetTransparent(bool transparent) {
    FTransparent = transparent;
    update();
}

void TMarkupLabel::SetAutoSize(bool autoSize) {
    FAutoSize = autoSize;
    applyAutoSize();
    update();
}

void TMarkupLabel::SetColor(const QColor& color) {
    FColor = color;
    update();
}

void TMarkupLabel::SetFontColor(const QColor& color) {
    FFontColor = color;
    update();
}

void TMarkupLabel::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    update();
}

void TMarkupLabel::SetAlignmentVertical(TAlignment alignment) {
    FAlignmentVertical = alignment;
    update();
}

void TMarkupLabel::applyAutoSize() {
    if (FAutoSize)
        resize(captionSize());
}

void TMarkupLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
    QWidget::changeEvent(event);
}

void TMarkupLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!FTransparent)
        painter.fillRect(rect(), FColor);
    applyAutoSize();
    if (isEnabled()) {
        paintCaption(painter, FFontColor, 0, 0);
    } else {
        paintCaption(painter, theme::kHighlight, 1, 1);
        paintCaption(painter, theme::kShadow, 0, 0);
    }
}

TMyLabel::TMyLabel(QWidget* parent, const QString& caption) : TMarkupLabel(parent) {
    setFont(viewerFont());
    SetCaption(caption);
}

void TMyLabel::DrawMarkup(QPainter* painter, bool draw, int x, int y, int& height,
                          int& width) const {
    QtMarkupSurface surface(font(), painter);
    if (painter)
        surface.setColour(painter->pen().color());
    drawMarkup(surface, QtMarkupSurface::markupFont(font()), captionView(Caption()),
               draw && painter, x, y, height, width);
}

QSize TMyLabel::captionSize() const {
    int height = 0;
    int width = 0;
    DrawMarkup(nullptr, false, 0, 0, height, width);
    return {width, height};
}

void TMyLabel::paintCaption(QPainter& painter, const QColor& colour, int dx, int dy) {
    const QSize size = captionSize();
    const int x = alignedOffset(Alignment(), width(), size.width());
    const int y = alignedOffset(AlignmentVertical(), height(), size.height());
    painter.setPen(colour);
    int h = 0;
    int w = 0;
    DrawMarkup(&painter, true, x + dx, y + dy, h, w);
}

TMyVertLabel::TMyVertLabel(QWidget* parent, const QString& caption) : TMarkupLabel(parent) {
    setFont(viewerFont());
    SetCaption(caption);
}

void TMyVertLabel::DrawMarkup(QPainter* painter, bool draw, int x, int y, int& extent,
                              int& thickness) const {
    QtMarkupSurface surface(font(), painter);
    if (painter)
        surface.setColour(painter->pen().color());
    drawVerticalMarkup(surface, QtMarkupSurface::markupFont(font()), captionView(Caption()),
                       draw && painter, x, y, extent, thickness);
}

QSize TMyVertLabel::captionSize() const {
    int extent = 0;
    int thickness = 0;
    DrawMarkup(nullptr, false, 0, 0, extent, thickness);
    return {thickness, extent};
}

void TMyVertLabel::paintCaption(QPainter& painter, const QColor& colour, int dx, int dy) {
    const QSize size = captionSize();
    const int x = alignedOffset(Alignment(), width(), size.width());
    int y = height();
    if (AlignmentVertical() == taRightJustify)
        y = size.height();
    else if (AlignmentVertical() == taCenter)
        y = (height() + size.height()) / 2;
    painter.setPen(colour);
    int extent = 0;
    int thickness = 0;
    DrawMarkup(&painter, true, x + dx, y + dy, extent, thickness);
}

} // namespace vintrel
