// The four ordinary temperature pages on the shared graph machinery.
#include "controls/data_export.h"
#include "controls/my_button.h"
#include "controls/my_trackbar.h"
#include "graphs/derived_curves.h"
#include "graphs/graph_details.h"
#include "graphs/graph_tables.h"
#include "graphs/heat_pages.h"
#include "graphs/plot_painter.h"
#include "graphs/susceptibility_pages.h"
#include "resultdata/result_variables.h"
#include "support/graph_page_host.h"
#include "support/result_writer.h"
#include "support/viewer_fixture.h"

#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

using namespace vintrel;
namespace fs = std::filesystem;

namespace {

const char* const kChiHeader = "Susceptibility graph:\r\n  range      exponent\r\n";

std::string chiSettings(const std::string& rangeLine, const std::string& markers = {}) {
    return kChiHeader + rangeLine + "\r\nMarkers: temp  chi\r\n" + markers;
}

/// Ce3+ with the three susceptibility files over T = 1 … rows (χ = scale / T) and "o_spc.dup".
test::ResultRecipe ceriumWithGraphs(int rows = 50, double scale = 1.4) {
    test::ResultRecipe recipe = test::ceriumCubic();
    std::vector<double> T;
    std::vector<double> chi;
    std::vector<test::SpcRow> spc;
    for (int r = 1; r <= rows; ++r) {
        T.push_back(r);
        chi.push_back(scale / r);
        spc.push_back({2.0 * r, 0.05 * r, 5.76 + 0.1 * r, 0});
    }
    for (const char* file : {"o_chi_x.dup", "o_chi_y.dup", "o_chi_z.dup"})
        recipe.withFile(file, test::chiFileText(T, chi));
    recipe.withFile("o_spc.dup", test::spcFileText(spc));
    return recipe;
}

template <typename Page>
using Hosted = test::HostedPage<Page>;
using test::drawsColour;
using test::hasText;
using test::itemsOf;

} // namespace

class GraphPagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setExportFileChooser({}); }
    void susceptibilityLoadsItsResultAndMakesTheSettingsFile();
    void powderAverageNeedsTheYDirectionOrAUniaxialResult();
    void aMissingFileIsANoteNotAMessage();
    void markerListFollowsTheResult();
    void padlockWritesEveryResult();
    void rangeEditorAndZoomLimits();
    void inversePageGivesTheEffectiveMoment();
    void narrowWindowGivesTheBottomPanelItsOwnRow();
    void exportsWriteTheCoreTableAndTheFigure();
    void detailsWindowIsSharedByThePair();
    void specificHeatDebyeAndModes();
    void entropyLinesAndSteps();
};

void GraphPagesTest::susceptibilityLoadsItsResultAndMakesTheSettingsFile() {
    Hosted<Tgraf_chi> hosted;
    hosted.add("Result00", ceriumWithGraphs(50, 0.0345));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    QCOMPARE(page.data().rowCount(), std::size_t{50});
    QVERIFY(page.note().isEmpty());
    // Made from the largest χ, 0.0345: R = 4, n = -2.
    QCOMPARE(hosted.file("Result00", "g_chi.dup"), chiSettings("    4.0000     -2"));
    // A real Hamiltonian has no y direction.
    QVERIFY(!page.directionButton(ChiCurve::y)->isEnabled());
    QVERIFY(!page.shown(ChiCurve::y));
    const PlotScene scene = page.scene();
    QVERIFY(drawsColour(scene, kChiLooks[0].normal));
    QVERIFY(drawsColour(scene, kChiLooks[2].normal));
    QVERIFY(!drawsColour(scene, kChiLooks[1].normal));
    QVERIFY(hasText(scene, "4.00"));
    QVERIFY(hasText(scene, "magnetic susceptibility [B||x,z] !c_x_,_z (10^-^2 !m_B/T)"));
    // Hovering over the z button draws z in its light colour, on top.
    page.setHighlighted(ChiCurve::z, true);
    const auto curves = itemsOf<ScenePolyline>(page.scene());
    QCOMPARE(curves.back().colour, kChiLooks[2].highlighted);
    page.setHighlighted(ChiCurve::z, false);
    // The legend names the shown curves by their toggles' captions, the Curie curve too.
    const auto names = [&page] {
        QStringList list;
        for (const CurveDescription& entry : page.legendEntries())
            list << QString::fromStdString(entry.name);
        return list;
    };
    QCOMPARE(names(), (QStringList{"B_e_x_t||x", "B_e_x_t||z"}));
    page.showCuriePanel(true);
    QCOMPARE(names(), (QStringList{"B_e_x_t||x", "B_e_x_t||z", "Curie's law"}));
    QVERIFY(page.legendEntries().back().style == LineStyle::Dashed);
}

void GraphPagesTest::powderAverageNeedsTheYDirectionOrAUniaxialResult() {
    Hosted<Tgraf_chi> hosted;
    hosted.add("Result00", ceriumWithGraphs()); // cubic: m = 0 and 4
    test::ResultRecipe orthorhombic = ceriumWithGraphs();
    orthorhombic.a.assign(27, "0");
    orthorhombic.a[static_cast<std::size_t>(coefficientSlot(2, 2))] = "12.5";
    hosted.add("Result01", orthorhombic);
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    TMyButton* average = page.directionButton(ChiCurve::average);
    QVERIFY(average->isEnabled());
    page.setShown(ChiCurve::average, true);
    QVERIFY(page.shown(ChiCurve::average));
    QVERIFY(drawsColour(page.scene(), kChiLooks[3].normal));

    hosted.select("Result01");
    QVERIFY(!average->isEnabled());
    QCOMPARE(average->toolTip(), QString::fromLatin1(kPowderAverageUnavailable));
    QVERIFY(!page.shown(ChiCurve::average));
    QVERIFY(!drawsColour(page.scene(), kChiLooks[3].normal));

    // A complex Hamiltonian with its y file: the arithmetic mean of three directions.
    test::ResultRecipe titanium = test::titaniumComplex();
    const std::vector<double> T = {10, 20};
    titanium.withFile("o_chi_x.dup", test::chiFileText(T, {0.3, 0.2}));
    titanium.withFile("o_chi_y.dup", test::chiFileText(T, {0.6, 0.4}));
    titanium.withFile("o_chi_z.dup", test::chiFileText(T, {0.9, 0.6}));
    hosted.add("Result02", titanium);
    hosted.select("Result02");
    QVERIFY(average->isEnabled());
    QVERIFY(page.directionButton(ChiCurve::y)->isEnabled());
    page.setShown(ChiCurve::average, true);
    QVERIFY(page.shown(ChiCurve::average));
    // Without "o_chi_y.dup" (its coefficients of every m make it far from uniaxial) there is
    // no average and no y.
    hosted.root.write("Result02", titanium.without("o_chi_y.dup"));
    hosted.select("Result02");
    QVERIFY(!page.directionButton(ChiCurve::y)->isEnabled());
    QVERIFY(!average->isEnabled());
    QVERIFY(!drawsColour(page.scene(), kChiLooks[1].normal));
    QVERIFY(drawsColour(page.scene(), kChiLooks[0].normal));
}

void GraphPagesTest::aMissingFileIsANoteNotAMessage() {
    Hosted<Tgraf_chi> hosted;
    hosted.add("Result00", ceriumWithGraphs().without("o_chi_x.dup"));
    test::MessageCatcher messages;
    hosted.show();
    for (int i = 0; i < 5; ++i) {
        hosted.page->plot()->repaint();
        QCoreApplication::processEvents();
    }
    const QString expected =
        QStringLiteral("Cannot open file ") +
        QString::fromStdString((hosted.folder("Result00") / "o_chi_x.dup").string());
    QCOMPARE(hosted.page->note(), expected);
    QVERIFY(hasText(hosted.page->scene(), expected.toStdString()));
    QVERIFY(itemsOf<ScenePolyline>(hosted.page->scene()).empty());
    QTest::qWait(100);
    QVERIFY(messages.texts().isEmpty());
    // Nothing could be made from the data, so no settings file is stored.
    QVERIFY(!fs::exists(hosted.folder("Result00") / "g_chi.dup"));

    // The file comes back: the page reads it the next time it is shown.
    hosted.root.write("Result00", ceriumWithGraphs());
    hosted.page->pageShown({});
    QVERIFY(hosted.page->note().isEmpty());
    QCOMPARE(hosted.page->data().rowCount(), std::size_t{50});
}

void GraphPagesTest::markerListFollowsTheResult() {
    Hosted<Tgraf_chi> hosted;
    hosted.add("Result00",
               ceriumWithGraphs(3).withFile(
                   "g_chi.dup", chiSettings("    4.0000     -2", "  2.0000   0.021000\r\n")));
    hosted.add("Result01", ceriumWithGraphs(3));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    page.showMarkerList(true);
    QTableWidget* list = page.markerList();
    QCOMPARE(list->rowCount(), 3);
    QCOMPARE(list->item(1, 0)->text(), QStringLiteral("2"));
    QCOMPARE(list->item(1, 1)->text(), QStringLiteral("0.021"));

    hosted.select("Result01");
    QCOMPARE(list->item(1, 1)->text(), QStringLiteral("0"));
    const std::string before = hosted.file("Result00", "g_chi.dup");
    list->item(0, 1)->setText(QStringLiteral("0.5"));
    QCOMPARE(hosted.file("Result01", "g_chi.dup"),
             chiSettings("    2.0000      0", "  1.0000   0.500000\r\n"));
    QCOMPARE(hosted.file("Result00", "g_chi.dup"), before);

    hosted.select("Result00");
    QCOMPARE(list->item(1, 1)->text(), QStringLiteral("0.021"));
    QCOMPARE(page.session().markers(), (xy_array{{2, 0.021}}));
}

void GraphPagesTest::padlockWritesEveryResult() {
    Hosted<Tgraf_chi> hosted;
    const std::string markers[3] = {"  1.0000   0.100000\r\n", "  2.0000   0.200000\r\n", ""};
    for (int i = 0; i < 3; ++i)
        hosted.add("Result0" + std::to_string(i),
                   ceriumWithGraphs(3).withFile("g_chi.dup",
                                                chiSettings("    4.0000     -2", markers[i])));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    QTest::mouseClick(page.padlockButton(), Qt::LeftButton);
    QVERIFY(page.padlockButton()->Down());
    QCOMPARE(page.padlockButton()->toolTip(),
             QStringLiteral("Click to set range for this graph only"));
    QTest::mouseClick(page.rangeButton(), Qt::LeftButton);
    QVERIFY(page.rangeEdit()->isVisible());
    page.rangeEdit()->clear();
    QTest::keyClicks(page.rangeEdit(), QStringLiteral("1,5a"));
    QCOMPARE(page.rangeEdit()->text(), QStringLiteral("1.5"));
    QTest::keyClick(page.rangeEdit(), Qt::Key_Return);
    QVERIFY(!page.rangeEdit()->isVisible());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(hosted.file("Result0" + std::to_string(i), "g_chi.dup"),
                 chiSettings("    1.5000     -2", markers[i]));

    // Released, a change stays with this result.
    QTest::mouseClick(page.padlockButton(), Qt::LeftButton);
    page.zoomOut();
    QCOMPARE(hosted.file("Result00", "g_chi.dup"), chiSettings("    3.0000     -2", markers[0]));
    QCOMPARE(hosted.file("Result01", "g_chi.dup"), chiSettings("    1.5000     -2", markers[1]));
}

void GraphPagesTest::rangeEditorAndZoomLimits() {
    Hosted<Tgraf_chi> hosted;
    hosted.add("Result00",
               ceriumWithGraphs(3).withFile("g_chi.dup", chiSettings("    5.0000     -8")));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    {
        test::MessageCatcher messages;
        page.zoomIn();
        QTRY_COMPARE(messages.texts(), QStringList{QStringLiteral("Maximum zoom size reached.")});
    }
    QCOMPARE(hosted.file("Result00", "g_chi.dup"), chiSettings("    5.0000     -8"));
    // Not a finite positive number: the range stays.
    for (const char* entry : {"0", "-3", "", "1e999"}) {
        page.openRangeEditor();
        page.rangeEdit()->setText(QString::fromLatin1(entry));
        page.applyRangeEditor();
        QCOMPARE(page.session().range(), (AxisRange{0, 5, -8}));
    }
    // "1:1": the nice range of the largest χ (1.4 at 1 K).
    page.zoomToData();
    QCOMPARE(page.session().range(), (AxisRange{0, 2, 0}));
}

void GraphPagesTest::inversePageGivesTheEffectiveMoment() {
    Hosted<Tgraf_1chi> hosted;
    test::ResultRecipe recipe = test::ceriumCubic();
    recipe.withFile("o_chi_x.dup",
                    test::chiFileText({50, 100, 200}, {1 / 20.0, 1 / 30.0, 1 / 70.0}));
    recipe.withFile("o_chi_z.dup",
                    test::chiFileText({50, 100, 200}, {1 / 60.0, 1 / 50.0, 1 / 30.0}));
    recipe.withFile("g_invchi.dup", "a\r\nb\r\n  100.0000      0\r\nm\r\n");
    hosted.add("Result00", recipe);
    hosted.show();
    Tgraf_1chi& page = *hosted.page;
    // The two highest temperatures at first.
    QCOMPARE(page.trackBar()->PositionLeft(), 2);
    QCOMPARE(page.trackBar()->PositionRight(), 3);
    QCOMPARE(page.effectiveMomentText(Direction::x), QStringLiteral("3.34095"));
    QCOMPARE(page.effectiveMomentText(Direction::z), QStringLiteral("undefined"));
    QVERIFY(!page.effectiveMomentField(Direction::y)->isVisibleTo(&hosted.window));
    page.selectRows(2, 2);
    QCOMPARE(page.effectiveMomentText(Direction::x), QStringLiteral(" not set"));
    QCOMPARE(page.effectiveMomentText(Direction::z), QStringLiteral(" not set"));
    // The secant between the selected rows is drawn for every shown direction.
    page.selectRows(1, 3);
    const auto lines = itemsOf<SceneLine>(page.scene());
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const SceneLine& l) { return l.style == LineStyle::Dotted; }),
             2L);
    // Stored with a positive exponent, the range is shown folded: 35·10 = 350.
    hosted.root.write("Result00", test::ResultRecipe::withoutInputFiles().withFile(
                                      "g_invchi.dup", "a\r\nb\r\n   35.0000      1\r\nm\r\n"));
    page.pageShown({});
    QVERIFY(hasText(page.scene(), "350.0"));
}

void GraphPagesTest::narrowWindowGivesTheBottomPanelItsOwnRow() {
    Hosted<Tgraf_1chi> hosted;
    test::ResultRecipe recipe = test::ceriumCubic();
    recipe.withFile("o_chi_x.dup", test::chiFileText({50, 100, 200}, {0.05, 0.03, 0.014}));
    recipe.withFile("o_chi_z.dup", test::chiFileText({50, 100, 200}, {0.02, 0.02, 0.03}));
    hosted.add("Result00", recipe);
    hosted.show();
    Tgraf_1chi& page = *hosted.page;
    QWidget* bar = page.exportDataButton()->parentWidget();
    // The directions and the effective moments: the child of the bar that holds a moment field.
    QWidget* own = page.effectiveMomentField(Direction::x);
    while (own && own->parentWidget() != bar)
        own = own->parentWidget();
    QVERIFY(own);
    const auto unsqueezed = [&] {
        QCoreApplication::processEvents();
        for (QWidget* w : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!w->isVisible())
                continue;
            if (!bar->rect().contains(w->geometry()))
                return false;
            if (w->width() < std::max(w->sizeHint().width(), w->minimumWidth()))
                return false;
        }
        return true;
    };
    // 990 px: the page in the main window at its smallest size.
    for (const int width : {1600, 990, 1600}) {
        hosted.window.resize(width, 700);
        QCoreApplication::processEvents();
        const bool narrow = width < 1200;
        QCOMPARE(page.bottomBarInTwoRows(), narrow);
        QCOMPARE(bar->height(), narrow ? 60 : 32);
        QVERIFY2(unsqueezed(), qPrintable(QStringLiteral("at %1 px").arg(width)));
        // Two rows: the page's panel under the buttons, on the left.
        if (narrow)
            QVERIFY(own->geometry().top() > page.exportDataButton()->geometry().bottom());
        else
            QCOMPARE(own->geometry().center().y(),
                     page.exportDataButton()->geometry().center().y());
    }
}

void GraphPagesTest::exportsWriteTheCoreTableAndTheFigure() {
    Hosted<Tgraf_chi> hosted;
    hosted.add("Result00",
               ceriumWithGraphs(20).withFile(
                   "g_chi.dup", chiSettings("    2.0000      0", "  5.0000   0.400000\r\n")));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    const fs::path csv = hosted.root.path() / "chi.csv";
    QString suggested;
    setExportFileChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(csv.string());
    });
    QTest::mouseClick(page.exportDataButton(), Qt::LeftButton);
    QTRY_VERIFY(fs::exists(csv));
    const std::string expected =
        susceptibilityDataTable(hosted.root.location("Result00"), "Result00").toCsv();
    QCOMPARE(test::readFile(csv), expected);
    QVERIFY(
        expected.find("# chi graph range [muB/T]: 0 2\n# chi graph markers [K, muB/T]: 5 0.4\n") !=
        std::string::npos);
    QCOMPARE(QFileInfo(suggested).fileName(),
             QStringLiteral("Result00 magnetic susceptibility.csv"));

    // The figure: PNG at the plot's size with the legend of its two curves under it, SVG and
    // PDF by the same painter.
    const fs::path png = hosted.root.path() / "chi.png";
    QVERIFY(page.writeFigure(QString::fromStdString(png.string())).isEmpty());
    const QImage image(QString::fromStdString(png.string()));
    QCOMPARE(image.width(), page.plot()->width());
    QCOMPARE(image.height(),
             page.plot()->height() + 2 + legendScene(page.legendEntries(), 800).height);
    // The legend's samples in the colours of x and z, under the plot.
    const auto legendHas = [&](const Rgb& colour) {
        for (int y = page.plot()->height(); y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(colour.r, colour.g, colour.b))
                    return true;
        return false;
    };
    QVERIFY(legendHas(kChiLooks[0].normal));
    QVERIFY(legendHas(kChiLooks[2].normal));
    QVERIFY(!legendHas(kChiLooks[1].normal)); // no y direction
    const fs::path svg = hosted.root.path() / "chi.svg";
    QVERIFY(page.writeFigure(QString::fromStdString(svg.string())).isEmpty());
    const std::string svgText = test::readFile(svg);
    QVERIFY(svgText.find("<svg") != std::string::npos);
    QVERIFY(svgText.find("Result00 magnetic susceptibility") != std::string::npos);
    QVERIFY(svgText.find("<polyline") != std::string::npos);
    const fs::path pdf = hosted.root.path() / "chi.pdf";
    QVERIFY(page.writeFigure(QString::fromStdString(pdf.string())).isEmpty());
    QCOMPARE(test::readFile(pdf).substr(0, 5), std::string("%PDF-"));
    // A figure that cannot be written says so and leaves nothing.
    const fs::path nowhere = hosted.root.path() / "missing" / "chi.png";
    QVERIFY(!page.writeFigure(QString::fromStdString(nowhere.string())).isEmpty());
    QVERIFY(!fs::exists(nowhere));
}

void GraphPagesTest::detailsWindowIsSharedByThePair() {
    test::WorkingRoot root;
    root.write("Result00", ceriumWithGraphs(4));
    loadResultInputs(root.location("Result00"));
    GraphPageHost host;
    host.currentResult = [&] { return root.location("Result00"); };
    TGraphDetailsLink link(new TSusceptibilityForm);
    Tgraf_chi chi(host);
    Tgraf_1chi inverse(host);
    chi.setDetailsLink(&link);
    inverse.setDetailsLink(&link);
    chi.wczytajDane({});
    inverse.wczytajDane({});
    chi.detailsButton()->SetDown(true);
    chi.detailsButton()->Click();
    QVERIFY(chi.detailsButton()->Down());
    QVERIFY(inverse.detailsButton()->Down());
    auto* form = static_cast<TSusceptibilityForm*>(link.form());
    QVERIFY(form->isVisible());
    QCOMPARE(form->selected(), Direction::z);
    QVERIFY(form->memoText().startsWith(QStringLiteral("          T [K]    chi [mu_B/T]")));
    QVERIFY(form->memoText().contains(QStringLiteral("\n4 0.35 ")));
    QVERIFY(!form->selector(Direction::y)->isVisibleTo(form)); // a real Hamiltonian
    form->close();
    QVERIFY(!chi.detailsButton()->Down());
    QVERIFY(!inverse.detailsButton()->Down());
}

void GraphPagesTest::specificHeatDebyeAndModes() {
    Hosted<Tgraf_spech> hosted;
    hosted.add("Result00", ceriumWithGraphs(20));
    hosted.show();
    Tgraf_spech& page = *hosted.page;
    QCOMPARE(
        hosted.file("Result00", "g_spech.dup"),
        std::string("Specific heat graph range:\r\n    2.0000\r\nMarkers: temp  spec.heat\r\n"));
    page.setCurveShown(HeatCurve::debye, true);
    page.setCurveShown(HeatCurve::sum, true);
    QVERIFY(drawsColour(page.scene(), kHeatLooks[1].normal));
    QVERIFY(drawsColour(page.scene(), kHeatLooks[2].normal));
    // Not a Debye temperature: the field says 0 and neither curve is drawn.
    page.setThetaText(QStringLiteral("abc"));
    QCOMPARE(page.thetaEdit()->text(), QStringLiteral("0"));
    QCOMPARE(page.theta(), 0.0);
    QVERIFY(!drawsColour(page.scene(), kHeatLooks[1].normal));
    QVERIFY(!drawsColour(page.scene(), kHeatLooks[2].normal));
    page.setThetaText(QStringLiteral("-5"));
    QCOMPARE(page.theta(), 0.0);
    page.setThetaText(QStringLiteral("35"));
    QVERIFY(drawsColour(page.scene(), kHeatLooks[1].normal));
    page.setThetaText(QStringLiteral("350"));

    // c/T: the title and the curve follow the mode.
    QVERIFY(hasText(page.scene(), "specific heat c (J/K mol)"));
    page.setSecondMode(true);
    QVERIFY(hasText(page.scene(), "specific heat c/T (J/K^2 mol)"));
    // "1:1" fits the curves shown: the sum at its largest c/T.
    page.zoomToData();
    const double largest = page.session().range().top();
    QVERIFY(largest > 0 && largest < 1);
}

void GraphPagesTest::entropyLinesAndSteps() {
    Hosted<Tgraf_entr> hosted;
    hosted.add("Result00",
               ceriumWithGraphs(20).withFile(
                   "g_entr.dup", "Entropy graph range:\r\n   12.0000\r\nMarkers: x\r\n"));
    hosted.show();
    Tgraf_entr& page = *hosted.page;
    QVERIFY(!hasText(page.scene(), "R ln 2"));
    QTest::mouseClick(page.statisticalButton(), Qt::LeftButton);
    const PlotScene scene = page.scene();
    for (const char* line : {"R ln 2", "R ln 3", "R ln 4"})
        QVERIFY2(hasText(scene, line), line);
    QVERIFY(!hasText(scene, "R ln 5"));
    // ΔS: the step from row to row (0.1 here).
    page.setSecondMode(true);
    QVERIFY(hasText(page.scene(), "magnetic entropy !DS (J/K mol)"));
    page.zoomToData();
    QCOMPARE(page.session().range().top(), 0.1);
}

QTEST_MAIN(GraphPagesTest)
#include "graph_pages_test.moc"
