// The main window's save commands: which result tabs "Save as" and "Save all" hand to the save
// dialog.
#include "app/reader_form.h"

#include "containers/save_dialogs.h"
#include "controls/messages.h"
#include "controls/my_button.h"

#include <QAction>

namespace vintrel {

void TReaderForm::buildSaveCommands() {
    SavePickForm = new TSavePickForm(this);
    connect(MyButtonSave, &TMyButton::OnClick, this, &TReaderForm::MyButtonSaveClick);
    connect(MyButton_saveALL, &TMyButton::OnClick, this, &TReaderForm::MyButton_saveALLClick);
    connect(SaveAsMenu, &QAction::triggered, this, &TReaderForm::MyButtonSaveClick);
    connect(SaveAllMenu, &QAction::triggered, this, &TReaderForm::MyButton_saveALLClick);
}

void TReaderForm::MyButtonSaveClick() {
    const TSuperTabs& strip = *MyReaderPanel->Zakladki;
    const TTab* active = strip.Tabs(strip.ActiveTab());
    if (!active)
        return;
    std::vector<const TTab*> tabs;
    for (int i = 0; i < strip.TabCount(); ++i) {
        const TTab* tab = strip.Tabs(i);
        const bool result = tab->Kind() == TKind::tkResult || tab->Kind() == TKind::tkDynamic;
        if (result && tab->Kind() == active->Kind() && tab->FileName() == active->FileName())
            tabs.push_back(tab);
    }
    saveTabs(tabs, active->Kind() == TKind::tkDynamic);
}

void TReaderForm::MyButton_saveALLClick() {
    const TSuperTabs& strip = *MyReaderPanel->Zakladki;
    std::vector<const TTab*> tabs;
    for (int i = 0; i < strip.TabCount(); ++i)
        if (strip.Tabs(i)->Kind() == TKind::tkResult)
            tabs.push_back(strip.Tabs(i));
    saveTabs(tabs, false);
}

void TReaderForm::saveTabs(const std::vector<const TTab*>& tabs, bool meanField) {
    QStringList names;
    QStringList folders;
    QString description;
    for (const TTab* tab : tabs) {
        names << tab->TabName();
        folders << tab->ResDir();
        if (!tab->FileDescr().isEmpty())
            description = tab->FileDescr();
    }
    QWidget& pages = *MyReaderPanel->Content_Results;
    const bool pagesShown = !pages.isHidden();
    pages.hide();
    runGuarded(this, [&] {
        saveResultsDialog(*SavePickForm, names, folders, meanField, description,
                          folders_.workingRoot);
    });
    pages.setVisible(pagesShown);
}

} // namespace vintrel
