// The six mean-field temperature pages: configurations of the shared graph page and the plot
// component.
#include "controls/data_export.h"
#include "controls/fonts.h"
#include "controls/my_button.h"
#include "controls/my_trackbar.h"
#include "controls/my_updown.h"
#include "graphs/derived_curves.h"
#include "graphs/graph_details.h"
#include "graphs/graph_tables.h"
#include "graphs/mean_field_pages.h"
#include "graphs/page_looks.h"
#include "resultdata/result_variables.h"
#include "support/graph_page_host.h"
#include "support/result_writer.h"
#include "support/viewer_fixture.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include <cmath>

using namespace vintrel;
using test::drawsColour;
using test::hasText;
using test::itemsOf;

namespace {

template <typename Page>
using Hosted = test::HostedPage<Page>;

/// The curve in a colour: its points (the first run).
std::vector<PlotPixel> curveOf(const PlotScene& scene, const Rgb& colour) {
    for (const ScenePolyline& p : itemsOf<ScenePolyline>(scene))
        if (p.colour == colour)
            return p.points;
    return {};
}

std::string momentSettings(const std::string& range, const std::string& markers = {}) {
    return "Magnetic moment graph range:\r\n" + range + "\r\nMarkers: temp  value\r\n" + markers;
}

} // namespace

class MeanFieldPagesTest : public QObject {
    Q_OBJECT

private slots:
    void momentPageShowsTheOrderedMomentAndTc();
    void aMissingFileClearsTheGraphAndSaysSo();
    void everyRowIsKept();
    void rangeRulesOfTheToolbar();
    void anisotropyTakesBothEnds();
    void susceptibilityExponentAverageAndCurie();
    void inverseSelectorAndReciprocalMarkers();
    void inversePageFitsCurieWeissAboveTc();
    void specificHeatDebyeAndPerTemperature();
    void entropyLines();
    void padlockWritesEveryMeanFieldResult();
    void detailsWindowsAndPairs();
    void exportsWriteTheMeanFieldTableAndTheFigure();
    void cleanup() { setExportFileChooser({}); }
};

void MeanFieldPagesTest::momentPageShowsTheOrderedMomentAndTc() {
    Hosted<Tgraf_momentD> hosted;
    hosted.add("Result00", test::meanFieldResult(12.5, 80, 1));
    hosted.show();
    Tgraf_momentD& page = *hosted.page;
    QVERIFY(page.note().isEmpty());
    QCOMPARE(page.data().rowCount(), std::size_t{80});
    // The largest moment, 3.2 at the lowest temperature: range 4 (trunc + 1).
    QCOMPARE(hosted.file("Result00", "g_moment.dup"), momentSettings("4.0000"));
    QCOMPARE(page.transitionTemperature(), std::optional<double>(12.5));
    // A real Hamiltonian: no m_y toggle, no m_y curve.
    QVERIFY(!page.curveButton(1)->isVisibleTo(page.p0()));
    QVERIFY(!page.curveShown(1));
    const PlotScene scene = page.scene();
    QVERIFY(!drawsColour(scene, kMomentColours[1]));
    QVERIFY(hasText(scene, kMomentTitle));
    QVERIFY(hasText(scene, kMeanFieldTemperatureTitle));
    QVERIFY(hasText(scene, "T_c = 12.5 K"));
    QVERIFY(page.transitionMarks().lineShown);
    QVERIFY(page.transitionMarks().orderedShown);
    QVERIFY(page.transitionMarks().paramagneticShown);
    // m_z falls to zero at T_c; the negative m_x is drawn as its absolute value, above 0.
    const PlotTransform t = page.graph().transform(page.plot()->width(), page.plot()->height());
    const auto mz = curveOf(scene, kMomentColours[2]);
    QVERIFY(!mz.empty());
    QCOMPARE(mz.front(), *t.pixel(0.5, 3.2 * std::sqrt(1 - 0.5 / 12.5)));
    QCOMPARE(mz.back().y, t.area.bottom());
    const auto mx = curveOf(scene, kMomentColours[0]);
    QVERIFY(!mx.empty());
    QCOMPARE(mx.front().y, *t.row(0.1));
    // The mouse over a toggle draws its curve over the others.
    QVERIFY(curveOf(page.scene(), kMomentColours[3]).size() > 1);
    emit page.curveButton(0)->OnMouseOver();
    QCOMPARE(itemsOf<ScenePolyline>(page.scene()).back().colour, kMomentColours[0]);
    emit page.curveButton(0)->OnMouseOut();
    QCOMPARE(itemsOf<ScenePolyline>(page.scene()).back().colour, kMomentColours[3]);
    // The legend names each shown curve by its toggle's caption, in its colour.
    QStringList legend;
    for (const CurveDescription& entry : page.legendEntries()) {
        legend << QString::fromStdString(entry.name);
        QVERIFY(entry.colour == kMomentColours[0] || entry.colour == kMomentColours[2] ||
                entry.colour == kMomentColours[3]);
    }
    QCOMPARE(legend, (QStringList{"m_x", "m_z", "m_t"}));

    // A complex Hamiltonian shows the y toggle again, pressed.
    hosted.add("Result01", test::meanFieldResult(12.5, 80, 2));
    hosted.select("Result01");
    QVERIFY(page.curveButton(1)->isVisibleTo(page.p0()));
    QVERIFY(page.curveShown(1));
}

void MeanFieldPagesTest::aMissingFileClearsTheGraphAndSaysSo() {
    Hosted<Tgraf_momentD> hosted;
    hosted.add("Result00", test::meanFieldResult());
    hosted.add("Result01", test::meanFieldResult().without("d_moment.dup"));
    hosted.show();
    Tgraf_momentD& page = *hosted.page;
    QVERIFY(!itemsOf<ScenePolyline>(page.scene()).empty());
    hosted.select("Result01");
    // The previous result's curves are gone, and the note names the missing file.
    QVERIFY(itemsOf<ScenePolyline>(page.scene()).empty());
    QVERIFY(!page.transitionTemperature());
    QVERIFY(page.note().startsWith(QStringLiteral("no data: ")));
    QVERIFY(page.note().contains(QStringLiteral("d_moment.dup is missing")));
    QVERIFY(hasText(page.scene(), page.note().toStdString()));
    // No settings file is made from data that are not there.
    QVERIFY(!std::filesystem::exists(hosted.folder("Result01") / "g_moment.dup"));

    Hosted<Tgraf_chiD> chi;
    chi.add("Result00", test::meanFieldResult().emptied("o_chi_x.dup"));
    chi.show();
    QVERIFY(chi.page->note().contains(QStringLiteral("o_chi_x.dup is missing")));
    Hosted<Tgraf_entrD> entropy;
    entropy.add("Result00", test::meanFieldResult().without("o_spc.dup"));
    entropy.show();
    QVERIFY(entropy.page->note().contains(QStringLiteral("o_spc.dup is missing")));
}

void MeanFieldPagesTest::everyRowIsKept() {
    // The settings name 20 specific-heat points; the files have 300 rows: all are drawn.
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 300, 2);
    recipe.settings = {"40", "20", "40", "20"};
    Hosted<Tgraf_chiD> chi;
    chi.add("Result00", recipe);
    chi.show();
    QCOMPARE(chi.page->data().rowCount(), std::size_t{300});
    QCOMPARE(chi.page->graph().getYaxisData(2).size(), std::size_t{300});
    Hosted<Tgraf_specD> heat;
    heat.add("Result00", recipe);
    heat.show();
    QCOMPARE(heat.page->data().rowCount(), std::size_t{300});
}

void MeanFieldPagesTest::rangeRulesOfTheToolbar() {
    Hosted<Tgraf_momentD> hosted;
    hosted.add("Result00", test::meanFieldResult().withFile("g_moment.dup", momentSettings("1")));
    hosted.show();
    Tgraf_momentD& page = *hosted.page;
    page.zoomIn();
    QCOMPARE(page.session().range(), (AxisRange{0, 0.5, 0}));
    QVERIFY(page.rangeEdit()->isVisibleTo(page.p0())); // "+" opens the editor
    QCOMPARE(page.rangeEdit()->text(), QStringLiteral("0.5"));
    page.zoomOut();
    page.zoomOut();
    QCOMPARE(hosted.file("Result00", "g_moment.dup"), momentSettings("2.0000"));
    // "+" stops before the stored range would lose its digits; it never stores 0.
    {
        test::MessageCatcher messages;
        for (int i = 0; i < 20; ++i)
            page.zoomIn();
        QTRY_VERIFY(messages.texts().contains(QStringLiteral("Maximum zoom size reached.")));
    }
    QVERIFY(page.session().range().range >= kSmallestStoredRangeValue);
    QVERIFY(page.session().range().range < 2 * kSmallestStoredRangeValue);
    // "set" refuses what is not a finite positive number.
    const AxisRange kept = page.session().range();
    for (const char* entry : {"0", "-1", "1e999", "abc"}) {
        page.openRangeEditor();
        page.rangeEdit()->setText(QString::fromLatin1(entry));
        page.applyRangeEditor();
        QCOMPARE(page.session().range(), kept);
    }
    page.openRangeEditor();
    page.rangeEdit()->setText(QStringLiteral("2,5"));
    QTest::keyClick(page.rangeEdit(), Qt::Key_Return);
    QCOMPARE(hosted.file("Result00", "g_moment.dup"), momentSettings("2.5000"));
    // "1:1": the visible curves with step 1; the editor stays closed.
    page.zoomToData();
    QCOMPARE(page.session().range(), (AxisRange{0, 4, 0}));
    QVERIFY(!page.rangeEdit()->isVisibleTo(page.p0()));
    page.setCurveShown(2, false);
    page.setCurveShown(3, false);
    page.zoomToData(); // |m_x| = 0.1 alone
    QCOMPARE(page.session().range(), (AxisRange{0, 1, 0}));
}

void MeanFieldPagesTest::anisotropyTakesBothEnds() {
    Hosted<Tgraf_anisoD> hosted;
    hosted.add("Result00", test::meanFieldResult());
    hosted.show();
    Tgraf_anisoD& page = *hosted.page;
    // K2 from −14·(1 − 0.5/12.5) = −13.44 to K3 = 14.4: trunc − 1 and trunc + 1.
    const std::string header = "Anisotropy graph range:\r\n";
    const std::string markers = "\r\nMarkers: temp  value\r\n";
    QCOMPARE(hosted.file("Result00", "g_aniso.dup"), header + "-14.0000 15.0000" + markers);
    page.openRangeEditor();
    QVERIFY(page.rangeMinEdit()->isVisibleTo(page.p0()));
    QCOMPARE(page.rangeMinEdit()->text(), QStringLiteral("-14"));
    QCOMPARE(page.rangeEdit()->text(), QStringLiteral("15"));
    // Ends that are not ordered, equal or not finite keep the range.
    for (const auto& [low, high] : {std::pair{"16", "-15"}, {"3", "3"}, {"0", "1e999"}}) {
        page.openRangeEditor();
        page.rangeMinEdit()->setText(QString::fromLatin1(low));
        page.rangeEdit()->setText(QString::fromLatin1(high));
        page.applyRangeEditor();
        QCOMPARE(page.session().range(), (AxisRange{-14, 15, 0}));
    }
    page.openRangeEditor();
    page.rangeMinEdit()->setText(QStringLiteral("-20"));
    page.rangeEdit()->setText(QStringLiteral("20"));
    page.applyRangeEditor();
    QVERIFY(!page.rangeMinEdit()->isVisibleTo(page.p0()));
    QCOMPARE(hosted.file("Result00", "g_aniso.dup"), header + "-20.0000 20.0000" + markers);
    page.zoomIn();
    QCOMPARE(page.session().range(), (AxisRange{-10, 10, 0}));
    page.zoomToData();
    QCOMPARE(page.session().range(), (AxisRange{-14, 15, 0}));
    const PlotScene scene = page.scene();
    for (const Rgb& colour : kAnisotropyColours)
        QVERIFY(drawsColour(scene, colour));
    QVERIFY(hasText(scene, "-14"));
}

void MeanFieldPagesTest::susceptibilityExponentAverageAndCurie() {
    Hosted<Tgraf_chiD> hosted;
    test::ResultRecipe recipe = test::meanFieldResult(12.5, 80, 2);
    // Three equal directions: the powder average is that χ, not √3 times it.
    std::vector<double> T;
    std::vector<double> chi;
    for (int r = 1; r <= 80; ++r) {
        T.push_back(0.5 * r);
        chi.push_back(0.002 / (0.5 * r + 1));
    }
    for (const char* file : {"o_chi_x.dup", "o_chi_y.dup", "o_chi_z.dup"})
        recipe.withFile(file, test::chiFileText(T, chi));
    hosted.add("Result00", recipe);
    hosted.show();
    Tgraf_chiD& page = *hosted.page;
    // The largest χ, 0.002/1.5 = 0.00133: R = 2, n = −3; the title holds the exponent.
    QCOMPARE(page.session().range(), (AxisRange{0, 2, -3}));
    QVERIFY(hasText(page.scene(), "  magnetic susceptibility [B||x,y,z] !c _x_,_y_,_z "
                                  "(10^-^3 !m_B/T)  "));
    QVERIFY(hasText(page.scene(), "1.5"));
    QVERIFY(page.average().has_value());
    for (std::size_t r = 0; r < chi.size(); ++r)
        QCOMPARE((*page.average())[r], chi[r]);
    QVERIFY(!page.curveShown(3));
    page.setCurveShown(3, true);
    QVERIFY(drawsColour(page.scene(), kMeanFieldChiColours[3]));
    // The Curie slot follows its up-down.
    QVERIFY(!page.curveShown(4));
    page.momentEdit()->SetPosition(2.0);
    QVERIFY(page.curveShown(4));
    QCOMPARE(page.graph().getYaxisData(4).front(), 4 * kCurieFactor / 0.5);
    // "+" halves the mantissa and keeps the exponent; "1:1" brings the maximum into [1, 10].
    page.zoomIn();
    QCOMPARE(page.session().range(), (AxisRange{0, 1, -3}));
    page.setCurveShown(4, false);
    page.zoomToData();
    QCOMPARE(page.session().range().exponent, -3);
    QVERIFY(std::abs(page.session().range().range - 0.002 / 1.5 * 1e3) < 1e-12);

    // A real Hamiltonian of low symmetry: no y, no powder average.
    hosted.add("Result01", test::meanFieldResult(12.5, 80, 1));
    hosted.select("Result01");
    QVERIFY(!page.curveButton(1)->isVisibleTo(page.p0()));
    QVERIFY(!page.average());
    QVERIFY(!page.curveShown(3));
    QVERIFY(!drawsColour(page.scene(), kMeanFieldChiColours[3]));
}

void MeanFieldPagesTest::inversePageFitsCurieWeissAboveTc() {
    Hosted<Tgraf_1chiD> hosted;
    hosted.add("Result00", test::meanFieldResult(12.5, 80, 2));
    hosted.show();
    Tgraf_1chiD& page = *hosted.page;
    TCurieWeissFitter& fitter = page.curieWeiss();
    QVERIFY(fitter.button()->isVisibleTo(&hosted.window));
    QVERIFY(!fitter.label()->isVisibleTo(&hosted.window));
    // Above T_c the data follow χ = C/(T + 2): χz with C = 0.5, χx with 0.3, χy with 0.4.
    page.selectRows(40, 80);
    QTest::mouseClick(fitter.button(), Qt::LeftButton);
    QVERIFY(fitter.label()->isVisibleTo(&hosted.window));
    for (const auto& [d, C] : {std::pair{0u, 0.3}, std::pair{1u, 0.4}, std::pair{2u, 0.5}}) {
        const auto& fit = fitter.fit(d);
        QVERIFY(fit && fit->ok());
        QCOMPARE(fit->points, 41u);
        QVERIFY(std::abs(fit->C - C) < 1e-6);
        QVERIFY(std::abs(fit->theta + 2) < 1e-4);
        QVERIFY(std::abs(fit->chi0) < 1e-8);
    }
    QVERIFY(fitter.fit(3)); // the powder average
    QVERIFY2(
        fitter.label()->text().startsWith(QStringLiteral("Curie\u2013Weiss fit, 20 \u2013 40 K")),
        qPrintable(fitter.label()->text()));
    // The fitted lines, dashed, one per shown direction, named in the legend.
    const auto curves = itemsOf<ScenePolyline>(page.scene());
    QCOMPARE(std::count_if(curves.begin(), curves.end(),
                           [](const ScenePolyline& c) {
                               return c.style == LineStyle::Dashed && c.colour == kCurieColour;
                           }),
             3L);
    QCOMPARE(page.legendEntries().back().name, std::string("Curie\u2013Weiss fit, B_e_x_t||z"));
    // A result without the susceptibility files: no fit and no box of the previous result.
    test::ResultRecipe bare = test::meanFieldResult(12.5, 80, 2);
    for (const char* file : {"o_chi_x.dup", "o_chi_y.dup", "o_chi_z.dup"})
        bare.withFile(file, "");
    hosted.add("Result01", bare);
    hosted.select("Result01");
    QVERIFY(!fitter.label()->isVisibleTo(&hosted.window));
    QVERIFY(!fitter.fit(2));
}

void MeanFieldPagesTest::inverseSelectorAndReciprocalMarkers() {
    Hosted<Tgraf_1chiD> hosted;
    hosted.add("Result00", test::meanFieldResult(12.5, 80, 2));
    hosted.show();
    Tgraf_1chiD& page = *hosted.page;
    // The thumbs start on the last row and on 90 % of the rows.
    QCOMPARE(page.trackBar()->PositionRight(), 80);
    QCOMPARE(page.trackBar()->PositionLeft(), 72);
    QCOMPARE(page.data().T.at(page.firstRow()), 36.0);
    // Above T_c, 1/χz = 2(T + 2): the slope gives 2.113·√(1/2).
    QCOMPARE(page.effectiveMomentText(Direction::z),
             QString::number(2.113 * std::sqrt(0.5), 'f', 5));
    QCOMPARE(page.session().range().exponent, 0);
    // The secants and the two temperature lines lie under the curves, in the guide colour.
    const PlotScene scene = page.scene();
    int guides = 0;
    for (const SceneLine& line : itemsOf<SceneLine>(scene))
        guides += line.colour == kGuideBlue ? 1 : 0;
    QCOMPARE(guides, 3 + 2);

    // Markers are edited as 1/χ and kept as their reciprocals, to the digit.
    page.showMarkerList(true);
    page.markerList()->item(9, 1)->setText(QStringLiteral("3000"));
    const std::string stored = hosted.file("Result00", "g_invchi.dup");
    QVERIFY(stored.find("0.000333333") != std::string::npos);
    QCOMPARE(page.session().markers().size(), std::size_t{1});
    QCOMPARE(page.session().markers()[0].y, 1 / 3000.0);
    hosted.select("Result00");
    QCOMPARE(page.markerList()->item(9, 1)->text(), QStringLiteral("3000"));
    page.markerList()->item(10, 1)->setText(QStringLiteral("2e6"));
    QCOMPARE(page.session().markers()[1].y, 1 / 2e6);
    // A range change writes them back as they were, with exponent 0.
    page.zoomOut();
    hosted.select("Result00");
    QCOMPARE(page.markerList()->item(9, 1)->text(), QStringLiteral("3000"));
    QCOMPARE(page.markerList()->item(10, 1)->text(), QStringLiteral("2e+06"));
    QCOMPARE(page.session().range().exponent, 0);
}

void MeanFieldPagesTest::specificHeatDebyeAndPerTemperature() {
    Hosted<Tgraf_specD> hosted;
    hosted.add("Result00", test::meanFieldResult());
    hosted.show();
    Tgraf_specD& page = *hosted.page;
    QVERIFY(hasText(page.scene(), kMeanFieldHeatTitle));
    QVERIFY(drawsColour(page.scene(), kMeanFieldHeatColours[0]));
    page.setCurveShown(2, true);
    page.setCurveShown(3, true);
    QVERIFY(drawsColour(page.scene(), kMeanFieldHeatColours[1]));
    QCOMPARE(page.graph().getYaxisData(2).at(0), debyeHeat(0.5, 350, 1));
    // θ = 0: neither the Debye nor the sum curve, whatever their toggles.
    page.setThetaText(QStringLiteral("abc"));
    QCOMPARE(page.thetaEdit()->text(), QStringLiteral("0"));
    QCOMPARE(page.theta(), 0.0);
    QVERIFY(!drawsColour(page.scene(), kMeanFieldHeatColours[1]));
    QVERIFY(!drawsColour(page.scene(), kMeanFieldHeatColours[2]));
    // c/T divides every curve by T and switches the title.
    const double c = page.graph().getYaxisData(1).at(9);
    page.setPerTemperature(true);
    QCOMPARE(page.graph().getYaxisData(1).at(9), c / 5.0);
    QVERIFY(hasText(page.scene(), kMeanFieldHeatPerTTitle));
}

void MeanFieldPagesTest::entropyLines() {
    Hosted<Tgraf_entrD> hosted;
    hosted.add("Result00", test::meanFieldResult());
    hosted.show();
    Tgraf_entrD& page = *hosted.page;
    QVERIFY(drawsColour(page.scene(), kMeanFieldEntropyColour));
    QVERIFY(!hasText(page.scene(), "R ln 2"));
    QTest::mouseClick(page.statisticalButton(), Qt::LeftButton);
    QVERIFY(page.statisticalButton()->Down());
    const PlotScene scene = page.scene();
    const int width = page.plot()->width();
    const int height = page.plot()->height();
    const int top = page.graph().transform(width, height).area.top;
    int labelled = 0;
    for (int b = 2; b <= 64; b *= 2) {
        // Labelled when the line lies more than 15 pixels below the top edge.
        const auto y = page.graph().toScreenY(statisticalEntropy(b), width, height);
        QVERIFY(y);
        const bool label = *y - top > 15;
        QCOMPARE(hasText(scene, "R ln " + std::to_string(b)), label);
        labelled += label ? 1 : 0;
    }
    QVERIFY(labelled >= 1);
    QVERIFY(labelled < 6);
}

void MeanFieldPagesTest::padlockWritesEveryMeanFieldResult() {
    Hosted<Tgraf_momentD> hosted;
    hosted.add("Result00",
               test::meanFieldResult().withFile(
                   "g_moment.dup", momentSettings("4.0000", "  5.0000   1.000000\r\n")));
    hosted.add("Result01",
               test::meanFieldResult().withFile(
                   "g_moment.dup", momentSettings("3.0000", "  7.0000   2.000000\r\n")));
    hosted.show();
    Tgraf_momentD& page = *hosted.page;
    QCOMPARE(page.padlockButton()->toolTip(),
             QStringLiteral("Click to set range for all moment graphs"));
    QTest::mouseClick(page.padlockButton(), Qt::LeftButton);
    QVERIFY(page.padlockButton()->Down());
    page.zoomOut();
    // Both results get the range; each keeps its own markers.
    QCOMPARE(hosted.file("Result00", "g_moment.dup"),
             momentSettings("8.0000", "  5.0000   1.000000\r\n"));
    QCOMPARE(hosted.file("Result01", "g_moment.dup"),
             momentSettings("8.0000", "  7.0000   2.000000\r\n"));
}

void MeanFieldPagesTest::detailsWindowsAndPairs() {
    test::WorkingRoot root;
    root.write("Result00", test::meanFieldResult(12.5, 4, 2));
    loadResultInputs(root.location("Result00"));
    GraphPageHost host;
    host.currentResult = [&] { return root.location("Result00"); };
    TGraphDetailsLink chiLink(new TSusceptibilityForm);
    Tgraf_chiD chi(host);
    Tgraf_1chiD inverse(host);
    chi.setDetailsLink(&chiLink);
    inverse.setDetailsLink(&chiLink);
    chi.wczytajDane({});
    inverse.wczytajDane({});
    inverse.detailsButton()->SetDown(true);
    inverse.detailsButton()->Click();
    QVERIFY(chi.detailsButton()->Down());
    auto* chiForm = static_cast<TSusceptibilityForm*>(chiLink.form());
    QVERIFY(chiForm->isVisible());
    QVERIFY(chiForm->selector(Direction::y)->isVisibleTo(chiForm)); // a complex Hamiltonian
    chiForm->close();
    QVERIFY(!chi.detailsButton()->Down());
    QVERIFY(!inverse.detailsButton()->Down());

    TGraphDetailsLink heatLink(new TEntropySpechForm);
    Tgraf_entrD entropy(host);
    Tgraf_specD heat(host);
    entropy.setDetailsLink(&heatLink);
    heat.setDetailsLink(&heatLink);
    entropy.wczytajDane({});
    heat.wczytajDane({});
    heat.detailsButton()->SetDown(true);
    heat.detailsButton()->Click();
    QVERIFY(entropy.detailsButton()->Down());
    QVERIFY(
        heatLink.form()->memoText().startsWith(QStringLiteral("          T [K]    c [J/(K mol)]")));
    heat.detailsButton()->SetDown(false);
    heat.detailsButton()->Click();
    QVERIFY(!heatLink.form()->isVisible());
    QVERIFY(!entropy.detailsButton()->Down());

    TGraphDetailsLink momentLink(new TMomentDetailsForm);
    Tgraf_momentD moment(host);
    moment.setDetailsLink(&momentLink);
    moment.wczytajDane({});
    moment.detailsButton()->SetDown(true);
    moment.detailsButton()->Click();
    TGraphDetailsForm* form = momentLink.form();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("details of magnetic moments"));
    QCOMPARE(form->size(), QSize(504, 581));
    QVERIFY(form->memoText().startsWith(QStringLiteral("          T [K]       m_x [mu_B]")));
    QCOMPARE(form->memo()->font().family(), viewerFont(QStringLiteral("Courier New"), 9).family());
    form->close();
    QVERIFY(!moment.detailsButton()->Down());
}

void MeanFieldPagesTest::exportsWriteTheMeanFieldTableAndTheFigure() {
    Hosted<Tgraf_1chiD> hosted;
    hosted.add("Result00",
               test::meanFieldResult().withFile(
                   "g_invchi.dup", "Inv. susceptibility graph\r\n  range      exponent\r\n"
                                   "  200.0000      0\r\nMarkers: temp  1/chi\r\n"
                                   "  5.0000   0.010000\r\n"));
    hosted.show();
    Tgraf_1chiD& page = *hosted.page;
    const std::filesystem::path csv = hosted.root.path() / "inverse.csv";
    QString suggested;
    setExportFileChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(csv.string());
    });
    QTest::mouseClick(page.exportDataButton(), Qt::LeftButton);
    QTRY_VERIFY(std::filesystem::exists(csv));
    const std::string expected =
        meanFieldDataTable(hosted.root.location("Result00"), "Result00").toCsv();
    QCOMPARE(test::readFile(csv), expected);
    // The stored reciprocal marker is given as the page shows it, 1/χ = 100.
    QVERIFY(expected.find("# 1/chi graph markers [K, T/muB]: 5 100\n") != std::string::npos);
    QVERIFY(expected.find("# T_c: 12.5 K\n") != std::string::npos);
    QCOMPARE(QFileInfo(suggested).fileName(),
             QStringLiteral("Result00 inverse magnetic susceptibility (MF).csv"));
    const std::filesystem::path png = hosted.root.path() / "inverse.png";
    QVERIFY(page.writeFigure(QString::fromStdString(png.string())).isEmpty());
    const QImage figure(QString::fromStdString(png.string()));
    QCOMPARE(figure.width(), page.plot()->width());
    QVERIFY(figure.height() > page.plot()->height()); // the legend of the directions under it
}

QTEST_MAIN(MeanFieldPagesTest)
#include "mean_field_pages_test.moc"
