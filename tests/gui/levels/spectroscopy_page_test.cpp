// The spectroscopy page on result folders made by the result writer.
#include "controls/data_export.h"
#include "controls/my_button.h"
#include "controls/my_updown.h"
#include "graphs/side_panel.h"
#include "levels/detail_forms.h"
#include "levels/spectro_range.h"
#include "levels/spectroscopy_page.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

// A working root with results and a window holding the page.
struct Hosted {
    test::WorkingRoot root;
    std::string current = "Result00";
    std::vector<std::string> folders;
    QWidget window;
    std::unique_ptr<Tgraf_spectroscopy> page;

    void add(const std::string& name, const test::ResultRecipe& recipe) {
        root.write(name, recipe);
        folders.push_back(name);
    }
    void show() {
        GraphPageHost host;
        host.currentResult = [this] { return root.location(current); };
        host.mainWindow = &window;
        host.padlockFolders = [this] { return folders; };
        page = std::make_unique<Tgraf_spectroscopy>(host);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page->p0());
        window.resize(1100, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        select(current);
    }
    void select(const std::string& name) {
        current = name;
        loadResultInputs(root.location(name));
        page->wczytajDane({});
        QCoreApplication::processEvents();
    }
    fs::path folder(const std::string& name = "Result00") const { return root.folder(name); }
};

bool hasText(const PlotScene& scene, const std::string& text) {
    return std::any_of(scene.items.begin(), scene.items.end(), [&](const SceneItem& item) {
        const auto* t = std::get_if<SceneText>(&item);
        return t && t->text == text;
    });
}

// The column with the largest total.
std::size_t peakColumn(const std::vector<SpectrumColumn>& columns) {
    std::size_t peak = 0;
    double best = -1;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const double total = stackedTotal(columns[c], kAllTypes, 2);
        if (total > best) {
            best = total;
            peak = c;
        }
    }
    return peak;
}

} // namespace

class SpectroscopyPageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setExportFileChooser({}); }
    void showingAResultMakesItsFilesAndSpectrum();
    void synthesisRunsOnlyWhenSomethingChanged();
    void plotTypeKeepsTheKelvinRangeAndResetsTheWidth();
    void rangesAreRefusedOrStoredAndThePadlockWritesEveryResult();
    void convolutionPanelAndPopulations();
    void clickLabelsThePeakAndDragFillsTheEditor();
    void transitionDataAndNoTransitions();
    void hiddenPageAndDamagedFilesDrawWithoutCrashing();
    void exportsWriteTheCoreTableAndTheFigure();
    void voigtResolutionAndAreaFromThePanel();
};

void SpectroscopyPageTest::showingAResultMakesItsFilesAndSpectrum() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    QVERIFY(fs::exists(hosted.folder() / kSpectroFile));
    QVERIFY(!fs::exists(hosted.folder() / kLsSpectrumFile)); // |J,Jz>: no LS list
    // Two merged transitions at 116 K: from level 1 and from level 2.
    QCOMPARE(page.merged().size(), std::size_t{2});
    QCOMPARE(page.merged()[0].from, 1);
    QCOMPARE(page.merged()[1].from, 2);
    // The whole-range view was stored: 116 ± 0.01 widened by 5 %.
    const EnergyInterval stored =
        parseSpectroRange("g", test::readFile(hosted.folder() / kSpectroRangeFile));
    QVERIFY(std::abs(stored.max - (116.01 + 0.02 * 0.05)) < 1e-5);
    QCOMPARE(page.columns().size(), std::size_t(page.plot()->width() - 170));
    const std::size_t peak = peakColumn(page.columns());
    QVERIFY(std::abs(page.columns()[peak].position - 116) < 0.01);
    // Only the J toggles, with their captions.
    QVERIFY(page.legendButton(2)->isVisible());
    QVERIFY(!page.legendButton(3)->isVisible());
    QCOMPARE(page.legendButton(0)->Caption(), QStringLiteral("J_z"));
}

void SpectroscopyPageTest::synthesisRunsOnlyWhenSomethingChanged() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    const int before = page.synthesisCount();
    // Repaints, a drag and the legend toggles reuse the columns.
    page.plot()->repaint();
    (void)page.renderPlot();
    QTest::mousePress(page.plot(), Qt::LeftButton, {}, QPoint(300, 200));
    QTest::mouseMove(page.plot(), QPoint(400, 200));
    page.plot()->repaint();
    QVERIFY(page.marks().drag.has_value());
    QTest::mouseRelease(page.plot(), Qt::LeftButton, {}, QPoint(400, 200));
    page.setTypeShown(1, false);
    page.setTypeShown(1, true);
    page.pageShown({});
    QCOMPARE(page.synthesisCount(), before);
    // A new width does not.
    hosted.window.resize(900, 700);
    QTRY_COMPARE(page.columns().size(), std::size_t(page.plot()->width() - 170));
    QVERIFY(page.synthesisCount() > before);
    // Nor does a changed file.
    const int afterResize = page.synthesisCount();
    writeSpectroRange(hosted.folder(), {100, 130});
    page.pageShown({});
    QCOMPARE(page.synthesisCount(), afterResize + 1);
    QCOMPARE(page.kelvinRange(), (EnergyInterval{100, 130}));
}

void SpectroscopyPageTest::plotTypeKeepsTheKelvinRangeAndResetsTheWidth() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    QVERIFY(page.setRange(50, 200));
    page.setPlotType(PlotType::waveLength);
    // The K range stays; on the wave-length scale its ends are swapped.
    QCOMPARE(page.kelvinRange().min, 50.0);
    QCOMPARE(page.kelvinRange().max, 200.0);
    QCOMPARE(page.plotRange().min, 14387769.3700642823 / 200);
    QCOMPARE(page.plotRange().max, 14387769.3700642823 / 50);
    QCOMPARE(page.halfWidthField()->Position(), 300.0);
    QCOMPARE(page.halfWidthField()->Change(), 50.0);
    page.setLineShape(LineShape::gauss);
    page.showConvolutionPanel(true);
    QVERIFY(page.halfWidthKField()->isVisible());
    QVERIFY(page.halfWidthNote()->text().contains("constant for all states"));
    page.setHalfWidthInKelvin(true);
    QVERIFY(page.halfWidthNote()->text().contains("energy/wave-length recalculation"));
    page.setPlotType(PlotType::meV);
    QVERIFY(!page.halfWidthKField()->isVisible());
    QCOMPARE(page.halfWidthLabel()->text(), QStringLiteral("half-width (meV):"));
    QCOMPARE(page.options().halfWidthUnit, 0.1);
    QCOMPARE(page.options().halfWidthK, 0.1 * 11.60451911);
    QVERIFY(!page.options().halfWidthInKelvin);
    QVERIFY(std::abs(page.plotRange().max - 200 / 11.60451911) < 1e-9);
}

void SpectroscopyPageTest::rangesAreRefusedOrStoredAndThePadlockWritesEveryResult() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.add("Result01", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    const std::string stored = test::readFile(hosted.folder() / kSpectroRangeFile);
    QVERIFY(!page.setRange(5, 5));
    QVERIFY(!page.setRange(9, 3));
    QVERIFY(!page.setRange(1, std::numeric_limits<double>::infinity()));
    page.setPlotType(PlotType::waveLength);
    QVERIFY(!page.setRange(0, 500));
    QCOMPARE(test::readFile(hosted.folder() / kSpectroRangeFile), stored);
    page.setPlotType(PlotType::kelvin);
    // The editor: a text that is not a number keeps that end.
    page.openRangeEditor();
    page.minEdit()->setText("20");
    page.maxEdit()->setText("abc");
    const double oldMax = page.plotRange().max;
    page.applyRangeEditor();
    QCOMPARE(page.plotRange().min, 20.0);
    QCOMPARE(page.plotRange().max, oldMax);
    QVERIFY(!fs::exists(hosted.folder("Result01") / kSpectroRangeFile));
    // The padlock writes the range into the other result as well.
    page.setPadlock(true);
    QCOMPARE(page.padlockButton()->toolTip(),
             QStringLiteral("Click to set range for this graph only"));
    QCOMPARE(test::readFile(hosted.folder("Result01") / kSpectroRangeFile),
             formatSpectroRange(page.kelvinRange()));
    page.zoomIn();
    QCOMPARE(test::readFile(hosted.folder("Result01") / kSpectroRangeFile),
             formatSpectroRange(page.kelvinRange()));
    // "1:1" goes back to the whole range and opens the editor.
    page.setPadlock(false);
    page.viewWhole();
    QVERIFY(page.minEdit()->isVisible());
    QVERIFY(std::abs(page.kelvinRange().max - 116.011) < 1e-6);
}

void SpectroscopyPageTest::convolutionPanelAndPopulations() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    QTest::mouseClick(page.convolutionButton(), Qt::LeftButton);
    QVERIFY(page.convolutionPanel()->isVisible());
    QVERIFY(!page.halfWidthField()->isVisible()); // "none"
    QVERIFY(!page.temperatureField()->isVisible());
    // Choosing the Boltzmann distribution applies the field's 100.0 at once.
    page.setBoltzmann(true);
    QVERIFY(page.temperatureField()->isVisible());
    QCOMPARE(page.temperature(), std::optional<double>(100.0));
    QVERIFY(page.refreshButton()->isVisible()); // not applied yet
    page.setTemperature(-5);
    QCOMPARE(page.temperature(), std::optional<double>(0.0));
    page.recompute();
    // At 0 K both members of the ground doublet (exactly degenerate) keep their lines.
    QCOMPARE(page.merged().size(), std::size_t{2});
    QCOMPARE(page.merged()[0].I[0] > 0, true);
    QCOMPARE(page.merged()[1].I[2] > 0, true);
    page.setBoltzmann(false);
    QCOMPARE(page.temperature(), std::nullopt);
    // A Lorentz line of width 2 K: half at 1 K from the line.
    page.setLineShape(LineShape::lorentz);
    page.setHalfWidth(2);
    page.applyRangeEditor();
    QCOMPARE(page.options().halfWidthK, 2.0);
    QVERIFY(!page.refreshButton()->isVisible());
    const auto& columns = page.columns();
    const std::size_t peak = peakColumn(columns);
    QVERIFY(peak > 5 && peak + 5 < columns.size());
    QVERIFY(stackedTotal(columns[peak - 5], kAllTypes, 2) > 0);
    // A width of 0 draws sticks, nothing that is not a number.
    page.setHalfWidth(0);
    page.recompute();
    for (const SpectrumColumn& c : page.columns())
        for (double v : c.I)
            QVERIFY(std::isfinite(v));
    QTest::mouseClick(page.convolutionButton(), Qt::LeftButton);
    QVERIFY(!page.convolutionPanel()->isVisible());
}

void SpectroscopyPageTest::clickLabelsThePeakAndDragFillsTheEditor() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    QVERIFY(page.setRange(100, 130));
    const SpectrumFrame frame{page.plot()->width(), page.plot()->height(), 100, 130,
                              spectrumMaximum(page.columns(), kAllTypes, 2)};
    const int x = frame.pixelOf(116);
    const int y =
        frame.rowOf(page.merged()[0].I[0] + page.merged()[1].I[0] + page.merged()[0].I[1] +
                    page.merged()[1].I[1] + page.merged()[0].I[2] + page.merged()[1].I[2]);
    QTest::mouseClick(page.plot(), Qt::LeftButton, {}, QPoint(x + 2, y + 3));
    QVERIFY(!page.marks().labels.empty());
    QVERIFY(hasText(page.scene(), "116"));
    // A drag from 100 K to the middle: the editor shows the band, nothing is applied yet.
    QTest::mousePress(page.plot(), Qt::LeftButton, {}, QPoint(frame.pixelOf(110), 200));
    QTest::mouseMove(page.plot(), QPoint(frame.pixelOf(120), 200));
    QTest::mouseRelease(page.plot(), Qt::LeftButton, {}, QPoint(frame.pixelOf(120), 200));
    QVERIFY(page.minEdit()->isVisible());
    QVERIFY(std::abs(page.minEdit()->text().toDouble() - 110) < 0.1);
    QVERIFY(std::abs(page.maxEdit()->text().toDouble() - 120) < 0.1);
    QVERIFY(page.refreshButton()->isVisible());
    QCOMPARE(page.kelvinRange(), (EnergyInterval{100, 130}));
    QTest::mouseClick(page.refreshButton(), Qt::LeftButton);
    QVERIFY(std::abs(page.kelvinRange().min - 110) < 0.1);
}

void SpectroscopyPageTest::transitionDataAndNoTransitions() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    test::ResultRecipe silent = test::ceriumCubic();
    std::vector<double> energies;
    for (const auto& level : test::ceriumCubicLevels())
        energies.push_back(level.E);
    silent.strengths =
        test::strengthsBlock(0, energies, [](int, int) { return std::vector<double>(3, 0.0); });
    hosted.add("Result01", silent);
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    QTest::mouseClick(page.transitionDataButton(), Qt::LeftButton);
    QVERIFY(page.neutronsForm()->isVisible());
    const QStringList lines = page.neutronsForm()->memoText().split('\n');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QStringLiteral("Energy diff.   Jz    Jplus   Jminus  from lev."));
    QCOMPARE(lines[1], QStringLiteral("  116.000000  1.49000  0.00000  0.00000 1"));
    // Another result: the window closes with its button.
    hosted.select("Result01");
    QVERIFY(!page.neutronsForm()->isVisible());
    QVERIFY(!page.transitionDataButton()->Down());
    QVERIFY(page.merged().empty());
    QVERIFY(hasText(page.scene(), kNoTransitions));
    // The range of a result without transitions is the settings' limits, not ±1e16.
    const EnergyInterval stored =
        parseSpectroRange("g", test::readFile(hosted.folder("Result01") / kSpectroRangeFile));
    QVERIFY(stored.min >= 0.01 && stored.max <= 50000);
    page.showTransitionData(true);
    QCOMPARE(page.neutronsForm()->memoText(), QString::fromLatin1(kNoTransitions));
    page.neutronsForm()->close();
    QVERIFY(!page.transitionDataButton()->Down());
}

void SpectroscopyPageTest::hiddenPageAndDamagedFilesDrawWithoutCrashing() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.add("Result01", test::ceriumCubic()); // no "o_neu.dup"
    hosted.add("Result02",
               test::ceriumCubicWithTransitions().withFile(kSpectroFile, "header\r\n1 x 2\r\n"));
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    // A page that was never laid out (printing, exported pages) computes for the size it has
    // and paints without a window. (Its plot keeps a minimum width, so its column count is
    // never 0 or less; the core draws nothing for those.)
    GraphPageHost host;
    host.currentResult = [&hosted] { return hosted.root.location("Result00"); };
    Tgraf_spectroscopy hidden(host);
    hidden.loadCurrentResult();
    QCOMPARE(hidden.columns().size(), std::size_t(std::max(hidden.plot()->width() - 170, 0)));
    QCOMPARE(hidden.merged().size(), std::size_t{2});
    QVERIFY(!hidden.renderPlot().isNull());
    QVERIFY(!page.columns().empty());
    for (const char* name : {"Result01", "Result02"}) {
        hosted.select(name);
        QVERIFY(page.columns().empty());
        QVERIFY(!page.note().isEmpty());
        QVERIFY(page.note().contains(name) || page.note().contains("o_"));
        (void)page.renderPlot();
    }
    QVERIFY(!fs::exists(hosted.folder("Result01") / kSpectroFile));
    // Boltzmann populations without the level energies: all 1, and the page says so.
    hosted.add("Result03", test::ceriumCubicWithTransitions().without(kLevelsFile));
    hosted.select("Result03");
    page.setBoltzmann(true);
    page.recompute();
    QCOMPARE(page.merged().size(), std::size_t{2});
    QVERIFY(page.note().contains("o_E.dup"));
}

void SpectroscopyPageTest::exportsWriteTheCoreTableAndTheFigure() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    page.setPlotType(PlotType::meV);
    page.setLineShape(LineShape::gauss);
    page.setHalfWidth(0.5);
    page.recompute();
    const fs::path csv = hosted.root.path() / "spectrum.csv";
    setExportFileChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(csv.string()); });
    QTest::mouseClick(page.exportDataButton(), Qt::LeftButton);
    QTRY_VERIFY(fs::exists(csv));
    // The core table of `vintrel-cli data spectrum` for the page's settings, the columns the
    // page shows.
    SpectrumDataOptions options;
    options.type = PlotType::meV;
    options.range = page.plotRange();
    options.points = static_cast<int>(page.columns().size());
    options.shape = LineShape::gauss;
    options.width = 0.5;
    const std::string expected =
        spectrumDataTable(hosted.root.location("Result00"), "Result00", options).toCsv();
    QCOMPARE(test::readFile(csv), expected);
    QVERIFY(expected.find("\nposition [meV],I_Jz,I_J+,I_J-,total\n") != std::string::npos);
    const fs::path png = hosted.root.path() / "spectrum.png";
    QVERIFY(page.writeFigure(QString::fromStdString(png.string())).isEmpty());
    QCOMPARE(QImage(QString::fromStdString(png.string())).size(), page.plot()->size());
}

void SpectroscopyPageTest::voigtResolutionAndAreaFromThePanel() {
    Hosted hosted;
    hosted.add("Result00", test::ceriumCubicWithTransitions());
    hosted.show();
    Tgraf_spectroscopy& page = *hosted.page;
    page.setPlotType(PlotType::meV);
    QTest::mouseClick(page.convolutionButton(), Qt::LeftButton);
    QVERIFY(!page.lorentzWidthField()->isVisible());
    QVERIFY(!page.resolutionBox()->isVisible());
    // Voigt shows its Lorentz width; the resolution fields wait for their box.
    page.shapeButton(LineShape::voigt)->click();
    QCOMPARE(page.options().shape, LineShape::voigt);
    QVERIFY(page.lorentzWidthField()->isVisible());
    QVERIFY(page.halfWidthLabel()->text().startsWith(QStringLiteral("Gauss FWHM (meV)")));
    QVERIFY(page.resolutionBox()->isVisible());
    QVERIFY(!page.resolutionField(0)->isVisible());
    page.setHalfWidth(0.5);
    page.setLorentzWidth(0.3);
    QCOMPARE(page.options().lorentzWidthUnit, 0.3);
    QCOMPARE(page.options().lorentzWidthK, fromPlotUnit(PlotType::meV, 0.3));
    page.resolutionBox()->click();
    QVERIFY(page.resolutionField(2)->isVisible());
    page.setResolution(WidthPolynomial{0.2, 0.01, 0.001});
    page.normaliseAreaBox()->click();
    QVERIFY(page.options().normaliseArea);
    QVERIFY(page.refreshButton()->isVisible());
    page.applyRangeEditor();
    QCOMPARE(page.options().resolution, std::optional(WidthPolynomial{0.2, 0.01, 0.001}));
    // The page's columns are the core synthesis for its options, and "Export data…" writes
    // the table of `vintrel-cli data spectrum` with the same options.
    const auto& columns = page.columns();
    QVERIFY(!columns.empty());
    const auto expected = synthesizeSpectrum(page.merged(), page.plotRange().min,
                                             page.plotRange().max, static_cast<int>(columns.size()),
                                             page.options(), spectrumLimits(TResultSettings{}));
    QCOMPARE(expected.size(), columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        QCOMPARE(columns[c].I[0], expected[c].I[0]);
    SpectrumDataOptions options;
    options.type = PlotType::meV;
    options.range = page.plotRange();
    options.points = static_cast<int>(columns.size());
    options.shape = LineShape::voigt;
    options.width = 0.5;
    options.lorentzWidth = 0.3;
    options.resolution = WidthPolynomial{0.2, 0.01, 0.001};
    options.normaliseArea = true;
    const std::string table =
        spectrumDataTable(hosted.root.location("Result00"), "Result00", options).toCsv();
    QCOMPARE(page.exportTable().toCsv(), table);
    QVERIFY(table.find("\n# normalisation: area") != std::string::npos);
    // Unticked, the constant width is back.
    page.resolutionBox()->click();
    QCOMPARE(page.options().resolution, std::nullopt);
}

QTEST_MAIN(SpectroscopyPageTest)
#include "spectroscopy_page_test.moc"
