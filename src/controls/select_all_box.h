#pragma once

#include <QObject>

class QCheckBox;
class QListWidget;
class QListWidgetItem;

namespace vintrel {

/// Ties a "select all" box to a check list: clicking the box sets every line to the box's state
/// and shows "unselect all" while it is checked, "select all" otherwise; ticking a line checks
/// the box when all lines are checked and unchecks it when none is.
class TSelectAllBox : public QObject {
    Q_OBJECT
public:
    TSelectAllBox(QCheckBox* box, QListWidget* list);

    /// Sets the box (and with it every line) to `checked`.
    void setChecked(bool checked);
    /// The box was clicked: the lines follow it.
    void boxClicked();
    /// A line changed.
    void lineChanged(QListWidgetItem* item);

private:
    void follow(bool checked);

    QCheckBox* box_;
    QListWidget* list_;
    bool updatingLines_ = false;
};

} // namespace vintrel
