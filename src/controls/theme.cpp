#include "controls/theme.h"

#include <QPalette>
#include <QWidget>

namespace vintrel::theme {

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace vintrel::theme
