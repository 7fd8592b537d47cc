// The "energy (MF)" page on mean-field result folders and on the neodymium example.
#include "base/number_pattern.h"
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "controls/data_export.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "levels/detail_forms.h"
#include "levels/poziomy_d.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"

#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>
#include <set>

using namespace vintrel;

namespace {

// The page hosted in a shown window on one result folder, its inputs loaded as the viewer
// loads them when the result becomes current.
struct HostedPage {
    test::WorkingRoot root;
    ResultLocation location;
    QWidget host;
    TpoziomyD page;
    TEigenenergyForm energies;
    TEigenVectorsForm vectors;

    explicit HostedPage(const test::ResultRecipe& recipe)
        : location(root.write("Result00", recipe)) {
        open();
    }
    explicit HostedPage(const ResultLocation& at) : location(at) { open(); }
    void open() {
        loadResultInputs(location);
        auto* layout = new QVBoxLayout(&host);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page.p0());
        host.resize(1100, 700);
        page.setDetailForms(&energies, &vectors);
        page.setMainWindow(&host);
        page.setResultLocation(location);
        host.show();
        if (!QTest::qWaitForWindowExposed(&host))
            qWarning("page not exposed");
        page.czytaj();
        QCoreApplication::processEvents();
    }
    std::filesystem::path folder() const { return location.workingRoot / location.resultFolder; }
    void slideTo(int position) {
        page.slider()->setValue(position);
        QCoreApplication::processEvents();
    }
    int W() const { return page.diagram()->width(); }
};

TemperatureAxis axisOf(double first, double last) {
    return temperatureAxis(first, last);
}

// The moment along z of the result writer's mean-field result.
double fixtureMoment(double T, double Tc) {
    return T < Tc ? 3.2 * std::sqrt(1 - T / Tc) : 0;
}

// The number of red pixels in a column of a picture.
int redIn(const QImage& image, int x) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        red += image.pixelColor(x, y) == QColor(0xFF, 0, 0);
    return red;
}

// The distinct navigator rows of a step's levels.
int navigatorRows(const TpoziomyD& page, const MeanFieldStep& step) {
    std::set<int> rows;
    const ViewWindow& w = page.energyView().window();
    for (double E : step.E)
        rows.insert(navigatorRow(w, page.navigator()->height(), E - w.estart));
    return static_cast<int>(rows.size());
}

// The distinct rows of the navigator drawn in the curve colour.
int navigatorLines(QWidget* navigator) {
    const QImage image = navigator->grab().toImage();
    std::set<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(image.width() / 2, y) == QColor::fromRgb(kCurveColour))
            rows.insert(y);
    return static_cast<int>(rows.size());
}

} // namespace

class PoziomyDTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void cleanup() { setExportFileChooser({}); }
    void everyStepIsDrawnAndTheSliderStartsAtTheFirst();
    void theSliderSelectsAStepAndItsField();
    void aSliderMoveReadsNoFile();
    void transitionAtOrAboveTheEndHidesOnlyTheLabel();
    void aSliderWithoutPositionsStaysAtTheFirstStep();
    void detailWindowsShowTheBlockTheyAreHeadedWith();
    void theEnergyWindowZoomsScrollsAndNavigates();
    void missingFilesLeaveTheirPartsOut();
    void exportWritesTheCoreTable();
    void largestGroundTermInTwoHundredSteps();
    void neodymiumExample();
};

void PoziomyDTest::everyStepIsDrawnAndTheSliderStartsAtTheFirst() {
    HostedPage p(test::meanFieldResult(12.5, 80, 1));
    QCOMPARE(p.page.levels().steps.size(), std::size_t(80));
    QCOMPARE(p.page.slider()->maximum(), 80);
    QVERIFY(p.page.slider()->isEnabled());
    QCOMPARE(p.page.slider()->value(), 0);
    p.page.renderDiagram();
    const MeanFieldLayout& layout = p.page.lastLayout();
    QCOMPARE(layout.curves, 10);
    QCOMPARE(layout.markedRows.size(), std::size_t(10));
    const TemperatureAxis axis = axisOf(0, 40);
    QCOMPARE(layout.markedColumn, temperatureToColumn(0.5, axis, p.W()));
    QCOMPARE(layout.selectedColumn, temperatureToColumn(0, axis, p.W()));
    QCOMPARE(layout.transitionColumn, temperatureToColumn(12.5, axis, p.W()));
    QVERIFY(layout.transitionLabelShown);
    QCOMPARE(p.page.sliderPositionLabel()->Caption(), QStringLiteral("0 K"));
    QCOMPARE(p.page.selectedTemperatureLabel()->Caption(), QStringLiteral("T=0.5 K"));
    QCOMPARE(p.page.molecularFieldLabel()->Caption().left(8), QStringLiteral("B_m_o_l="));
    QCOMPARE(p.page.slider()->toolTip(), QStringLiteral("T=0.5K"));
    QCOMPARE(p.page.columnHeader()->Caption(),
             QStringLiteral(" E [K]    |ground multiplet|           energy levels             | "
                            "Energy E_i [K] |"));
    // The whole range of block 0 is in view, the ground doublet split by the molecular field.
    const ViewWindow& w = p.page.energyView().window();
    QCOMPARE(w.view_emin, 0.0);
    QCOMPARE(w.view_emax, w.eend - w.estart);
    QVERIFY(layout.markedRows[0] - layout.markedRows[1] > 20);
    // Curves are drawn in the curve colour on the columns of the steps.
    const QImage image = p.page.renderDiagram();
    const int x = temperatureToColumn(30, axis, p.W());
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        ink += image.pixelColor(x, y) == QColor::fromRgb(kCurveColour);
    QVERIFY(ink >= 5);
}

void PoziomyDTest::theSliderSelectsAStepAndItsField() {
    HostedPage p(test::meanFieldResult(12.5, 80, 1));
    const TemperatureAxis axis = axisOf(0, 40);
    struct Case {
        int position;
        double Tsel; // position / 80 × 40 K
        int block;   // the circled step
        int segment; // the green one
    };
    const Case cases[] = {
        {10, 5.0, 9, 9},    // on a step: that step
        {25, 12.5, 24, 24}, // on the step at T_c
        {80, 40.0, 79, 79}, // the last step
        {0, 0.0, 0, 0},     // back to the first
    };
    for (const Case& c : cases) {
        p.slideTo(c.position);
        QCOMPARE(p.page.sliderTemperature(), c.Tsel);
        QCOMPARE(p.page.selection().step, c.block);
        QCOMPARE(p.page.selection().segment, c.segment);
        p.page.renderDiagram();
        const MeanFieldStep& step = p.page.levels().steps[std::size_t(c.block)];
        QCOMPARE(p.page.lastLayout().markedColumn, temperatureToColumn(step.T, axis, p.W()));
        QCOMPARE(p.page.selectedTemperatureLabel()->Caption().mid(2),
                 QString::fromStdString(selectedTemperatureText(step.T)));
        const double field = 0.5 * std::hypot(step.T < 12.5 ? 0.1 : 0, fixtureMoment(step.T, 12.5));
        QCOMPARE(p.page.molecularFieldLabel()->Caption().mid(8),
                 QString::fromStdString(molecularFieldText(field)));
    }
    p.slideTo(10);
    QCOMPARE(p.page.sliderPositionLabel()->Caption(), QStringLiteral("5 K"));
    QCOMPARE(p.page.molecularFieldLabel()->Caption().mid(8), QStringLiteral("1.24 T"));
    p.slideTo(25);
    QCOMPARE(p.page.molecularFieldLabel()->Caption().mid(8), QStringLiteral("0 T"));
}

void PoziomyDTest::aSliderMoveReadsNoFile() {
    HostedPage p(test::meanFieldResult(12.5, 80, 2));
    QCOMPARE(p.page.levels().steps.size(), std::size_t(80));
    // The files go; the table is in memory, and the slider only changes the selection.
    for (const char* name : {kLevelsFile, "d_temp.dup", "d_moment.dup"})
        std::filesystem::remove(p.folder() / name);
    for (int position : {5, 17, 33}) {
        p.slideTo(position);
        p.page.renderDiagram();
        QCOMPARE(p.page.lastLayout().curves, 10);
        QCOMPARE(p.page.selection().step, position - 1);
    }
    QCOMPARE(p.page.levels().steps.size(), std::size_t(80));
    // Shown again, the result is read again, and its missing files are noticed.
    p.page.czytaj();
    QVERIFY(p.page.levels().steps.empty());
}

void PoziomyDTest::transitionAtOrAboveTheEndHidesOnlyTheLabel() {
    for (const double Tc : {40.0, 45.0}) {
        HostedPage p(test::meanFieldResult(Tc, 80, 1));
        p.page.renderDiagram();
        QVERIFY(!p.page.lastLayout().transitionLabelShown);
        QCOMPARE(p.page.lastLayout().transitionColumn, p.W() - 30);
        QVERIFY(redIn(p.page.renderDiagram(), p.W() - 30) > 100); // the dotted line
    }
    HostedPage below(test::meanFieldResult(39.5, 80, 1));
    below.page.renderDiagram();
    QVERIFY(below.page.lastLayout().transitionLabelShown);
}

void PoziomyDTest::aSliderWithoutPositionsStaysAtTheFirstStep() {
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 10, 1);
    // (S − a(b − 1))·b = (10 − 20)·2 < 0
    recipe.settings = {"40", "10", "40", "10", "10", "20", "2"};
    HostedPage p(recipe);
    QVERIFY(!p.page.slider()->isEnabled());
    QCOMPARE(p.page.slider()->maximum(), 0);
    QCOMPARE(p.page.sliderTemperature(), 0.0);
    QCOMPARE(p.page.selection().step, 0);
    p.page.renderDiagram();
    QCOMPARE(p.page.lastLayout().curves, 10);

    // T_last = T_first: the axis spans 1 K and nothing divides by zero.
    test::ResultRecipe flat = test::meanFieldResult(12.5, 10, 1);
    flat.settings = {"0", "10"};
    HostedPage q(flat);
    QCOMPARE(q.page.sliderTemperature(), 0.0);
    q.slideTo(7);
    QCOMPARE(q.page.sliderTemperature(), 0.0);
    q.page.renderDiagram();
    QCOMPARE(q.page.lastLayout().markedColumn, temperatureToColumn(0.5, axisOf(0, 1), q.W()));
}

void PoziomyDTest::detailWindowsShowTheBlockTheyAreHeadedWith() {
    HostedPage p(test::meanFieldResult(12.5, 80, 2));
    QTest::mouseClick(p.page.eigenvaluesButton(), Qt::LeftButton);
    QTRY_VERIFY(p.energies.isVisible());
    QCOMPARE(
        p.energies.heading(),
        QStringLiteral("Energy levels and corresponding expected values of 4f^3 in |J,Jz> base"));
    QStringList lines = p.energies.memoText().split('\n');
    QCOMPARE(lines.front(), QStringLiteral("Temperature:  0.5 K"));
    QCOMPARE(lines.size(), 1 + 3 * (1 + 10)); // the x, y and z sections of block 0
    QTest::mouseClick(p.page.eigenvectorsButton(), Qt::LeftButton);
    QTRY_VERIFY(p.vectors.isVisible());
    QCOMPARE(p.vectors.memoText(), QStringLiteral("Temperature:  0.5 K\nblock 0 at 0.5 K"));

    // Both windows follow the slider, each naming the block it shows.
    p.slideTo(23); // T_sel = 11.5 K, step 22
    QCOMPARE(p.vectors.memoText(), QStringLiteral("Temperature:  11.5 K\nblock 22 at 11.5 K"));
    lines = p.energies.memoText().split('\n');
    QCOMPARE(lines.front(), QStringLiteral("Temperature:  11.5 K"));
    const MeanFieldStep& step = p.page.levels().steps[22];
    QVERIFY(lines.at(lines.size() - 10)
                .contains(QString::fromStdString(formatFloatDot("0.0#########", step.E[0]))));

    // Closing a window releases its toggle; a released toggle closes its window.
    p.vectors.close();
    QVERIFY(!p.page.eigenvectorsButton()->Down());
    QTest::mouseClick(p.page.eigenvaluesButton(), Qt::LeftButton);
    QTRY_VERIFY(!p.energies.isVisible());
    p.slideTo(30);
    QVERIFY(!p.energies.isVisible());
}

void PoziomyDTest::theEnergyWindowZoomsScrollsAndNavigates() {
    HostedPage p(test::meanFieldResult(12.5, 80, 1));
    QWidget* d = p.page.diagram();
    QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(400, 150));
    QCOMPARE(p.page.energyView().zoomFactorText(), std::string("1.43x"));
    QVERIFY(std::filesystem::exists(p.folder() / "g_E.dup"));
    p.page.UstawViewNaCalosc();
    QCOMPARE(p.page.energyView().zoomFactorText(), std::string("1.0x"));
    const ViewWindow before = p.page.energyView().window();
    const double span = before.view_emax - before.view_emin;
    QWheelEvent wheel(QPointF(300, 200), d->mapToGlobal(QPointF(300, 200)), {}, QPoint(0, 120),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(d, &wheel);
    QVERIFY(qAbs(p.page.energyView().window().view_emax - (before.view_emax + 0.04 * span)) < 1e-9);

    // The navigator draws the selected step's levels: ten lines in the ordered state, the
    // doublets closing above T_c.
    p.page.UstawViewNaCalosc();
    QTest::mouseClick(p.page.zoomInfoButton(), Qt::LeftButton);
    QVERIFY(p.page.zoomPanel()->isVisible());
    const int ordered = navigatorLines(p.page.navigator());
    QCOMPARE(ordered, 10);
    p.slideTo(60);
    const int paramagnetic = navigatorLines(p.page.navigator());
    QCOMPARE(paramagnetic, navigatorRows(p.page, *p.page.selectedStep()));
    QVERIFY(paramagnetic < ordered);
}

void PoziomyDTest::missingFilesLeaveTheirPartsOut() {
    HostedPage noTemp(test::meanFieldResult(12.5, 10, 1).without("d_temp.dup"));
    noTemp.page.renderDiagram();
    QCOMPARE(noTemp.page.lastLayout().curves, 0); // without T_c nothing is drawn
    HostedPage noLevels(test::meanFieldResult(12.5, 10, 1).without(kLevelsFile));
    noLevels.page.renderDiagram();
    QCOMPARE(noLevels.page.lastLayout().curves, 0);
    QVERIFY(noLevels.page.lastLayout().transitionColumn > 0); // the T_c line stays
    QCOMPARE(noLevels.page.selectedTemperatureLabel()->Caption().mid(2), QString());
    HostedPage noMoment(test::meanFieldResult(12.5, 10, 1).without("d_moment.dup"));
    QCOMPARE(noMoment.page.molecularFieldLabel()->Caption().mid(8), QString());
    QCOMPARE(noMoment.page.selectedTemperatureLabel()->Caption().mid(2), QStringLiteral("0.5 K"));
}

void PoziomyDTest::exportWritesTheCoreTable() {
    HostedPage p(test::meanFieldResult(12.5, 20, 2));
    const std::filesystem::path target = p.root.path() / "levels.csv";
    QString suggested;
    setExportFileChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(target.string());
    });
    QTest::mouseClick(p.page.exportButton(), Qt::LeftButton);
    QTRY_VERIFY(std::filesystem::exists(target));
    QCOMPARE(test::readFile(target), meanFieldLevelsDataTable(p.location, "Result00").toCsv());
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Result00 levels (MF).csv"));
}

void PoziomyDTest::largestGroundTermInTwoHundredSteps() {
    HostedPage p(test::largeMeanFieldResult(200));
    QCOMPARE(p.page.levels().steps.size(), std::size_t(200));
    QCOMPARE(p.page.levels().N, 66);
    QCOMPARE(p.page.columnHeader()->Caption(),
             QStringLiteral(" E [K]    |  ground term   |           energy levels             | "
                            "Energy E_i [K] |"));
    p.slideTo(150); // 75 K, on step 149
    QCOMPARE(p.page.selection().step, 149);
    p.page.renderDiagram();
    QCOMPARE(p.page.lastLayout().curves, 66);
    QCOMPARE(p.page.lastLayout().markedRows.size(), std::size_t(66));
    p.slideTo(20); // 10 K, on step 19
    QCOMPARE(p.page.selection().step, 19);
    QVERIFY(p.host.grab().toImage().save(QStringLiteral(VINTREL_SHOT_DIR "/levels_mf_66.png")));
}

void PoziomyDTest::neodymiumExample() {
    test::TempDir root;
    const std::filesystem::path source = VINTREL_SOURCE_DIR;
    ContainerReader reader(source / "examples" / "Nd-meanfield.mfa");
    ExtractRequest request;
    request.picked = {true};
    const ExtractOutcome outcome = extractResults(reader, root.path(), request);
    QVERIFY(outcome.ok);
    HostedPage p(ResultLocation{root.path(), outcome.folders.at(0), source / "data"});
    const MeanFieldLevels& levels = p.page.levels();
    QCOMPARE(levels.steps.size(), std::size_t(80));
    QCOMPARE(*levels.Tc, 12.85656678);
    // At 0.5 K the ground doublet is split by 27.1 K; above T_c by the probe field's 0.42 K.
    QVERIFY(qAbs(levels.steps[0].E[1] - levels.steps[0].E[0] - 27.12449) < 1e-6);
    QVERIFY(qAbs(levels.steps[30].E[1] - levels.steps[30].E[0] - 0.423225) < 1e-6);
    QCOMPARE(p.page.molecularFieldLabel()->Caption().mid(8), QStringLiteral("6.4 T"));
    p.slideTo(26); // 13 K, past T_c
    QCOMPARE(p.page.selectedTemperatureLabel()->Caption().mid(2), QStringLiteral("13 K"));
    QCOMPARE(p.page.molecularFieldLabel()->Caption().mid(8), QStringLiteral("0 T"));
    p.slideTo(20); // 10 K
    QCOMPARE(p.page.molecularFieldLabel()->Caption().mid(8), QStringLiteral("4.88 T"));

    // Pictures for review: the page at 10 K with the help box, and at 0.5 K zoomed in on the
    // ground doublet with the zoom panel.
    QTest::mouseClick(p.page.helpButton(), Qt::LeftButton);
    QVERIFY(p.host.grab().toImage().save(QStringLiteral(VINTREL_SHOT_DIR "/levels_mf_page.png")));
    QTest::mouseClick(p.page.helpButton(), Qt::LeftButton);
    p.slideTo(1);
    const double estart = p.page.energyView().window().estart;
    p.page.setView(-20 - estart, -60 - estart);
    QTest::mouseClick(p.page.zoomInfoButton(), Qt::LeftButton);
    QVERIFY(p.host.grab().toImage().save(QStringLiteral(VINTREL_SHOT_DIR "/levels_mf_zoom.png")));
    QTest::mouseClick(p.page.eigenvaluesButton(), Qt::LeftButton);
    QTRY_VERIFY(p.energies.isVisible());
    QVERIFY(p.energies.grab().toImage().save(
        QStringLiteral(VINTREL_SHOT_DIR "/levels_mf_eigenstates.png")));
}

QTEST_MAIN(PoziomyDTest)
#include "poziomy_d_test.moc"
