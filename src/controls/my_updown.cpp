#include "controls/my_updown.h"

#include "base/number_pattern.h"
#include "base/number_text.h"
#include "controls/fonts.h"
#include "controls/pictures.h"
#include "controls/theme.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace vintrel {

namespace {

// The number a field holds, blanks around it allowed.
std::optional<double> fieldValue(const QString& text) {
    return parseRealDot(text.trimmed().toStdString());
}

const QPixmap& spinnerPicture(int img) {
    static const QPixmap pictures[3] = {loadPicture(QStringLiteral("updown1.bmp")),
                                        loadPicture(QStringLiteral("updown2.bmp")),
                                        loadPicture(QStringLiteral("updown3.bmp"))};
    return pictures[std::clamp(img, 0, 2)];
}

int spinnerWidth() {
    const int width = spinnerPicture(0).width();
    return width > 0 ? width : 10;
}
} // namespace

TMyUpDown::TMyUpDown(QWidget* parent) : QWidget(parent), Edit1(new QLineEdit(this)) {
    setFont(viewerFont());
    Edit1->setFrame(false);
    Edit1->move(1, 1);
    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &TMyUpDown::step);
    connect(Edit1, &QLineEdit::textEdited, this, &TMyUpDown::typed);
    connect(Edit1, &QLineEdit::editingFinished, this, &TMyUpDown::entryFinished);
    resize(50, 16);
    showValue();
}

int TMyUpDown::spinnerLeft() const {
    return width() - spinnerWidth() - 2;
}

void TMyUpDown::SetMax(double max) {
    if (max < FMin)
        return;
    FMax = max;
    if (FPosition > FMax)
        SetPosition(FMax);
}

void TMyUpDown::SetMin(double min) {
    if (min > FMax)
        return;
    FMin = min;
    if (FPosition <= FMin)
        SetPosition(FMin);
}

void TMyUpDown::SetPosition(double position) {
    if (position > FMax || position < FMin) {
        FPosition = std::clamp(position, FMin, FMax);
        showValue();
        return;
    }
    FPosition = position;
    showValue();
    emit OnChange();
}

void TMyUpDown::SetFormat(const QString& format) {
    FFormat = format;
    showValue();
}

void TMyUpDown::showValue() {
    const QString text = QString::fromStdString(formatFloatDot(FFormat.toStdString(), FPosition));
    if (Edit1->text() != text)
        Edit1->setText(text);
}

void TMyUpDown::typed(const QString& text) {
    const auto value = fieldValue(text);
    if (value && *value >= FMin && *value <= FMax) {
        FPosition = *value;
        emit OnChange();
        return;
    }
    const QString trimmed = text.trimmed();
    const bool numberBegun = trimmed.isEmpty() || trimmed == QLatin1String("-") ||
                             trimmed == QLatin1String(".") || trimmed == QLatin1String("-.");
    if (!value && !numberBegun)
        showValue();
}

void TMyUpDown::entryFinished() {
    const auto value = fieldValue(Edit1->text());
    SetPosition(value ? *value : FPosition);
    showValue();
}

void TMyUpDown::step() {
    FPosition = std::clamp(FPosition + dx, FMin, FMax);
    showValue();
}

void TMyUpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || event->position().x() < spinnerLeft())
        return;
    const bool upper = event->position().y() < height() / 2.0;
    dx = upper ? FChange : -FChange;
    FImg = upper ? 1 : 2;
    FSpinning = true;
    if (!Timer1.isActive()) {
        Timer1.start();
        step();
    }
    update();
}

void TMyUpDown::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !FSpinning)
        return;
    FSpinning = false;
    Timer1.stop();
    emit OnChange();
    FImg = 0;
    update();
    Edit1->selectAll();
}

void TMyUpDown::resizeEvent(QResizeEvent*) {
    Edit1->setGeometry(1, 1, spinnerLeft(), height() - 2);
}

void TMyUpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int left = spinnerLeft();
    painter.fillRect(QRect(0, 0, left + 2, height()), Qt::white);
    painter.setPen(theme::kShadow);
    painter.drawRect(QRect(0, 0, left + 1, height() - 1));
    const QPixmap& spinner = spinnerPicture(FImg);
    if (!spinner.isNull())
        painter.drawPixmap(QRect(width() - spinner.width(), 0, spinner.width(), height()), spinner);
}

} // namespace vintrel
