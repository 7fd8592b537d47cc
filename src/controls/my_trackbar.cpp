#include "controls/my_trackbar.h"

#include "base/rounding.h"
#include "controls/pictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace vintrel {

namespace {
struct TrackPictures {
    QPixmap slider = loadPicture(QStringLiteral("slider.bmp"));
    QPixmap center = loadPicture(QStringLiteral("track_center.bmp"));
    QPixmap left = loadPicture(QStringLiteral("track_left.bmp"));
    QPixmap right = loadPicture(QStringLiteral("track_right.bmp"));
    QPixmap fill = loadPicture(QStringLiteral("track_center_fill.bmp"));
};

const TrackPictures& pictures() {
    static const TrackPictures loaded;
    return loaded;
}

int thumbWidth() {
    const int width = pictures().slider.width();
    return width > 0 ? width : 11;
}
} // namespace

TMyTrackBar::TMyTrackBar(QWidget* parent) : QWidget(parent) {
    resize(100, 24);
    FMax = width();
}

void TMyTrackBar::setThumbs(int left, int right) {
    left = std::clamp(left, FMin, FMax);
    right = std::clamp(right, FMin, FMax);
    if (right < left)
        std::swap(left, right);
    FPositionLeft = left;
    FPositionRight = right;
    update();
    emit OnChange();
}

void TMyTrackBar::SetPositionLeft(int position) {
    setThumbs(position, FPositionRight);
}

void TMyTrackBar::SetPositionRight(int position) {
    setThumbs(FPositionLeft, position);
}

void TMyTrackBar::SetMin(int min) {
    if (min > FMax)
        return;
    FMin = min;
    if (FPositionLeft < min || FPositionRight < min)
        setThumbs(std::max(FPositionLeft, min), std::max(FPositionRight, min));
    else
        update();
}

void TMyTrackBar::SetMax(int max) {
    if (max < FMin)
        return;
    FMax = max;
    if (FPositionLeft > max || FPositionRight > max)
        setThumbs(std::min(FPositionLeft, max), std::min(FPositionRight, max));
    else
        update();
}

int TMyTrackBar::thumbX(int position) const {
    if (FMax == FMin)
        return 0;
    return roundHalfEven(double(width() - thumbWidth()) * (position - FMin) / (FMax - FMin));
}

void TMyTrackBar::dragTo(int x) {
    if (FMax == FMin || width() <= 0)
        return;
    const long long span = FMax - FMin;
    const long long leftX = static_cast<long long>(width()) * (FPositionLeft - FMin) / span;
    const long long rightX = static_cast<long long>(width()) * (FPositionRight - FMin) / span;
    const int value = FMin + roundHalfEven(double(x) * double(span) / width());
    if (std::llabs(leftX - x) < std::llabs(rightX - x))
        SetPositionLeft(value);
    else
        SetPositionRight(value);
}

void TMyTrackBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragTo(event->position().toPoint().x());
}

void TMyTrackBar::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        dragTo(event->position().toPoint().x());
}

void TMyTrackBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const TrackPictures& p = pictures();
    const int w = width();
    painter.drawPixmap(0, 0, p.left);
    painter.drawPixmap(w - p.right.width(), 0, p.right);
    painter.drawPixmap(
        QRect(p.left.width(), 0, w - p.left.width() - p.right.width(), p.center.height()),
        p.center);
    const int xl = thumbX(FPositionLeft);
    const int xr = thumbX(FPositionRight);
    if (xr > xl)
        painter.drawPixmap(QRect(xl, 0, xr - xl, p.fill.height()), p.fill);
    painter.drawPixmap(xl, 0, p.slider);
    painter.drawPixmap(xr, 0, p.slider);
}

} // namespace vintrel
