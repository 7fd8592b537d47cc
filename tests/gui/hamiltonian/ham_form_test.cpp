// The Hamiltonian page on the examples and on small result folders.
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "controls/data_export.h"
#include "controls/fonts.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/my_label.h"
#include "hamiltonian/ham_data.h"
#include "hamiltonian/ham_form.h"
#include "hamiltonian/ham_grid.h"
#include "hamiltonian/ham_texts.h"
#include "resultdata/dup_reader.h"
#include "resultdata/input_files.h"
#include "support/result_writer.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>

using namespace vintrel;

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VINTREL_SOURCE_DIR;

// The examples unpacked into one working root: Ti3+ (Result00), Ce3+ Γ8 (Result01) and Γ7
// (Result02).
struct Examples {
    test::TempDir root;
    ResultLocation ti, cerium;

    Examples() {
        for (const char* file : {"Ti-LS-complex.zrvn", "Ce-cubic.zrvn"}) {
            ContainerReader reader(kSource / "examples" / file);
            ExtractRequest request;
            request.picked = {true, true};
            if (!extractResults(reader, root.path(), request).ok)
                qFatal("cannot unpack %s", file);
        }
        ti = {root.path(), "Result00", kSource / "data"};
        cerium = {root.path(), "Result01", kSource / "data"};
    }
};

// The page hosted in a shown window.
struct HostedPage {
    QWidget host;
    THamForm page;

    HostedPage() {
        page.Panel1->setParent(&host);
        host.resize(1100, 700);
        page.Panel1->resize(host.size());
        host.show();
        if (!QTest::qWaitForWindowExposed(&host))
            qWarning("page not exposed");
    }

    // What the result panel does when an ordinary result becomes current.
    void load(const ResultLocation& location) {
        loadResultInputs(location);
        page.setResultLocation(location);
        page.wczytajDane();
        page.ukryjWartosci();
        QCoreApplication::processEvents();
    }

    QPoint centre(GridCell cell) {
        const auto rect = page.StringGrid1->view().cellRect(cell);
        if (!rect)
            qFatal("cell %d,%d is not on show", cell.row, cell.column);
        return {rect->x + rect->width / 2, rect->y + rect->height / 2};
    }
    void click(GridCell cell) {
        QTest::mouseClick(page.StringGrid1->viewport(), Qt::LeftButton, {}, centre(cell));
        QCoreApplication::processEvents();
    }
    QCheckBox* box(HamTerm term) { return page.CheckBoxTerm[std::size_t(term)]; }
    void saveShot(const QString& name) {
        QDir().mkpath(QStringLiteral(VINTREL_SCREENSHOT_DIR));
        host.grab().save(QStringLiteral(VINTREL_SCREENSHOT_DIR "/") + name);
    }
};

QString caption(const TMyLabel* label) {
    return label->isVisible() ? label->Caption() : QStringLiteral("(hidden)");
}

// A result folder holding only what the page reads: no input files, "o_ham.dup" as given.
ResultLocation bareFolder(const test::WorkingRoot& root, const std::string& name,
                          const std::optional<std::string>& hamiltonian) {
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    if (hamiltonian)
        recipe.withFile(kHamiltonianFile, *hamiltonian);
    return root.write(name, recipe);
}

void setIon(const char* siconf, int baza, int cialo, int N) {
    TVariables& vars = sharedVariables();
    vars = TVariables{};
    vars.siconf = siconf;
    vars.baza = static_cast<std::uint8_t>(baza);
    vars.cialo = static_cast<std::uint8_t>(cialo);
    vars._dimension = N;
}

} // namespace

class HamFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setMessagesToStandardError(true); }
    void cleanup() { setExportFileChooser({}); }
    void titaniumShowsTheLsGridWithItsThreeTerms();
    void selectionFollowsClicksAndOutlivesASmallerResult();
    void termBoxesSetTheLinesTheSumsAndTheSidePanel();
    void zoomTurnsLongTextsIntoValues();
    void missingEmptyAndDamagedFiles();
    void shellFlagsEnableTheBoxes_data();
    void shellFlagsEnableTheBoxes();
    void exportWritesTheTickedTerms();
};

void HamFormTest::titaniumShowsTheLsGridWithItsThreeTerms() {
    Examples examples;
    HostedPage hosted;
    THamForm& page = hosted.page;
    QCOMPARE(page.gridHint(), QStringLiteral("H=C[LS]+B(n,m)O(n,m)"));
    hosted.load(examples.ti);

    QCOMPARE(page.StringGrid1->view().columnCount(), 11);
    QCOMPARE(page.stateCaptions().front(), std::string("L_z=2  S_z=0.5"));
    QCOMPARE(page.stateCaptions().back(), std::string("L_z=-2  S_z=-0.5"));
    QCOMPARE(page.blockSide(), 2);
    QVERIFY(page.PanelNoData->isHidden());
    for (HamTerm term : kTermOrder) {
        QVERIFY(hosted.box(term)->isEnabled());
        QVERIFY(hosted.box(term)->isChecked());
    }
    QCOMPARE(page.StringGrid1->view().dataRowHeight(), 60);
    QCOMPARE(page.LabelElement->Caption(), QStringLiteral("Titanium"));
    QCOMPARE(page.LabelZ->Caption(), QStringLiteral("22"));
    QCOMPARE(page.LabelOxidation->Caption(), QStringLiteral("+3"));
    QCOMPARE(page.LabelDimension->Caption(), QStringLiteral("10"));
    QCOMPARE(page.LabelBase->Caption(), QStringLiteral("|L,S,L_z,S_z>"));
    QCOMPARE(page.LabelField->Caption(), QStringLiteral("Complex"));
    QCOMPARE(page.LabelLambda->Caption(), QStringLiteral("220"));
    QCOMPARE(page.LabelBx->Caption(), QStringLiteral("1.5"));
    QCOMPARE(page.LabelBy->Caption(), QStringLiteral("0.866025"));
    QCOMPARE(page.LabelBz->Caption(), QStringLiteral("1"));

    // The oblique field makes complex Zeeman elements, the trigonal field complex CEF ones.
    const HamElement zeeman = page.matrices().element(HamTerm::zeeman, 1, 2);
    QVERIFY(zeeman.im != 0);
    const HamElement cef = page.matrices().element(HamTerm::cef, 3, 9);
    QVERIFY(cef.im != 0 && std::abs(cef.re) > 1000);
    // Every line of a cell: LS, CEF, Zeeman; the diagonal's dominant term is the crystal field.
    const PreparedLine* diagonal = page.cellTexts().lines(1, 1);
    QVERIFY(diagonal);
    QCOMPARE(page.cellTexts().lineCount(), 3);
    QCOMPARE(diagonal[0].stem, std::string("220"));
    QCOMPARE(diagonal[1].stem, std::string("-1320"));
    QVERIFY(diagonal[1].emphasised);
    QVERIFY(!diagonal[0].emphasised && !diagonal[2].emphasised);

    hosted.click({3, 9});
    QCOMPARE(page.selRow(), 3);
    QCOMPARE(page.selCol(), 9);
    hosted.saveShot(QStringLiteral("hamiltonian-ti.png"));
}

void HamFormTest::selectionFollowsClicksAndOutlivesASmallerResult() {
    Examples examples;
    HostedPage hosted;
    THamForm& page = hosted.page;
    hosted.load(examples.ti);

    hosted.click({0, 0});
    QCOMPARE(page.selRow(), -1);
    QCOMPARE(page.gridHint(), QStringLiteral("H=C[LS]+B(n,m)O(n,m)"));
    hosted.click({3, 0});
    QCOMPARE(page.selRow(), 3);
    QCOMPARE(caption(page.LabelSelRow), QStringLiteral("3"));
    QCOMPARE(caption(page.LabelSelRowCaption), QStringLiteral("L_z=1  S_z=0.5"));
    QCOMPARE(caption(page.LabelSelCol), QStringLiteral("(none)"));
    QCOMPARE(caption(page.LabelTotalValue), QStringLiteral("(hidden)"));
    hosted.click({3, 0}); // the selected row again clears it
    QCOMPARE(page.selRow(), -1);
    QCOMPARE(caption(page.LabelSelRow), QStringLiteral("(none)"));
    QCOMPARE(caption(page.LabelSelRowCaption), QStringLiteral("(hidden)"));

    hosted.click({1, 7});
    QCOMPARE(page.selRow(), 1);
    QCOMPARE(page.selCol(), 7);
    QCOMPARE(page.gridHint(), QString::fromStdString(elementHint(page.matrices(), 1, 7)));
    QVERIFY(page.gridHint().startsWith(QStringLiteral("selected: -11022.7038425+6363.961030")));
    QCOMPARE(caption(page.LabelSelColCaption), QStringLiteral("L_z=-1  S_z=0.5"));
    const auto value = [&](HamTerm term) {
        return caption(page.LabelTermValue[std::size_t(term)]) + " " +
               caption(page.LabelTermImaginary[std::size_t(term)]);
    };
    QCOMPARE(value(HamTerm::cef), QStringLiteral("-11022.70384 +6363.96103 i"));
    QCOMPARE(value(HamTerm::ls), QStringLiteral("0 (hidden)"));
    QCOMPARE(caption(page.LabelTotalValue), QStringLiteral("-11022.70384"));

    // Panning: a drag of more than a column moves the view and clicks nothing.
    for (int i = 0; i < 6; ++i)
        page.zoomIn();
    page.StringGrid1->view().setLeftCol(3);
    page.StringGrid1->viewChanged();
    QCOMPARE(page.StringGrid1->view().leftCol(), 3);
    const QPoint start = hosted.centre({2, 4});
    const QPoint end = start + QPoint(page.StringGrid1->view().dataColumnWidth() + 5, 0);
    QWidget* viewport = page.StringGrid1->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, end, viewport->mapToGlobal(end), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
    QCOMPARE(page.StringGrid1->view().leftCol(), 2);
    QCOMPARE(page.selRow(), 1);
    QCOMPARE(page.selCol(), 7);

    // Ce3+ has six states: the selected column 7 does not exist there. It is kept, shown as
    // none, and nothing beyond the six states is read or drawn.
    hosted.click({8, 0});
    QCOMPARE(page.selRow(), 8);
    hosted.load(examples.cerium);
    QCOMPARE(page.selRow(), 8);
    QCOMPARE(page.selCol(), 7);
    QCOMPARE(caption(page.LabelSelRow), QStringLiteral("(none)"));
    QCOMPARE(caption(page.LabelSelCol), QStringLiteral("(none)"));
    QCOMPARE(caption(page.LabelTotalValue), QStringLiteral("(hidden)"));
    QCOMPARE(page.StringGrid1->view().columnCount(), 7);
    QCOMPARE(page.cellTexts().lines(8, 7), nullptr);
    QVERIFY(!page.StringGrid1->viewport()->grab().isNull());
    QCOMPARE(page.LabelBase->Caption(), QStringLiteral("|L,S,J,J_z>"));
    QCOMPARE(page.LabelLambda->Caption(), QStringLiteral("(infinite value)"));
    QCOMPARE(page.stateCaptions().front(), std::string("J_z=-2.5"));
    QCOMPARE(page.blockSide(), 6);
    hosted.saveShot(QStringLiteral("hamiltonian-ce.png"));

    // Back on Ti3+ the kept selection shows again.
    hosted.load(examples.ti);
    QCOMPARE(caption(page.LabelSelRow), QStringLiteral("8"));
    QCOMPARE(caption(page.LabelSelCol), QStringLiteral("7"));
    QVERIFY(page.LabelTotalValue->isVisible());
}

void HamFormTest::termBoxesSetTheLinesTheSumsAndTheSidePanel() {
    Examples examples;
    HostedPage hosted;
    THamForm& page = hosted.page;
    hosted.load(examples.cerium);
    // Ce3+ in the |J,Jz> basis: no LS; CEF and Zeeman by the shell flags of 4f^1.
    QVERIFY(!hosted.box(HamTerm::ls)->isEnabled());
    QVERIFY(hosted.box(HamTerm::cef)->isEnabled());
    QVERIFY(hosted.box(HamTerm::zeeman)->isEnabled());
    QCOMPARE(page.tickedTerms(), (TermSet{HamTerm::cef, HamTerm::zeeman}));
    QCOMPARE(page.StringGrid1->view().dataRowHeight(), 40);
    hosted.click({1, 5});
    QCOMPARE(caption(page.LabelTotalValue), QStringLiteral("-201.24612"));
    QCOMPARE(caption(page.LabelTermValue[std::size_t(HamTerm::cef)]), QStringLiteral("-201.24612"));

    hosted.box(HamTerm::zeeman)->click();
    QCOMPARE(page.tickedTerms(), TermSet{HamTerm::cef});
    QCOMPARE(page.StringGrid1->view().dataRowHeight(), 20);
    QCOMPARE(page.cellTexts().lineCount(), 1);
    QVERIFY(!page.cellTexts().lines(1, 1)[0].emphasised); // one line: nothing stands out
    QCOMPARE(caption(page.LabelTermValue[std::size_t(HamTerm::zeeman)]),
             QStringLiteral("(hidden)"));

    hosted.box(HamTerm::cef)->click();
    QVERIFY(page.tickedTerms().empty());
    QCOMPARE(page.StringGrid1->view().dataRowHeight(), 20); // the rows keep their height
    QCOMPARE(page.cellTexts().lines(1, 1), nullptr);        // and the cells are empty
    hosted.click({1, 5});
    QCOMPARE(page.gridHint(), QStringLiteral("selected: 0, total: -201.246118"));
    QCOMPARE(caption(page.LabelTotalValue), QStringLiteral("-201.24612"));

    // Loading a result keeps the pressed state of the boxes.
    hosted.load(examples.ti);
    QCOMPARE(page.tickedTerms(), TermSet{HamTerm::ls});     // loading presses "LS"
    QCOMPARE(page.StringGrid1->view().dataRowHeight(), 40); // at least two lines in |L,S,Lz,Sz>
}

void HamFormTest::zoomTurnsLongTextsIntoValues() {
    Examples examples;
    HostedPage hosted;
    THamForm& page = hosted.page;
    hosted.load(examples.ti);
    const auto cefText = [&] {
        return page.cellTexts().shownText(page.cellTexts().lines(1, 7)[1]);
    };
    QCOMPARE(cefText(), std::string("(long)")); // "-11023+6364i"
    hosted.click({1, 7});
    int steps = 0;
    while (cefText() == "(long)" && steps < 30) {
        QTest::mouseClick(page.ButtonZoomIn, Qt::LeftButton);
        ++steps;
    }
    QCOMPARE(cefText(), std::string("-11023+6364i"));
    QVERIFY(page.cellTexts().lines(1, 7)[1].imaginaryUnit);
    QVERIFY(steps >= 1 && steps <= 3);
    // The selected column stays on show.
    QVERIFY(page.StringGrid1->view().cellRect({1, 7}).has_value());
    hosted.saveShot(QStringLiteral("hamiltonian-ti-zoomed.png"));
    for (int i = 0; i < 40; ++i)
        page.zoomOut();
    QCOMPARE(page.StringGrid1->view().dataColumnWidth() <= 37, true);
    QCOMPARE(cefText(), std::string("(long)"));
}

void HamFormTest::missingEmptyAndDamagedFiles() {
    const test::WorkingRoot root;
    HostedPage hosted;
    THamForm& page = hosted.page;
    setIon("3d^1", 1, 1, 10);
    page.setResultLocation(bareFolder(root, "Result00", std::nullopt));
    page.wczytajDane();
    page.ukryjWartosci();
    QVERIFY(page.PanelNoData->isVisible());
    QCOMPARE(page.PanelNoData->text(), QStringLiteral("Hamiltonian data not found in result file"));
    QCOMPARE(page.matrices().element(HamTerm::cef, 10, 10), HamElement{});
    QCOMPARE(page.cellTexts().lines(10, 10)[0].stem, std::string("0")); // the grid shows zeros

    // A saved result stores an absent member empty: the same as a missing file, no error.
    page.setResultLocation(bareFolder(root, "Result01", std::string()));
    page.wczytajDane();
    QVERIFY(page.PanelNoData->isVisible());

    // A damaged file: the page is complete with what was read, then the error is reported.
    const std::string damaged =
        "CEF\r\n" + std::string("1  2  3  4  5  6  7  8  9  10\r\n") + "1  2  x\r\n";
    page.setResultLocation(bareFolder(root, "Result02", damaged));
    bool reported = false;
    try {
        page.wczytajDane();
    } catch (const InputError& error) {
        reported = std::string(error.what()).find("line 3") != std::string::npos;
    }
    QVERIFY(reported);
    QVERIFY(page.PanelNoData->isHidden());
    QVERIFY(hosted.box(HamTerm::cef)->isEnabled());
    QCOMPARE(page.matrices().element(HamTerm::cef, 1, 10).re, 10.0);
    QCOMPARE(page.matrices().element(HamTerm::cef, 2, 2).re, 2.0);
    QCOMPARE(page.cellTexts().lineCount(), 3);
}

void HamFormTest::shellFlagsEnableTheBoxes_data() {
    QTest::addColumn<QString>("siconf");
    QTest::addColumn<int>("baza");
    QTest::addColumn<bool>("ls");
    QTest::addColumn<bool>("cef");
    QTest::addColumn<bool>("zeeman");
    QTest::addColumn<QString>("lambda");
    QTest::newRow("4f^7 in |L,S,Lz,Sz>") << "4f^7" << 1 << true << false << true << "1.5";
    QTest::newRow("3d^4 in |L,S,J,Jz>")
        << "3d^4" << 2 << false << false << true << "(infinite value)";
    QTest::newRow("3d^1 in |L,S,Lz,Sz>") << "3d^1" << 1 << true << true << true << "1.5";
    QTest::newRow("5g^1: no d or f shell") << "5g^1" << 1 << true << false << false << "1.5";
}

void HamFormTest::shellFlagsEnableTheBoxes() {
    QFETCH(QString, siconf);
    QFETCH(int, baza);
    QFETCH(bool, ls);
    QFETCH(bool, cef);
    QFETCH(bool, zeeman);
    QFETCH(QString, lambda);
    const test::WorkingRoot root;
    HostedPage hosted;
    THamForm& page = hosted.page;
    hosted.box(HamTerm::ls)->setChecked(false);
    setIon(siconf.toLatin1().constData(), baza, 1, 4);
    sharedVariables().lambda = 1.5;
    page.setResultLocation(bareFolder(root, "Result00", std::nullopt));
    page.wczytajDane();
    QCOMPARE(hosted.box(HamTerm::ls)->isEnabled(), ls);
    QCOMPARE(hosted.box(HamTerm::ls)->isChecked(), ls); // pressed in the first basis
    QCOMPARE(hosted.box(HamTerm::cef)->isEnabled(), cef);
    QCOMPARE(hosted.box(HamTerm::zeeman)->isEnabled(), zeeman);
    QCOMPARE(page.LabelLambda->Caption(), lambda);
}

void HamFormTest::exportWritesTheTickedTerms() {
    Examples examples;
    HostedPage hosted;
    THamForm& page = hosted.page;
    hosted.load(examples.ti);
    hosted.box(HamTerm::cef)->click();
    const fs::path target = examples.root / "hamiltonian.csv";
    QString suggested;
    setExportFileChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return QString::fromStdString(target.string());
    });
    QTest::mouseClick(page.ButtonExport, Qt::LeftButton);
    QTRY_VERIFY(fs::exists(target));
    const std::string csv = test::readFile(target);
    QCOMPARE(csv,
             hamiltonianDataTable(examples.ti, "Result00", {HamTerm::ls, HamTerm::zeeman}).toCsv());
    QVERIFY(csv.find("# term: ls+zeeman\n") != std::string::npos);
    QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Result00 hamiltonian.csv"));

    // Without "o_ham.dup" the export says so and writes nothing.
    fs::remove(target);
    fs::remove(examples.root / "Result00" / kHamiltonianFile);
    page.exportData();
    QVERIFY(!fs::exists(target));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installViewerFonts();
    HamFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ham_form_test.moc"
