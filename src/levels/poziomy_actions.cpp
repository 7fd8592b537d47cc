#include "levels/poziomy.h"

#include "base/number_pattern.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/nice_panel.h"
#include "controls/panel_animation.h"
#include "levels/detail_forms.h"
#include "levels/detail_texts.h"
#include "tabs/reader_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace vintrel {

std::filesystem::path Tpoziomy::resultFolder() const {
    return FLocation.folder();
}

void Tpoziomy::setResultLocation(const ResultLocation& location) {
    if (!location.sameResult(FLocation))
        FFirstDisplayDone = false;
    FLocation = location;
    FCache.invalidate();
    FControls->view().setFolder(resultFolder());
    applyResultVariables();
    FDiagram->update();
}

void Tpoziomy::resultChanged() {
    if (MyButton_transitions->Down()) {
        MyButton_transitions->SetDown(false);
        setTransitions(false);
    }
    if (MyButton_moment->Down()) {
        MyButton_moment->SetDown(false);
        setMoment(false);
    }
    FFirstDisplayDone = false;
    applyResultVariables();
    FDiagram->update();
}

void Tpoziomy::czytaj() {
    applyResultVariables();
    refreshDataGuarded();
    FDiagram->update();
    FControls->rangeChanged();
}

void Tpoziomy::refreshData() {
    const std::filesystem::path folder = resultFolder();
    if (folder.empty())
        return;
    const TVariables& vars = sharedVariables();
    const auto term = groundTermOf(vars.siconf, vars.baza, vars.cialo);
    const int N = term ? term->N : 0;
    if (FCache.refresh(folder, 0, N, vars.cialo == 2)) {
        // Without level data the axis shows the range of an empty scheme, not the last
        // result's.
        const EnergyRange range = FCache.range().value_or(EnergyRange{});
        FControls->view().setRange(range.estart, range.eend);
        sharedLevelTables() = FCache.tables();
        FControls->rangeChanged();
    }
}

bool Tpoziomy::refreshDataGuarded() {
    return FErrors.guard([this] { refreshData(); });
}

void Tpoziomy::UstawViewNaCalosc() {
    FControls->viewWhole();
}

void Tpoziomy::setView(double emax, double emin) {
    FControls->changeView([emax, emin](EnergyView& view) { view.setView(emax, emin); });
}

EnergyUnit Tpoziomy::energyUnit() const {
    return static_cast<EnergyUnit>(std::clamp(ComboBoxEnergyUnit->currentIndex(), 0, 2));
}

void Tpoziomy::selectAxis(Axis axis) {
    FAxis = axis;
    for (Axis a : {Axis::z, Axis::x, Axis::y})
        axisButton(a)->SetDown(a == axis);
    const bool z = axis == Axis::z;
    if (!z && MyButton_transitions->Down()) {
        MyButton_transitions->SetDown(false);
        setTransitions(false);
    }
    MyButton_transitions->setVisible(z);
    FTransitionsNote->setVisible(!z);
    FControls->setNavigatorColour(axisColour(axis));
    FDiagram->update();
}

void Tpoziomy::setTransitions(bool on) {
    if (on && MyButton_moment->Down()) {
        MyButton_moment->SetDown(false);
        setMoment(false);
    }
    MyButton_transitions->SetCaption(on ? QStringLiteral("hide transitions")
                                        : QStringLiteral("observable transitions"));
    FValuesLabel->SetCaption(on ? QStringLiteral("show transitions")
                                : QStringLiteral("expected values"));
    emit transitionsToggled(on);
    FDiagram->update();
}

void Tpoziomy::setMoment(bool on) {
    if (on && MyButton_transitions->Down()) {
        MyButton_transitions->SetDown(false);
        setTransitions(false);
    }
    MyButton_moment->SetCaption(on ? QStringLiteral("hide magnetic moment")
                                   : QStringLiteral("show magnetic moment"));
    FValuesLabel->SetCaption(
        on ? QStringLiteral("magnetic moment components: m_t_o_t, m_L, m_S (magnitude, angles "
                            "and cartesian coordinates)")
           : QStringLiteral("expected values"));
    if (on) {
        const int N = FCache.tables().axis(Axis::z).count;
        const int base = sharedVariables().cialo == 2 ? 1711 : 1431;
        FOverlayScroll->setMaximum(std::max(base - FDiagram->width(), N * N) / 10);
        FOverlayScroll->setValue(0);
    }
    FOverlayScroll->setVisible(on);
    emit momentToggled(on);
    FDiagram->update();
}

void Tpoziomy::fillDetailForm(const TMyButton* button) {
    const TVariables& vars = sharedVariables();
    const std::filesystem::path folder = resultFolder();
    if (button == MyButton_eigenvalues) {
        FEnergyForm->setHeading(QString::fromStdString(eigenenergyHeading(vars.siconf, vars.baza)));
        FEnergyForm->clearMemo();
        FEnergyForm->wczytajDane(folder, 0);
    } else if (button == MyButton_eigenvectors) {
        FVectorsForm->setHeading(
            QString::fromStdString(eigenvectorHeading(vars.siconf, vars.baza)));
        FVectorsForm->clearMemo();
        FVectorsForm->setTableSource(FLocation,
                                     TCommonPanel2::resultTabName(p0(), FLocation.resultFolder));
        FVectorsForm->wczytajDane(folder, 0);
    } else {
        FScatteringForm->setHeading(QString::fromLatin1(kScatteringHeading));
        FScatteringForm->wczytajDane(folder, 0);
    }
}

DiagramScene Tpoziomy::scene() {
    const TVariables& vars = sharedVariables();
    DiagramScene s;
    s.tables = &FCache.tables();
    s.axis = FAxis;
    if (const auto term = groundTermOf(vars.siconf, vars.baza, vars.cialo))
        s.term = *term;
    s.levelCount = std::min(s.term.N, FCache.tables().axis(FAxis).count);
    s.baza = vars.baza;
    s.window = FControls->view().window();
    s.unit = energyUnit();
    s.overlayScroll = FOverlayScroll->isVisible() ? FOverlayScroll->value() : 0;
    s.transitionsOverlay = FTransitionsPainter && MyButton_transitions->Down();
    s.momentOverlay = FMomentPainter && MyButton_moment->Down();
    s.helpVisible = FControls->helpVisible();
    s.dragging = FControls->dragging();
    s.dragY0 = FControls->dragY0();
    s.dragY1 = FControls->dragY1();
    if (!FCache.range() && !resultFolder().empty())
        s.note = QStringLiteral("Energy level data not found in result file");
    return s;
}

void Tpoziomy::paintDiagram(QWidget* target) {
    QPainter painter(target);
    if (sharedVariables().dynamic_calc) {
        painter.fillRect(target->rect(), QColor(0xFA, 0xFA, 0xFC));
        return;
    }
    refreshDataGuarded();
    if (!FFirstDisplayDone && !resultFolder().empty()) {
        FFirstDisplayDone = true;
        UstawViewNaCalosc();
    }
    const DiagramScene s = scene();
    FLayout = paintLevelDiagram(painter, target->size(), s);
    if (s.transitionsOverlay)
        FTransitionsPainter(painter, s, FLayout);
    if (s.momentOverlay)
        FMomentPainter(painter, s, FLayout);
    if (FMiniParamPainter)
        FMiniParamPainter(painter, kMiniParamArea, inMiniParam ? 220 : 100);
}

QImage Tpoziomy::renderDiagram() {
    QImage image(FDiagram->size(), QImage::Format_RGB32);
    FDiagram->render(&image);
    return image;
}

std::vector<double> Tpoziomy::navigatorLevels() const {
    const AxisLevels& z = FCache.tables().axis(Axis::z);
    return std::vector<double>(z.E.begin() + 1,
                               z.E.begin() + 1 + std::clamp(z.count, 0, kMaxLevels));
}

} // namespace vintrel
