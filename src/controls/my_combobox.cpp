#include "controls/my_combobox.h"

#include "controls/fonts.h"
#include "controls/pictures.h"
#include "controls/theme.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vintrel {

namespace {

const QPixmap& arrowPicture(bool over) {
    static const QPixmap normal = loadPicture(QStringLiteral("down.bmp"));
    static const QPixmap lit = loadPicture(QStringLiteral("down_over.bmp"));
    return over ? lit : normal;
}

int arrowWidth() {
    const int width = arrowPicture(false).width();
    return width > 0 ? width : 16;
}

/// List items without outline: the selected one on the highlight colour, the text at the
/// item's top-left corner.
class ItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        painter->fillRect(option.rect, selected ? theme::kAccent : QColor(Qt::white));
        painter->setPen(selected ? QColor(Qt::white) : theme::kText);
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
    }
};

} // namespace

TMyComboBox::TMyComboBox(QWidget* parent) : QComboBox(parent) {
    setFont(viewerFont());
    setMouseTracking(true);
    setItemDelegate(new ItemDelegate(this));
    resize(120, 21);
}

void TMyComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::white);
    painter.setPen(hasFocus() ? theme::kAccent : theme::kShadow);
    painter.drawRect(QRect(0, 0, w - 1, h - 1));
    painter.setPen(isEnabled() ? theme::kText : theme::kShadow);
    painter.setFont(font());
    painter.drawText(QRect(4, 0, w - arrowWidth() - 6, h), Qt::AlignLeft | Qt::AlignVCenter,
                     currentText());
    painter.fillRect(QRect(QPoint(w - 20, 1), QPoint(w - 2, h - 2)), Qt::white);
    const QPixmap& arrow = arrowPicture(FOver && isEnabled());
    painter.drawPixmap(w - arrow.width() - 1, (h - arrow.height()) / 2, arrow);
}

void TMyComboBox::mouseMoveEvent(QMouseEvent* event) {
    setOver(event->position().x() > width() - arrowWidth() - 2);
    QComboBox::mouseMoveEvent(event);
}

void TMyComboBox::leaveEvent(QEvent* event) {
    setOver(false);
    QComboBox::leaveEvent(event);
}

void TMyComboBox::setOver(bool over) {
    if (over == FOver)
        return;
    FOver = over;
    repaint();
}

} // namespace vintrel
