#include "tabs/reader_panel.h"

#include "controls/pictures.h"
#include "controls/theme.h"

#include <QChildEvent>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace vintrel {

const std::array<PageTabRow, kPageCount> kPageTabs = {{
    {"parameters", TKind::tkControl},      {"Hamiltonian", TKind::tkControl},
    {"CEF view", TKind::tkControl},        {"energy levels", TKind::tkControl},
    {"spectroscopy", TKind::tkControl},    {"magnetic sus.", TKind::tkControl},
    {"inverse sus.", TKind::tkControl},    {"specific heat", TKind::tkControl},
    {"entropy", TKind::tkControl},         {"description", TKind::tkControl},
    {"energy (MF)", TKind::tkDynamic},     {"visualizer (MF)", TKind::tkDynamic},
    {"moment (MF)", TKind::tkDynamic},     {"mag. susc. (MF)", TKind::tkDynamic},
    {"inv. susc. (MF)", TKind::tkDynamic}, {"anisotropy (MF)", TKind::tkDynamic},
    {"spec. heat (MF)", TKind::tkDynamic}, {"entropy (MF)", TKind::tkDynamic},
    {"description", TKind::tkDynamic},
}};

namespace {

/// The frame pictures, in the order they are kept.
const char* const kFrameFiles[10] = {"border_top.bmp",        "border_bottom.bmp",
                                     "border_topright.bmp",   "border_bottomright.bmp",
                                     "border_topright_2.bmp", "border_right.bmp",
                                     "border_top_2.bmp",      "border_topleft_2.bmp",
                                     "border_left.bmp",       "border_bottomleft.bmp"};
enum FramePiece {
    kTop,
    kBottom,
    kTopRight,
    kBottomRight,
    kTopRight2,
    kRight,
    kTop2,
    kTopLeft2,
    kLeft,
    kBottomLeft
};

/// Pages of the ordinary and mean-field results, in their refresh orders.
const std::vector<int> kOrdinaryOrder = {kPageParameters,   kPageHamiltonian, kPagePotentials,
                                         kPageEnergy,       kPageMagneticSus, kPageInverseSus,
                                         kPageSpecificHeat, kPageEntropy,     kPageSpectroscopy};
const std::vector<int> kMeanFieldOrder = {kPagePotVisD,       kPageMomentD,     kPageEnergyD,
                                          kPageMagneticSusD,  kPageInverseSusD, kPageAnisotropyD,
                                          kPageSpecificHeatD, kPageEntropyD};

bool madeOnFirstUse(int index) {
    return index >= kPageEnergy && index <= kPageEntropy;
}

} // namespace

TContentPage::TContentPage(QWidget* parent, const QColor& colour) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

namespace {
const char* const kFillsPage = "vintrelFillsPage";
}

void TContentPage::fillPage(QWidget* widget) {
    widget->setProperty(kFillsPage, true);
    if (QWidget* holder = widget->parentWidget())
        widget->setGeometry(holder->rect());
}

void TContentPage::resizeEvent(QResizeEvent* event) {
    for (QObject* child : children())
        if (auto* widget = qobject_cast<QWidget*>(child);
            widget && widget->property(kFillsPage).toBool())
            widget->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void TContentPage::childEvent(QChildEvent* event) {
    if (event->added())
        if (auto* widget = qobject_cast<QWidget*>(event->child());
            widget && widget->property(kFillsPage).toBool())
            widget->setGeometry(rect());
    QWidget::childEvent(event);
}

TContent::TContent(QWidget* parent, const QColor& colour) : QWidget(parent), Color(colour) {}

int TContent::topMargin() const {
    return header ? header->height() : 0;
}

TContentPage* TContent::AddPage() {
    auto* page = new TContentPage(this, Color);
    page->setGeometry(0, topMargin(), width(), std::max(0, height() - topMargin()));
    page->hide();
    Pages.push_back(page);
    Page = page;
    return page;
}

void TContent::RemovePage(int index) {
    if (index < 0 || index >= static_cast<int>(Pages.size()))
        return;
    TContentPage* page = Pages[static_cast<std::size_t>(index)];
    Pages.erase(Pages.begin() + index);
    if (Page == page)
        Page = Pages.empty() ? nullptr : Pages.back();
    if (ActivePage == index)
        ActivePage = -1;
    else if (ActivePage > index)
        --ActivePage;
    delete page;
}

void TContent::ShowOnly(int index) {
    for (std::size_t i = 0; i < Pages.size(); ++i)
        Pages[i]->setVisible(static_cast<int>(i) == index);
    ActivePage = index;
}

void TContent::SwapPages(int a, int b) {
    std::swap(Pages[static_cast<std::size_t>(a)], Pages[static_cast<std::size_t>(b)]);
    if (ActivePage == a)
        ActivePage = b;
    else if (ActivePage == b)
        ActivePage = a;
}

void TContent::resizeEvent(QResizeEvent* event) {
    if (header)
        header->setGeometry(0, 0, width(), header->height());
    for (TContentPage* page : Pages)
        page->setGeometry(0, topMargin(), width(), std::max(0, height() - topMargin()));
    QWidget::resizeEvent(event);
}

void TContent::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), Color);
}

TCommonPanel2::TCommonPanel2(QWidget* parent) : QWidget(parent) {
    Content = new TContent(this, theme::kPageBackground);
    Zakladki = new TSuperTabs(Content);
    Zakladki->setFixedHeight(24);
    Zakladki->setColor(theme::kTabStrip);
    Zakladki->setDefaultWidth(140);
    Zakladki->setAutoWidth(true);
    Content->header = Zakladki;

    Content_Results = new TContent(nullptr, theme::kPageBackground);
    Content_Results->setParent(this);
    Content_Results->hide();
    Zakladki_Results = new TSuperTabs(Content_Results);
    Zakladki_Results->setColor(theme::kResultTabs);
    Zakladki_Results->setDefaultWidth(105);
    Zakladki_Results->setAutoWidth(false);
    Content_Results->header = Zakladki_Results;
    TContentPage::fillPage(Content_Results);

    connect(Zakladki, &TSuperTabs::OnSwitchTabs, this, &TCommonPanel2::ZamienContent);
    connect(Zakladki_Results, &TSuperTabs::OnSwitchTabs, this, &TCommonPanel2::ZamienContent);

    for (int i = 0; i < kPageCount; ++i) {
        Zakladki_Results->AddSimpleTab(QString::fromLatin1(kPageTabs[i].caption),
                                       kPageTabs[i].kind);
        resultPages[static_cast<std::size_t>(i)] = Content_Results->AddPage();
        if (i == 0)
            ResultIndex_Parameters = Zakladki_Results->ActiveTab();
    }
    Zakladki_Results->SetVisibleTab0();
    for (int i = 0; i < 10; ++i)
        frame_[static_cast<std::size_t>(i)] = loadPicture(QString::fromLatin1(kFrameFiles[i]));
}

void TCommonPanel2::ZamienContent(TSuperTabs* Sender, int Src, int Dst) {
    TContent* stack = Sender == Zakladki           ? Content
                      : Sender == Zakladki_Results ? Content_Results
                                                   : nullptr;
    if (!stack)
        return;
    const int count = static_cast<int>(stack->Pages.size());
    Src = std::min(Src, count - 1);
    Dst = std::min(Dst, count - 1);
    if (Src == Dst || Src < 0 || Dst < 0)
        return;
    stack->SwapPages(Src, Dst);
}

void TCommonPanel2::placeResultPages(int index) {
    if (index < 0 || index >= static_cast<int>(Content->Pages.size()))
        return;
    const bool visible = Content_Results->isVisibleTo(Content_Results->parentWidget());
    QWidget* page = Content->Pages[static_cast<std::size_t>(index)];
    if (Content_Results->parentWidget() != page)
        Content_Results->setParent(page);
    Content_Results->setVisible(visible);
}

void TCommonPanel2::layoutPanel() {
    Content->setGeometry(3, 9, width() - 8, height() - 18);
}

void TCommonPanel2::resizeEvent(QResizeEvent* event) {
    layoutPanel();
    QWidget::resizeEvent(event);
}

void TCommonPanel2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), theme::kPageBackground);
    const int w = width();
    const int h = height();
    const auto draw = [&](FramePiece piece, const QRect& target) {
        const QPixmap& picture = frame_[piece];
        if (!picture.isNull())
            painter.drawPixmap(target, picture);
    };
    const auto corner = [&](FramePiece piece, int x, int y) {
        const QPixmap& picture = frame_[piece];
        if (!picture.isNull())
            painter.drawPixmap(x, y, picture);
    };
    draw(kTop2, QRect(QPoint(0, 0), QPoint(w - 10, 9) - QPoint(1, 1)));
    draw(kBottom, QRect(QPoint(0, h - 10), QPoint(w - 10, h) - QPoint(1, 1)));
    draw(kRight, QRect(QPoint(w - 10, 10), QPoint(w, h - 10) - QPoint(1, 1)));
    draw(kLeft, QRect(QPoint(0, 10), QPoint(9, h - 10) - QPoint(1, 1)));
    corner(kTopLeft2, 0, 0);
    corner(kTopRight2, w - 10, 0);
    corner(kBottomRight, w - 10, h - 10);
    corner(kBottomLeft, 0, h - 10);
}

TMyReaderPanel2::TMyReaderPanel2(QWidget* parent, QWidget* startPanel)
    : TCommonPanel2(parent), Panel1(startPanel) {
    Zakladki->AddSimpleTab(QStringLiteral("load file"), TKind::tkControl);
    TContentPage* startPage = Content->AddPage();
    Panel1->setParent(startPage);
    TContentPage::fillPage(Panel1);
    Panel1->show();
    startPage->show();
    Content->ActivePage = 0;
    addPlaceholders();
    actResInput = Zakladki_Results->GetTabIndex(QStringLiteral("parameters"), TKind::tkControl);
    actResOutput = Zakladki_Results->GetTabIndex(QStringLiteral("energy (MF)"), TKind::tkDynamic);
    layoutPanel();
}

void TMyReaderPanel2::addPlaceholders() {
    for (int i = 0; i < kPageCount; ++i) {
        auto* note = new QLabel(
            QStringLiteral("<p style='font-size:13pt'>%1</p>"
                           "<p>This page of the result is not available in this version.</p>")
                .arg(QString::fromLatin1(kPageTabs[i].caption)),
            resultPages[static_cast<std::size_t>(i)]);
        note->setAlignment(Qt::AlignCenter);
        QPalette palette = note->palette();
        palette.setColor(QPalette::WindowText, theme::kShadow);
        note->setPalette(palette);
        TContentPage::fillPage(note);
        placeholders_[static_cast<std::size_t>(i)] = note;
    }
}

void TMyReaderPanel2::registerPage(int index, PageFactory factory) {
    if (index < 0 || index >= kPageCount)
        return;
    placeholders_[static_cast<std::size_t>(index)]->hide();
    PageSlot& slot = slots_[static_cast<std::size_t>(index)];
    slot.factory = std::move(factory);
    slot.form.reset();
    slot.used = false;
    if (!madeOnFirstUse(index))
        createForm(index);
}

void TMyReaderPanel2::registerCompanion(TResultCompanion* companion) {
    companions_.push_back(companion);
}

void TMyReaderPanel2::createForm(int index) {
    PageSlot& slot = slots_[static_cast<std::size_t>(index)];
    if (slot.form || !slot.factory)
        return;
    slot.form = slot.factory();
    if (!slot.form)
        return;
    TContentPage* page = resultPages[static_cast<std::size_t>(index)];
    const QList<QWidget*> panels = slot.form->hostedPanels();
    for (QWidget* panel : panels) {
        panel->setParent(page);
        panel->show();
    }
    if (!panels.isEmpty())
        TContentPage::fillPage(panels.front());
    slot.form->initFormForResult();
}

TResultPage* TMyReaderPanel2::pageForm(int index) const {
    if (index < 0 || index >= kPageCount)
        return nullptr;
    return slots_[static_cast<std::size_t>(index)].form.get();
}

void TMyReaderPanel2::refreshInOrder(const std::vector<int>& order, TKind kind, int resultTab,
                                     int shownPage) {
    for (int index : order) {
        if (index == kPageSpectroscopy)
            continue; // loaded only when shown, below
        createForm(index);
        PageSlot& slot = slots_[static_cast<std::size_t>(index)];
        if (!slot.form)
            continue;
        slot.form->wczytajDane({kind, resultTab, index == shownPage, !slot.used});
        slot.used = true;
    }
}

void TMyReaderPanel2::refreshOrdinaryPages(int resultTab, int shownPage) {
    refreshInOrder(kOrdinaryOrder, TKind::tkResult, resultTab, shownPage);
    createForm(kPageSpectroscopy);
    if (shownPage == kPageSpectroscopy)
        loadSpectroscopy(resultTab);
    companionsLoad();
}

void TMyReaderPanel2::loadSpectroscopy(int resultTab) {
    createForm(kPageSpectroscopy);
    PageSlot& spectro = slots_[kPageSpectroscopy];
    if (!spectro.form || spectroTab == resultTab)
        return;
    spectro.form->wczytajDane({TKind::tkResult, resultTab, true, !spectro.used});
    spectro.used = true;
    spectroTab = resultTab;
}

void TMyReaderPanel2::refreshMeanFieldPages(int resultTab, int shownPage) {
    refreshInOrder(kMeanFieldOrder, TKind::tkDynamic, resultTab, shownPage);
}

void TMyReaderPanel2::ordinaryPagesShown(int resultTab, int shownPage) {
    for (int index : kOrdinaryOrder)
        if (TResultPage* form = pageForm(index))
            form->resultShown({TKind::tkResult, resultTab, index == shownPage, false});
}

void TMyReaderPanel2::resultAdded(TKind kind, int resultTab) {
    for (PageSlot& slot : slots_)
        if (slot.form)
            slot.form->resultAdded({kind, resultTab, false, false});
}

void TMyReaderPanel2::hideCompanions() {
    for (TResultCompanion* companion : companions_)
        companion->schowaj();
}

void TMyReaderPanel2::companionsResultChanged() {
    for (TResultCompanion* companion : companions_)
        companion->resultChanged();
}

void TMyReaderPanel2::companionsLoad() {
    for (TResultCompanion* companion : companions_)
        companion->wczytajDane();
}

} // namespace vintrel
