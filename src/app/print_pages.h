#pragma once

#include "controls/dialog_frame.h"

#include <QPixmap>
#include <QRect>

#include <vector>

class QLabel;
class QListWidget;
class QPainter;

namespace vintrel {

/// "set pages to print": which pages of the current result go to the printer.
class TPrintTabsForm : public TFramedDialog {
    Q_OBJECT
public:
    explicit TPrintTabsForm(QWidget* parent = nullptr);

    /// One line per page tab: `captions[k]` is the caption of page tab `tabs[k]`; only the line
    /// of page tab `currentTab` is checked.
    void fill(const QString& resultName, const QStringList& captions, std::vector<int> tabs,
              int currentTab);
    /// The page tabs of the checked lines, in list order.
    std::vector<int> checkedTabs() const;

    void MyButtonOneClick();
    void MyButtonAllClick();

    QLabel* Label1;
    QLabel* LabelResultName;
    TMyButton* MyButtonOne;
    TMyButton* MyButtonAll;
    QListWidget* CheckListBox1;
    /// The page tab that was current when the dialog opened.
    int current = -1;

private:
    std::vector<int> tabs_;
};

/// Where a picture of `size` is drawn on a printed page whose printable area is `area`: as
/// large as fits, its proportions kept, at the area's top left corner.
QRect printedRect(const QSize& size, const QRect& area);

} // namespace vintrel
