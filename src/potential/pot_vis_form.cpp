// The potential pages: loading, the refresh and the controls' actions.
#include "potential/pot_vis_form.h"

#include "base/binary_file.h"
#include "base/number_pattern.h"
#include "base/number_text.h"
#include "controls/data_export.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_updown.h"
#include "controls/theme.h"
#include "graphs/range_editor.h"
#include "graphs/side_panel.h"
#include "potential/gl_panel.h"
#include "potential/palette_strip.h"
#include "potential/palettes.h"
#include "potential/potential_data.h"
#include "resultdata/result_variables.h"
#include "tabs/reader_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace vintrel {

namespace {

std::optional<colorMap> paletteOfImage(const QImage& picture) {
    if (picture.isNull())
        return std::nullopt;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    RgbImage image;
    image.width = rgb.width();
    image.height = rgb.height();
    image.rgb.reserve(static_cast<std::size_t>(image.width * image.height * 3));
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        image.rgb.insert(image.rgb.end(), row, row + 3 * rgb.width());
    }
    return colorMapFromImage(image);
}

} // namespace

std::filesystem::path TPotVisForm::folder() const {
    return FLocation.folder();
}

void TPotVisForm::tell(const QString& text) {
    showMessage(FHost.mainWindow ? FHost.mainWindow : Panel1, text);
}

void TPotVisForm::wczytajDane(const PageContext&) {
    FLocation = FHost.currentResult ? FHost.currentResult() : ResultLocation{};
    FMemoryRange.reset();
    if (!FFreeMode)
        loadRows(sharedVariables());
    resultLoaded(folder());
    // Another result: its potential at once, never the previous one beside its coefficients.
    readAndVis();
}

void TPotVisForm::loadRows(const TVariables& vars) {
    FLoading = true;
    for (int i = 1; i <= 27; ++i) {
        rowEdit(i)->setText(
            QString::fromStdString(coefficientText(vars.wsp_A[static_cast<std::size_t>(i - 1)])));
        // Long numbers show their leading digits.
        rowEdit(i)->setCursorPosition(0);
    }
    FLoading = false;
}

std::array<std::string, 27> TPotVisForm::rowTexts() const {
    std::array<std::string, 27> texts;
    for (int i = 1; i <= 27; ++i)
        texts[static_cast<std::size_t>(i - 1)] = rowEdit(i)->text().toStdString();
    return texts;
}

bool TPotVisForm::readAndVis() {
    CoefficientList c;
    try {
        c = coefficientsFromTexts(rowTexts());
    } catch (const std::exception& error) {
        stopStepRepeat();
        tell(QString::fromStdString(error.what()));
        return false;
    }
    // Rows whose panel is hidden count as 0 (every row is shown on these pages).
    for (std::size_t i = 0; i < c.size(); ++i)
        if (panelsB[i]->isHidden())
            c[i] = 0;
    FShown = c;
    FField.setCoefficients(c);
    if (FMemoryRange) {
        FRange = *FMemoryRange;
    } else if (folder().empty()) {
        FRange = FField.computedRange();
    } else {
        try {
            FRange = potentialRangeForRefresh(folder(), FField.computedRange());
        } catch (const std::exception& error) {
            // An unwritable folder: the computed range colours this refresh, the problem shows
            // once.
            FRange = FField.computedRange();
            FMemoryRange = FRange;
            tell(QString::fromStdString(error.what()));
        }
    }
    FStrip->setRange(FRange);
    FStrip->setFractions(divConstDown, divConstUp);
    FStrip->setMarginal(FMarginal);
    shadeCloud(FField.cloud(), shadeRequestFor(FRange, divConstDown, divConstUp, FMarginal, hole()),
               FShading);
    if (viewPanelX) {
        viewPanelX->setPoints(FField.cloud(), FField.pointsVersion());
        viewPanelX->setShading(FShading);
        viewPanelX->setShape(viewPanelShp);
        viewPanelX->setBVector(
            fieldArrowFor(sharedVariables(), shapeChoice().body, shapeChoice().size));
    }
    return true;
}

void TPotVisForm::setShape(Body body, int size, Resolution resolution) {
    // A new body or grid shows the points unturned; the rotation panel keeps its angles and its
    // turned wireframe until "apply".
    FField.setShape({body, size, resolution, {}});
    {
        // The shape panel shows the choice also when it was made here.
        const QSignalBlocker b1(ComboBoxShape), b2(ComboBoxResolution), b3(TrackBarSize);
        ComboBoxShape->setCurrentIndex(static_cast<int>(body));
        ComboBoxResolution->setCurrentIndex(static_cast<int>(resolution));
        TrackBarSize->setValue(size);
        LabelSize->setText(QString::number(size));
        TrackBarSize->setToolTip(QString::number(size));
    }
    baseShp = bodyShape(body, size);
    showRotatedShape();
    readAndVis();
    shapeChanged();
}

void TPotVisForm::choosePalette(int index) {
    std::optional<colorMap> palette;
    if (index == static_cast<int>(kPaletteFromFile)) {
        const QString file =
            FHost.choosePaletteFile
                ? FHost.choosePaletteFile()
                : QFileDialog::getOpenFileName(Panel1, QStringLiteral("Open"), QString(),
                                               QStringLiteral("Bitmap Files (*.bmp)"));
        if (file.isEmpty()) {
            ComboBoxPalette->setCurrentIndex(FPaletteIndex);
            return;
        }
        palette = paletteOfImage(QImage(file));
        if (!palette) {
            tell(QStringLiteral("Cannot read the palette bitmap:\r") + file);
            ComboBoxPalette->setCurrentIndex(FPaletteIndex);
            return;
        }
    } else if (index >= 0 && index < static_cast<int>(PaletteFiles.size())) {
        palette = paletteOfImage(
            QImage(QStringLiteral(":/data/") +
                   QString::fromLatin1(PaletteFiles[static_cast<std::size_t>(index)])));
        if (!palette) {
            tell(QStringLiteral("Cannot read the palette bitmap:\r") +
                 QString::fromLatin1(PaletteFiles[static_cast<std::size_t>(index)]));
            ComboBoxPalette->setCurrentIndex(FPaletteIndex);
            return;
        }
    } else {
        return;
    }
    FPaletteIndex = index;
    ComboBoxPalette->setCurrentIndex(index);
    FPaletteBytes = paletteBytes(*palette);
    FStrip->setPalette(FPaletteBytes);
    // The palette indices stay: only the 768 palette bytes go to the view.
    if (viewPanelX)
        viewPanelX->setPalette(FPaletteBytes);
}

void TPotVisForm::setMarginal(bool marginal) {
    FMarginal = marginal;
    RadioMarginal->setChecked(marginal);
    RadioCentral->setChecked(!marginal);
    readAndVis();
}

void TPotVisForm::setFractions(double lower, double upper) {
    divConstDown = lower;
    divConstUp = upper;
    readAndVis();
}

void TPotVisForm::storeRange(const ValueRange& range) {
    if (folder().empty()) {
        FMemoryRange = range;
        return;
    }
    std::vector<std::filesystem::path> others;
    if (MyButtonKlodka->Down()) {
        const std::vector<std::string> names =
            FHost.padlockFolders ? FHost.padlockFolders()
                                 : TCommonPanel2::resultFolders(Panel1, TKind::tkResult);
        for (const std::string& name : names)
            others.push_back(FLocation.workingRoot / name);
    }
    std::vector<std::string> problems;
    try {
        storeRangeEverywhere(folder(), range, others, problems);
        FMemoryRange.reset();
    } catch (const std::exception& error) {
        FMemoryRange = range;
        problems.insert(problems.begin(), error.what());
    }
    if (!problems.empty()) {
        QString text;
        for (const std::string& problem : problems)
            text += (text.isEmpty() ? QString() : QStringLiteral("\r")) +
                    QString::fromStdString(problem);
        tell(text);
    }
}

void TPotVisForm::fitRange() {
    if (!readAndVis())
        return;
    storeRange(FField.computedRange());
    readAndVis();
}

void TPotVisForm::openMaximumEditor() {
    FMaxEdited = true;
    FMaxEditor->open(QString::fromStdString(roundTripText(FRange.max)));
}

void TPotVisForm::openMinimumEditor() {
    FMinEdited = true;
    FMinEditor->open(QString::fromStdString(roundTripText(FRange.min)));
}

void TPotVisForm::applyMaximumEditor() {
    const auto value = parseRealDot(FMaxEditor->edit()->text().trimmed().toStdString());
    if (!value) {
        FMaxEditor->edit()->selectAll();
        return;
    }
    const auto range = rangeWithMaximum(FRange, *value, FMinEdited);
    if (!range)
        return;
    FMaxEditor->close();
    storeRange(*range);
    readAndVis();
}

void TPotVisForm::applyMinimumEditor() {
    const auto value = parseRealDot(FMinEditor->edit()->text().trimmed().toStdString());
    if (!value) {
        FMinEditor->edit()->selectAll();
        return;
    }
    const auto range = rangeWithMinimum(FRange, *value, FMaxEdited);
    if (!range)
        return;
    FMinEditor->close();
    storeRange(*range);
    readAndVis();
}

void TPotVisForm::setPadlock(bool down) {
    MyButtonKlodka->SetDown(down);
    MyButtonKlodka->setToolTip(
        down ? QStringLiteral("Click to set range of values for this CEF potential window only")
             : QStringLiteral("Click to set range of values for all CEF potential windows"));
    if (!down)
        return;
    if (FMaxEditor->isOpen())
        applyMaximumEditor();
    else if (FMinEditor->isOpen())
        applyMinimumEditor();
    else
        storeRange(FRange);
}

void TPotVisForm::setFreeMode(bool on) {
    FFreeMode = on;
    MyButtonFree->SetDown(on);
    MyButtonFree->SetCaption(on ? QStringLiteral("visualize CEF for current result")
                                : QStringLiteral("visualize CEF potential freely"));
    PanelWarning->setVisible(on);
    stopStepRepeat();
    PanelStep->hide();
    if (!on) {
        loadRows(sharedVariables());
        if (activeEdit > 0)
            panelsB[static_cast<std::size_t>(activeEdit - 1)]->setFrameShape(QFrame::NoFrame);
        activeEdit = 0;
    }
    for (QLineEdit* edit : inputs) {
        edit->setEnabled(on);
        edit->setReadOnly(!on);
    }
    placeOverlays();
    readAndVis();
}

void TPotVisForm::selectRow(int i) {
    if (i < 1 || i > 27)
        return;
    if (activeEdit > 0)
        panelsB[static_cast<std::size_t>(activeEdit - 1)]->setFrameShape(QFrame::NoFrame);
    activeEdit = i;
    if (!FFreeMode)
        return;
    QFrame* row = panelsB[static_cast<std::size_t>(i - 1)];
    row->setFrameShape(QFrame::Panel);
    row->setFrameShadow(QFrame::Sunken);
    rowEdit(i)->selectAll();
    PanelStep->move(row->x() + 30, std::max(0, row->y() - 18));
    PanelStep->raise();
    PanelStep->show();
}

bool TPotVisForm::stepSelectedRow(bool up) {
    if (activeEdit < 1 || !FFreeMode)
        return false;
    QLineEdit* edit = rowEdit(activeEdit);
    const auto value = parseRealDot(edit->text().trimmed().toStdString());
    if (!value) {
        stopStepRepeat();
        tell(QStringLiteral("'") + edit->text() +
             QStringLiteral("' is not a valid floating point value"));
        return false;
    }
    const double step =
        kStepSizes[static_cast<std::size_t>(std::max(0, ComboBoxStep->currentIndex()))];
    FLoading = true;
    edit->setText(QString::fromStdString(coefficientText(*value + (up ? step : -step))));
    FLoading = false;
    edit->selectAll();
    return readAndVis();
}

void TPotVisForm::startStepRepeat(bool up) {
    FStepUp = up;
    if (stepSelectedRow(up))
        FStepTimer.start();
}

void TPotVisForm::stopStepRepeat() {
    FStepTimer.stop();
}

void TPotVisForm::showRotatedShape() {
    if (!MyButtonRotate || !MyButtonRotate->Down()) {
        clearShape(viewPanelShp);
    } else {
        viewPanelShp = baseShp;
        rotateShape(viewPanelShp, FAngles[0]->Position(), FAngles[1]->Position(),
                    FAngles[2]->Position());
    }
    if (viewPanelX)
        viewPanelX->setShape(viewPanelShp);
}

void TPotVisForm::setRotationShown(bool shown) {
    MyButtonRotate->SetDown(shown);
    PanelRotation->setVisible(shown);
    placeOverlays();
    showRotatedShape();
    readAndVis();
}

void TPotVisForm::setAngles(double x, double y, double z) {
    FAngles[0]->SetPosition(x);
    FAngles[1]->SetPosition(y);
    FAngles[2]->SetPosition(z);
    showRotatedShape();
}

void TPotVisForm::applyRotation() {
    ShapeChoice shape = FField.shape();
    shape.rotation = {FAngles[0]->Position(), FAngles[1]->Position(), FAngles[2]->Position()};
    FField.setShape(shape);
    readAndVis();
}

void TPotVisForm::exportData() {
    if (!readAndVis())
        return;
    runGuarded(FHost.mainWindow ? FHost.mainWindow : Panel1, [this] {
        const QString name = FLocation.resultFolder.empty()
                                 ? QStringLiteral("potential")
                                 : TCommonPanel2::resultTabName(Panel1, FLocation.resultFolder);
        const ShapeChoice& shape = shapeChoice();
        const PotentialDataOptions options{shape.body, shape.size, shape.resolution, true};
        const DataTable table =
            potentialDataTable(sharedVariables(), name.toStdString(), options,
                               FFreeMode ? std::optional<CoefficientList>(FShown) : std::nullopt);
        exportDataTable(Panel1, table,
                        name + (meanField_ ? QStringLiteral(" visualizer (MF).csv")
                                           : QStringLiteral(" CEF view.csv")));
    });
}

bool TPotVisForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FCentre && event->type() == QEvent::Resize) {
        const QRect area(QPoint(0, 0), FCentre->size());
        if (viewPanelX)
            viewPanelX->setGeometry(area);
        if (FViewNote)
            FViewNote->setGeometry(area);
        placeOverlays();
        return false;
    }
    for (int i = 1; i <= 27; ++i)
        if (watched == rowEdit(i) &&
            (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn)) {
            selectRow(i);
            return false;
        }
    if (watched == MyButtonAdd || watched == MyButtonSub) {
        const bool up = watched == MyButtonAdd;
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            startStepRepeat(up);
        else if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::Hide ||
                 event->type() == QEvent::Leave)
            stopStepRepeat();
    }
    return QWidget::eventFilter(watched, event);
}

TPotVisResultForm::TPotVisResultForm(PotVisHost host, QWidget* parent)
    : TPotVisForm(std::move(host), false, parent) {
    setWindowTitle(QStringLiteral("CEF view"));
    buildPanel();
}

} // namespace vintrel
