#include "levels/detail_forms.h"

#include "base/atomic_file.h"
#include "controls/data_export.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_label.h"
#include "controls/my_updown.h"
#include "levels/detail_texts.h"
#include "levels/eigenvector_table.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace vintrel {

TDetailForm::TDetailForm(const QString& caption, QSize clientSize, QSize minimumSize,
                         bool centreVertically, QWidget* parent)
    : TToolWindow(parent), FCentreVertically(centreVertically) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    FHeading = new TMyLabel(this);
    FHeading->SetFontColor(QColor(0x40, 0x40, 0x40));
    layout->addWidget(FHeading);
    FMemo = new QPlainTextEdit(this);
    FMemo->setFont(viewerFont(QStringLiteral("Courier New"), 9));
    FMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(FMemo, 1);
    setMinimumSize(minimumSize);
    resize(clientSize);
}

void TDetailForm::setHeading(const QString& heading) {
    FHeading->SetCaption(heading);
}

QString TDetailForm::heading() const {
    return FHeading->Caption();
}

void TDetailForm::clearMemo() {
    FMemo->clear();
}

void TDetailForm::appendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        FMemo->appendPlainText(QString::fromStdString(line));
    showFromStart();
}

void TDetailForm::appendLine(const QString& line) {
    FMemo->appendPlainText(line);
    showFromStart();
}

void TDetailForm::showFromStart() {
    // Appending leaves the memo at the end of its last line; it is read from the top left.
    FMemo->moveCursor(QTextCursor::Start);
    FMemo->ensureCursorVisible();
}

void TDetailForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    keepOnScreen();
}

void TDetailForm::keepOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->availableGeometry();
    const QRect g = geometry();
    const WindowFrame frame =
        vintrel::keepOnScreen({g.left() - s.left(), g.top() - s.top(), g.width(), g.height()},
                              s.width(), s.height(), FCentreVertically);
    const QRect wanted(frame.left + s.left(), frame.top + s.top(), frame.width, frame.height);
    if (wanted != g)
        setGeometry(wanted);
}

TEigenenergyForm::TEigenenergyForm(QWidget* parent)
    : TDetailForm(QStringLiteral(" details of eigenstates"), {584, 573}, {350, 350}, true, parent) {
}

void TEigenenergyForm::wczytajDane(const std::filesystem::path& folder, int n) {
    appendLines(readEigenenergyLines(folder, n));
}

TEigenVectorsForm::TEigenVectorsForm(QWidget* parent)
    : TDetailForm(QStringLiteral(" details of eigenfunctions"), {488, 454}, {400, 400}, false,
                  parent) {
    FTableRow = new QWidget(this);
    auto* row = new QHBoxLayout(FTableRow);
    row->setContentsMargins(0, 0, 0, 0);
    auto* weightLabel = new QLabel(QStringLiteral("table of components with weight ≥"), FTableRow);
    weightLabel->setFont(viewerFont());
    FWeight = new TMyUpDown(FTableRow);
    FWeight->SetMin(0);
    FWeight->SetMax(1);
    FWeight->SetChange(0.05);
    FWeight->SetFormat(QStringLiteral("0.00"));
    FWeight->SetPosition(0);
    FWeight->setFixedSize(60, 18);
    FExport = new QPushButton(QStringLiteral("Export table…"), FTableRow);
    FExport->setFont(viewerFont());
    FExport->setToolTip(QStringLiteral("Energies, expected values and components as CSV, LaTeX "
                                       "(booktabs) or Markdown, by the file's suffix"));
    row->addWidget(weightLabel);
    row->addWidget(FWeight);
    row->addStretch(1);
    row->addWidget(FExport);
    static_cast<QVBoxLayout*>(layout())->addWidget(FTableRow);
    FTableRow->hide();
    connect(FExport, &QPushButton::clicked, this, &TEigenVectorsForm::exportTable);
}

void TEigenVectorsForm::setTableSource(std::optional<ResultLocation> location,
                                       const QString& resultName) {
    FSource = std::move(location);
    FResultName = resultName;
    FTableRow->setVisible(FSource.has_value());
}

QString TEigenVectorsForm::writeTable(const QString& path) const {
    if (!FSource)
        return QStringLiteral("no eigenvector table for this page");
    try {
        const EigenvectorTable table = readEigenvectorTable(
            *FSource, FResultName.toStdString(), std::clamp(FWeight->Position(), 0.0, 1.0));
        const QString suffix = QFileInfo(path).suffix().toLower();
        const std::string text = suffix == QStringLiteral("tex") ? eigenvectorLatex(table)
                                 : suffix == QStringLiteral("md")
                                     ? eigenvectorMarkdown(table)
                                     : eigenvectorDataTable(table).toCsv();
        writeFileAtomically(path.toStdString(), text);
        rememberExportFolder(path);
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

void TEigenVectorsForm::exportTable() {
    const QString path = chooseExportFile(
        this, exportFileName(FResultName + QStringLiteral(" eigenvectors.tex")),
        QStringLiteral("Export eigenvector table"),
        QStringLiteral("LaTeX files (*.tex);;Markdown files (*.md);;CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QString error = writeTable(path);
    if (!error.isEmpty())
        showMessage(this, error);
}

void TEigenVectorsForm::wczytajDane(const std::filesystem::path& folder, int n) {
    appendLines(readEigenvectorLines(folder, n));
}

TScatteringForm::TScatteringForm(QWidget* parent)
    : TDetailForm(QStringLiteral(" details of scattering"), {488, 454}, {400, 400}, false, parent) {
}

void TScatteringForm::wczytajDane(const std::filesystem::path& folder, int n) {
    const auto lines = readScatteringLines(folder, n);
    clearMemo();
    appendLines(lines);
}

TNeutronsForm::TNeutronsForm(QWidget* parent)
    : TDetailForm(QStringLiteral(" probability of transitions in spectroscopy"), {492, 575},
                  {300, 300}, false, parent) {
    setHeading(QStringLiteral("Values of the matrix elements between eigenstates"));
    memo()->setReadOnly(true);
}

void TNeutronsForm::setTransitionText(const QString& text) {
    memo()->setPlainText(text);
}

} // namespace vintrel
