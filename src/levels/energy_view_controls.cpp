#include "levels/energy_view_controls.h"

#include "base/number_pattern.h"
#include "controls/my_button.h"
#include "controls/nice_panel.h"
#include "controls/panel_animation.h"
#include "levels/level_page_parts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

namespace vintrel {

namespace {

constexpr int kStripWidth = 17;
constexpr int kThumbHeight = 30;
constexpr int kZoomPanelWidth = 252;
constexpr int kZoomPanelHeight = 340;
constexpr int kCollapsedWidth = 26;
constexpr int kExpandedWidth = 252;
constexpr int kClickTravel = 6;

QString kelvinText(double value) {
    return QString::fromStdString(formatFloatDot("0.0#", value)) + "K";
}

bool isMouse(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
           type == QEvent::MouseButtonRelease;
}

} // namespace

EnergyViewControls::EnergyViewControls(QWidget* panel, QWidget* diagram, int panelTop)
    : QObject(panel), FPanel(panel), FDiagram(diagram), FPanelTop(panelTop) {
    buildScrollStrip();
    buildZoomPanel();
    FPanel->installEventFilter(this);
}

void EnergyViewControls::addZoomButtons(QBoxLayout* row, QWidget* bar) {
    MyButton_zoom11 =
        makeLevelButton(bar, QStringLiteral("1:1"),
                        QStringLiteral("Set zoom level so all energy levels fit the window"), 30,
                        false, QStringLiteral("tool"));
    MyButton_zoomIn = makeLevelButton(bar, QStringLiteral("+"), QStringLiteral("Zoom in"), 24,
                                      false, QStringLiteral("tool"));
    MyButton_zoomOut = makeLevelButton(bar, QStringLiteral("-"), QStringLiteral("Zoom out"), 24,
                                       false, QStringLiteral("tool"));
    MyButton_zoomInfo = makeLevelButton(bar, QStringLiteral("zoom info"),
                                        QStringLiteral("Show zoom information"), 70, true);
    MyButton_help = makeLevelButton(bar, QStringLiteral("?"), QStringLiteral("Click for help"), 24,
                                    true, QStringLiteral("tool"));
    for (TMyButton* b :
         {MyButton_zoom11, MyButton_zoomIn, MyButton_zoomOut, MyButton_zoomInfo, MyButton_help})
        row->addWidget(b);
    connect(MyButton_zoom11, &TMyButton::OnClick, this, &EnergyViewControls::viewWhole);
    connect(MyButton_zoomIn, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.zoomIn(); }); });
    connect(MyButton_zoomOut, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.zoomOut(); }); });
    connect(MyButton_zoomInfo, &TMyButton::OnClick, this,
            [this] { toggleZoomPanel(MyButton_zoomInfo->Down()); });
    connect(MyButton_help, &TMyButton::OnClick, this, [this] {
        helpVisible_ = MyButton_help->Down();
        FDiagram->update();
    });
}

void EnergyViewControls::buildScrollStrip() {
    FScrollStrip = new QWidget(FPanel);
    FScrollStrip->setFixedWidth(kStripWidth);
    FScrollStrip->installEventFilter(this);
    FScrollUp = makeLevelButton(FScrollStrip, QStringLiteral("\u25B4"), QString(), kStripWidth,
                                false, QStringLiteral("tool"));
    FScrollDown = makeLevelButton(FScrollStrip, QStringLiteral("\u25BE"), QString(), kStripWidth,
                                  false, QStringLiteral("tool"));
    FScrollUp->setFixedSize(kStripWidth, kStripWidth);
    FScrollDown->setFixedSize(kStripWidth, kStripWidth);
    FScrollUp->installEventFilter(this);
    FScrollDown->installEventFilter(this);
    FThumb = new QWidget(FScrollStrip);
    FThumb->setFixedSize(kStripWidth, kThumbHeight);
    FThumb->installEventFilter(this);
    FRepeatTimer = new QTimer(this);
    FRepeatTimer->setInterval(200);
    connect(FRepeatTimer, &QTimer::timeout, this, [this] { scrollStep(FRepeatDirection); });
}

void EnergyViewControls::buildZoomPanel() {
    FZoomPanel = new TNicePanel(FPanel);
    loadPanelSet(*FZoomPanel, QStringLiteral("panel"));
    FZoomPanel->resize(kZoomPanelWidth, kZoomPanelHeight);
    FZoomPanel->installEventFilter(this);
    MyButton_collapse = makeLevelButton(FZoomPanel, QStringLiteral(">"), QString(), 20, true,
                                        QStringLiteral("tool"));
    MyButton_collapse->move(4, 4);
    connect(MyButton_collapse, &TMyButton::OnClick, this, [this] {
        FCollapsing = MyButton_collapse->Down();
        MyButton_collapse->SetCaption(FCollapsing ? QStringLiteral("<") : QStringLiteral(">"));
        FCollapseTimer->start();
    });
    FCollapseTimer = new QTimer(this);
    FCollapseTimer->setInterval(50);
    connect(FCollapseTimer, &QTimer::timeout, this, &EnergyViewControls::collapseTick);

    makeLevelText(FZoomPanel, QStringLiteral("Zoom scale:"))->move(30, 8);
    Edit_zoom = new QLineEdit(QStringLiteral("1.0x"), FZoomPanel);
    Edit_zoom->setReadOnly(true);
    Edit_zoom->setGeometry(100, 5, 70, 20);
    makeLevelText(FZoomPanel, QStringLiteral("zoom navigation"))->move(30, 32);
    makeLevelText(FZoomPanel, QStringLiteral("set visible area"))->move(30, 50);
    makeLevelText(FZoomPanel, QStringLiteral("show levels:"))->move(110, 50);
    FNavigator = new QWidget(FZoomPanel);
    FNavigator->setGeometry(30, 70, 70, 220);
    FNavigator->installEventFilter(this);
    MyButton_highest = makeLevelButton(FZoomPanel, QStringLiteral("highest"), QString(), 56, false);
    MyButton_zero = makeLevelButton(FZoomPanel, QStringLiteral("zero"), QString(), 56, false);
    MyButton_lowest = makeLevelButton(FZoomPanel, QStringLiteral("lowest"), QString(), 56, false);
    FHighestLabel = makeLevelText(FZoomPanel, QStringLiteral("1000K"));
    FLowestLabel = makeLevelText(FZoomPanel, QStringLiteral("-1000K"));
    connect(MyButton_highest, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.centreOnHighest(); }); });
    connect(MyButton_zero, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.centreOnZero(); }); });
    connect(MyButton_lowest, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.centreOnLowest(); }); });
    auto* zoomIn = makeLevelButton(FZoomPanel, QStringLiteral("+"), QStringLiteral("Zoom in"), 24,
                                   false, QStringLiteral("tool"));
    auto* zoomOut = makeLevelButton(FZoomPanel, QStringLiteral("-"), QStringLiteral("Zoom out"), 24,
                                    false, QStringLiteral("tool"));
    auto* closeButton = makeLevelButton(FZoomPanel, QStringLiteral("close"), QString(), 60, false);
    zoomIn->move(30, 302);
    zoomOut->move(58, 302);
    closeButton->move(176, 302);
    connect(zoomIn, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.zoomIn(); }); });
    connect(zoomOut, &TMyButton::OnClick, this,
            [this] { changeView([](EnergyView& view) { view.zoomOut(); }); });
    connect(closeButton, &TMyButton::OnClick, this, [this] {
        if (MyButton_zoomInfo)
            MyButton_zoomInfo->SetDown(false);
        toggleZoomPanel(false);
    });
    FZoomPanel->hide();
    placeNavigatorButtons();
    FHighestLabel->setText(QStringLiteral("1000K"));
    FLowestLabel->setText(QStringLiteral("-1000K"));
}

QWidget* EnergyViewControls::zoomPanel() const {
    return FZoomPanel;
}

void EnergyViewControls::setNavigatorColour(const QColor& colour) {
    if (colour == FNavigatorColour)
        return;
    FNavigatorColour = colour;
    FNavigator->update();
}

void EnergyViewControls::placeZoomPanel() {
    FZoomPanel->move(FPanel->width() - FZoomPanel->width() - kStripWidth - 4, FPanelTop);
}

void EnergyViewControls::changeView(const std::function<void(EnergyView&)>& change) {
    if (FBeforeChange)
        FBeforeChange();
    try {
        change(FView);
    } catch (const std::exception& error) {
        if (FErrorHandler)
            FErrorHandler(QString::fromStdString(error.what()));
    }
    Edit_zoom->setText(QString::fromStdString(FView.zoomFactorText()));
    if (!scrollDown)
        placeThumb();
    rangeChanged();
    FDiagram->update();
}

void EnergyViewControls::rangeChanged() {
    placeNavigatorButtons();
    FNavigator->update();
}

void EnergyViewControls::scrollStep(double steps) {
    changeView([this, steps](EnergyView& view) { view.scroll(steps * mod_updown_scale); });
}

void EnergyViewControls::scrollByWheel(int angleDelta) {
    const int notches = wheelNotches.take(angleDelta);
    mod_updown_scale = 2;
    for (int k = 0; k < std::abs(notches); ++k)
        scrollStep(notches > 0 ? 1 : -1);
    mod_updown_scale = 1;
}

void EnergyViewControls::toggleZoomPanel(bool shown) {
    if (shown) {
        placeZoomPanel();
        FZoomPanel->show();
        FZoomPanel->raise();
    } else {
        FZoomPanel->hide();
    }
}

void EnergyViewControls::collapseTick() {
    const int right = FZoomPanel->x() + FZoomPanel->width();
    if (FCollapsing)
        shrinkPanelStep(FZoomPanel, kCollapsedWidth, right, false, FCollapseTimer);
    else
        growPanelStep(FZoomPanel, kExpandedWidth, right, false, FCollapseTimer);
}

ScrollStrip EnergyViewControls::strip() const {
    return {FScrollStrip->height(), FScrollUp->height(), FScrollDown->height(), FThumb->height()};
}

void EnergyViewControls::placeThumb() {
    FThumb->move(0, thumbTop(FView.window(), strip()));
}

void EnergyViewControls::placeNavigatorButtons() {
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

void EnergyViewControls::paintNavigator() {
    QPainter p(FNavigator);
    const int h = FNavigator->height();
    const int width = FNavigator->width();
    const ViewWindow& w = FView.window();
    p.fillRect(FNavigator->rect(), Qt::white);
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
    p.setPen(FNavigatorColour);
    if (FNavigatorLevels)
        for (double E : FNavigatorLevels()) {
            const int y = navigatorRow(w, h, E - w.estart);
            p.drawLine(2, y, width - 3, y);
        }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(0, 0, width - 1, h - 1);
}

void EnergyViewControls::paintScrollStrip(QWidget* target) {
    QPainter p(target);
    p.fillRect(target->rect(), QColor(0xE8, 0xE8, 0xEC));
    if (target == FThumb) {
        p.fillRect(target->rect().adjusted(2, 1, -2, -1), QColor(0xB4, 0xB4, 0xC2));
        p.setPen(QColor(0x80, 0x80, 0x90));
        p.drawRect(target->rect().adjusted(2, 1, -3, -2));
    }
}

bool EnergyViewControls::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == FNavigator) {
        if (type == QEvent::Paint) {
            paintNavigator();
            return true;
        }
        return navigatorMouse(event);
    }
    if (watched == FThumb && type == QEvent::Paint) {
        paintScrollStrip(FThumb);
        return true;
    }
    if (watched == FScrollStrip) {
        if (type == QEvent::Paint) {
            paintScrollStrip(FScrollStrip);
            return true;
        }
        if (type == QEvent::Resize) {
            FScrollUp->move(0, 0);
            FScrollDown->move(0, FScrollStrip->height() - FScrollDown->height());
            placeThumb();
        }
        return false;
    }
    if (watched == FThumb || watched == FScrollUp || watched == FScrollDown)
        return scrollStripMouse(watched, event);
    if (watched == FZoomPanel)
        return zoomPanelMouse(event);
    if (watched == FPanel && type == QEvent::Resize && !FZoomPanel->isVisible())
        placeZoomPanel();
    return QObject::eventFilter(watched, event);
}

bool EnergyViewControls::diagramMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    const int H = FDiagram->height();
    if (type == QEvent::Wheel) {
        scrollByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (!isMouse(type))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() == Qt::LeftButton) {
            view_mouseDn = true;
            view_clickX = view_moveX = pos.x();
            view_clickY = view_moveY = pos.y();
        }
        return true;
    }
    if (type == QEvent::MouseMove) {
        if (view_mouseDn) {
            view_moveX = pos.x();
            view_moveY = pos.y();
            FDiagram->update();
        }
        return true;
    }
    const bool left = mouse->button() == Qt::LeftButton;
    const bool right = mouse->button() == Qt::RightButton;
    const bool wasDragging = view_mouseDn;
    view_mouseDn = false;
    if (right || (left && std::abs(view_clickY - pos.y()) < kClickTravel)) {
        changeView([&](EnergyView& view) { view.zoomAtPointer(H, pos.y(), right); });
    } else if (left && wasDragging) {
        changeView([&](EnergyView& view) { view.viewBand(H, view_clickY, pos.y()); });
    }
    return true;
}

bool EnergyViewControls::navigatorMouse(QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const int y = mouse->position().toPoint().y();
    const int h = FNavigator->height();
    changeView([h, y](EnergyView& view) { view.centreOnNavigatorRow(h, y); });
    return true;
}

bool EnergyViewControls::scrollStripMouse(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!isMouse(type))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == FThumb) {
        const int y = mouse->position().toPoint().y();
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            scrollDown = true;
            sY = y;
        } else if (type == QEvent::MouseMove && scrollDown) {
            const ScrollStrip s = strip();
            const int top = clampThumbTop(s, FThumb->y() + y - sY);
            FThumb->move(0, top);
            changeView([&s, top](EnergyView& view) { view.centreOnThumb(s, top); });
        } else if (type == QEvent::MouseButtonRelease) {
            scrollDown = false;
        }
        return true;
    }
    // The arrow buttons: holding one repeats a step every 200 ms; the release makes one more.
    const double direction = watched == FScrollUp ? 1 : -1;
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        FRepeatDirection = direction;
        FRepeatTimer->start();
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
               FRepeatTimer->isActive()) {
        FRepeatTimer->stop();
        scrollStep(direction);
    }
    return false;
}

bool EnergyViewControls::zoomPanelMouse(QEvent* event) {
    const QEvent::Type type = event->type();
    if (!isMouse(type))
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint pos = mouse->position().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        zdrag = true;
        FZoomGrab = pos;
    } else if (type == QEvent::MouseMove && zdrag) {
        FZoomPanel->move(FZoomPanel->pos() + pos - FZoomGrab);
    } else if (type == QEvent::MouseButtonRelease) {
        zdrag = false;
    }
    return true;
}

} // namespace vintrel
