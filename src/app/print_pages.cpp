// Printing pages of the current result: the dialog of pages, the system's print dialog and one
// printed page per chosen page, each from the page's picture.
#include "app/print_pages.h"

#include "app/page_export.h"
#include "app/reader_form.h"
#include "controls/messages.h"
#include "controls/my_button.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace vintrel {

namespace {

TMyButton* wideButton(QWidget* parent, const QString& caption) {
    auto* button = new TMyButton(parent);
    loadGlyphSet(*button, QStringLiteral("button"));
    button->SetCaption(caption);
    button->SetTransparent(true);
    button->SetStretch(true);
    button->setFixedSize(110, 23);
    return button;
}

bool isResultKind(TKind kind) {
    return kind == TKind::tkResult || kind == TKind::tkDynamic;
}

/// What a failed print job is called in its message: the file or the printer.
QString printerLabel(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
}

} // namespace

QRect printedRect(const QSize& size, const QRect& area) {
    if (size.isEmpty() || area.isEmpty())
        return {};
    return QRect(area.topLeft(), size.scaled(area.size(), Qt::KeepAspectRatio));
}

TPrintTabsForm::TPrintTabsForm(QWidget* parent)
    : TFramedDialog(parent, QStringLiteral("set pages to print")) {
    Label1 = new QLabel(QStringLiteral("Select pages to print from result:"), this);
    LabelResultName = new QLabel(this);
    QFont bold = LabelResultName->font();
    bold.setBold(true);
    LabelResultName->setFont(bold);
    MyButtonOne = wideButton(this, QStringLiteral("current page only"));
    MyButtonAll = wideButton(this, QStringLiteral("all pages"));
    CheckListBox1 = new QListWidget(this);
    CheckListBox1->setMinimumSize(260, 220);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(MyButtonOne);
    buttons->addWidget(MyButtonAll);
    buttons->addStretch(1);
    content->addWidget(Label1);
    content->addWidget(LabelResultName);
    content->addLayout(buttons);
    content->addWidget(CheckListBox1, 1);
    connect(MyButtonOne, &TMyButton::OnClick, this, &TPrintTabsForm::MyButtonOneClick);
    connect(MyButtonAll, &TMyButton::OnClick, this, &TPrintTabsForm::MyButtonAllClick);
}

void TPrintTabsForm::fill(const QString& resultName, const QStringList& captions,
                          std::vector<int> tabs, int currentTab) {
    LabelResultName->setText(resultName);
    current = currentTab;
    tabs_ = std::move(tabs);
    CheckListBox1->clear();
    for (int k = 0; k < captions.size(); ++k) {
        auto* item = new QListWidgetItem(captions[k], CheckListBox1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(tabs_[std::size_t(k)] == current ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<int> TPrintTabsForm::checkedTabs() const {
    std::vector<int> checked;
    for (int k = 0; k < CheckListBox1->count(); ++k)
        if (CheckListBox1->item(k)->checkState() == Qt::Checked)
            checked.push_back(tabs_[std::size_t(k)]);
    return checked;
}

void TPrintTabsForm::MyButtonOneClick() {
    for (int k = 0; k < CheckListBox1->count(); ++k)
        CheckListBox1->item(k)->setCheckState(tabs_[std::size_t(k)] == current ? Qt::Checked
                                                                               : Qt::Unchecked);
}

void TPrintTabsForm::MyButtonAllClick() {
    for (int k = 0; k < CheckListBox1->count(); ++k)
        CheckListBox1->item(k)->setCheckState(Qt::Checked);
}

void TReaderForm::buildPrintCommand() {
    connect(MyButton_PRINT, &TMyButton::OnClick, this, &TReaderForm::MyButton_PRINTClick);
    connect(PrintMenu, &QAction::triggered, this, &TReaderForm::MyButton_PRINTClick);
    setupPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    updatePrintCommand();
}

void TReaderForm::updatePrintCommand() {
    const TSuperTabs& strip = *MyReaderPanel->Zakladki;
    const TTab* active = strip.Tabs(strip.ActiveTab());
    const bool current = active && isResultKind(active->Kind()) && !currentResultFolder.isEmpty();
    MyButton_PRINT->setEnabled(current);
    PrintMenu->setEnabled(current);
}

void TReaderForm::MyButton_PRINTClick() {
    TMyReaderPanel2& panel = *MyReaderPanel;
    TSuperTabs& pages = *panel.Zakladki_Results;
    const TTab* result = panel.Zakladki->Tabs(panel.Zakladki->ActiveTab());
    if (!result || !isResultKind(result->Kind()) || currentResultFolder.isEmpty())
        return;

    // Only the pages of the result's own kind: the others would show another result.
    const TKind pageKind = pageTabKind(result->Kind());
    std::vector<int> tabs;
    QStringList captions;
    for (int i = 0; i < pages.TabCount(); ++i)
        if (pages.Tabs(i)->Kind() == pageKind) {
            tabs.push_back(i);
            captions << pages.Tabs(i)->TabName();
        }
    TPrintTabsForm form(this);
    form.fill(result->TabName(), captions, std::move(tabs), pages.ActiveTab());

    if (form.exec() == QDialog::Accepted) {
        QPrinter printer(QPrinter::HighResolution);
        if (setupPrinter(printer)) {
            QPainter painter;
            bool started = false;
            bool failed = false;
            for (const int tab : form.checkedTabs()) {
                pages.Tabs(tab)->setVisible(true);
                pages.SetCurrentTab(tab, -1);
                Zakladki_ResultsClick(&pages, Qt::LeftButton);
                const QPixmap picture = pagePicture(*this);
                if (!started) {
                    started = painter.begin(&printer);
                    failed = !started;
                    if (started) {
                        painter.setRenderHint(QPainter::LosslessImageRendering);
                        painter.setRenderHint(QPainter::SmoothPixmapTransform);
                    }
                } else {
                    failed = !printer.newPage();
                }
                if (failed)
                    break;
                painter.drawPixmap(printedRect(picture.size(), painter.viewport()), picture);
            }
            if (started && !painter.end())
                failed = true;
            if (failed)
                showMessage(this, QStringLiteral("Cannot print:\r") + printerLabel(printer));
        }
    }
    if (TTab* tab = pages.Tabs(form.current)) {
        tab->setVisible(true);
        pages.SetCurrentTab(form.current, -1);
        Zakladki_ResultsClick(&pages, Qt::LeftButton);
    }
}

} // namespace vintrel
