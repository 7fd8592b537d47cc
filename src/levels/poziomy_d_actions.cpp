#include "levels/poziomy_d.h"

#include "controls/data_export.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "levels/detail_forms.h"
#include "levels/detail_texts.h"
#include "tabs/reader_panel.h"

#include <QLabel>
#include <QPainter>
#include <QSlider>

namespace vintrel {

namespace {

const QString kHeaderLS = QStringLiteral(
    " E [K]    |  ground term   |           energy levels             | Energy E_i [K] |");
const QString kHeaderJ = QStringLiteral(
    " E [K]    |ground multiplet|           energy levels             | Energy E_i [K] |");

// The visible-light band stands in the margin right of the temperature axis.
constexpr int kBandWidth = 28;

} // namespace

std::filesystem::path TpoziomyD::resultFolder() const {
    return FLocation.folder();
}

void TpoziomyD::setResultLocation(const ResultLocation& location) {
    if (!location.sameResult(FLocation))
        FFirstDisplayDone = false;
    FLocation = location;
    FCache.invalidate();
    FControls->view().setFolder(resultFolder());
}

void TpoziomyD::applyHeader() {
    FColumnHeader->SetCaption(sharedVariables().baza == 2 ? kHeaderJ : kHeaderLS);
}

void TpoziomyD::czytaj() {
    applyHeader();
    const MeanFieldTemperatures& temperatures = sharedMeanFieldTemperatures();
    FTfirst = temperatures.first;
    FTlast = temperatures.second;
    FAxis = temperatureAxis(FTfirst, FTlast);
    placeSlider();
    refreshDataGuarded();
    applySlider();
    if (!FFirstDisplayDone && !resultFolder().empty()) {
        FFirstDisplayDone = true;
        UstawViewNaCalosc();
    }
    selectionChanged();
    FAxisStrip->update();
}

void TpoziomyD::refreshData() {
    const std::filesystem::path folder = resultFolder();
    if (folder.empty())
        return;
    bool read = false;
    try {
        read = FCache.refresh(folder, sharedVariables(), sharedSettings());
    } catch (...) {
        FControls->view().setRange(0, 1);
        FControls->rangeChanged();
        throw;
    }
    if (read) {
        const EnergyRange range = FCache.levels().range.value_or(EnergyRange{});
        FControls->view().setRange(range.estart, range.eend);
        FControls->rangeChanged();
    }
}

bool TpoziomyD::refreshDataGuarded() {
    return FErrors.guard([this] { refreshData(); });
}

void TpoziomyD::applySlider() {
    const TResultSettings& settings = sharedSettings();
    const TemperatureSlider rules =
        temperatureSlider(settings.chi_points, settings.mf_extra_points, settings.mf_steps_back);
    FSlider->setRange(0, rules.maximum);
    FSlider->setEnabled(rules.enabled);
}

double TpoziomyD::sliderTemperature() const {
    return vintrel::sliderTemperature(FSlider->value(), FSlider->maximum(), FTfirst, FTlast);
}

StepSelection TpoziomyD::selection() const {
    return selectStep(FCache.levels().steps, sliderTemperature(), FTfirst);
}

const MeanFieldStep* TpoziomyD::selectedStep() const {
    const StepSelection s = selection();
    if (s.step < 0)
        return nullptr;
    return &FCache.levels().steps[static_cast<std::size_t>(s.step)];
}

void TpoziomyD::selectionChanged() {
    const double Tsel = sliderTemperature();
    const MeanFieldStep* step = selectedStep();
    FSliderValue->SetCaption(QString::fromStdString(sliderPositionText(Tsel)));
    // The markup labels "T=" and "B_m_o_l=" lead the two values.
    FStepValue->SetCaption(
        QStringLiteral("T=") +
        (step ? QString::fromStdString(selectedTemperatureText(step->T)) : QString()));
    FFieldValue->SetCaption(
        QStringLiteral("B_m_o_l=") +
        (step ? QString::fromStdString(molecularFieldText(step->field)) : QString()));
    FSlider->setToolTip(QString::fromStdString(sliderHint(step ? step->T : Tsel)));
    FControls->navigator()->update();
    FDiagram->update();
    // Open detail windows follow the selection.
    if (FEnergyForm && MyButton_eigenvalues->Down())
        runGuarded(FPanel, [this] { fillEnergies(); });
    if (FVectorsForm && MyButton_eigenvectors->Down())
        runGuarded(FPanel, [this] { fillVectors(); });
}

void TpoziomyD::fillEnergies() {
    const TVariables& vars = sharedVariables();
    const MeanFieldStep* step = selectedStep();
    FEnergyForm->setHeading(QString::fromStdString(eigenenergyHeading(vars.siconf, vars.baza)));
    FEnergyForm->clearMemo();
    if (step)
        FEnergyForm->appendLine(QString::fromStdString(detailTemperatureLine(step->T)));
    FEnergyForm->wczytajDane(resultFolder(), step ? step->block : 0);
}

void TpoziomyD::fillVectors() {
    const TVariables& vars = sharedVariables();
    const MeanFieldStep* step = selectedStep();
    FVectorsForm->setHeading(QString::fromStdString(eigenvectorHeading(vars.siconf, vars.baza)));
    FVectorsForm->clearMemo();
    FVectorsForm->setTableSource(std::nullopt, {});
    if (step)
        FVectorsForm->appendLine(QString::fromStdString(detailTemperatureLine(step->T)));
    FVectorsForm->wczytajDane(resultFolder(), step ? step->block : 0);
}

void TpoziomyD::UstawViewNaCalosc() {
    FControls->viewWhole();
}

void TpoziomyD::setView(double emax, double emin) {
    FControls->changeView([emax, emin](EnergyView& view) { view.setView(emax, emin); });
}

void TpoziomyD::scrollByWheel(int angleDelta) {
    FControls->scrollByWheel(angleDelta);
}

MeanFieldScene TpoziomyD::scene() const {
    MeanFieldScene s;
    const MeanFieldLevels& levels = FCache.levels();
    s.window = FControls->view().window();
    s.axis = FAxis;
    s.Tsel = sliderTemperature();
    s.selection = selection();
    s.helpVisible = FControls->helpVisible();
    s.dragging = FControls->dragging();
    s.dragY0 = FControls->dragY0();
    s.dragY1 = FControls->dragY1();
    s.bandWidth = kBandWidth;
    if (resultFolder().empty())
        return s;
    if (!levels.Tc) {
        // Without the ordering temperature the page draws no curve.
        s.note = QStringLiteral("Transition temperature not found in result file");
        return s;
    }
    s.levels = &levels;
    if (!levels.range)
        s.note = QStringLiteral("Energy level data not found in result file");
    else if (levels.steps.empty() && !levels.note.empty())
        s.note =
            QStringLiteral("Energy level data damaged: ") + QString::fromStdString(levels.note);
    return s;
}

void TpoziomyD::paintDiagram() {
    QPainter painter(FDiagram);
    if (!sharedVariables().dynamic_calc) {
        painter.fillRect(FDiagram->rect(), QColor(0xFA, 0xFA, 0xFC));
        return;
    }
    FLayout = paintMeanFieldDiagram(painter, FDiagram->size(), scene());
}

QImage TpoziomyD::renderDiagram() {
    QImage image(FDiagram->size(), QImage::Format_RGB32);
    FDiagram->render(&image);
    return image;
}

std::vector<double> TpoziomyD::navigatorLevels() const {
    const MeanFieldStep* step = selectedStep();
    return step ? step->E : std::vector<double>();
}

void TpoziomyD::exportData() {
    if (FLocation.resultFolder.empty())
        return;
    runGuarded(FPanel, [this] {
        const QString name = TCommonPanel2::resultTabName(FPanel, FLocation.resultFolder);
        const DataTable table = meanFieldLevelsDataTable(FLocation, name.toStdString());
        exportDataTable(FPanel, table, name + QStringLiteral(" levels (MF).csv"));
    });
}

bool TpoziomyD::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == FDiagram) {
        if (type == QEvent::Paint) {
            paintDiagram();
            return true;
        }
        return FControls->diagramMouse(event);
    }
    if (watched == FAxisStrip && type == QEvent::Paint) {
        QPainter painter(FAxisStrip);
        paintTemperatureAxis(painter, FAxisStrip->size(), FAxis);
        return true;
    }
    if (watched == FSliderRow && type == QEvent::Resize)
        placeSlider();
    return QWidget::eventFilter(watched, event);
}

} // namespace vintrel
