// Measured data on the temperature pages and the Curie–Weiss fit of the inverse page.
#include "base/measured_data.h"
#include "controls/measured_dialog.h"
#include "controls/my_button.h"
#include "graphs/heat_pages.h"
#include "graphs/mean_field_pages.h"
#include "graphs/susceptibility_pages.h"
#include "support/graph_page_host.h"
#include "support/result_writer.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace vintrel;

namespace {

/// Ce3+ with χ = law(T) in every direction for T = from, from + step, … to.
template <typename Law>
test::ResultRecipe ceriumWithChi(double from, double to, double step, Law law) {
    test::ResultRecipe recipe = test::ceriumCubic();
    std::vector<double> T, chi;
    for (double t = from; t <= to + 1e-9; t += step) {
        T.push_back(t);
        chi.push_back(law(t));
    }
    for (const char* file : {"o_chi_x.dup", "o_chi_y.dup", "o_chi_z.dup"})
        recipe.withFile(file, test::chiFileText(T, chi));
    std::vector<test::SpcRow> spc;
    for (double t : T)
        spc.push_back({t, 0.1 * t, 1 + 0.01 * t, 0});
    recipe.withFile("o_spc.dup", test::spcFileText(spc));
    return recipe;
}

double curie(double T) {
    return 1.4 / T;
}

std::size_t barLines(const PlotScene& scene, const Rgb& colour) {
    const auto lines = test::itemsOf<SceneLine>(scene);
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const SceneLine& l) { return l.colour == colour; }));
}

const Rgb kMarkerColour{0, 0, 128};

} // namespace

class MeasuredPagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setMeasuredDataChooser({}); }
    void measuredPointsBecomeMarkersWithErrorBars();
    void aRefusedFileChangesNothing();
    void everyTemperaturePageLoadsThroughItsButton();
    void inversePageFitsCurieWeissBetweenTheThumbs();
    void meanFieldInversePageStoresReciprocals();
};

void MeasuredPagesTest::measuredPointsBecomeMarkersWithErrorBars() {
    test::HostedPage<Tgraf_chi> hosted;
    hosted.add("Result00", ceriumWithChi(1, 50, 1, curie));
    hosted.add("Result01", ceriumWithChi(1, 50, 1, curie));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    QVERIFY(page.loadMeasuredButton()->isVisibleTo(&hosted.window));
    QVERIFY(!page.agreementLabel()->isVisibleTo(&hosted.window));
    // 0.01 above the curve at 10 K, on it at 20 K and 40 K; a point of value 0 is no marker.
    const MeasuredTable table = parseMeasuredData(
        "chi.csv", "T [K],chi [muB/T],err\n10,0.15,0.01\n20,0.07,0.005\n40,0.035,0.002\n"
                   "45,0,1\n");
    QCOMPARE(page.loadMeasured(table, 0, 1, 2, QStringLiteral("/data/chi.csv")), QString());
    QCOMPARE(page.session().markers(), (xy_array{{10, 0.15}, {20, 0.07}, {40, 0.035}}));
    // Stored as markers are, so they travel with the result.
    QVERIFY(hosted.file("Result00", "g_chi.dup").find("\n 10.0000   0.150000\r\n") !=
            std::string::npos);
    // Three error bars, each a line and two caps, beside the marker crosses (two lines each).
    QCOMPARE(page.errorBars().size(), 3u);
    QCOMPARE(page.errorBars()[0].err, 0.01);
    QCOMPARE(barLines(page.scene(), kMarkerColour), 3u * 3 + 3u * 2);
    // rms of (0.01, 0, 0) is 0.005774; χ² = (0.01/0.01)² over 3 points.
    const QString text = page.agreementLabel()->text();
    QVERIFY2(page.agreementLabel()->isVisibleTo(&hosted.window), qPrintable(text));
    QVERIFY2(text.startsWith(QStringLiteral("measured (chi.csv) against chi_")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("rms deviation 0.005774 (3 points)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("\u03c7\u00b2/N 0.3333")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("kept while the result is open")), qPrintable(text));

    // Another result has its own markers; back again, the errors are still there.
    hosted.select("Result01");
    QVERIFY(!page.agreementLabel()->isVisibleTo(&hosted.window));
    QVERIFY(page.errorBars().empty());
    hosted.select("Result00");
    QCOMPARE(page.errorBars().size(), 3u);

    // A page opened anew reads the markers from the settings file; the errors are gone and
    // the line says how to get them back.
    test::HostedPage<Tgraf_chi> reopened;
    reopened.add("Result00", ceriumWithChi(1, 50, 1, curie));
    writeGraphSettings(
        reopened.folder("Result00"), GraphSettingsKind::Chi,
        readGraphSettings(hosted.folder("Result00"), GraphSettingsKind::Chi).value());
    reopened.show();
    QCOMPARE(reopened.page->session().markers().size(), 3u);
    QVERIFY(reopened.page->errorBars().empty());
    const QString again = reopened.page->agreementLabel()->text();
    QVERIFY2(again.startsWith(QStringLiteral("markers against chi_")), qPrintable(again));
    QVERIFY2(again.contains(QStringLiteral("load the measured data again")), qPrintable(again));
    QVERIFY2(!again.contains(QStringLiteral("\u03c7\u00b2/N")), qPrintable(again));
}

void MeasuredPagesTest::aRefusedFileChangesNothing() {
    test::HostedPage<Tgraf_chi> hosted;
    hosted.add("Result00", ceriumWithChi(1, 50, 1, curie));
    hosted.show();
    Tgraf_chi& page = *hosted.page;
    const MeasuredTable table = parseMeasuredData("m", "T [K],chi\n10,0.1\n");
    QVERIFY(page.loadMeasured(table, 0, 1, std::nullopt, "m").isEmpty());
    const std::string stored = hosted.file("Result00", "g_chi.dup");
    const MeasuredTable meV = parseMeasuredData("e", "E [meV],chi\n10,0.2\n");
    QCOMPARE(page.loadMeasured(meV, 0, 1, std::nullopt, "e.csv"),
             QStringLiteral("The x column of e.csv is in meV; the temperature is taken in K."));
    const MeasuredTable zeros = parseMeasuredData("z", "T,chi\n10,0\n");
    QCOMPARE(page.loadMeasured(zeros, 0, 1, std::nullopt, "z.csv"),
             QStringLiteral("z.csv holds no point whose value is not 0."));
    QCOMPARE(hosted.file("Result00", "g_chi.dup"), stored);
    QCOMPARE(page.session().markers(), (xy_array{{10, 0.1}}));
}

void MeasuredPagesTest::everyTemperaturePageLoadsThroughItsButton() {
    // The specific-heat page (another page of the shared machinery) through its button, with
    // the dialogs replaced: its markers, and the agreement with its first curve, c.
    test::HostedPage<Tgraf_spech> hosted;
    hosted.add("Result00", ceriumWithChi(1, 50, 1, curie));
    hosted.show();
    Tgraf_spech& page = *hosted.page;
    setMeasuredDataChooser([](QWidget*, const QStringList& units, int) {
        MeasuredChoice choice;
        choice.file = QStringLiteral("c.txt");
        choice.table = parseMeasuredData("c.txt", "T c\n10 1.1\n20 2\n");
        choice.x = 0;
        choice.y = 1;
        return units.isEmpty() ? std::optional<MeasuredChoice>(choice) : std::nullopt;
    });
    QTest::mouseClick(page.loadMeasuredButton(), Qt::LeftButton);
    QCOMPARE(page.session().markers(), (xy_array{{10, 1.1}, {20, 2}}));
    QVERIFY2(page.agreementLabel()->text().contains(QStringLiteral("rms deviation 0.07071")),
             qPrintable(page.agreementLabel()->text()));
}

void MeasuredPagesTest::inversePageFitsCurieWeissBetweenTheThumbs() {
    test::HostedPage<Tgraf_1chi> hosted;
    hosted.add("Result00",
               ceriumWithChi(10, 300, 10, [](double T) { return 0.8 / (T + 12) + 0.001; }));
    hosted.show();
    Tgraf_1chi& page = *hosted.page;
    QVERIFY(!page.curieWeissLabel()->isVisibleTo(&hosted.window));
    QVERIFY(!page.noChi0Button()->isVisibleTo(&hosted.window));
    page.selectRows(3, 30);
    QTest::mouseClick(page.curieWeissButton(), Qt::LeftButton);
    QVERIFY(page.curieWeissButton()->Down());
    QVERIFY(page.curieWeissLabel()->isVisibleTo(&hosted.window));
    QVERIFY(page.noChi0Button()->isVisibleTo(&hosted.window));
    for (std::size_t d : {0u, 2u, 3u}) {
        const auto& fit = page.curieWeissFit(d);
        QVERIFY(fit && fit->ok());
        QCOMPARE(fit->points, 28u);
        QVERIFY(std::abs(fit->C - 0.8) < 1e-6);
        QVERIFY(std::abs(fit->theta + 12) < 1e-4);
        QVERIFY(std::abs(fit->chi0 - 0.001) < 1e-8);
    }
    QVERIFY(!page.curieWeissFit(1)); // a real Hamiltonian has no y direction
    const QString text = page.curieWeissLabel()->text();
    QVERIFY2(text.startsWith(QStringLiteral("Curie\u2013Weiss fit, 30 \u2013 300 K")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("z: \u03bc_eff = 1.8")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("powder: ")), qPrintable(text));
    // The fitted 1/χ as dashed lines over the shown directions.
    const auto curves = test::itemsOf<ScenePolyline>(page.scene());
    QCOMPARE(std::count_if(curves.begin(), curves.end(),
                           [](const ScenePolyline& c) {
                               return c.style == LineStyle::Dashed && c.colour == kCurieColour;
                           }),
             2L);

    // χ₀ held at 0 misfits the law: θ moves; two rows are too few.
    QTest::mouseClick(page.noChi0Button(), Qt::LeftButton);
    QVERIFY(!page.curieWeissFit(2)->withChi0);
    QVERIFY(std::abs(page.curieWeissFit(2)->theta + 12) > 0.5);
    page.selectRows(29, 30);
    QVERIFY(page.curieWeissLabel()->text().contains(QStringLiteral("at least 3 points")));
    QTest::mouseClick(page.curieWeissButton(), Qt::LeftButton);
    QVERIFY(!page.curieWeissLabel()->isVisibleTo(&hosted.window));
    QVERIFY(!page.curieWeissFit(2));
}

void MeasuredPagesTest::meanFieldInversePageStoresReciprocals() {
    // The mean-field inverse page keeps its markers as (T, χ): measured 1/χ is stored so, and
    // shown, compared and drawn with its error bars as 1/χ.
    test::HostedPage<Tgraf_1chiD> hosted;
    hosted.add("Result00", test::meanFieldResult());
    hosted.show();
    Tgraf_1chiD& page = *hosted.page;
    QVERIFY(page.loadMeasuredButton()->isVisibleTo(&hosted.window));
    const MeasuredTable table =
        parseMeasuredData("inv.txt", "T\t1/chi\terr\n20\t5\t0.5\n40\t8\t0.25\n");
    QCOMPARE(page.loadMeasured(table, 0, 1, 2, QStringLiteral("inv.txt")), QString());
    QCOMPARE(page.session().markers(), (xy_array{{20, 0.2}, {40, 0.125}}));
    QCOMPARE(page.errorBars().size(), 2u);
    QCOMPARE(page.errorBars()[1].y, 8.0);
    QCOMPARE(page.errorBars()[1].err, 0.25);
    const QString text = page.agreementLabel()->text();
    QVERIFY2(text.startsWith(QStringLiteral("measured (inv.txt) against ")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("(2 points)")), qPrintable(text));
}

QTEST_MAIN(MeasuredPagesTest)
#include "measured_pages_test.moc"
