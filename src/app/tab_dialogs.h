#pragma once

#include "controls/dialog_frame.h"
#include "tabs/tab_kind.h"

#include <QPixmap>
#include <QStyledItemDelegate>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace vintrel {

class TSelectAllBox;

/// The small pictures of the two result kinds ("mini-zorvane.bmp", "mini-mfa.bmp").
struct KindIcons {
    QPixmap ordinary;
    QPixmap meanField;
    static KindIcons load();
};

/// The line of a result tab in the visible-tabs list: "#A#" for an ordinary result, "#M#" for
/// a mean-field result, no marker for other tabs, then the tab's name.
QString kindLine(TKind kind, const QString& name);

/// Draws the lines of a check list with a kind icon stretched into 15 x 15 pixels one pixel in
/// from the line's corner and the text 19 pixels in. With a fixed icon every line gets it and
/// shows its whole text; otherwise a line's "#A#" or "#M#" marker chooses the icon and is not
/// shown, and a line without a marker shows its text without an icon.
class TKindLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TKindLineDelegate(QObject* parent, KindIcons icons, QPixmap fixedIcon = {});

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    KindIcons icons_;
    QPixmap fixed_;
};

/// "rename this page": the new name of a tab; `Label1` says when it clashes with another tab.
class TRenameTabForm : public TFramedDialog {
    Q_OBJECT
public:
    explicit TRenameTabForm(QWidget* parent = nullptr);

    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label1;
};

/// "visible tabs": one checked line per shown result-strip tab.
class TVisibleTabsForm : public TFramedDialog {
    Q_OBJECT
public:
    explicit TVisibleTabsForm(QWidget* parent = nullptr);

    /// One line per entry of `lines`, checked as `checked` says.
    void fill(const QStringList& lines, const std::vector<bool>& checked);
    std::vector<bool> checkedLines() const;

    QLabel* Label1;
    QListWidget* CheckListBox1;
    KindIcons icons;
};

/// "Select tabs to close": the ordinary and the mean-field results, each list with its
/// select-all box.
class TCloseAllTabsForm : public TFramedDialog {
    Q_OBJECT
public:
    explicit TCloseAllTabsForm(QWidget* parent = nullptr);

    /// Unchecks both select-all boxes and fills the two lists.
    void fill(const QStringList& ordinary, const QStringList& meanField);

    QLabel* Label1;
    QLabel* Label2;
    QListWidget* CheckListBoxInput;
    QCheckBox* checkSelectAllInput;
    QLabel* Label3;
    QLabel* Label4;
    QListWidget* CheckListBoxResult;
    QCheckBox* checkSelectAllResult;
    KindIcons icons;

private:
    TSelectAllBox* selectAllInput_;
    TSelectAllBox* selectAllResult_;
};

/// Whether the line at `row` of a check list is checked.
bool lineChecked(const QListWidget& list, int row);

} // namespace vintrel
