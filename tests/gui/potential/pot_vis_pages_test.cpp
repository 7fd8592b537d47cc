// The potential pages on the examples: the rows and the range of each result, what a control
// change recomputes and uploads, the range editors and the padlock, free mode with its step
// repeat, "Export data…", and the mean-field page's slider, trail and hole.
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "controls/data_export.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "graphs/range_editor.h"
#include "graphs/side_panel.h"
#include "potential/gl_panel.h"
#include "potential/palette_strip.h"
#include "potential/pot_vis_form.h"
#include "potential/potential_data.h"
#include "resultdata/input_files.h"
#include "resultdata/result_variables.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>

using namespace vintrel;

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VINTREL_SOURCE_DIR;

// The examples unpacked into one working root: Ce3+ Γ8 (Result00) and Γ7 (Result01),
// Ti3+ (Result02) and the Nd mean-field result (Result03).
struct Examples {
    test::TempDir root;
    ResultLocation ceGamma8, ceGamma7, ti, nd;

    Examples() {
        for (const char* file : {"Ce-cubic.zrvn", "Ti-LS-complex.zrvn", "Nd-meanfield.mfa"}) {
            ContainerReader reader(kSource / "examples" / file);
            ExtractRequest request;
            request.picked.assign(8, true);
            if (!extractResults(reader, root.path(), request).ok)
                qFatal("cannot unpack %s", file);
        }
        ceGamma8 = {root.path(), "Result00", kSource / "data"};
        ceGamma7 = {root.path(), "Result01", kSource / "data"};
        ti = {root.path(), "Result02", kSource / "data"};
        nd = {root.path(), "Result03", kSource / "data"};
    }
};

template <typename Page>
struct Hosted {
    ResultLocation current;
    QWidget window;
    std::unique_ptr<Page> page;

    explicit Hosted(PotVisHost host = {}) {
        host.currentResult = [this] { return current; };
        page = std::make_unique<Page>(host);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(page->p0());
        window.resize(1200, 800);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the window is not shown");
    }
    ~Hosted() { page->p0()->setParent(page.get()); }

    void load(const ResultLocation& location) {
        current = location;
        loadResultInputs(location);
        page->wczytajDane({});
        QApplication::processEvents();
    }
};

fs::path folderOf(const ResultLocation& l) {
    return l.workingRoot / l.resultFolder;
}

} // namespace

class PotVisPagesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        installViewerFonts();
        setMessagesToStandardError(true);
    }

    // Each result shows its own coefficients and the range of its own body; the first refresh
    // writes the range file, and loading the other result refreshes at once.
    void eachResultShowsItsOwnPotential() {
        Examples ex;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ceGamma8);
        const TVariables g8 = sharedVariables();
        QCOMPARE(view.page->rowEdit(10)->text().toStdString(), coefficientText(g8.wsp_A[9]));
        const ValueRange first = view.page->range();
        QCOMPARE(readPotentialRange(folderOf(ex.ceGamma8)), first);
        QCOMPARE(first, rangeAsStored(view.page->field().computedRange()));
        QVERIFY(first.min < 0 && first.max > 0);
        const int shadings = view.page->view()->uploads().shadings;

        view.load(ex.ceGamma7);
        QCOMPARE(view.page->rowEdit(10)->text().toStdString(),
                 coefficientText(sharedVariables().wsp_A[9]));
        QVERIFY(view.page->range() != first);
        QCOMPARE(readPotentialRange(folderOf(ex.ceGamma7)), view.page->range());
        QVERIFY(view.page->view()->uploads().shadings > shadings);
        // The drawn points are the marginal 30 % at each end of the range.
        CloudShading expected;
        shadeCloud(view.page->field().cloud(), shadeRequestFor(view.page->range(), 0.3, 0.7, true),
                   expected);
        QCOMPARE(view.page->shading().visible, expected.visible);
        QCOMPARE(view.page->shading().paletteIndex, expected.paletteIndex);
        QVERIFY(expected.visibleCount > 0);
    }

    // A threshold, a filter or a palette change neither rebuilds nor evaluates the points
    // and uploads no positions; a new shape does.
    void controlsRecomputeOnlyWhatTheyChange() {
        Examples ex;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ceGamma8);
        TGLPanel* gl = view.page->view();
        const auto points = view.page->field().pointsVersion();
        const TGLPanel::Uploads before = gl->uploads();
        view.page->setFractions(0.2, 0.9);
        view.page->setMarginal(false);
        QCOMPARE(gl->uploads().positions, before.positions);
        QCOMPARE(gl->uploads().shadings, before.shadings + 2);
        QCOMPARE(view.page->field().pointsVersion(), points);
        view.page->choosePalette(12);
        QCOMPARE(gl->uploads().palettes, before.palettes + 1);
        QCOMPARE(gl->uploads().shadings, before.shadings + 2);

        view.page->setShape(Body::cube, 2, Resolution::low);
        QCOMPARE(view.page->field().cloud().size(), std::size_t(41 * 41 * 41));
        QCOMPARE(view.page->shapeBox()->currentText(), QStringLiteral("Cube"));
        QCOMPARE(view.page->resolutionBox()->currentText(), QStringLiteral("Low"));
        QCOMPARE(view.page->sizeSlider()->value(), 2);
        // The box itself changes the body and keeps the grid.
        view.page->shapeBox()->setCurrentIndex(3);
        QCOMPARE(view.page->field().shape().body, Body::octahedron);
        QCOMPARE(view.page->field().shape().size, 2);
        QVERIFY(view.page->field().pointsVersion() > points);
        QApplication::processEvents();
        gl->grabFramebuffer();
        QVERIFY(gl->uploads().positions > before.positions);
        QVERIFY(gl->problem().isEmpty());
    }

    void rangeEditorsAndOneToOne() {
        Examples ex;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ceGamma8);
        const ValueRange computed = view.page->range();
        // A maximum below the minimum is taken while "min" was never opened; nothing is drawn.
        view.page->openMaximumEditor();
        QVERIFY(view.page->maximumEditor()->isOpen());
        view.page->maximumEditor()->edit()->setText(QStringLiteral("-3000"));
        view.page->applyMaximumEditor();
        QVERIFY(!view.page->maximumEditor()->isOpen());
        QCOMPARE(view.page->range().max, -3000.0);
        QCOMPARE(view.page->shading().visibleCount, std::size_t(0));
        // Once "min" was used, a minimum above the maximum is refused and the editor stays.
        view.page->fitRange();
        QCOMPARE(view.page->range(), computed);
        view.page->openMinimumEditor();
        view.page->minimumEditor()->edit()->setText(QStringLiteral("-"));
        view.page->applyMinimumEditor();
        QVERIFY(view.page->minimumEditor()->isOpen());
        view.page->minimumEditor()->edit()->setText(QStringLiteral("5000"));
        view.page->applyMinimumEditor();
        QVERIFY(view.page->minimumEditor()->isOpen());
        view.page->minimumEditor()->edit()->setText(QStringLiteral("-100"));
        view.page->applyMinimumEditor();
        QVERIFY(!view.page->minimumEditor()->isOpen());
        QCOMPARE(view.page->range().min, -100.0);
        QCOMPARE(readPotentialRange(folderOf(ex.ceGamma8))->min, -100.0);
    }

    void padlockWritesTheRangeIntoTheOtherResults() {
        Examples ex;
        PotVisHost host;
        host.padlockFolders = [] {
            return std::vector<std::string>{"Result00", "Result01", "Result02"};
        };
        Hosted<TPotVisResultForm> view(host);
        view.load(ex.ceGamma8);
        view.page->setPadlock(true);
        const ValueRange range = view.page->range();
        QCOMPARE(readPotentialRange(folderOf(ex.ceGamma7)), range);
        QCOMPARE(readPotentialRange(folderOf(ex.ti)), range);
        view.load(ex.ti);
        QCOMPARE(view.page->range(), range);
    }

    // Free mode: rows editable, the step buttons change the selected row; the repeat stops on
    // an error, on release and when the focus leaves the page; leaving free mode reloads.
    void freeModeStepsAndItsRepeatStops() {
        Examples ex;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ceGamma8);
        const QString stored = view.page->rowEdit(3)->text();
        view.page->setFreeMode(true);
        QVERIFY(view.page->warningPanel()->isVisible());
        QVERIFY(view.page->rowEdit(3)->isEnabled());
        view.page->selectRow(3);
        QVERIFY(view.page->stepPanel()->isVisible());
        view.page->startStepRepeat(true);
        QVERIFY(view.page->stepRepeating());
        QCOMPARE(view.page->rowEdit(3)->text(), QStringLiteral("0.1"));
        QTRY_COMPARE_WITH_TIMEOUT(view.page->rowEdit(3)->text(), QStringLiteral("0.2"), 2000);
        view.page->rowEdit(3)->setText(QStringLiteral("1.2.3"));
        QTRY_VERIFY_WITH_TIMEOUT(!view.page->stepRepeating(), 2000);

        view.page->rowEdit(3)->setText(QStringLiteral("1"));
        view.page->startStepRepeat(false);
        QVERIFY(view.page->stepRepeating());
        QLineEdit outside;
        outside.show();
        outside.activateWindow();
        outside.setFocus();
        QApplication::setActiveWindow(&outside);
        QTRY_VERIFY_WITH_TIMEOUT(!view.page->stepRepeating(), 2000);

        // Held with the mouse: one step at once, the repeat runs until the release.
        view.page->rowEdit(3)->setText(QStringLiteral("1"));
        view.page->selectRow(3);
        TMyButton* up = view.page->stepUpButton();
        QTest::mousePress(up, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(view.page->rowEdit(3)->text(), QStringLiteral("1.1"));
        QVERIFY(view.page->stepRepeating());
        QTest::mouseRelease(up, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!view.page->stepRepeating());

        view.page->setFreeMode(false);
        QCOMPARE(view.page->rowEdit(3)->text(), stored);
        QVERIFY(!view.page->warningPanel()->isVisible());
        QVERIFY(!view.page->rowEdit(3)->isEnabled());
    }

    // Typing a negative number passes through "-": the picture waits for the number instead of
    // calling the text wrong; a row left at "-" is wrong after all and says so once.
    void freeModeWaitsForAnUnfinishedNumber() {
        Examples ex;
        setMessagesToStandardError(false);
        test::MessageCatcher messages;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ceGamma8);
        view.page->setFreeMode(true);
        QLineEdit* row = view.page->rowEdit(3);
        row->setFocus();
        row->selectAll();
        QTest::keyClicks(row, QStringLiteral("-2e"));
        QVERIFY(messages.texts().isEmpty());
        QTest::keyClicks(row, QStringLiteral("1"));
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(view.page->shownCoefficients()[2], -20.0);

        row->selectAll();
        QTest::keyClicks(row, QStringLiteral("-"));
        QVERIFY(messages.texts().isEmpty());
        QTest::keyClick(row, Qt::Key_Return);
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().front().contains(QStringLiteral("'-'")));
        // The picture still shows the last complete number.
        QCOMPARE(view.page->shownCoefficients()[2], -20.0);
        view.page->setFreeMode(false);
        setMessagesToStandardError(true);
    }

    // The indicators stop 5 pixels above and 8 pixels below each other; the release sets the
    // thresholds from where they stand. A click between them chooses the central part.
    void indicatorsAreDraggedWithinTheirLimits() {
        Examples ex;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ceGamma8);
        TPaletteStrip* strip = view.page->paletteStrip();
        const QRect upper = strip->upperIndicator();
        const int lowerTop = strip->lowerTop();
        const QPoint grab = upper.center();
        QTest::mousePress(strip, Qt::LeftButton, {}, grab);
        for (int y = grab.y(); y < lowerTop + 40; y += 3)
            QTest::mouseMove(strip, QPoint(grab.x(), y));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(grab.x(), lowerTop + 40));
        QVERIFY(strip->upperTop() <= lowerTop - 5);
        QVERIFY(strip->upperTop() >= lowerTop - 8);
        const double upperFraction = strip->upperFraction();
        QVERIFY(upperFraction < 0.35);
        // The filter took the new threshold: the shading is that of the new fractions.
        CloudShading expected;
        shadeCloud(view.page->field().cloud(),
                   shadeRequestFor(view.page->range(), strip->lowerFraction(), upperFraction, true),
                   expected);
        QCOMPARE(view.page->shading().visible, expected.visible);

        // From the start again: the lower one cannot pass above 8 pixels below the upper one.
        view.page->setFractions(0.3, 0.7);
        const QPoint low = strip->lowerIndicator().center();
        QTest::mousePress(strip, Qt::LeftButton, {}, low);
        for (int y = low.y(); y > 0; y -= 3)
            QTest::mouseMove(strip, QPoint(low.x(), y));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(low.x(), 0));
        QVERIFY(strip->lowerTop() >= strip->upperTop() + 8);
        QVERIFY(strip->lowerTop() <= strip->upperTop() + 11);

        const QPoint between(30, (strip->upperTop() + strip->lowerTop()) / 2 + 6);
        QTest::mouseClick(strip, Qt::LeftButton, {}, between);
        QVERIFY(!strip->marginal());
    }

    // The shape panel slides to a 25-pixel strip at the left and back to 200 pixels; its
    // collapse button keeps to the right edge.
    void shapePanelCollapses() {
        Hosted<TPotVisResultForm> view;
        TGraphSidePanel* panel = view.page->shapePanel();
        const int left = panel->x();
        QCOMPARE(panel->width(), 200);
        QTest::mouseClick(panel->collapseButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(panel->width(), 25, 2000);
        QCOMPARE(panel->x(), left);
        QVERIFY(panel->collapseButton()->geometry().right() < panel->width());
        QVERIFY(panel->content()->geometry().right() < panel->collapseButton()->x());
        QTest::mouseClick(panel->collapseButton(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(panel->width(), 200, 2000);
        QCOMPARE(panel->content()->x(), 4);
    }

    // "apply" turns the points; a new body or size shows them unturned again.
    void rotationIsAppliedToThePointsUntilTheGridChanges() {
        Examples ex;
        Hosted<TPotVisResultForm> view;
        view.load(ex.ti);
        view.page->setShape(Body::cube, 1, Resolution::low);
        view.page->setRotationShown(true);
        view.page->setAngles(90, 0, 0);
        view.page->applyRotation();
        QCOMPARE(view.page->field().shape().rotation.x, 90.0);
        const PotentialCloud turned = buildCloud(Body::cube, 1, 20, {90, 0, 0});
        QCOMPARE(view.page->field().cloud().y, turned.y);
        view.page->setShape(Body::sphere, 1, Resolution::low);
        QCOMPARE(view.page->field().shape().rotation.x, 0.0);
        view.page->applyRotation();
        view.page->setShape(Body::cube, 2, Resolution::low);
        QCOMPARE(view.page->field().shape().rotation.x, 0.0);
        QVERIFY(!view.page->shownShape().lines.empty());
        view.page->setRotationShown(false);
        QVERIFY(view.page->shownShape().lines.empty());
    }

    // "load from file": a cancelled dialog and a file that is no picture keep the palette; a
    // picture becomes the palette, its top row colouring the highest values.
    void paletteFromAFile() {
        Examples ex;
        test::TempDir dir;
        QString answer;
        PotVisHost host;
        host.choosePaletteFile = [&] { return answer; };
        setMessagesToStandardError(false);
        test::MessageCatcher messages;
        Hosted<TPotVisResultForm> view(host);
        view.load(ex.ceGamma8);
        // The entries show their palettes: "standard" from blue on the left to red on the right.
        const QImage swatch = view.page->paletteBox()->itemIcon(0).pixmap(24, 10).toImage();
        QVERIFY(swatch.pixelColor(1, 5).blue() > 100 && swatch.pixelColor(1, 5).red() < 60);
        QVERIFY(swatch.pixelColor(22, 5).red() > 150 && swatch.pixelColor(22, 5).blue() < 60);
        QVERIFY(view.page->paletteBox()->itemIcon(19).isNull());
        view.page->choosePalette(2);
        const int palettes = view.page->view()->uploads().palettes;
        answer.clear();
        view.page->choosePalette(19);
        QCOMPARE(view.page->paletteBox()->currentIndex(), 2);
        const QString junk = QString::fromStdString((dir / "junk.bmp").string());
        test::writeFile(dir / "junk.bmp", "not a picture");
        answer = junk;
        view.page->choosePalette(19);
        QCOMPARE(view.page->paletteBox()->currentIndex(), 2);
        QCOMPARE(view.page->view()->uploads().palettes, palettes);
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(messages.texts().front().contains(QStringLiteral("junk.bmp")));

        QImage picture(4, 256, QImage::Format_RGB32);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 4; ++x)
                picture.setPixelColor(x, y, QColor(255 - y, 0, y));
        answer = QString::fromStdString((dir / "own.bmp").string());
        QVERIFY(picture.save(answer));
        view.page->choosePalette(19);
        QCOMPARE(view.page->paletteBox()->currentIndex(), 19);
        QCOMPARE(view.page->view()->uploads().palettes, palettes + 1);
        // The highest value (entry 255) takes the top row's red.
        QImage strip = view.page->paletteStrip()->grab().toImage();
        const PaletteStrip s = view.page->paletteStrip()->strip();
        QCOMPARE(strip.pixelColor(40, s.top), QColor(255, 0, 0));
        QCOMPARE(strip.pixelColor(40, s.top + s.height - 1), QColor(0, 0, 255));
        setMessagesToStandardError(true);
    }

    void exportWritesThePointsOfTheBody() {
        Examples ex;
        test::TempDir out;
        const fs::path target = out / "points.csv";
        setExportFileChooser(
            [&](QWidget*, const QString&) { return QString::fromStdString(target.string()); });
        Hosted<TPotVisResultForm> view;
        view.load(ex.ti);
        view.page->setShape(Body::octahedron, 1, Resolution::low);
        view.page->exportData();
        setExportFileChooser({});
        const DataTable expected = potentialDataTable(sharedVariables(), "Result02",
                                                      {Body::octahedron, 1, Resolution::low, true});
        QCOMPARE(QString::fromStdString(test::readFile(target)),
                 QString::fromStdString(expected.toCsv()));
    }

    // The slider moves through the moment table; the trail shows the current step and up to
    // "steps:" older ones; the hole hides the points round the line of sight.
    void meanFieldSliderTrailAndHole() {
        Examples ex;
        Hosted<TPotVisMFAForm> view;
        view.load(ex.nd);
        const MomentTable table = readMomentTable(folderOf(ex.nd));
        QVERIFY(table.size() > 10);
        QCOMPARE(view.page->temperatureSlider()->maximum(), int(table.size()) - 1);
        view.page->trailBox()->setChecked(true);
        view.page->temperatureSlider()->setValue(3);
        QCOMPARE(view.page->trail().size(), std::size_t(4));
        view.page->stepsSlider()->setValue(0);
        QCOMPARE(view.page->trail().size(), std::size_t(1));
        QCOMPARE(view.page->trail().colorR.back(), 1.0);
        QVERIFY(view.page->temperatureCaption().endsWith(QStringLiteral(" K")));
        QVERIFY(view.page->view()->drawMolField());

        const std::size_t shown = view.page->shading().visibleCount;
        view.page->holeBox()->setChecked(true);
        QVERIFY(view.page->shading().visibleCount < shown);
        view.page->holeBox()->setChecked(false);
        QCOMPARE(view.page->shading().visibleCount, shown);
    }
};

QTEST_MAIN(PotVisPagesTest)
#include "pot_vis_pages_test.moc"
