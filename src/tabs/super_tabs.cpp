#include "tabs/super_tabs.h"

#include <QMouseEvent>

#include <algorithm>

namespace vintrel {

namespace {
constexpr int kStripHeight = 25;
} // namespace

TSuperTabs::TSuperTabs(QWidget* parent) : QWidget(parent) {
    setFixedHeight(kStripHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
    FFont.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    FFont.setPixelSize(11);
    Timer1.setInterval(kScrollRepeatMs);
    TimerHint.setInterval(kHintDelayMs);
    connect(&Timer1, &QTimer::timeout, this, &TSuperTabs::scrollTick);
    connect(&TimerHint, &QTimer::timeout, this, &TSuperTabs::hintTick);
}

TSuperTabs::~TSuperTabs() = default;

std::vector<TabInfo> TSuperTabs::tabInfos() const {
    std::vector<TabInfo> infos;
    infos.reserve(FTabs.size());
    for (const auto& tab : FTabs)
        infos.push_back({tab->Kind(), tab->Visible()});
    return infos;
}

TabStripModel& TSuperTabs::model() const {
    FModel.width = width();
    return FModel;
}

int TSuperTabs::AddTab(const QString& name, const QString& resDir, TKind kind, const QString& hint,
                       const QString& fileDescr, const QString& fileName) {
    auto tab = std::make_unique<TTab>(this);
    tab->FTabName = name;
    tab->FResDir = resDir;
    tab->FKind = kind;
    tab->FHintText = hint;
    tab->FFileDescr = fileDescr;
    tab->FFileName = fileName;
    FTabs.push_back(std::move(tab));
    const int index = TabCount() - 1;
    FModel.activeTab = index;
    emit OnChange(this);
    update();
    const auto infos = tabInfos();
    model().tabAppended(infos);
    return index;
}

int TSuperTabs::AddSimpleTab(const QString& name, TKind kind, const QString& hint) {
    return AddTab(name, QString(), kind, hint, QString(), QString());
}

void TSuperTabs::RemoveTab(int index) {
    if (index < 0 || index >= TabCount())
        return;
    model().tabRemoving(tabInfos(), index);
    FTabs.erase(FTabs.begin() + index);
    if (FHintTab == index) {
        FHintTab = -1;
        FShowingHint = false;
    } else if (FHintTab > index) {
        --FHintTab;
    }
    FModel.clampOffset(tabInfos());
    update();
}

int TSuperTabs::GetTabIndex(const QString& name, TKind kind) const {
    for (int index = TabCount() - 1; index >= 0; --index)
        if (FTabs[index]->TabName() == name && FTabs[index]->Kind() == kind)
            return index;
    return -1;
}

void TSuperTabs::SetCurrentTab(int index, int offset) {
    FModel.activeTab = index;
    FModel.selectedTab = index;
    if (offset != -1)
        FModel.offset = offset;
    update();
}

void TSuperTabs::HideTabsType(TSetOfKinds kinds) {
    for (auto& tab : FTabs)
        tab->FVisible = !containsKind(kinds, tab->Kind());
    update();
}

void TSuperTabs::SetVisibleTab0() {
    FModel.offset = 0;
    update();
}

void TSuperTabs::SetFont(const QFont& font) {
    FFont = font;
    update();
}

void TSuperTabs::SwapTabs(int a, int b) {
    if (a < 0 || b < 0 || a >= TabCount() || b >= TabCount())
        return;
    FTabs[a]->swapWith(*FTabs[b]);
    update();
}

TTab* TSuperTabs::Tabs(int index) const {
    if (index < 0 || index >= TabCount())
        return nullptr;
    return FTabs[index].get();
}

int TSuperTabs::VisTabCount() const {
    return TabStripModel::visibleCount(tabInfos());
}

void TSuperTabs::setActiveTab(int index) {
    FModel.activeTab = index;
    update();
}

void TSuperTabs::setAutoWidth(bool on) {
    FModel.autoWidth = on;
    update();
}

void TSuperTabs::setDefaultWidth(int width) {
    FModel.defaultWidth = width;
    update();
}

int TSuperTabs::TabWidth() const {
    return model().tabWidth(tabInfos());
}

void TSuperTabs::setOffset(int offset) {
    FModel.offset = offset;
    update();
}

void TSuperTabs::setColor(const QColor& colour) {
    FColor = colour;
    update();
}

bool TSuperTabs::LeftBtnVisible() const {
    return FModel.leftArrowVisible();
}

bool TSuperTabs::RightBtnVisible() const {
    return model().rightArrowVisible(tabInfos());
}

QRect TSuperTabs::TabRect(int index) const {
    const auto infos = tabInfos();
    const int tabWidth = model().tabWidth(infos);
    for (const TabPlacement& placement : FModel.layout(infos))
        if (placement.index == index)
            return QRect(placement.x, 0, tabWidth, height());
    return QRect();
}

void TSuperTabs::mousePressEvent(QMouseEvent* event) {
    const auto infos = tabInfos();
    if (TabStripModel::visibleCount(infos) == 0)
        return;
    const bool left = event->button() == Qt::LeftButton;
    LBtnDown = LBtnDown || left;
    RBtnDown = RBtnDown || event->button() == Qt::RightButton;
    ofx = event->position().toPoint().x();
    const PressOutcome outcome = model().press(infos, ofx, left);
    if (outcome.scrollDirection != 0) {
        dx = outcome.scrollDirection;
        scrollTick();
        Timer1.start(kScrollRepeatMs);
        return;
    }
    update();
}

void TSuperTabs::scrollTick() {
    Timer1.setInterval(kScrollRepeatMs);
    model().scroll(tabInfos(), dx);
    update();
}

void TSuperTabs::mouseMoveEvent(QMouseEvent* event) {
    TimerHint.stop();
    hideHint();
    const QPoint pos = event->position().toPoint();
    const auto infos = tabInfos();
    if (LBtnDown) {
        if (model().dragTo(infos, pos.x(), ofx))
            repaint();
        return;
    }
    if (RBtnDown)
        return;
    HintX = pos.x() + (FModel.leftArrowVisible() ? TabStripModel::kArrowZone : 0);
    HintY = pos.y();
    FHintTab = model().hintTabAt(infos, pos.x());
    TimerHint.start(kHintDelayMs);
}

void TSuperTabs::hintTick() {
    TimerHint.stop();
    if (FHintTab < 0 || FHintTab >= TabCount())
        return;
    FShowingHint = true;
    update();
}

void TSuperTabs::hideHint() {
    if (!FShowingHint)
        return;
    FShowingHint = false;
    update();
}

void TSuperTabs::mouseReleaseEvent(QMouseEvent* event) {
    Timer1.stop();
    LBtnDown = false;
    RBtnDown = false;
    const bool left = event->button() == Qt::LeftButton;
    const ReleaseOutcome outcome =
        model().release(tabInfos(), event->position().toPoint().x(), left);
    if (outcome.ignored)
        return;
    for (const SwitchStep& step : outcome.steps) {
        FTabs[step.left]->swapWith(*FTabs[step.reached]);
        FModel.srcTab = step.reached;
        if (left)
            FModel.activeTab = step.reached;
        emit OnSwitchTabs(this, step.reached, step.left);
    }
    FModel.srcTab = -1;
    update();
    if (outcome.hit >= 0)
        emit OnClick(this, event->button(), event->modifiers(), 0, 0);
}

void TSuperTabs::leaveEvent(QEvent* event) {
    LBtnDown = false;
    RBtnDown = false;
    FModel.srcTab = -1;
    FModel.destTab = -1;
    Timer1.stop();
    TimerHint.stop();
    hideHint();
    update();
    QWidget::leaveEvent(event);
}

} // namespace vintrel
