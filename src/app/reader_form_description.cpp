#include "app/reader_form.h"

#include "controls/my_button.h"

namespace vintrel {

void TReaderForm::descriptionEdited() {
    MyButtonSave->setEnabled(true);
    MyButton_saveALL->setEnabled(true);
    TSuperTabs& strip = *MyReaderPanel->Zakladki;
    if (TTab* tab = strip.Tabs(strip.ActiveTab());
        tab && (tab->Kind() == TKind::tkResult || tab->Kind() == TKind::tkDynamic))
        tab->setSaved(false);
}

} // namespace vintrel
