// A measured spectrum on the spectroscopy page.
#include "base/measured_data.h"
#include "controls/my_button.h"
#include "levels/spectroscopy_page.h"
#include "resultdata/result_variables.h"
#include "support/result_writer.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>
#include <memory>
#include <sstream>

using namespace vintrel;

class SpectroscopyMeasuredTest : public QObject {
    Q_OBJECT
private slots:
    void measuredSpectrumIsConvertedScaledAndKeptWhileOpen();
};

void SpectroscopyMeasuredTest::measuredSpectrumIsConvertedScaledAndKeptWhileOpen() {
    test::WorkingRoot root;
    root.write("Result00", test::ceriumCubicWithTransitions());
    root.write("Result01", test::ceriumCubicWithTransitions());
    std::string current = "Result00";
    GraphPageHost host;
    QWidget window;
    host.currentResult = [&] { return root.location(current); };
    host.mainWindow = &window;
    host.padlockFolders = [] { return std::vector<std::string>{}; };
    auto page = std::make_unique<Tgraf_spectroscopy>(host);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page->p0());
    window.resize(1100, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto select = [&](const std::string& name) {
        current = name;
        loadResultInputs(root.location(name));
        page->wczytajDane({});
        QCoreApplication::processEvents();
    };
    select("Result00");
    page->setLineShape(LineShape::lorentz);
    page->setHalfWidth(8);
    QVERIFY(page->setRange(60, 180));
    QVERIFY(page->loadMeasuredButton()->isVisibleTo(&window));
    QVERIFY(!page->agreementLabel()->isVisibleTo(&window));

    // Measured in meV (the page shows K), three times as high as the synthesis.
    std::ostringstream text;
    text.precision(17);
    text << "E [meV]\tI\n";
    const auto& columns = page->columns();
    for (std::size_t c = 50; c + 50 < columns.size(); c += 40)
        text << toPlotUnit(PlotType::meV, columns[c].position) << "\t"
             << 3 * stackedTotal(columns[c], kAllTypes, 2) << "\n";
    const MeasuredTable table = parseMeasuredData("s.tsv", text.str());
    QCOMPARE(page->loadMeasured(table, 0, 1, std::nullopt, PlotType::meV, "/x/s.tsv"), QString());
    const auto& agreement = page->measuredAgreement();
    QVERIFY(agreement);
    QVERIFY(std::abs(*agreement->scale - 1.0 / 3) < 1e-9);
    QVERIFY(agreement->rms < 1e-9 * stackedTotal(columns[50], kAllTypes, 2));
    QCOMPARE(agreement->compared, table.rowCount());
    std::size_t circles = 0;
    for (const SceneItem& item : page->scene().items)
        circles += std::holds_alternative<SceneCircle>(item);
    QCOMPARE(circles, table.rowCount());
    const QString label = page->agreementLabel()->text();
    QVERIFY2(page->agreementLabel()->isVisibleTo(&window), qPrintable(label));
    QVERIFY2(label.startsWith(QStringLiteral("measured (s.tsv) against the synthesised total: "
                                             "scale factor 0.3333 \u00b7 rms deviation")),
             qPrintable(label));

    // The spectrum belongs to its result while it is open.
    select("Result01");
    QVERIFY(!page->measuredAgreement());
    QVERIFY(!page->agreementLabel()->isVisibleTo(&window));
    select("Result00");
    QVERIFY(page->measuredAgreement());
    QCOMPARE(page->loadMeasured(table, 0, 4, std::nullopt, PlotType::meV, "s.tsv"),
             QStringLiteral("s.tsv has no such column."));
}

QTEST_MAIN(SpectroscopyMeasuredTest)
#include "spectroscopy_measured_test.moc"
