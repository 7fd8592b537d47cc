#include "app/tab_dialogs.h"

#include "controls/pictures.h"
#include "controls/select_all_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

namespace vintrel {

namespace {

const QString kOrdinaryMarker = QStringLiteral("#A#");
const QString kMeanFieldMarker = QStringLiteral("#M#");
constexpr int kIconSize = 15;
constexpr int kTextLeft = 19;

QListWidget* checkList(QWidget* parent, QObject* delegateOwner, const KindIcons& icons,
                       const QPixmap& fixedIcon = {}) {
    auto* list = new QListWidget(parent);
    list->setItemDelegate(new TKindLineDelegate(delegateOwner, icons, fixedIcon));
    list->setMinimumSize(220, 180);
    return list;
}

void fillList(QListWidget& list, const QStringList& lines, const std::vector<bool>& checked) {
    const QSignalBlocker quiet(&list);
    list.clear();
    for (int i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(lines[i], &list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool on = std::size_t(i) < checked.size() && checked[std::size_t(i)];
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace

KindIcons KindIcons::load() {
    return {loadPicture(QStringLiteral("mini-zorvane.bmp")),
            loadPicture(QStringLiteral("mini-mfa.bmp"))};
}

QString kindLine(TKind kind, const QString& name) {
    if (kind == TKind::tkResult)
        return kOrdinaryMarker + name;
    if (kind == TKind::tkDynamic)
        return kMeanFieldMarker + name;
    return name;
}

bool lineChecked(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    return item && item->checkState() == Qt::Checked;
}

TKindLineDelegate::TKindLineDelegate(QObject* parent, KindIcons icons, QPixmap fixedIcon)
    : QStyledItemDelegate(parent), icons_(std::move(icons)), fixed_(std::move(fixedIcon)) {}

void TKindLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QString text = opt.text;
    QPixmap icon = fixed_;
    if (fixed_.isNull()) {
        if (text.startsWith(kOrdinaryMarker)) {
            icon = icons_.ordinary;
            text = text.mid(kOrdinaryMarker.size());
        } else if (text.startsWith(kMeanFieldMarker)) {
            icon = icons_.meanField;
            text = text.mid(kMeanFieldMarker.size());
        }
    }
    // The style draws the background, the selection and the check box; the rest is ours.
    opt.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    int left = opt.rect.left();
    if (opt.features & QStyleOptionViewItem::HasCheckIndicator)
        left =
            style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget).right() + 3;
    const int top = opt.rect.top();
    painter->save();
    if (!icon.isNull())
        painter->drawPixmap(QRect(left + 1, top + 1, kIconSize, kIconSize), icon);
    const bool selected = opt.state & QStyle::State_Selected;
    painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    const QRect textRect(left + kTextLeft, top + 1, opt.rect.right() - left - kTextLeft,
                         opt.rect.height() - 1);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize TKindLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(std::max(size.height(), kIconSize + 3));
    size.setWidth(size.width() + kTextLeft);
    return size;
}

TRenameTabForm::TRenameTabForm(QWidget* parent)
    : TFramedDialog(parent, QStringLiteral("rename this page")) {
    Label2 = new QLabel(QStringLiteral("Enter new name for this tab"), this);
    Edit1 = new QLineEdit(this);
    Edit1->setMinimumWidth(260);
    Label1 = new QLabel(QStringLiteral("Tab with this name already exists!"), this);
    QPalette warning = Label1->palette();
    warning.setColor(QPalette::WindowText, QColor(200, 0, 0));
    Label1->setPalette(warning);
    Label1->hide();
    content->addWidget(Label2);
    content->addWidget(Edit1);
    content->addWidget(Label1);
    content->addStretch(1);
    connect(Edit1, &QLineEdit::returnPressed, this, &TFramedDialog::pressOk);
}

TVisibleTabsForm::TVisibleTabsForm(QWidget* parent)
    : TFramedDialog(parent, QStringLiteral("visible tabs")), icons(KindIcons::load()) {
    Label1 = new QLabel(QStringLiteral("Set visible tabs"), this);
    CheckListBox1 = checkList(this, this, icons);
    content->addWidget(Label1);
    content->addWidget(CheckListBox1, 1);
}

void TVisibleTabsForm::fill(const QStringList& lines, const std::vector<bool>& checked) {
    fillList(*CheckListBox1, lines, checked);
}

std::vector<bool> TVisibleTabsForm::checkedLines() const {
    std::vector<bool> checked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        checked.push_back(lineChecked(*CheckListBox1, i));
    return checked;
}

TCloseAllTabsForm::TCloseAllTabsForm(QWidget* parent)
    : TFramedDialog(parent, QStringLiteral("Select tabs to close")), icons(KindIcons::load()) {
    Label1 = new QLabel(QStringLiteral("Close selected"), this);
    Label2 = new QLabel(QStringLiteral("Input ZORVANE Tabs"), this);
    CheckListBoxInput = checkList(this, this, icons, icons.ordinary);
    checkSelectAllInput = new QCheckBox(QStringLiteral("select all"), this);
    Label3 = new QLabel(QStringLiteral("Close selected"), this);
    Label4 = new QLabel(QStringLiteral("Result MFA Tabs"), this);
    CheckListBoxResult = checkList(this, this, icons, icons.meanField);
    checkSelectAllResult = new QCheckBox(QStringLiteral("select all"), this);
    for (QLabel* heading : {Label2, Label4}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(CheckListBoxInput, 2, 0);
    grid->addWidget(checkSelectAllInput, 3, 0);
    grid->addWidget(Label3, 0, 1);
    grid->addWidget(Label4, 1, 1);
    grid->addWidget(CheckListBoxResult, 2, 1);
    grid->addWidget(checkSelectAllResult, 3, 1);
    grid->setRowStretch(2, 1);
    content->addLayout(grid, 1);
    selectAllInput_ = new TSelectAllBox(checkSelectAllInput, CheckListBoxInput);
    selectAllResult_ = new TSelectAllBox(checkSelectAllResult, CheckListBoxResult);
}

void TCloseAllTabsForm::fill(const QStringList& ordinary, const QStringList& meanField) {
    selectAllInput_->setChecked(false);
    selectAllResult_->setChecked(false);
    fillList(*CheckListBoxInput, ordinary, {});
    fillList(*CheckListBoxResult, meanField, {});
}

} // namespace vintrel
