#include "potential/palette_strip.h"

#include "base/data_table.h"
#include "base/number_pattern.h"
#include "base/number_text.h"
#include "controls/fonts.h"
#include "controls/pictures.h"
#include "controls/theme.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

namespace vintrel {

namespace {

constexpr int kZeroLeft = 2;
constexpr int kBracketX = 21;
constexpr int kStripLeft = 25;
constexpr int kStripWidth = 30;
constexpr int kTicksLeft = kStripLeft + kStripWidth + 1;
constexpr int kIndicatorLeft = kTicksLeft + 10;
constexpr int kIndicatorWidth = 22;
constexpr int kIndicatorHeight = 13;
constexpr int kLabelHeight = 13;
const QColor kInnerGrey(160, 160, 164);

QString compact(double value) {
    return QString::fromStdString(formatAuto(8, value));
}

} // namespace

TPaletteStrip::TPaletteStrip(QWidget* parent) : QWidget(parent) {
    normal_ = loadPicture(QStringLiteral("suwak-normal.bmp"));
    over_ = loadPicture(QStringLiteral("suwak-over.bmp"));
    setMouseTracking(true);
    setFixedSize(140, strip_.top + strip_.height + 24);
    colours_.assign(256, {0, 0, 0});
    setFractions(0.3, 0.7);
}

void TPaletteStrip::setPalette(const std::vector<std::array<std::uint8_t, 3>>& colours) {
    colours_ = colours;
    colours_.resize(256);
    update();
}

void TPaletteStrip::setRange(const ValueRange& range) {
    range_ = range;
    zeroTop_ = zeroLabelTop(range, strip_, kLabelHeight);
    update();
}

int TPaletteStrip::centreOf(int top) const {
    return top + kIndicatorHeight / 2;
}

int TPaletteStrip::topForFraction(double fraction) const {
    const int centre =
        strip_.top + static_cast<int>(std::lround((1 - fraction) * (strip_.height - 1)));
    return centre - kIndicatorHeight / 2;
}

void TPaletteStrip::setFractions(double lower, double upper) {
    lowerTop_ = topForFraction(lower);
    upperTop_ = topForFraction(upper);
    update();
}

void TPaletteStrip::setMarginal(bool marginal) {
    marginal_ = marginal;
    update();
}

double TPaletteStrip::lowerFraction() const {
    return indicatorFraction(centreOf(lowerTop_), strip_);
}

double TPaletteStrip::upperFraction() const {
    return indicatorFraction(centreOf(upperTop_), strip_);
}

QRect TPaletteStrip::upperIndicator() const {
    return {kIndicatorLeft, upperTop_, kIndicatorWidth, kIndicatorHeight};
}

QRect TPaletteStrip::lowerIndicator() const {
    return {kIndicatorLeft, lowerTop_, kIndicatorWidth, kIndicatorHeight};
}

void TPaletteStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), theme::kPageBackground);
    painter.setFont(viewerFont());
    const bool ordered = range_.min < range_.max;
    // The bands, the highest value at the top.
    for (const PaletteBand& band : paletteBands(strip_.height)) {
        const auto& c = colours_[static_cast<std::size_t>(band.entry)];
        painter.fillRect(kStripLeft, strip_.top + band.top, kStripWidth, band.bottom - band.top,
                         QColor(c[0], c[1], c[2]));
    }
    painter.setPen(theme::kText);
    painter.drawText(QRect(0, 2, width(), 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("max ") + compact(range_.max));
    painter.drawText(QRect(0, strip_.top + strip_.height + 4, width(), 16),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("min ") + compact(range_.min));
    if (zeroTop_) {
        painter.drawText(QRect(kZeroLeft, *zeroTop_, 16, kLabelHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
        // The ticks below the zero level, in the colours of the strip's rows beside them.
        for (const Tick& tick : tickMarks(strip_, *zeroTop_, kLabelHeight)) {
            const int bandRow = tick.colourRow;
            int entry = 0;
            for (const PaletteBand& band : paletteBands(strip_.height))
                if (bandRow >= band.top && bandRow < band.bottom)
                    entry = band.entry;
            const auto& c = colours_[static_cast<std::size_t>(entry)];
            painter.setPen(QColor(c[0], c[1], c[2]));
            const int y = strip_.top - 3 + tick.row;
            painter.drawLine(kTicksLeft, y, kTicksLeft + tick.length - 1, y);
        }
    }
    // The brackets: the drawn part black and wide, the hidden part grey.
    const int upper = centreOf(upperTop_), lower = centreOf(lowerTop_);
    const auto bracket = [&](int from, int to, bool drawn) {
        QPen pen(drawn ? QColor(Qt::black) : kInnerGrey);
        pen.setWidth(drawn ? 3 : 2);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(kBracketX, from, kBracketX, to);
    };
    bracket(strip_.top, upper, marginal_);
    bracket(upper, lower, !marginal_);
    bracket(lower, strip_.top + strip_.height - 1, marginal_);
    // The indicators and their values.
    painter.drawPixmap(upperIndicator().topLeft(), overUpper_ || dragUpper_ ? over_ : normal_);
    painter.drawPixmap(lowerIndicator().topLeft(), overLower_ || dragLower_ ? over_ : normal_);
    if (ordered) {
        painter.setPen(theme::kText);
        const int left = kIndicatorLeft + kIndicatorWidth + 2;
        painter.drawText(QRect(left, upperTop_ - 2, width() - left, 16),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         compact(valueAtFraction(range_, upperFraction())));
        painter.drawText(QRect(left, lowerTop_ - 2, width() - left, 16),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         compact(valueAtFraction(range_, lowerFraction())));
    }
}

void TPaletteStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    if (upperIndicator().contains(p)) {
        dragUpper_ = true;
        grabDy_ = p.y() - upperTop_;
    } else if (lowerIndicator().contains(p)) {
        dragLower_ = true;
        grabDy_ = p.y() - lowerTop_;
    } else if (p.x() >= kStripLeft && p.x() < kStripLeft + kStripWidth && p.y() >= strip_.top &&
               p.y() < strip_.top + strip_.height) {
        const bool outside = p.y() < centreOf(upperTop_) || p.y() > centreOf(lowerTop_);
        marginal_ = outside;
        update();
        emit partChosen(outside);
    }
}

void TPaletteStrip::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    overUpper_ = upperIndicator().contains(p);
    overLower_ = lowerIndicator().contains(p);
    const bool beside = p.x() >= kIndicatorLeft && p.x() < kIndicatorLeft + kIndicatorWidth;
    if (dragUpper_ && beside) {
        const int top = p.y() - grabDy_;
        if (upperIndicatorMayMoveTo(top, kIndicatorHeight, strip_, lowerTop_))
            upperTop_ = top;
    } else if (dragLower_ && beside) {
        const int top = p.y() - grabDy_;
        if (lowerIndicatorMayMoveTo(top, kIndicatorHeight, strip_, upperTop_))
            lowerTop_ = top;
    }
    updateHint(p);
    update();
}

void TPaletteStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !(dragUpper_ || dragLower_))
        return;
    dragUpper_ = dragLower_ = false;
    update();
    emit fractionsChanged(lowerFraction(), upperFraction());
}

void TPaletteStrip::leaveEvent(QEvent*) {
    overUpper_ = overLower_ = false;
    update();
}

void TPaletteStrip::updateHint(const QPoint& p) {
    QString hint;
    const bool ordered = range_.min < range_.max;
    const int captionLeft = kIndicatorLeft + kIndicatorWidth + 2;
    const auto full = [](double value) { return QString::fromStdString(roundTripText(value)); };
    if (p.y() < strip_.top) {
        hint = full(range_.max);
    } else if (p.y() >= strip_.top + strip_.height + 2) {
        hint = full(range_.min);
    } else if (ordered && p.x() >= captionLeft && std::abs(p.y() - centreOf(upperTop_)) <= 7) {
        hint = full(valueAtFraction(range_, upperFraction()));
    } else if (ordered && p.x() >= captionLeft && std::abs(p.y() - centreOf(lowerTop_)) <= 7) {
        hint = full(valueAtFraction(range_, lowerFraction()));
    } else if (upperIndicator().contains(p) || lowerIndicator().contains(p)) {
        hint = QStringLiteral("Drag to set range");
    } else if (p.x() >= kStripLeft && p.x() < kStripLeft + kStripWidth) {
        const bool inside = p.y() >= centreOf(upperTop_) && p.y() <= centreOf(lowerTop_);
        if (!inside && !marginal_)
            hint = QStringLiteral("click to see marginal part of potential");
        else if (inside && marginal_)
            hint = QStringLiteral("click to see central part of potential");
    }
    setToolTip(hint);
}

} // namespace vintrel
