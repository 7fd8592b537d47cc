#include "parameters/value_edit.h"

#include "controls/fonts.h"

#include <QMouseEvent>
#include <QTimer>

namespace vintrel {

namespace {
const QColor kLightFace(227, 227, 227);
const QColor kGreyText(109, 109, 109);
} // namespace

TValueEdit::TValueEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFont(viewerFont(QStringLiteral("Tahoma"), fonts::kDefaultSize, true));
    QPalette look = palette();
    look.setColor(QPalette::Base, kLightFace);
    look.setColor(QPalette::Text, kGreyText);
    setPalette(look);
    setTextMargins(1, 0, 1, 0);
}

void TValueEdit::showValue(const std::string& text, const std::string& hint) {
    setText(QString::fromStdString(text));
    setToolTip(QString::fromStdString(hint));
    setCursorPosition(0);
}

void TValueEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        selectAll();
}

void TValueEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
}

} // namespace vintrel
