#include "app/reader_form.h"

#include "app/result_pages.h"
#include "app/start_panel.h"
#include "app/wizard_form.h"
#include "containers/import_dialogs.h"
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/pictures.h"
#include "controls/theme.h"
#include "resultdata/result_variables.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kToolbarHeight = 33;
const QColor kPanelColour(224, 223, 227); // 14933984

/// The toolbar strip: its background picture stretched over it.
class TBelkaPanel : public QWidget {
public:
    explicit TBelkaPanel(QWidget* parent)
        : QWidget(parent), Image2(loadPicture(QStringLiteral("toolbar_back.bmp"))) {
        setFixedHeight(kToolbarHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (Image2.isNull())
            painter.fillRect(rect(), theme::kPageBackground);
        else
            painter.drawPixmap(rect(), Image2);
    }

private:
    QPixmap Image2;
};

QLabel* toolbarLabel(QWidget* parent, const QString& text, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setFont(viewerFont(QStringLiteral("Tahoma"), 8, bold));
    return label;
}

} // namespace

TReaderForm::TReaderForm(ViewerFolders folders, QWidget* parent)
    : QMainWindow(parent), folders_(std::move(folders)) {
    setWindowTitle(QStringLiteral("Vintrel v1.2 (20.01.17), 32-bit"));
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BelkaPanel = new TBelkaPanel(client);
    column->addWidget(BelkaPanel);
    buildToolbar();

    Panel1 = new TStartPanel;
    MyReaderPanel = new TMyReaderPanel2(client, Panel1);
    QPalette palette = MyReaderPanel->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    MyReaderPanel->setPalette(palette);
    column->addWidget(MyReaderPanel, 1);
    setCentralWidget(client);

    LoadPickForm = new TLoadPickForm(this);
    LoadingResultsForm = new TLoadingResultsForm(this);
    buildMenus();
    buildPopupMenu();
    buildSaveCommands();
    buildTabDialogs();
    buildPrintCommand();

    connect(MyReaderPanel->Zakladki, &TSuperTabs::OnClick, this,
            [this](TSuperTabs* sender, Qt::MouseButton button) { ZakladkiClick(sender, button); });
    connect(MyReaderPanel->Zakladki_Results, &TSuperTabs::OnClick, this,
            [this](TSuperTabs* sender, Qt::MouseButton button) {
                Zakladki_ResultsClick(sender, button);
            });
    connect(Panel1->ButtonLoad, &TMyButton::OnClick, this, &TReaderForm::ButtonLoadClick);
    connect(Panel1->ButtonClose, &TMyButton::OnClick, this, &QWidget::close);
    WizardForm = new TWizardForm(QString::fromStdString(folders_.dataFolder.string()), this);
    connect(Panel1->ButtonHelp, &TMyButton::OnClick, this, &TReaderForm::MyButtonWizardClick);
    connect(MyButtonWizard, &TMyButton::OnClick, this, &TReaderForm::MyButtonWizardClick);
    connect(HelpIndex, &QAction::triggered, this, &TReaderForm::MyButtonWizardClick);
    connect(MyButton_Open, &TMyButton::OnClick, this, &TReaderForm::ButtonLoadClick);

    sharedVariables().siconf = "3d^1";
    registerResultPages(
        *MyReaderPanel,
        {[this] {
             return ResultLocation{folders_.workingRoot, currentResultFolder.toStdString(),
                                   folders_.dataFolder};
         },
         [this] { przelaczNaParametryResult(); }, this, [this] { descriptionEdited(); }});
    qApp->installEventFilter(this);
}

TReaderForm::~TReaderForm() {
    qApp->removeEventFilter(this);
}

TMyButton* TReaderForm::toolButton(const QString& picture, const QString& hint, bool enabled) {
    auto* button = new TMyButton(BelkaPanel);
    loadGlyphSet(*button, QStringLiteral("toolbar_") + picture);
    button->SetTransparent(true);
    button->resize(30, 27);
    button->setToolTip(hint);
    button->setEnabled(enabled);
    return button;
}

void TReaderForm::buildToolbar() {
    MyButton_Open = toolButton(QStringLiteral("open"), QStringLiteral("Open"), true);
    MyButtonSave = toolButton(QStringLiteral("save"), QStringLiteral("Save as"), false);
    MyButton_saveALL = toolButton(QStringLiteral("saveall"), QStringLiteral("Save all"), false);
    MyButton_PRINT = toolButton(QStringLiteral("print"), QStringLiteral("Print"), false);
    MyButton_settings =
        toolButton(QStringLiteral("settings"), QStringLiteral("Preferences"), false);
    MyButton_TABS = toolButton(QStringLiteral("tabs"), QStringLiteral("Visible Tabs..."), true);
    MyButton_CloseAll = toolButton(QStringLiteral("closeall"),
                                   QStringLiteral("Close selected input/result tabs"), false);
    MyButtonWizard = toolButton(QStringLiteral("help"), QStringLiteral("Help"), true);
    MyButton_export = toolButton(QStringLiteral("save"), QStringLiteral("Export"), false);
    MyButton_RUN = toolButton(QStringLiteral("open"), QStringLiteral("Start Calculations"), false);
    MyButton_export->hide();
    MyButton_RUN->hide();

    // Groups: files, output, window; a small gap between groups.
    int x = 6;
    const auto place = [&](TMyButton* button, int gapAfter) {
        button->move(x, 3);
        x += button->width() + 2 + gapAfter;
    };
    place(MyButton_Open, 0);
    place(MyButtonSave, 0);
    place(MyButton_saveALL, 10);
    place(MyButton_PRINT, 0);
    place(MyButton_settings, 10);
    place(MyButton_TABS, 0);
    place(MyButton_CloseAll, 10);
    place(MyButtonWizard, 24);

    Label9 = toolbarLabel(BelkaPanel, QStringLiteral("File name:"), false);
    Label9->move(x, 9);
    Label9->adjustSize();
    x += Label9->width() + 6;
    LabelFileName = toolbarLabel(BelkaPanel, QStringLiteral("(no file loaded)"), true);
    LabelFileName->move(x, 9);
    LabelFileName->adjustSize();
    Label10 = toolbarLabel(BelkaPanel, QStringLiteral("Description:"), false);
    LabelFileDescrEdit = new QLineEdit(BelkaPanel);
    LabelFileDescrEdit->setReadOnly(true);
    LabelFileDescrEdit->setFrame(false);
    LabelFileDescrEdit->setFont(viewerFont());
    QPalette palette = LabelFileDescrEdit->palette();
    palette.setColor(QPalette::Base, theme::kPageBackground);
    LabelFileDescrEdit->setPalette(palette);
    LabelFileDescrEdit->setFixedHeight(18);
    Label10->adjustSize();
    showFileLabels(TTab(nullptr));
}

void TReaderForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    QAction* open = file->addAction(QStringLiteral("Open"), this, &TReaderForm::ButtonLoadClick);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveAsMenu = file->addAction(QStringLiteral("Save As..."));
    SaveAsMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAllMenu = file->addAction(QStringLiteral("Save All"));
    PrintMenu = file->addAction(QStringLiteral("Print"));
    PrintMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"), this, &QWidget::close)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* tabs = menuBar()->addMenu(QStringLiteral("Tabs"));
    RenameTabMenu = tabs->addAction(QStringLiteral("Rename Tab"));
    tabs->addAction(QStringLiteral("Hide Tab"), this, &TReaderForm::HideTabMenuClick);
    tabs->addAction(QStringLiteral("Delete Tab"), this, &TReaderForm::DeleteTabMenuClick);
    tabs->addSeparator();
    VisibleTabsMenu = tabs->addAction(QStringLiteral("Visible Tabs..."));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    HelpIndex = help->addAction(QStringLiteral("Index"));
    HelpIndex->setShortcut(QKeySequence(Qt::Key_F1));
    AboutVintrel1 =
        help->addAction(QStringLiteral("About Vintrel"), this, &TReaderForm::AboutVintrel1Click);
}

void TReaderForm::MyButtonWizardClick() {
    WizardForm->ShowAndFocusBrowser();
}

void TReaderForm::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    RenameTab1 = PopupMenu1->addAction(QStringLiteral("Rename Tab"));
    HideTab1 = PopupMenu1->addAction(QStringLiteral("Hide Tab"), this, &TReaderForm::HideTab1Click);
    DeleteTab1 =
        PopupMenu1->addAction(QStringLiteral("Delete Tab"), this, &TReaderForm::DeleteTab1Click);
    PopupMenu1->addSeparator();
    VisibleTabs1 = PopupMenu1->addAction(QStringLiteral("Visible Tabs..."));
}

void TReaderForm::showFileLabels(const TTab& tab) {
    LabelFileName->setText(tab.FileName().isEmpty() ? QStringLiteral("(no file loaded)")
                                                    : tab.FileName());
    LabelFileName->adjustSize();
    int x = LabelFileName->x() + LabelFileName->width() + 18;
    Label10->move(x, 9);
    x += Label10->width() + 6;
    LabelFileDescrEdit->setText(tab.FileDescr());
    LabelFileDescrEdit->setToolTip(tab.FileDescr());
    const int textWidth = LabelFileDescrEdit->fontMetrics().horizontalAdvance(tab.FileDescr()) + 10;
    LabelFileDescrEdit->setGeometry(x, 7, textWidth, 18);
    LabelFileDescrEdit->setVisible(!tab.FileDescr().isEmpty());
}

void TReaderForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        Panel1->ButtonLoad->isVisible())
        Panel1->ButtonLoad->setFocus();
    QMainWindow::changeEvent(event);
}

} // namespace vintrel
