#include "tabs/reader_panel.h"

#include "controls/pictures.h"
#include "controls/theme.h"

#include <QChildEvent>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace vintrel {

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

} // namespace

TContentPage::TContentPage(QWidget* parent, const QColor& colour) : QWidget(parent) {
    theme::fillBackground(this, colour);
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

    for (const ResultPageRow& row : kResultPages) {
        const int index = Zakladki_Results->AddSimpleTab(QString::fromLatin1(row.caption),
                                                         pageTabKind(row.resultKind));
        Zakladki_Results->Tabs(index)->setPageId(row.id);
        resultPages_[static_cast<std::size_t>(pageNumber(row.id))] = Content_Results->AddPage();
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

PageId TCommonPanel2::pageAt(int index) const {
    const TTab* tab = Zakladki_Results->Tabs(index);
    return tab ? tab->pageId() : PageId::None;
}

int TCommonPanel2::tabIndexOf(PageId id) const {
    for (int index = 0; index < Zakladki_Results->TabCount(); ++index)
        if (Zakladki_Results->Tabs(index)->pageId() == id)
            return index;
    return -1;
}

TContentPage* TCommonPanel2::resultPage(PageId id) const {
    return isPage(id) ? resultPages_[static_cast<std::size_t>(pageNumber(id))] : nullptr;
}

QString TCommonPanel2::resultTabName(const QWidget* page, const std::string& folder) {
    const QString resDir = QString::fromStdString(folder);
    for (const QWidget* w = page; w; w = w->parentWidget())
        if (const auto* panel = qobject_cast<const TCommonPanel2*>(w))
            for (int i = 0; i < panel->Zakladki->TabCount(); ++i)
                if (panel->Zakladki->Tabs(i)->ResDir() == resDir)
                    return panel->Zakladki->Tabs(i)->TabName();
    return resDir;
}

std::vector<std::string> TCommonPanel2::resultFolders(const QWidget* page, TKind kind) {
    std::vector<std::string> folders;
    for (const QWidget* w = page; w; w = w->parentWidget())
        if (const auto* panel = qobject_cast<const TCommonPanel2*>(w)) {
            for (int i = 0; i < panel->Zakladki->TabCount(); ++i) {
                const TTab* tab = panel->Zakladki->Tabs(i);
                if (tab->Kind() == kind && !tab->ResDir().isEmpty())
                    folders.push_back(tab->ResDir().toStdString());
            }
            break;
        }
    return folders;
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
    actResInput = firstPage(TKind::tkResult);
    actResOutput = firstPage(TKind::tkDynamic);
    layoutPanel();
}

int TMyReaderPanel2::startTabIndex() const {
    const auto page =
        std::find(Content->Pages.begin(), Content->Pages.end(), Panel1->parentWidget());
    return page == Content->Pages.end() ? 0 : static_cast<int>(page - Content->Pages.begin());
}

void TMyReaderPanel2::addPlaceholders() {
    for (const ResultPageRow& row : kResultPages) {
        auto* note = new QLabel(
            QStringLiteral("<p style='font-size:13pt'>%1</p>"
                           "<p>This page of the result is not available in this version.</p>")
                .arg(QString::fromLatin1(row.caption)),
            resultPage(row.id));
        note->setAlignment(Qt::AlignCenter);
        QPalette palette = note->palette();
        palette.setColor(QPalette::WindowText, theme::kShadow);
        note->setPalette(palette);
        TContentPage::fillPage(note);
        placeholders_[static_cast<std::size_t>(pageNumber(row.id))] = note;
    }
}

TMyReaderPanel2::PageSlot& TMyReaderPanel2::slot(PageId id) {
    return slots_[static_cast<std::size_t>(pageNumber(id))];
}

void TMyReaderPanel2::registerPage(PageId id, PageFactory factory) {
    if (!isPage(id))
        return;
    placeholders_[static_cast<std::size_t>(pageNumber(id))]->hide();
    PageSlot& page = slot(id);
    page.factory = std::move(factory);
    page.form.reset();
    page.used = false;
    page.loadedFor.clear();
    if (pageRow(id).made == FormMade::WithPanel)
        createForm(id);
}

void TMyReaderPanel2::registerCompanion(TResultCompanion* companion) {
    companions_.push_back(companion);
}

void TMyReaderPanel2::createForm(PageId id) {
    PageSlot& page = slot(id);
    if (page.form || !page.factory)
        return;
    page.form = page.factory();
    if (!page.form)
        return;
    const QList<QWidget*> panels = page.form->hostedPanels();
    for (QWidget* panel : panels) {
        panel->setParent(resultPage(id));
        panel->show();
    }
    if (!panels.isEmpty())
        TContentPage::fillPage(panels.front());
    page.form->initFormForResult();
}

TResultPage* TMyReaderPanel2::pageForm(PageId id) const {
    return isPage(id) ? slots_[static_cast<std::size_t>(pageNumber(id))].form.get() : nullptr;
}

void TMyReaderPanel2::refreshPages(TKind kind, int resultTab, PageId shown) {
    for (PageId id : refreshOrder(kind)) {
        createForm(id);
        if (pageRow(id).has(kLoadsWhenShown)) {
            if (id == shown)
                loadWhenShown(id, resultTab);
            continue;
        }
        PageSlot& page = slot(id);
        if (!page.form)
            continue;
        page.form->wczytajDane({kind, resultTab, id == shown, !page.used});
        page.used = true;
    }
    // Forms made on first use that take no part in the refresh are made all the same.
    for (const ResultPageRow& row : kResultPages)
        if (row.resultKind == kind && row.made == FormMade::OnFirstUse)
            createForm(row.id);
}

void TMyReaderPanel2::refreshOrdinaryPages(int resultTab, PageId shown) {
    refreshPages(TKind::tkResult, resultTab, shown);
    companionsLoad();
}

void TMyReaderPanel2::refreshMeanFieldPages(int resultTab, PageId shown) {
    refreshPages(TKind::tkDynamic, resultTab, shown);
}

void TMyReaderPanel2::loadWhenShown(PageId id, int resultTab) {
    const TTab* result = Zakladki->Tabs(resultTab);
    if (!result || !pageHas(id, kLoadsWhenShown) || pageRow(id).resultKind != result->Kind())
        return;
    createForm(id);
    PageSlot& page = slot(id);
    if (!page.form || (!page.loadedFor.isEmpty() && page.loadedFor == result->ResDir()))
        return;
    page.form->wczytajDane({result->Kind(), resultTab, true, !page.used});
    page.used = true;
    page.loadedFor = result->ResDir();
}

void TMyReaderPanel2::forgetResult(const QString& folder) {
    for (PageSlot& page : slots_)
        if (page.loadedFor == folder)
            page.loadedFor.clear();
}

void TMyReaderPanel2::ordinaryPagesShown(int resultTab, PageId shown) {
    for (PageId id : refreshOrder(TKind::tkResult))
        if (TResultPage* form = pageForm(id))
            form->resultShown({TKind::tkResult, resultTab, id == shown, false});
}

void TMyReaderPanel2::resultAdded(TKind kind, int resultTab) {
    for (PageSlot& page : slots_)
        if (page.form)
            page.form->resultAdded({kind, resultTab, false, false});
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
