#include "description/format_boxes.h"

#include "controls/pictures.h"
#include "controls/theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>

namespace vintrel {

namespace {

constexpr int kSwatchWidth = 22;

/// List entries drawn in the font and with the swatch colour their items carry.
class EntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        painter->fillRect(option.rect, selected ? theme::kAccent : QColor(Qt::white));
        QRect text = option.rect.adjusted(3, 0, 0, 0);
        if (const QVariant swatch = index.data(Qt::DecorationRole); swatch.canConvert<QColor>()) {
            const QRect box(option.rect.left() + 3, option.rect.top() + 2, kSwatchWidth - 6,
                            option.rect.height() - 4);
            painter->fillRect(box, swatch.value<QColor>());
            painter->setPen(theme::kShadow);
            painter->drawRect(box.adjusted(0, 0, -1, -1));
            text.setLeft(option.rect.left() + kSwatchWidth);
        }
        painter->setPen(selected ? QColor(Qt::white) : theme::kText);
        const QVariant font = index.data(Qt::FontRole);
        painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QVariant font = index.data(Qt::FontRole);
        const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : option.font);
        return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + kSwatchWidth,
                metrics.height() + 4};
    }
};

struct NamedColour {
    const char* name;
    QColor colour;
};

std::vector<NamedColour> boxColours() {
    std::vector<NamedColour> colours = {
        {"Black", QColor(0, 0, 0)},
        {"Maroon", QColor(128, 0, 0)},
        {"Green", QColor(0, 128, 0)},
        {"Olive", QColor(128, 128, 0)},
        {"Navy", QColor(0, 0, 128)},
        {"Purple", QColor(128, 0, 128)},
        {"Teal", QColor(0, 128, 128)},
        {"Gray", QColor(128, 128, 128)},
        {"Silver", QColor(192, 192, 192)},
        {"Red", QColor(255, 0, 0)},
        {"Lime", QColor(0, 255, 0)},
        {"Yellow", QColor(255, 255, 0)},
        {"Blue", QColor(0, 0, 255)},
        {"Fuchsia", QColor(255, 0, 255)},
        {"Aqua", QColor(0, 255, 255)},
        {"White", QColor(255, 255, 255)},
        {"Money Green", QColor(192, 220, 192)},
        {"Sky Blue", QColor(166, 202, 240)},
        {"Cream", QColor(255, 251, 240)},
        {"Medium Gray", QColor(160, 160, 164)},
    };
    const QPalette system = QApplication::palette();
    const struct {
        const char* name;
        QPalette::ColorRole role;
    } roles[] = {
        {"Window", QPalette::Window},
        {"Window Text", QPalette::WindowText},
        {"Button Face", QPalette::Button},
        {"Button Text", QPalette::ButtonText},
        {"Button Shadow", QPalette::Mid},
        {"Button Highlight", QPalette::Light},
        {"3D Dark Shadow", QPalette::Shadow},
        {"Highlight", QPalette::Highlight},
        {"Highlight Text", QPalette::HighlightedText},
        {"Info Background", QPalette::ToolTipBase},
        {"Info Text", QPalette::ToolTipText},
    };
    for (const auto& role : roles)
        colours.push_back({role.name, system.color(QPalette::Active, role.role)});
    colours.push_back({"Gray Text", system.color(QPalette::Disabled, QPalette::Text)});
    return colours;
}

} // namespace

TFontComboBox::TFontComboBox(QWidget* parent) : TMyComboBox(parent) {
    setItemDelegate(new EntryDelegate(this));
    setMaxVisibleItems(10);
}

void TFontComboBox::fill(const QStringList& families) {
    clear();
    int chosen = -1;
    for (const QString& family : families) {
        if (family.contains(QLatin1Char('@')))
            continue;
        addItem(family);
        QFont font(family);
        font.setPointSize(10);
        setItemData(count() - 1, font, Qt::FontRole);
        if (family.contains(QLatin1String("Sans Serif")))
            chosen = count() - 1;
    }
    setCurrentIndex(chosen);
}

void TFontComboBox::selectFamily(const QString& family) {
    setCurrentIndex(findText(family, Qt::MatchFixedString | Qt::MatchCaseSensitive));
}

TColorBox::TColorBox(QWidget* parent) : TMyComboBox(parent) {
    setItemDelegate(new EntryDelegate(this));
    for (const NamedColour& entry : boxColours()) {
        addItem(QString::fromLatin1(entry.name));
        setItemData(count() - 1, entry.colour, Qt::DecorationRole);
    }
    setMaxVisibleItems(16);
    setCurrentIndex(0);
}

QColor TColorBox::colorAt(int index) const {
    return itemData(index, Qt::DecorationRole).value<QColor>();
}

void TColorBox::selectColor(const QColor& colour) {
    setCurrentIndex(0);
    for (int i = 0; i < count(); ++i)
        if (colorAt(i).rgb() == colour.rgb()) {
            setCurrentIndex(i);
            return;
        }
}

void TColorBox::paintEvent(QPaintEvent* event) {
    TMyComboBox::paintEvent(event);
    if (currentIndex() < 0)
        return;
    QPainter painter(this);
    const int h = height();
    const QRect field(1, 1, width() - 22, h - 2);
    painter.fillRect(field, Qt::white);
    const QRect box(4, 3, kSwatchWidth - 8, h - 6);
    painter.fillRect(box, selectedColor());
    painter.setPen(theme::kShadow);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(isEnabled() ? theme::kText : theme::kShadow);
    painter.setFont(font());
    painter.drawText(QRect(kSwatchWidth, 0, field.width() - kSwatchWidth, h),
                     Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

} // namespace vintrel
