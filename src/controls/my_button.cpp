#include "controls/my_button.h"

#include "controls/flood_fill.h"
#include "controls/pictures.h"
#include "controls/qt_markup_surface.h"
#include "controls/theme.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace vintrel {

namespace {
const QColor kTintKey(0, 255, 255);
} // namespace

TMyButton::TMyButton(QWidget* parent) : QWidget(parent), FColor(theme::kButtonFace) {
    setGeometry(0, 0, 24, 23);
    setMouseTracking(true);
    FFontOut.colour = theme::kText;
    FFontOver.colour = theme::kText;
}

void TMyButton::setGlyph(Glyph which, const QPixmap& picture) {
    FGlyphs[which] = picture.isNull() ? QImage() : opaquePicture(picture.toImage());
    update();
}

void TMyButton::SetDown(bool down) {
    FDown = down;
    update();
}

void TMyButton::SetTriState(bool tristate) {
    FTristate = tristate;
    if (!tristate)
        FDown = false;
    update();
}

void TMyButton::SetTransparent(bool transparent) {
    FTransparent = transparent;
    update();
}

void TMyButton::SetColor(const QColor& color) {
    FColor = color;
    update();
}

void TMyButton::SetFontOut(const ControlFont& font) {
    FFontOut = font;
    update();
}

void TMyButton::SetFontOver(const ControlFont& font) {
    FFontOver = font;
    update();
}

void TMyButton::SetCaption(const QString& caption) {
    FCaption = caption;
    update();
}

void TMyButton::SetAlignment(TAlignment alignment) {
    FAlignment = alignment;
    update();
}

void TMyButton::SetStretch(bool stretch) {
    FStretch = stretch;
    update();
}

int TMyButton::stateIndex() const {
    if (!isEnabled())
        return GlyphDisabledIndex;
    const bool pressed = FClicking || (FDown && FTristate);
    return (FMouseIn ? 1 : 0) + (pressed ? 2 : 0);
}

void TMyButton::Click() {
    emit OnClick();
}

QImage TMyButton::composed() const {
    if (width() <= 0 || height() <= 0)
        return {};
    QImage image(size(), QImage::Format_RGB32);
    image.fill(FColor);
    const QImage& glyph = FGlyphs[stateIndex()];
    if (!glyph.isNull()) {
        {
            QPainter painter(&image);
            if (FStretch)
                painter.drawImage(image.rect(), glyph);
            else
                painter.drawImage((width() - glyph.width()) / 2, (height() - glyph.height()) / 2,
                                  glyph);
        }
        const QPoint centre(glyph.width() / 2, glyph.height() / 2);
        if ((glyph.pixel(centre) & 0xFFFFFF) == (kTintKey.rgb() & 0xFFFFFF))
            floodFill(image, QPoint(width() / 2, height() / 2), kTintKey, FColor);
    }
    if (isEnabled()) {
        drawCaption(image, FMouseIn ? FFontOver : FFontOut);
    } else {
        ControlFont greyed = FFontOut;
        greyed.colour = theme::kShadow;
        drawCaption(image, greyed);
    }
    if (FTransparent)
        return withMagentaTransparent(image);
    replaceMagenta(image, FColor);
    return image;
}

void TMyButton::drawCaption(QImage& image, const ControlFont& font) const {
    if (FCaption.isEmpty())
        return;
    QPainter painter(&image);
    QtMarkupSurface surface(font.font, &painter);
    surface.setColour(font.colour);
    const QFontMetrics metrics(font.font, &image);
    const int captionWidth = metrics.horizontalAdvance(FCaption);
    int x = (width() - captionWidth) / 2;
    if (FAlignment == taLeftJustify)
        x = 3;
    else if (FAlignment == taRightJustify)
        x = width() - captionWidth - 3;
    const int baseY = (height() - metrics.height()) / 2 + 1;
    drawButtonCaption(surface, QtMarkupSurface::markupFont(font.font),
                      {reinterpret_cast<const char16_t*>(FCaption.utf16()),
                       static_cast<std::size_t>(FCaption.size())},
                      x, baseY);
}

void TMyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, composed());
}

void TMyButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    FClicking = true;
    update();
}

void TMyButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = FClicking && rect().contains(event->position().toPoint());
    FClicking = false;
    if (click) {
        if (FTristate)
            FDown = !FDown;
        emit OnClick();
    }
    update();
}

void TMyButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit OnDblClick();
}

void TMyButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (inside && !FMouseIn)
        mouseEntered();
    else if (!inside && FMouseIn)
        mouseLeft();
}

void TMyButton::enterEvent(QEnterEvent*) {
    mouseEntered();
}

void TMyButton::leaveEvent(QEvent*) {
    mouseLeft();
}

void TMyButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        FClicking = false;
        update();
    }
    QWidget::changeEvent(event);
}

void TMyButton::mouseEntered() {
    if (!isEnabled() || FMouseIn)
        return;
    FMouseIn = true;
    emit OnMouseOver();
    update();
}

void TMyButton::mouseLeft() {
    if (!isEnabled() || !FMouseIn)
        return;
    FClicking = false;
    FMouseIn = false;
    emit OnMouseOut();
    update();
}

void loadGlyphSet(TMyButton& button, const QString& prefix) {
    button.SetGlyphOut(loadPicture(prefix + QStringLiteral("_out.bmp")));
    button.SetGlyphOver(loadPicture(prefix + QStringLiteral("_over.bmp")));
    button.SetGlyphDown(loadPicture(prefix + QStringLiteral("_down.bmp")));
    button.SetGlyphDownOver(loadPicture(prefix + QStringLiteral("_downover.bmp")));
    button.SetGlyphDisabled(loadPicture(prefix + QStringLiteral("_disabled.bmp")));
}

TMyButton* makeToolButton(QWidget* parent, const QString& caption, const QString& hint, int width,
                          bool toggle, const QString& glyphs) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, glyphs);
    button->SetStretch(true);
    button->SetCaption(caption);
    button->setToolTip(hint);
    button->SetTriState(toggle);
    button->setFixedSize(width, 23);
    return button;
}

} // namespace vintrel
