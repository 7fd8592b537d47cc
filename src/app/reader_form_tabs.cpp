#include "app/reader_form.h"

#include "controls/messages.h"
#include "controls/my_button.h"
#include "resultdata/input_files.h"
#include "resultdata/result_variables.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QWheelEvent>

namespace vintrel {

namespace {

bool isResult(TKind kind) {
    return kind == TKind::tkResult || kind == TKind::tkDynamic;
}

/// "Result0" + number below 10, "Result" + number otherwise.
QString madeUpName(int number) {
    return number < 10 ? QStringLiteral("Result0%1").arg(number)
                       : QStringLiteral("Result%1").arg(number);
}

bool nameTaken(const TSuperTabs& strip, const QString& name) {
    for (int i = 0; i < strip.TabCount(); ++i)
        if (strip.Tabs(i)->TabName() == name)
            return true;
    return false;
}

} // namespace

void TReaderForm::ShowResults(const QString& tabName, const QString& fileName, TKind kind,
                              const QString& description) {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    int index = -1;
    if (!tabName.isEmpty()) {
        index = strip.AddTab(tabName, currentResultFolder, kind, QString(), description, fileName);
    } else {
        int number = currentResultFolder.right(2).toInt();
        while (number < 1000 && nameTaken(strip, madeUpName(number)))
            ++number;
        if (number >= 1000)
            return;
        index = strip.AddTab(madeUpName(number), currentResultFolder, kind, QString(), QString(),
                             QString());
    }
    strip.Tabs(index)->setSaved(!tabName.isEmpty());

    strip.SetCurrentTab(index, -1);
    panel.Content->AddPage();
    panel.placeResultPages(index);
    panel.Content_Results->show();
    ZakladkiClick(&strip, Qt::LeftButton);
    panel.resultAdded(kind, index);

    TSuperTabs& pages = *panel.Zakladki_Results;
    panel.defaultActiveTab = firstPage(kind);
    // The strip and the memory of the page last chosen for the kind agree from here on.
    (kind == TKind::tkResult ? panel.actResInput : panel.actResOutput) = panel.defaultActiveTab;
    showPageStrip(true);
    strip.SetCurrentTab(index, -1);
    panel.Content->ShowOnly(index);
    const int pageTab = panel.tabIndexOf(panel.defaultActiveTab);
    pages.SetCurrentTab(pageTab, -1);
    panel.Content_Results->ShowOnly(pageTab);
    MyButton_CloseAll->setEnabled(true);
    SaveAsMenu->setEnabled(true);
    show();
}

void TReaderForm::ZakladkiClick(TSuperTabs*, Qt::MouseButton Button) {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    if (Button == Qt::LeftButton && strip.VisTabCount() > 0) {
        panel.hideCompanions();
        if (TTab* tab = strip.Tabs(strip.ActiveTab()); tab && isResult(tab->Kind()))
            resultTabChosen(*tab);
        lastClickOnPages = false;
        panel.Content->ShowOnly(strip.ActiveTab());
        Zakladki_ResultsClick(panel.Zakladki_Results, Qt::LeftButton);
        lastClickOnPages = false;
    } else if (Button == Qt::RightButton) {
        const TTab* active = strip.Tabs(strip.ActiveTab());
        const bool result = active && isResult(active->Kind());
        RenameTab1->setEnabled(result);
        DeleteTab1->setEnabled(result);
        HideTab1->setEnabled(!active || active->Kind() != TKind::tkOther);
        lastClickOnPages = false;
        PopupMenu1->popup(QCursor::pos());
    }
    const TTab* active = strip.Tabs(strip.ActiveTab());
    if (!active || !isResult(active->Kind()))
        showPageStrip(false);
    updatePrintCommand();
}

void TReaderForm::resultTabChosen(TTab& tab) {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& pages = *panel.Zakladki_Results;
    const bool ordinary = tab.Kind() == TKind::tkResult;
    pages.HideTabsType(kindBit(ordinary ? TKind::tkDynamic : TKind::tkControl));
    pages.SetVisibleTab0();
    pages.SetCurrentTab(panel.tabIndexOf(ordinary ? panel.actResInput : panel.actResOutput), -1);
    MyButton_PRINT->setEnabled(true);
    MyButtonSave->setEnabled(!tab.Saved());

    currentResultFolder = tab.ResDir();
    loadCurrentInputs();
    panel.companionsResultChanged();
    showFileLabels(tab);
    loadCurrentInputs();

    const int resultTab = panel.Zakladki->ActiveTab();
    const PageId shown = panel.pageAt(pages.ActiveTab());
    if (ordinary)
        panel.refreshOrdinaryPages(resultTab, shown);
    panel.placeResultPages(resultTab);
    showPageStrip(true);
    if (ordinary)
        panel.ordinaryPagesShown(resultTab, shown);
    else
        panel.refreshMeanFieldPages(resultTab, shown);
}

void TReaderForm::loadCurrentInputs() {
    const ResultLocation location{folders_.workingRoot, currentResultFolder.toStdString(),
                                  folders_.dataFolder};
    runGuarded(this, [&] { loadResultInputs(location); });
}

void TReaderForm::showPageStrip(bool shown) {
    MyReaderPanel->Content_Results->setVisible(shown);
}

PageId TReaderForm::shownPage() const {
    const TTab* active = MyReaderPanel->Zakladki->Tabs(MyReaderPanel->Zakladki->ActiveTab());
    if (!active || !isResult(active->Kind()) || !MyReaderPanel->Content_Results->isVisible())
        return PageId::None;
    const PageId page = MyReaderPanel->pageAt(MyReaderPanel->Zakladki_Results->ActiveTab());
    // Only a page of the current result's kind can be on show.
    return isPage(page) && pageRow(page).resultKind == active->Kind() ? page : PageId::None;
}

void TReaderForm::Zakladki_ResultsClick(TSuperTabs*, Qt::MouseButton Button) {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& pages = *panel.Zakladki_Results;
    if (pages.TabCount() > 0) {
        panel.hideCompanions();
        const int pageTab = pages.ActiveTab();
        const PageId page = panel.pageAt(pageTab);
        const int resultTab = panel.Zakladki->ActiveTab();
        const TTab* result = panel.Zakladki->Tabs(resultTab);
        if (result && result->Kind() == TKind::tkResult)
            panel.actResInput = page;
        else if (result && result->Kind() == TKind::tkDynamic)
            panel.actResOutput = page;
        if (result && isResult(result->Kind())) {
            panel.loadWhenShown(page, resultTab);
            if (TResultPage* form = panel.pageForm(page))
                form->pageShown({result->Kind(), resultTab, true, false});
        }
        panel.Content_Results->ShowOnly(pageTab);
    }
    RenameTab1->setEnabled(false);
    DeleteTab1->setEnabled(false);
    HideTab1->setEnabled(true);
    lastClickOnPages = true;
    if (Button == Qt::RightButton)
        PopupMenu1->popup(QCursor::pos());
}

void TReaderForm::HideTab1Click() {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = lastClickOnPages ? *panel.Zakladki_Results : *panel.Zakladki;
    TContent& stack = lastClickOnPages ? *panel.Content_Results : *panel.Content;
    TTab* tab = strip.Tabs(strip.SelectedTab());
    if (!tab)
        return;
    tab->setVisible(false);
    stack.ShowOnly(-1);
    if (const TTab* active = strip.Tabs(strip.ActiveTab()); !active || !active->Visible()) {
        int next = strip.TabCount() - 1;
        for (int i = 0; i + 1 < strip.TabCount(); ++i)
            if (strip.Tabs(i)->Visible()) {
                next = i;
                break;
            }
        strip.SetCurrentTab(next, -1);
    }
    if (&strip == panel.Zakladki) {
        // The tab now active becomes current, with its pages (or the start panel).
        ZakladkiClick(&strip, Qt::LeftButton);
    } else if (const TTab* active = strip.Tabs(strip.ActiveTab()); active && active->Visible()) {
        Zakladki_ResultsClick(&strip, Qt::LeftButton);
    }
    strip.update();
}

void TReaderForm::HideTabMenuClick() {
    lastClickOnPages = false;
    MyReaderPanel->Zakladki->setSelectedTab(MyReaderPanel->Zakladki->ActiveTab());
    HideTab1Click();
}

void TReaderForm::DeleteTab1Click() {
    if (lastClickOnPages)
        return;
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& strip = *panel.Zakladki;
    const int index = strip.SelectedTab();
    TTab* tab = strip.Tabs(index);
    if (!tab || !isResult(tab->Kind()))
        return;
    int next = panel.startTabIndex();
    for (int i = index - 1; i >= 0; --i)
        if (strip.Tabs(i)->Visible()) {
            next = i;
            break;
        }
    strip.SetCurrentTab(next, -1);
    currentResultFolder.clear();
    showPageStrip(false);
    panel.Content->show();
    ZakladkiClick(&strip, Qt::LeftButton);
    removeResultTab(index);
}

void TReaderForm::DeleteTabMenuClick() {
    lastClickOnPages = false;
    MyReaderPanel->Zakladki->setSelectedTab(MyReaderPanel->Zakladki->ActiveTab());
    DeleteTab1Click();
}

void TReaderForm::AboutVintrel1Click() {
    TSuperTabs& strip = *MyReaderPanel->Zakladki;
    const int start = MyReaderPanel->startTabIndex();
    strip.Tabs(start)->setVisible(true);
    strip.SetCurrentTab(start, 0);
    ZakladkiClick(&strip, Qt::LeftButton);
}

void TReaderForm::przelaczNaParametryResult() {
    TSuperTabs& pages = *MyReaderPanel->Zakladki_Results;
    const int parameters = MyReaderPanel->tabIndexOf(PageId::Parameters);
    if (parameters < 0)
        return;
    pages.Tabs(parameters)->setVisible(true);
    pages.SetCurrentTab(parameters, -1);
    Zakladki_ResultsClick(&pages, Qt::LeftButton);
}

bool TReaderForm::routeWheel(QWheelEvent* event) {
    const PageId page = shownPage();
    TResultPage* form = pageHas(page, kTakesWheel) ? MyReaderPanel->pageForm(page) : nullptr;
    return form && form->wheel(event);
}

void TReaderForm::WMWindowPosChanged() {
    const PageId page = shownPage();
    if (pageHas(page, kDrawsMiniParam))
        if (TResultPage* form = MyReaderPanel->pageForm(page))
            form->windowMoved();
}

bool TReaderForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        routeWheel(static_cast<QWheelEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TReaderForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    WMWindowPosChanged();
}

void TReaderForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    WMWindowPosChanged();
}

void TReaderForm::WMOpenFile(const QString& path) {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (!path.isEmpty())
        openDataFile(path);
}

} // namespace vintrel
