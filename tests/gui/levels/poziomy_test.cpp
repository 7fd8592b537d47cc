#include "base/number_pattern.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_combobox.h"
#include "controls/my_label.h"
#include "controls/my_updown.h"
#include "levels/detail_forms.h"
#include "levels/poziomy.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <memory>

using namespace vintrel;

namespace {

// The page hosted in a shown window, on the files of one result folder.
struct HostedPage {
    test::WorkingRoot root;
    QWidget host;
    Tpoziomy page;
    TEigenenergyForm energies;
    TEigenVectorsForm vectors;
    TScatteringForm scattering;

    explicit HostedPage(const test::ResultRecipe& recipe) {
        const ResultLocation location = root.write("Result00", recipe);
        TVariables& vars = sharedVariables();
        vars = TVariables{};
        vars.siconf = recipe.configuration;
        vars.baza = static_cast<std::uint8_t>(recipe.baza);
        vars.cialo = static_cast<std::uint8_t>(recipe.cialo);
        auto* layout = new QVBoxLayout(&host);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page.p0());
        host.resize(1000, 640);
        page.setDetailForms(&energies, &vectors, &scattering);
        page.setMainWindow(&host);
        page.setResultLocation(location);
        page.czytaj();
        host.show();
        if (!QTest::qWaitForWindowExposed(&host))
            qWarning("page not exposed");
        QCoreApplication::processEvents();
    }
    std::filesystem::path folder() const { return root.folder("Result00"); }
    std::string energyView() const { return test::readFile(folder() / "g_E.dup"); }
    void clickDiagram(int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(page.diagram(), button, {}, QPoint(400, y));
        QCoreApplication::processEvents();
    }
};

const char* const kViewHeader = "Energy view range (relative to ground energy level)\r\n"
                                "    min        max\r\n";

} // namespace

class PoziomyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void ceriumShowsTheTwoCubicGroups();
    void damagedFileIsReportedNotDrawn();
    void missingLevelsShowANoteNotTheLastRange();
    void energyUnitsChangeOnlyTheTextColumn();
    void complexResultOffersThreeAxes();
    void clicksZoomAboutThePointer();
    void dragSetsTheBand();
    void axisChoiceHidesTheTransitionsToggle();
    void togglesSwitchTheirCaptions();
    void detailWindowsFollowTheirToggles();
    void eigenvectorWindowExportsTheTable();
    void changedFileIsReadAgain();
    void wheelAndButtonsScroll();
    void zoomPanelNavigates();
    void thumbDragMovesTheWindow();
    void miniParamViewIsDrawnThroughTheHook();
    void meanFieldResultPaintsNothing();
    void overlayPainterGetsTheLevelRows();
    void screenshot();
};

void PoziomyTest::ceriumShowsTheTwoCubicGroups() {
    HostedPage p(test::ceriumCubic());
    QTRY_VERIFY(!p.page.lastLayout().rows.empty());
    const auto sizes = groupSizes(p.page.lastLayout().rows);
    QCOMPARE(sizes, (std::vector<int>{2, 0, 4, 0, 0, 0}));
    QCOMPARE(p.energyView(), std::string(kViewHeader) + "0.0000 116.0000\r\n");
    QCOMPARE(p.page.energyView().zoomFactorText(), std::string("1.0x"));
    QVERIFY(!p.page.axisButton(Axis::y)->isVisibleTo(&p.host));
}

void PoziomyTest::damagedFileIsReportedNotDrawn() {
    HostedPage p(
        test::ceriumCubic().withFile(kLevelsFile, "x0x E\r\n0 0 0 0 0 0\r\n0 zero 0 0 0 0\r\n"));
    QCoreApplication::processEvents();
    p.page.renderDiagram();
    QCOMPARE(p.page.levelTables().axis(Axis::z).count, 0);
    test::writeResult(p.folder(), test::ceriumCubic()); // repaired: read at the next paint
    p.page.renderDiagram();
    QCOMPARE(p.page.levelTables().axis(Axis::z).count, 6);
}

void PoziomyTest::missingLevelsShowANoteNotTheLastRange() {
    HostedPage p(test::ceriumCubic());
    QCOMPARE(p.page.energyView().window().eend, 116.0);
    // Saving stores a missing "o_E.dup" empty: the result has no levels to show.
    test::writeResult(p.folder(), test::ceriumCubic().emptied(kLevelsFile));
    const QImage image = p.page.renderDiagram();
    QCOMPARE(p.page.energyView().window().estart, 0.0);
    QCOMPARE(p.page.energyView().window().eend, 1.0);
    const auto inkIn = [](const QImage& picture, const QRect& area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ink += qGray(picture.pixel(x, y)) < 160;
        return ink;
    };
    const QRect middle(image.width() / 2 - 150, image.height() / 2 - 15, 300, 30);
    QVERIFY(inkIn(image, middle) > 50); // "Energy level data not found in result file"
    test::writeResult(p.folder(), test::ceriumCubic());
    p.page.renderDiagram();
    QCOMPARE(p.page.energyView().window().eend, 116.0);
    QCOMPARE(inkIn(p.page.renderDiagram(), middle), 0);
}

void PoziomyTest::energyUnitsChangeOnlyTheTextColumn() {
    HostedPage p(test::ceriumCubic());
    const QStringList items{"Energy Ei [K]", "Energy Ei [meV]", "Energy Ei [1/cm]"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(p.page.unitBox()->itemText(i), items[i]);
    const double shown = p.page.levelTables().axis(Axis::z).Eshown[3];
    QCOMPARE(shown, 116.0);
    p.page.unitBox()->setCurrentIndex(2);
    QCOMPARE(p.page.energyUnit(), EnergyUnit::inverseCm);
    QVERIFY(qAbs(energyUnitFactor(p.page.energyUnit(), shown) - 80.62) < 1e-9);
    p.page.unitBox()->setCurrentIndex(1);
    QVERIFY(qAbs(energyUnitFactor(p.page.energyUnit(), shown) - 9.996106) < 1e-5);
    // the stored window stays in K
    QCOMPARE(p.energyView(), std::string(kViewHeader) + "0.0000 116.0000\r\n");
}

void PoziomyTest::complexResultOffersThreeAxes() {
    HostedPage p(test::titaniumComplex());
    for (Axis a : {Axis::z, Axis::x, Axis::y})
        QVERIFY(p.page.axisButton(a)->isVisibleTo(&p.host));
    const LevelTables& t = p.page.levelTables();
    const QString z = levelValueText(t.axis(Axis::z), 3, Axis::z, 1);
    const QString x = levelValueText(t.axis(Axis::x), 3, Axis::x, 1);
    const QString y = levelValueText(t.axis(Axis::y), 3, Axis::y, 1);
    QCOMPARE(z, QStringLiteral("<L_z>=0.4000, <S_z>=0.5000, <L_z>+g_e<S_z>=1.4012"));
    QCOMPARE(x, QStringLiteral("<L_x>=0.2000, <S_x>=0.2500, <L_x>+g_e<S_x>=0.7006"));
    QCOMPARE(y, QStringLiteral("<L_y>=0.1000, <S_y>=0.1250, <L_y>+g_e<S_y>=0.3503"));
    QTest::mouseClick(p.page.axisButton(Axis::y), Qt::LeftButton);
    QCOMPARE(p.page.axis(), Axis::y);
    QVERIFY(p.page.axisButton(Axis::y)->Down());
    QVERIFY(!p.page.axisButton(Axis::z)->Down());
}

void PoziomyTest::clicksZoomAboutThePointer() {
    HostedPage p(test::ceriumCubic());
    const int H = p.page.diagram()->height();
    const int y = 150;
    const double pointed = yToLevel(y, p.page.energyView().window(), H);
    p.clickDiagram(y);
    QCOMPARE(p.page.energyView().zoomFactorText(), std::string("1.43x"));
    QVERIFY(qAbs(yToLevel(y, p.page.energyView().window(), H) - pointed) < 1e-9);
    p.clickDiagram(y, Qt::RightButton);
    QCOMPARE(p.page.energyView().zoomFactorText(), std::string("1.0x"));
    QVERIFY(qAbs(yToLevel(y, p.page.energyView().window(), H) - pointed) < 1e-9);
}

void PoziomyTest::dragSetsTheBand() {
    HostedPage p(test::ceriumCubic());
    QWidget* d = p.page.diagram();
    const int H = d->height();
    const ViewWindow before = p.page.energyView().window();
    QTest::mousePress(d, Qt::LeftButton, {}, QPoint(300, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), d->mapToGlobal(QPointF(300, 200)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(d, &move);
    QTest::mouseRelease(d, Qt::LeftButton, {}, QPoint(300, 200));
    const ViewWindow after = p.page.energyView().window();
    QVERIFY(qAbs(after.view_emax - yToLevel(100, before, H)) < 1e-9);
    QVERIFY(qAbs(after.view_emin - yToLevel(200, before, H)) < 1e-9);
}

void PoziomyTest::axisChoiceHidesTheTransitionsToggle() {
    HostedPage p(test::ceriumCubic());
    QTest::mouseClick(p.page.transitionsButton(), Qt::LeftButton);
    QVERIFY(p.page.transitionsButton()->Down());
    p.page.selectAxis(Axis::x);
    QVERIFY(!p.page.transitionsButton()->Down());
    QVERIFY(!p.page.transitionsButton()->isVisibleTo(&p.host));
    QVERIFY(p.page.transitionsNote()->isVisibleTo(&p.host));
    QCOMPARE(p.page.transitionsNote()->text(),
             QStringLiteral("Transitions visible for z quantization axis only."));
    p.page.selectAxis(Axis::z);
    QVERIFY(p.page.transitionsButton()->isVisibleTo(&p.host));
    QVERIFY(!p.page.transitionsNote()->isVisibleTo(&p.host));
}

void PoziomyTest::togglesSwitchTheirCaptions() {
    HostedPage p(test::ceriumCubic());
    QTest::mouseClick(p.page.transitionsButton(), Qt::LeftButton);
    QCOMPARE(p.page.transitionsButton()->Caption(), QStringLiteral("hide transitions"));
    QTest::mouseClick(p.page.momentButton(), Qt::LeftButton);
    QCOMPARE(p.page.momentButton()->Caption(), QStringLiteral("hide magnetic moment"));
    QVERIFY(!p.page.transitionsButton()->Down());
    QCOMPARE(p.page.transitionsButton()->Caption(), QStringLiteral("observable transitions"));
    p.page.resultChanged();
    QVERIFY(!p.page.momentButton()->Down());
    QCOMPARE(p.page.momentButton()->Caption(), QStringLiteral("show magnetic moment"));
    QCOMPARE(p.page.valuesLabel()->Caption(), QStringLiteral("expected values"));
}

void PoziomyTest::detailWindowsFollowTheirToggles() {
    test::ResultRecipe recipe = test::ceriumCubic();
    recipe.strengths = "*0*\r\n0 first state\r\n   E  Jz\r\n0 0.5 0 0\r\n\r\n";
    HostedPage p(recipe);
    QTest::mouseClick(p.page.eigenvaluesButton(), Qt::LeftButton);
    QTRY_VERIFY(p.energies.isVisible());
    QCOMPARE(p.energies.windowTitle(), QStringLiteral(" details of eigenstates"));
    QCOMPARE(
        p.energies.heading(),
        QStringLiteral("Energy levels and corresponding expected values of 4f^1 in |J,Jz> base"));
    const QStringList lines = p.energies.memoText().split('\n');
    QCOMPARE(lines.size(), 1 + 6 + 1 + 6);
    QCOMPARE(lines.front(), QStringLiteral("E [K]      Eshown    extra   <S>     <L>     <M>"));
    QTest::mouseClick(p.page.eigenvaluesButton(), Qt::LeftButton);
    QTRY_VERIFY(!p.energies.isVisible());

    QTest::mouseClick(p.page.eigenvectorsButton(), Qt::LeftButton);
    QTRY_VERIFY(p.vectors.isVisible());
    QCOMPARE(p.vectors.memoText(), QStringLiteral("|1> = 0.408|-5/2> + 0.913|3/2>\n|2> = ..."));
    p.vectors.close(); // the close box releases the toggle
    QVERIFY(!p.page.eigenvectorsButton()->Down());

    QTest::mouseClick(p.page.scatteringButton(), Qt::LeftButton);
    QTRY_VERIFY(p.scattering.isVisible());
    QCOMPARE(p.scattering.heading(), QStringLiteral("Matrix elements between eigenstates "));
    QVERIFY(p.scattering.memoText().startsWith(QStringLiteral("0 first state\n   E  Jz")));
    p.scattering.resize(5000, 5000); // larger than the screen: back to two thirds
    const QRect screen = p.scattering.screen()->availableGeometry();
    QTRY_COMPARE(p.scattering.height(), (screen.height() / 3) * 2);
}

void PoziomyTest::eigenvectorWindowExportsTheTable() {
    test::ResultRecipe recipe = test::ceriumCubic();
    recipe.levels = {{test::ceriumCubicLevels(),
                      false,
                      {" level  1  E= 0 K:  -0.4082|Jz=-5/2> + 0.9129|Jz=3/2>",
                       " level  3  E= 116 K:  1.0000|Jz=1/2>"},
                      0}};
    HostedPage p(recipe);
    QTest::mouseClick(p.page.eigenvectorsButton(), Qt::LeftButton);
    QTRY_VERIFY(p.vectors.isVisible());
    QVERIFY(p.vectors.exportButton()->isVisible());
    const std::filesystem::path tex = p.root.path() / "table.tex";
    QCOMPARE(p.vectors.writeTable(QString::fromStdString(tex.string())), QString());
    const std::string latex = test::readFile(tex);
    QVERIFY(latex.find("\\begin{tabular}{rrrrrp{4.4cm}}") != std::string::npos);
    QVERIFY(latex.find("$-0.4082\\,\\vert \\frac{5}{2},-\\frac{5}{2}\\rangle + "
                       "0.9129\\,\\vert \\frac{5}{2},\\frac{3}{2}\\rangle$") != std::string::npos);
    // By suffix: Markdown, and CSV for anything else, with the weight field's threshold.
    const std::filesystem::path md = p.root.path() / "table.md";
    QCOMPARE(p.vectors.writeTable(QString::fromStdString(md.string())), QString());
    QVERIFY(test::readFile(md).find("| 3 | 116.000 |") != std::string::npos);
    p.vectors.weightField()->SetPosition(0.5);
    const std::filesystem::path csv = p.root.path() / "table.csv";
    QCOMPARE(p.vectors.writeTable(QString::fromStdString(csv.string())), QString());
    const std::string rows = test::readFile(csv);
    QVERIFY(rows.find("\"|5/2,3/2>\",0.9129,0,") != std::string::npos);
    QVERIFY(rows.find("|5/2,-5/2>") == std::string::npos); // weight 0.17 < 0.5
    // Free text the table cannot be read from gets a message naming the line; nothing written.
    HostedPage free(test::ceriumCubic());
    QTest::mouseClick(free.page.eigenvectorsButton(), Qt::LeftButton);
    QTRY_VERIFY(free.vectors.isVisible());
    const std::filesystem::path none = free.root.path() / "none.tex";
    QVERIFY(free.vectors.writeTable(QString::fromStdString(none.string()))
                .contains(QStringLiteral("line 2 of the eigenvector section")));
    QVERIFY(!std::filesystem::exists(none));
}

void PoziomyTest::changedFileIsReadAgain() {
    HostedPage p(test::ceriumCubic());
    auto levels = test::ceriumCubicLevels();
    for (auto& level : levels)
        if (level.E > 0)
            level.E = 230.25;
    test::ResultRecipe changed = test::ceriumCubic();
    changed.levels = {{levels, false, {}, 0}};
    test::writeResult(p.folder(), changed);
    p.page.czytaj();
    QCOMPARE(p.page.levelTables().axis(Axis::z).E[6], 230.25);
}

void PoziomyTest::wheelAndButtonsScroll() {
    HostedPage p(test::ceriumCubic());
    QWidget* d = p.page.diagram();
    const ViewWindow before = p.page.energyView().window();
    const double span = before.view_emax - before.view_emin;
    const auto turn = [d](int delta) {
        QWheelEvent wheel(QPointF(300, 200), d->mapToGlobal(QPointF(300, 200)), {},
                          QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(d, &wheel);
    };
    turn(120);
    QVERIFY(qAbs(p.page.energyView().window().view_emax - (before.view_emax + 0.04 * span)) < 1e-9);
    // a touchpad's small steps scroll once they add up to a notch
    turn(60);
    QVERIFY(qAbs(p.page.energyView().window().view_emax - (before.view_emax + 0.04 * span)) < 1e-9);
    turn(60);
    QVERIFY(qAbs(p.page.energyView().window().view_emax - (before.view_emax + 0.08 * span)) < 1e-9);
    turn(-120);
    // a short press on an arrow button: one 2 % step, on release
    const double top = p.page.energyView().window().view_emax;
    QTest::mouseClick(p.page.scrollDownButton(), Qt::LeftButton);
    QVERIFY(qAbs(p.page.energyView().window().view_emax - (top - 0.02 * span)) < 1e-9);
    QCOMPARE(p.energyView(), std::string(kViewHeader) +
                                 formatFloatDot("0.0000", top - 1.02 * span) + " " +
                                 formatFloatDot("0.0000", top - 0.02 * span) + "\r\n");
}

void PoziomyTest::thumbDragMovesTheWindow() {
    HostedPage p(test::ceriumCubic());
    p.page.setView(20, 0);
    QWidget* thumb = p.page.scrollThumb();
    const int start = thumb->y();
    QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(8, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(8, -40), thumb->mapToGlobal(QPointF(8, -40)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(thumb, &move);
    QTest::mouseRelease(thumb, Qt::LeftButton, {}, QPoint(8, -40));
    QCOMPARE(thumb->y(), start - 50);
    const ViewWindow& w = p.page.energyView().window();
    const int free = thumb->parentWidget()->height() - 2 * 17 - thumb->height();
    const double centre = (1 - static_cast<double>(thumb->y() - 17) / free) * 116;
    QVERIFY(qAbs((w.view_emax + w.view_emin) / 2 - centre) < 1e-9);
    QVERIFY(qAbs(w.view_emax - w.view_emin - 20) < 1e-9);
}

void PoziomyTest::zoomPanelNavigates() {
    HostedPage p(test::ceriumCubic());
    QTest::mouseClick(p.page.zoomInfoButton(), Qt::LeftButton);
    QVERIFY(p.page.zoomPanel()->isVisible());
    p.page.setView(20, 0); // a window of 20 K at the bottom
    for (TMyButton* b : p.page.zoomPanel()->findChildren<TMyButton*>())
        if (b->Caption() == QStringLiteral("highest"))
            b->Click();
    QCOMPARE(p.page.energyView().window().view_emax, 126.0);
    QCOMPARE(p.page.energyView().window().view_emin, 106.0);
    for (TMyButton* b : p.page.zoomPanel()->findChildren<TMyButton*>())
        if (b->Caption() == QStringLiteral("close"))
            b->Click();
    QVERIFY(!p.page.zoomPanel()->isVisible());
    QVERIFY(!p.page.zoomInfoButton()->Down());
    // the collapse toggle narrows the panel to 26 px, keeping its right edge
    QTest::mouseClick(p.page.zoomInfoButton(), Qt::LeftButton);
    const int right = p.page.zoomPanel()->geometry().right();
    for (TMyButton* b : p.page.zoomPanel()->findChildren<TMyButton*>())
        if (b->Caption() == QStringLiteral(">"))
            QTest::mouseClick(b, Qt::LeftButton);
    QTRY_COMPARE(p.page.zoomPanel()->width(), 26);
    QCOMPARE(p.page.zoomPanel()->geometry().right(), right);
}

void PoziomyTest::miniParamViewIsDrawnThroughTheHook() {
    HostedPage p(test::ceriumCubic());
    QList<int> opacities;
    int mouseEvents = 0;
    p.page.setMiniParamPainter([&](QPainter& painter, const QRect& area, int opacity) {
        QCOMPARE(area, kMiniParamArea);
        painter.fillRect(area, Qt::black);
        opacities << opacity;
    });
    p.page.setMiniParamMouse([&](QMouseEvent*) { ++mouseEvents; });
    const QImage idle = p.page.renderDiagram();
    QCOMPARE(idle.pixelColor(90, 50), QColor(Qt::black));
    QCOMPARE(opacities.last(), 100);
    QMouseEvent over(QEvent::MouseMove, QPointF(90, 50),
                     p.page.diagram()->mapToGlobal(QPointF(90, 50)), Qt::NoButton, {}, {});
    QCoreApplication::sendEvent(p.page.diagram(), &over);
    p.page.renderDiagram();
    QCOMPARE(opacities.last(), 220);
    const ViewWindow before = p.page.energyView().window();
    QTest::mouseClick(p.page.diagram(), Qt::LeftButton, {}, QPoint(90, 50));
    QVERIFY(mouseEvents >= 2);
    QCOMPARE(p.page.energyView().window().view_emax, before.view_emax); // no zoom
}

void PoziomyTest::meanFieldResultPaintsNothing() {
    HostedPage p(test::ceriumCubic());
    sharedVariables().dynamic_calc = true;
    const QImage image = p.page.renderDiagram();
    QCOMPARE(image.pixelColor(100, image.height() - 40), QColor(0xFA, 0xFA, 0xFC));
    sharedVariables().dynamic_calc = false;
    const QImage drawn = p.page.renderDiagram();
    QCOMPARE(drawn.pixelColor(20, 20), QColor(Qt::white)); // the energy axis strip
}

void PoziomyTest::overlayPainterGetsTheLevelRows() {
    HostedPage p(test::ceriumCubic());
    int calls = 0;
    p.page.setTransitionsPainter(
        [&](QPainter&, const DiagramScene& scene, const DiagramLayout& layout) {
            ++calls;
            QVERIFY(scene.transitionsOverlay);
            QCOMPARE(layout.rows.size(), std::size_t(6));
        });
    p.page.renderDiagram();
    QCOMPARE(calls, 0);
    QTest::mouseClick(p.page.transitionsButton(), Qt::LeftButton);
    p.page.renderDiagram();
    QVERIFY(calls > 0);
}

void PoziomyTest::screenshot() {
    HostedPage p(test::ceriumCubic());
    p.host.resize(1100, 700);
    QCoreApplication::processEvents();
    QTest::mouseClick(p.page.zoomInfoButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::mouseClick(p.page.helpButton(), Qt::LeftButton);
    const QImage shot = p.host.grab().toImage();
    QVERIFY(shot.save(QStringLiteral(VINTREL_SHOT_DIR "/levels_page.png")));
    QTest::mouseClick(p.page.eigenvaluesButton(), Qt::LeftButton);
    QTRY_VERIFY(p.energies.isVisible());
    QVERIFY(p.energies.grab().toImage().save(
        QStringLiteral(VINTREL_SHOT_DIR "/levels_eigenstates.png")));
    HostedPage ti(test::titaniumComplex());
    ti.host.resize(1100, 700);
    QCoreApplication::processEvents();
    QVERIFY(ti.host.grab().toImage().save(QStringLiteral(VINTREL_SHOT_DIR "/levels_page_ti.png")));
}

QTEST_MAIN(PoziomyTest)
#include "poziomy_test.moc"
