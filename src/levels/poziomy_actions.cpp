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

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace vintrel {

namespace {

constexpr int kCollapsedWidth = 26;
constexpr int kExpandedWidth = 252;

QString kelvinText(double value) {
    return QString::fromStdString(formatFloatDot("0.0#", value)) + "K";
}

} // namespace

std::filesystem::path Tpoziomy::resultFolder() const {
    if (FLocation.resultFolder.empty())
        return {};
    return FLocation.workingRoot / FLocation.resultFolder;
}

void Tpoziomy::setResultLocation(const ResultLocation& location) {
    if (location.workingRoot != FLocation.workingRoot ||
        location.resultFolder != FLocation.resultFolder)
        FFirstDisplayDone = false;
    FLocation = location;
    FCache.invalidate();
    const std::filesystem::path folder = resultFolder();
    std::error_code ec;
    FView.setFolder(!folder.empty() && std::filesystem::is_directory(folder, ec)
                        ? folder
                        : std::filesystem::path());
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
    FNavigator->update();
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
        FView.setRange(range.estart, range.eend);
        sharedLevelTables() = FCache.tables();
    }
}

bool Tpoziomy::refreshDataGuarded() {
    try {
        refreshData();
        FLastError.clear();
        return true;
    } catch (const std::exception& error) {
        showDeferredError(QString::fromStdString(error.what()));
        return false;
    }
}

void Tpoziomy::showDeferredError(const QString& text) {
    // A file error found while painting is shown once, after the paint.
    if (text == FLastError)
        return;
    FLastError = text;
    QTimer::singleShot(0, this, [this, text] { showMessage(FPanel, text); });
}

void Tpoziomy::UstawViewNaCalosc() {
    changeView([](EnergyView& view) { view.viewWhole(); });
}

void Tpoziomy::setView(double emax, double emin) {
    changeView([emax, emin](EnergyView& view) { view.setView(emax, emin); });
}

void Tpoziomy::changeView(const std::function<void(EnergyView&)>& change) {
    refreshDataGuarded();
    try {
        change(FView);
    } catch (const std::exception& error) {
        showDeferredError(QString::fromStdString(error.what()));
    }
    Edit_zoom->setText(QString::fromStdString(FView.zoomFactorText()));
    if (!scrollDown)
        placeThumb();
    placeNavigatorButtons();
    FNavigator->update();
    FDiagram->update();
}

void Tpoziomy::scrollStep(double steps) {
    changeView([this, steps](EnergyView& view) { view.scroll(steps * mod_updown_scale); });
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

TDetailForm* Tpoziomy::detailFormOf(const TMyButton* button) const {
    if (button == MyButton_eigenvalues)
        return FEnergyForm;
    if (button == MyButton_eigenvectors)
        return FVectorsForm;
    return FScatteringForm;
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
        FVectorsForm->wczytajDane(folder, 0);
    } else {
        FScatteringForm->setHeading(QString::fromLatin1(kScatteringHeading));
        FScatteringForm->wczytajDane(folder, 0);
    }
}

void Tpoziomy::detailToggled(TMyButton* button) {
    TDetailForm* form = detailFormOf(button);
    if (!form)
        return;
    if (!button->Down()) {
        form->closeQuietly();
        return;
    }
    // A file that cannot be read leaves the window as it was and the toggle released.
    if (!runGuarded(FPanel, [&] { fillDetailForm(button); })) {
        button->SetDown(false);
        return;
    }
    form->showCentredOn(FMainWindow ? FMainWindow : FPanel->window());
}

void Tpoziomy::toggleZoomPanel(bool shown) {
    if (shown) {
        placeZoomPanel();
        FZoomPanel->show();
        FZoomPanel->raise();
    } else {
        FZoomPanel->hide();
    }
}

void Tpoziomy::collapseTick() {
    const int right = FZoomPanel->x() + FZoomPanel->width();
    if (FCollapsing)
        shrinkPanelStep(FZoomPanel, kCollapsedWidth, right, false, FCollapseTimer);
    else
        growPanelStep(FZoomPanel, kExpandedWidth, right, false, FCollapseTimer);
}

ScrollStrip Tpoziomy::strip() const {
    return {FScrollStrip->height(), FScrollUp->height(), FScrollDown->height(), FThumb->height()};
}

void Tpoziomy::placeThumb() {
    FThumb->move(0, thumbTop(FView.window(), strip()));
}

void Tpoziomy::placeNavigatorButtons() {
    const ViewWindow& w = FView.window();
    const int h = FNavigator->height();
    const int top = FNavigator->y();
    auto place = [&](TMyButton* button, double relative) {
        button->move(FNavigator->x() + FNavigator->width() + 8,
                     top + navigatorRow(w, h, relative) - button->height() / 2);
    };
    place(MyButton_highest, w.span());
    place(MyButton_zero, -w.estart);
    place(MyButton_lowest, 0);
    FHighestLabel->setText(kelvinText(w.eend));
    FLowestLabel->setText(kelvinText(w.estart));
    FHighestLabel->adjustSize();
    FLowestLabel->adjustSize();
    FHighestLabel->move(MyButton_highest->x() + MyButton_highest->width() + 4,
                        MyButton_highest->y() + 4);
    FLowestLabel->move(MyButton_lowest->x() + MyButton_lowest->width() + 4,
                       MyButton_lowest->y() + 4);
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
    s.window = FView.window();
    s.unit = energyUnit();
    s.overlayScroll = FOverlayScroll->isVisible() ? FOverlayScroll->value() : 0;
    s.transitionsOverlay = FTransitionsPainter && MyButton_transitions->Down();
    s.momentOverlay = FMomentPainter && MyButton_moment->Down();
    s.helpVisible = helpVisible;
    s.dragging = view_mouseDn;
    s.dragY0 = view_clickY;
    s.dragY1 = view_moveY;
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

void Tpoziomy::paintNavigator(QWidget* target) {
    QPainter p(target);
    const int h = target->height();
    const int width = target->width();
    const ViewWindow& w = FView.window();
    p.fillRect(target->rect(), Qt::white);
    int top = navigatorRow(w, h, w.view_emax);
    int bottom = navigatorRow(w, h, w.view_emin);
    if (bottom - top < 5) {
        const int centre = (top + bottom) / 2;
        top = centre - 2;
        bottom = centre + 2;
    }
    p.setPen(QColor(0xFF, 0, 0));
    p.setBrush(QColor(0xFF, 0xFF, 0));
    p.drawRect(0, top, width - 1, bottom - top);
    p.setBrush(Qt::NoBrush);
    p.setPen(axisColour(FAxis));
    const AxisLevels& z = FCache.tables().axis(Axis::z);
    for (int i = 1; i <= z.count; ++i) {
        const int y = navigatorRow(w, h, z.E[i] - w.estart);
        p.drawLine(2, y, width - 3, y);
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(0, 0, width - 1, h - 1);
}

void Tpoziomy::paintScrollStrip(QWidget* target) {
    QPainter p(target);
    p.fillRect(target->rect(), QColor(0xE8, 0xE8, 0xEC));
    if (target == FThumb) {
        p.fillRect(target->rect().adjusted(2, 1, -2, -1), QColor(0xB4, 0xB4, 0xC2));
        p.setPen(QColor(0x80, 0x80, 0x90));
        p.drawRect(target->rect().adjusted(2, 1, -3, -2));
    }
}

void Tpoziomy::repaintAll() {
    FDiagram->update();
    FNavigator->update();
}

} // namespace vintrel
