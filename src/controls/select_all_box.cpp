#include "controls/select_all_box.h"

#include <QCheckBox>
#include <QListWidget>

namespace vintrel {

TSelectAllBox::TSelectAllBox(QCheckBox* box, QListWidget* list)
    : QObject(box), box_(box), list_(list) {
    connect(box_, &QCheckBox::clicked, this, &TSelectAllBox::boxClicked);
    connect(list_, &QListWidget::itemChanged, this, &TSelectAllBox::lineChanged);
}

void TSelectAllBox::setChecked(bool checked) {
    box_->setChecked(checked);
    boxClicked();
}

void TSelectAllBox::boxClicked() {
    const bool checked = box_->isChecked();
    box_->setText(checked ? QStringLiteral("unselect all") : QStringLiteral("select all"));
    updatingLines_ = true;
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    updatingLines_ = false;
}

void TSelectAllBox::lineChanged(QListWidgetItem*) {
    if (updatingLines_)
        return;
    int checked = 0;
    for (int i = 0; i < list_->count(); ++i)
        checked += list_->item(i)->checkState() == Qt::Checked;
    // The box follows the lines only when they are all alike; its own click handling then has
    // nothing to change.
    if (checked == 0)
        follow(false);
    else if (checked == list_->count())
        follow(true);
}

void TSelectAllBox::follow(bool checked) {
    if (box_->isChecked() != checked)
        setChecked(checked);
}

} // namespace vintrel
