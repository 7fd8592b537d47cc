// The level page's overlays: transition arrows with their legend, and the moment texts.
#include "controls/messages.h"
#include "controls/my_button.h"
#include "levels/level_overlay_view.h"
#include "levels/poziomy.h"
#include "levels/transition_files.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace vintrel;

namespace {

// Ti3+ in |L,Lz,S,Sz> (complex): five pairs of levels 100 K apart, with an L element from
// the ground pair to the second pair, an S element to the third and both from the second to
// the third; within each pair a weaker L_- element.
test::ResultRecipe titaniumWithTransitions() {
    test::ResultRecipe recipe = test::titaniumComplex();
    std::vector<double> energies;
    for (const auto& level : recipe.levels[0].levels)
        energies.push_back(level.E);
    recipe.strengths = test::strengthsBlock(0, energies, [](int i, int j) {
        std::vector<double> e(7, 0.0);
        if ((i + 1) / 2 == (j + 1) / 2)
            e[2] = 0.3;
        if (i == 1 && j == 3)
            e[0] = 1;
        if (i == 1 && j == 5)
            e[3] = 1;
        if (i == 3 && j == 5)
            e[0] = e[3] = 0.5;
        return e;
    });
    return recipe;
}

// The same ion with its ten levels 50 K apart and an L_z element between every two states:
// 100 arrows.
test::ResultRecipe titaniumManyTransitions() {
    test::ResultRecipe recipe = test::titaniumComplex();
    std::vector<double> energies;
    for (std::size_t i = 0; i < recipe.levels[0].levels.size(); ++i) {
        recipe.levels[0].levels[i].E = 50.0 * static_cast<double>(i);
        energies.push_back(50.0 * static_cast<double>(i));
    }
    recipe.strengths = test::strengthsBlock(0, energies, [](int i, int j) {
        std::vector<double> e(7, 0.0);
        e[0] = 0.1 * (i + j);
        return e;
    });
    return recipe;
}

struct Hosted {
    test::WorkingRoot root;
    QWidget host;
    Tpoziomy page;
    TLevelOverlays* overlays = nullptr;

    explicit Hosted(const test::ResultRecipe& recipe, int width = 1200) {
        const ResultLocation location = root.write("Result00", recipe);
        loadResultInputs(location);
        overlays = new TLevelOverlays(page);
        auto* layout = new QVBoxLayout(&host);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page.p0());
        host.resize(width, 640);
        page.setResultLocation(location);
        page.czytaj();
        host.show();
        if (!QTest::qWaitForWindowExposed(&host))
            qWarning("page not exposed");
        QCoreApplication::processEvents();
    }
    void press(TMyButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void repaint() {
        page.diagram()->repaint();
        QCoreApplication::processEvents();
    }
    const TransitionArrowSpec* arrow(int from, int to) const {
        for (const auto& a : overlays->lastArrows())
            if (a.from == from && a.to == to)
                return &a;
        return nullptr;
    }
};

} // namespace

class LevelOverlaysViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void transitionsDrawArrowsByTypeAndStrength();
    void theTwoOverlaysAreExclusive();
    void jBasisHasThreeGreenTables();
    void scrollBarIsDecidedBeforePainting();
    void momentTextsForBothHamiltonians();
};

void LevelOverlaysViewTest::transitionsDrawArrowsByTypeAndStrength() {
    Hosted hosted(titaniumWithTransitions());
    hosted.press(hosted.page.transitionsButton());
    QVERIFY(hosted.overlays->legend()->isVisible());
    QCOMPARE(hosted.page.transitionsButton()->Caption(), QStringLiteral("hide transitions"));
    // The transition list was made on the way.
    QVERIFY(std::filesystem::exists(hosted.root.folder("Result00") / kSpectroFile));
    for (int t = 0; t < kStrengthTables; ++t)
        QVERIFY(hosted.overlays->lineToggle(t)->isVisible());
    QCOMPARE(hosted.overlays->lineToggle(3)->Caption(), QStringLiteral("S_z"));
    hosted.repaint();
    const TransitionArrowSpec* l = hosted.arrow(1, 3);
    const TransitionArrowSpec* s = hosted.arrow(1, 5);
    const TransitionArrowSpec* both = hosted.arrow(3, 5);
    QVERIFY(l && s && both);
    QCOMPARE(l->colour, blendIntensity(l->h, {0, 0, 0xFF}));
    QCOMPARE(s->colour, blendIntensity(s->h, {0xFF, 0, 0}));
    QCOMPARE(both->colour, blendIntensity(both->h, {0xFF, 0, 0xFF}));
    // Within a group (the weak L_- elements of each pair): a dot, weakly shaded.
    const TransitionArrowSpec* dot = hosted.arrow(1, 1);
    QVERIFY(dot);
    QVERIFY(dot->h < l->h);
    // Only S_z: the mixed transition turns red, the L one goes.
    for (int t : {0, 1, 2, 4, 5, 6})
        hosted.press(hosted.overlays->lineToggle(t));
    hosted.repaint();
    QVERIFY(!hosted.arrow(1, 3));
    QVERIFY(hosted.arrow(3, 5));
    QCOMPARE(hosted.arrow(3, 5)->colour, blendIntensity(hosted.arrow(3, 5)->h, {0xFF, 0, 0}));
    // Inverted background: the arrows' area turns black.
    hosted.press(hosted.overlays->invertButton());
    const QImage image = hosted.page.renderDiagram();
    QCOMPARE(image.pixelColor(390, 5), QColor(Qt::black));
}

void LevelOverlaysViewTest::theTwoOverlaysAreExclusive() {
    Hosted hosted(titaniumWithTransitions());
    hosted.press(hosted.page.transitionsButton());
    hosted.press(hosted.page.momentButton());
    QVERIFY(hosted.page.momentButton()->Down());
    QVERIFY(!hosted.page.transitionsButton()->Down());
    QVERIFY(!hosted.overlays->legend()->isVisible());
    QVERIFY(hosted.page.overlayScrollBar()->isVisible());
    // And the other way round: showing transitions releases the moments.
    hosted.press(hosted.page.transitionsButton());
    QVERIFY(hosted.page.transitionsButton()->Down());
    QVERIFY(!hosted.page.momentButton()->Down());
    QCOMPARE(hosted.page.momentButton()->Caption(), QStringLiteral("show magnetic moment"));
    // Another axis switches the transitions off with their legend.
    hosted.page.selectAxis(Axis::x);
    QVERIFY(!hosted.page.transitionsButton()->Down());
    QVERIFY(!hosted.overlays->legend()->isVisible());
}

void LevelOverlaysViewTest::jBasisHasThreeGreenTables() {
    Hosted hosted(test::ceriumCubicWithTransitions());
    hosted.press(hosted.page.transitionsButton());
    for (int t = 0; t < kStrengthTables; ++t)
        QCOMPARE(hosted.overlays->lineToggle(t)->isVisible(), t < 3);
    QCOMPARE(hosted.overlays->lineToggle(0)->Caption(), QStringLiteral("J_z"));
    hosted.repaint();
    QVERIFY(!hosted.overlays->lastArrows().empty());
    for (const auto& a : hosted.overlays->lastArrows())
        QCOMPARE(a.colour, blendIntensity(a.h, {0, 0x80, 0}));
}

void LevelOverlaysViewTest::scrollBarIsDecidedBeforePainting() {
    Hosted hosted(titaniumManyTransitions(), 1500);
    hosted.press(hosted.page.transitionsButton());
    QScrollBar* scroll = hosted.page.overlayScrollBar();
    // 100 arrows and ten initial levels: 3 + 10 × 5 + 100 × 6 = 653 px right of 384.
    QVERIFY(scroll->isHidden());
    hosted.host.resize(1000, 640);
    QTRY_VERIFY(!scroll->isHidden());
    QCOMPARE(scroll->value(), 0);
    QCOMPARE(scroll->maximum(), overlayScrollExtent(hosted.page.diagram()->width(), 10, 2) / 10);
    // Scrolled, the first arrows are left out.
    hosted.repaint();
    const std::size_t all = hosted.overlays->lastArrows().size();
    scroll->setValue(3);
    hosted.repaint();
    QVERIFY(hosted.overlays->lastArrows().size() < all);
    QCOMPARE(hosted.overlays->lastArrows().front().x, 384 + 10);
    hosted.host.resize(1500, 640);
    QTRY_VERIFY(scroll->isHidden());
}

void LevelOverlaysViewTest::momentTextsForBothHamiltonians() {
    {
        Hosted hosted(titaniumWithTransitions());
        hosted.press(hosted.page.momentButton());
        hosted.repaint();
        const auto& groups = hosted.overlays->lastMoments();
        QCOMPARE(groups.size(), std::size_t{5});
        QCOMPARE(groups[0].size(), std::size_t{6});
        QCOMPARE(groups[0][1].x, 656);
        QCOMPARE(groups[0][1].pieces.size(), std::size_t{7}); // x, y and z
    }
    {
        Hosted hosted(test::ceriumCubicWithTransitions());
        hosted.press(hosted.page.momentButton());
        hosted.repaint();
        const auto& groups = hosted.overlays->lastMoments();
        QCOMPARE(groups.size(), std::size_t{2});
        QCOMPARE(groups[0][1].x, 586);
        QCOMPARE(groups[0][1].pieces.size(), std::size_t{5}); // x and z
        // The Γ7 doublet of the fixture: <M_z> ±0.714 averages to 0.
        QCOMPARE(QString::fromStdString(groups[0][0].pieces[0].text),
                 QStringLiteral("<m_t_o_t>=0.0000\\m_B,  "));
    }
}

QTEST_MAIN(LevelOverlaysViewTest)
#include "level_overlays_view_test.moc"
