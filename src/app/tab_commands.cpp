// The main window's tab commands that go through a dialog: rename, visible tabs, close tabs.
#include "app/reader_form.h"

#include "app/tab_dialogs.h"
#include "base/working_folders.h"
#include "controls/my_button.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vintrel {

namespace {

bool isResultKind(TKind kind) {
    return kind == TKind::tkResult || kind == TKind::tkDynamic;
}

/// The first visible tab among all but the last; the last when there is none.
int firstVisibleTab(const TSuperTabs& strip) {
    for (int i = 0; i + 1 < strip.TabCount(); ++i)
        if (strip.Tabs(i)->Visible())
            return i;
    return strip.TabCount() - 1;
}

} // namespace

void TReaderForm::buildTabDialogs() {
    RenameTabForm = new TRenameTabForm(this);
    VisibleTabsForm = new TVisibleTabsForm(this);
    CloseAllTabsForm = new TCloseAllTabsForm(this);
    connect(RenameTab1, &QAction::triggered, this, &TReaderForm::RenameTab1Click);
    connect(RenameTabMenu, &QAction::triggered, this, &TReaderForm::RenameTabMenuClick);
    connect(VisibleTabs1, &QAction::triggered, this, &TReaderForm::MyButton_TABSClick);
    connect(VisibleTabsMenu, &QAction::triggered, this, &TReaderForm::MyButton_TABSClick);
    connect(MyButton_TABS, &TMyButton::OnClick, this, &TReaderForm::MyButton_TABSClick);
    connect(MyButton_CloseAll, &TMyButton::OnClick, this, &TReaderForm::MyButton_CloseAllClick);
}

void TReaderForm::RenameTab1Click() {
    TSuperTabs& strip =
        lastClickOnPages ? *MyReaderPanel->Zakladki_Results : *MyReaderPanel->Zakladki;
    const int index = strip.SelectedTab();
    TTab* tab = strip.Tabs(index);
    if (!tab)
        return;
    TRenameTabForm& form = *RenameTabForm;
    form.Edit1->setText(tab->TabName());
    form.Label1->hide();
    QString name;
    for (;;) {
        if (form.exec() != QDialog::Accepted)
            return;
        name = form.Edit1->text();
        bool clash = false;
        for (int i = 0; i < strip.TabCount() && !clash; ++i)
            clash = i != index && strip.Tabs(i)->TabName() == name;
        if (!clash)
            break;
        form.Label1->show();
        form.Edit1->selectAll();
    }
    form.Label1->hide();
    tab->setTabName(name);
    strip.update();
}

void TReaderForm::RenameTabMenuClick() {
    TSuperTabs& strip = *MyReaderPanel->Zakladki;
    const TTab* active = strip.Tabs(strip.ActiveTab());
    if (!active || !isResultKind(active->Kind()))
        return;
    lastClickOnPages = false;
    strip.setSelectedTab(strip.ActiveTab());
    RenameTab1Click();
}

void TReaderForm::MyButton_TABSClick() {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    std::vector<int> listed;
    QStringList lines;
    std::vector<bool> visible;
    for (int i = 0; i < strip.TabCount(); ++i) {
        const TTab* tab = strip.Tabs(i);
        if (tab->Kind() == TKind::tkToDo)
            continue;
        listed.push_back(i);
        lines << kindLine(tab->Kind(), tab->TabName());
        visible.push_back(tab->Visible());
    }
    VisibleTabsForm->fill(lines, visible);
    if (VisibleTabsForm->exec() != QDialog::Accepted)
        return;
    const std::vector<bool> checked = VisibleTabsForm->checkedLines();
    for (std::size_t k = 0; k < listed.size(); ++k)
        strip.Tabs(listed[k])->setVisible(checked[k]);
    panel.Content->ShowOnly(-1);
    const TTab* active = strip.Tabs(strip.ActiveTab());
    if (!active || !active->Visible()) {
        // Another tab takes over: it becomes current with its pages, as after Hide Tab.
        strip.SetCurrentTab(firstVisibleTab(strip), -1);
        ZakladkiClick(&strip, Qt::LeftButton);
        strip.update();
        return;
    }
    panel.Content->ShowOnly(strip.ActiveTab());
    strip.update();
    showPageStrip(active->Kind() == TKind::tkResult);
}

void TReaderForm::MyButton_CloseAllClick() {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    QStringList ordinary;
    QStringList meanField;
    for (int i = 0; i < strip.TabCount(); ++i) {
        const TTab* tab = strip.Tabs(i);
        if (tab->Kind() == TKind::tkResult)
            ordinary << tab->TabName();
        else if (tab->Kind() == TKind::tkDynamic)
            meanField << tab->TabName();
    }
    TCloseAllTabsForm& form = *CloseAllTabsForm;
    form.fill(ordinary, meanField);
    if (form.exec() != QDialog::Accepted)
        return;
    // From the last tab to the first, each tab meets its own line at the end of its list.
    int nextOrdinary = int(ordinary.size());
    int nextMeanField = int(meanField.size());
    bool resultStays = false;
    for (int i = strip.TabCount() - 1; i >= 0; --i) {
        const TKind kind = strip.Tabs(i)->Kind();
        bool close = false;
        if (kind == TKind::tkResult)
            close = lineChecked(*form.CheckListBoxInput, --nextOrdinary);
        else if (kind == TKind::tkDynamic)
            close = lineChecked(*form.CheckListBoxResult, --nextMeanField);
        else
            continue;
        if (close) {
            currentResultFolder.clear();
            DeleteTab(i);
        } else {
            resultStays = true;
        }
    }
    if (!resultStays) {
        MyButtonSave->setEnabled(false);
        MyButton_saveALL->setEnabled(false);
        SaveAsMenu->setEnabled(false);
        MyButton_export->setEnabled(false);
    }
    // The start tab comes back even when it was hidden, so that the window shows something.
    const int start = panel.startTabIndex();
    strip.Tabs(start)->setVisible(true);
    strip.SetCurrentTab(start, 0);
    ZakladkiClick(&strip, Qt::LeftButton);
}

void TReaderForm::DeleteTab(int index) {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    if (!strip.Tabs(index))
        return;
    if (strip.ActiveTab() == index) {
        int next = panel.startTabIndex();
        for (int i = index - 1; i >= 0; --i)
            if (strip.Tabs(i)->Visible()) {
                next = i;
                break;
            }
        strip.SetCurrentTab(next, -1);
    }
    currentResultFolder.clear();
    showPageStrip(false);
    panel.Content->show();
    removeResultTab(index);
}

void TReaderForm::removeResultTab(int index) {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    const QString folder = strip.Tabs(index)->ResDir();
    if (!folder.isEmpty())
        removeFolderTree(folders_.workingRoot / folder.toStdString());
    // The page strip must not go down with the page that held it.
    if (panel.Content_Results->parentWidget() == panel.Content->Pages[std::size_t(index)]) {
        panel.Content_Results->hide();
        panel.Content_Results->setParent(&panel);
    }
    strip.RemoveTab(index);
    panel.Content->RemovePage(index);
    panel.Content->ShowOnly(strip.ActiveTab());
    panel.forgetResult(folder);
}

} // namespace vintrel
