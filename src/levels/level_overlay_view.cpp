#include "levels/level_overlay_view.h"

#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/nice_panel.h"
#include "graphs/graph_page.h"
#include "graphs/plot_painter.h"
#include "levels/level_diagram_painter.h"
#include "levels/poziomy.h"
#include "levels/spectrum_plot.h"
#include "levels/transition_files.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

namespace vintrel {

namespace {

constexpr int kAreaLeft = 384;
constexpr int kGuideLeft = 374;
constexpr int kLegendWidth = 250;
constexpr int kLegendHeight = 96;
const QColor kGuide(0xC0, 0xC0, 0xC0);

} // namespace

TLevelOverlays::TLevelOverlays(Tpoziomy& page)
    : QObject(&page), FPage(page), FStrengths(std::make_unique<TransitionStrengths>()) {
    FLegend = new TNicePanel(page.diagram());
    loadPanelSet(*FLegend, QStringLiteral("panel"));
    FLegend->resize(kLegendWidth, kLegendHeight);
    auto* heading = new QLabel(QStringLiteral("nonzero transition matrix elements"), FLegend);
    heading->setFont(viewerFont());
    heading->move(10, 6);
    for (int t = 0; t < kStrengthTables; ++t) {
        TMyButton* b = TGraphPage::makeButton(FLegend, QString(), QString(), 32, true);
        b->SetDown(true);
        b->move(10 + (t % 4) * 36, 26 + (t / 4) * 26);
        FToggles[static_cast<std::size_t>(t)] = b;
        connect(b, &TMyButton::OnClick, this, [this] {
            decideScrollBar();
            FPage.diagram()->update();
        });
    }
    MyButton_invert = TGraphPage::makeButton(FLegend, QStringLiteral("Invert background color"),
                                             QStringLiteral("Invert background color"), 90, true);
    MyButton_invert->SetCaption(QStringLiteral("invert"));
    MyButton_invert->move(154, 52);
    connect(MyButton_invert, &TMyButton::OnClick, this, [this] { FPage.diagram()->update(); });
    FLegend->hide();

    page.setTransitionsPainter([this](QPainter& p, const DiagramScene& s, const DiagramLayout& l) {
        paintTransitions(p, s, l);
    });
    page.setMomentPainter([this](QPainter& p, const DiagramScene& s, const DiagramLayout& l) {
        paintMoments(p, s, l);
    });
    connect(&page, &Tpoziomy::transitionsToggled, this, &TLevelOverlays::transitionsToggled);
    page.diagram()->installEventFilter(this);
}

TLevelOverlays::~TLevelOverlays() = default;

QWidget* TLevelOverlays::legend() const {
    return FLegend;
}

void TLevelOverlays::applyBasis() {
    const int baza = sharedVariables().baza;
    // In |J,Jz> the three J toggles fill one row.
    FLegend->resize(kLegendWidth, baza == 2 ? kLegendHeight - 26 : kLegendHeight);
    MyButton_invert->move(154, baza == 2 ? 26 : 52);
    for (int t = 0; t < kStrengthTables; ++t) {
        TMyButton* b = FToggles[static_cast<std::size_t>(t)];
        const int type = t; // the tables and the spectrum's types share their order
        b->setVisible(baza != 2 || t < 3);
        b->SetCaption(QString::fromStdString(intensityCaption(type, baza)));
        const Rgb c = intensityColour(type, baza);
        ControlFont font = b->FontOut();
        font.colour = QColor(c.r, c.g, c.b);
        b->SetFontOut(font);
        ControlFont over = b->FontOver();
        over.colour = font.colour;
        b->SetFontOver(over);
    }
}

void TLevelOverlays::placeLegend() {
    QWidget* diagram = FPage.diagram();
    FLegend->move(std::max(diagram->width() - kLegendWidth - 60, 0), 8);
}

void TLevelOverlays::transitionsToggled(bool on) {
    if (!on) {
        FLegend->hide();
        if (!FPage.momentButton()->Down())
            FPage.overlayScrollBar()->hide();
        return;
    }
    applyBasis();
    placeLegend();
    FLegend->show();
    FLegend->raise();
    readStrengths();
    decideScrollBar();
    FPage.diagram()->update();
}

void TLevelOverlays::readStrengths() {
    *FStrengths = TransitionStrengths{};
    const std::filesystem::path folder = FPage.resultFolder();
    if (folder.empty())
        return;
    const TVariables& vars = sharedVariables();
    // A file that cannot be read leaves no arrows (not the previous result's).
    runGuarded(FPage.p0(), [&] {
        const auto term = groundTermOf(vars.siconf, vars.baza, vars.cialo);
        const int N = term ? term->N : 0;
        generateTransitionFiles(folder, N, vars.baza);
        const AxisLevels& z = FPage.levelTables().axis(Axis::z);
        readTransitionStrengths(folder, 0, vars._dimension, vars.baza, z, z.count, *FStrengths);
    });
}

StrengthMask TLevelOverlays::shownTables() const {
    StrengthMask mask{};
    for (int t = 0; t < kStrengthTables; ++t)
        mask[static_cast<std::size_t>(t)] = FToggles[static_cast<std::size_t>(t)]->Down();
    return mask;
}

void TLevelOverlays::decideScrollBar() {
    if (!FPage.transitionsButton()->Down())
        return;
    QScrollBar* scroll = FPage.overlayScrollBar();
    QWidget* diagram = FPage.diagram();
    const int N = FPage.levelTables().axis(Axis::z).count;
    const int right = diagram->width() - DiagramScene{}.bandWidth;
    const int end =
        transitionArrowsEnd(*FStrengths, N, sharedVariables().baza, shownTables(), kAreaLeft);
    if (end > right && scroll->isHidden()) {
        scroll->setMaximum(overlayScrollExtent(diagram->width(), N, sharedVariables().cialo) / 10);
        scroll->setValue(0);
        scroll->show();
    } else if (end <= right && !scroll->isHidden()) {
        scroll->setMaximum(1);
        scroll->setValue(0);
        scroll->hide();
    }
}

bool TLevelOverlays::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FPage.diagram() && event->type() == QEvent::Resize) {
        placeLegend();
        decideScrollBar();
    }
    return QObject::eventFilter(watched, event);
}

void TLevelOverlays::paintTransitions(QPainter& painter, const DiagramScene& scene,
                                      const DiagramLayout& layout) {
    const QWidget* diagram = FPage.diagram();
    const int width = diagram->width();
    const int height = diagram->height();
    const int right = width - scene.bandWidth;
    const bool inverted = MyButton_invert->Down();
    painter.setPen(kGuide);
    for (const LevelRow& row : layout.rows)
        if (row.groupCount == 1)
            painter.drawLine(kGuideLeft, row.y, right, row.y);
    const QColor background = inverted ? Qt::black : Qt::white;
    painter.fillRect(QRect(kAreaLeft, 0, std::max(right - kAreaLeft, 0), height), background);
    const QScrollBar* scroll = FPage.overlayScrollBar();
    const ArrowArea area{kAreaLeft, right, scroll->value(), !scroll->isHidden()};
    const int N = std::min<int>(scene.levelCount, static_cast<int>(layout.rows.size()));
    FArrows = transitionArrows(*FStrengths, N, scene.baza, shownTables(), area);
    PlotScene arrows;
    arrows.width = width;
    arrows.height = height;
    const Rgb fill = inverted ? Rgb{0, 0, 0} : Rgb{0xFF, 0xFF, 0xFF};
    for (const TransitionArrowSpec& a : FArrows) {
        const int y0 = layout.rows[static_cast<std::size_t>(a.from - 1)].y;
        const int y1 = layout.rows[static_cast<std::size_t>(a.to - 1)].y;
        for (SceneItem& item : transitionArrow(a.x, y0, y1, a.colour, fill))
            arrows.items.push_back(std::move(item));
    }
    paintPlotScene(painter, arrows);
}

void TLevelOverlays::paintMoments(QPainter& painter, const DiagramScene& scene,
                                  const DiagramLayout& layout) {
    const QWidget* diagram = FPage.diagram();
    const QRect clip(396, 0, diagram->width() - 25 - 396, diagram->height());
    const QScrollBar* scroll = FPage.overlayScrollBar();
    const int shift = scroll->isHidden() ? 0 : 10 * scroll->value();
    const TVariables& vars = sharedVariables();
    painter.setFont(viewerFont(QStringLiteral("Tahoma"), 9));
    FMoments.clear();
    for (const LevelGroupSpan& group : rowGroups(layout.rows)) {
        const GroupMoment moment =
            groupMoment(*scene.tables, group.first, group.last, scene.baza, scene.term.gJ);
        std::vector<MomentRun> runs = momentTexts(moment, vars.cialo);
        const int y = layout.rows[static_cast<std::size_t>(group.first - 1)].labelY;
        for (const MomentRun& run : runs) {
            int x = run.x;
            for (const MomentPiece& piece : run.pieces) {
                painter.setPen(QColor(piece.colour.r, piece.colour.g, piece.colour.b));
                x = drawMarkupText(painter, x, y, QString::fromStdString(piece.text), clip, shift) +
                    shift;
            }
        }
        FMoments.push_back(std::move(runs));
    }
}

} // namespace vintrel
