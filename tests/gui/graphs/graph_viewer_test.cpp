// The temperature pages in the viewer, on the cerium example: the effective moments quoted for
// it, the padlock over every ordinary result tab, and markers through a result switch.
#include "app/reader_form.h"
#include "base/log.h"
#include "controls/messages.h"
#include "controls/my_button.h"
#include "graphs/susceptibility_pages.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"
#include "tabs/reader_panel.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace vintrel;
namespace fs = std::filesystem;

class GraphViewerTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<test::TempDir>();
        xdg = std::make_unique<test::ScopedEnv>("XDG_DATA_HOME", (dir->path() / "xdg").string());
        root = dir->path() / "xdg" / "Vintrel";
        fs::create_directories(root);
        configureLog(root, {[] { QCoreApplication::processEvents(); }, {}});
        setMessagesToStandardError(true);
        form = std::make_unique<TReaderForm>(
            ViewerFolders{root, QCoreApplication::applicationDirPath().toStdString()});
        form->resize(1280, 900);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->pickAllResults = true;
        form->openDataFile(QString::fromStdString(
            (fs::path(VINTREL_SOURCE_DIR) / "examples" / "Ce-cubic.zrvn").string()));
    }
    void cleanup() {
        form.reset();
        disableLog();
        xdg.reset();
        dir.reset();
    }
    void effectiveMomentsOfTheTwoCeriumResults();
    void padlockAndMarkersAcrossTheResultTabs();

private:
    TMyReaderPanel2& panel() { return *form->panel(); }
    TSuperTabs& results() { return *panel().Zakladki; }
    TSuperTabs& pages() { return *panel().Zakladki_Results; }
    int resultTab(const QString& name) {
        for (int i = 0; i < results().TabCount(); ++i)
            if (results().Tabs(i)->TabName() == name)
                return i;
        return -1;
    }
    void showResult(const QString& name) { test::clickTab(results(), resultTab(name)); }
    void showPage(PageId id) { test::clickTab(pages(), panel().tabIndexOf(id)); }
    fs::path folderOf(const QString& name) {
        return root / results().Tabs(resultTab(name))->ResDir().toStdString();
    }
    template <typename Page>
    Page& page(PageId id) {
        auto* form = dynamic_cast<Page*>(panel().pageForm(id));
        if (!form)
            qFatal("no form for the page");
        return *form;
    }

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<test::ScopedEnv> xdg;
    fs::path root;
    std::unique_ptr<TReaderForm> form;
};

const QString kGamma8 = QStringLiteral("Ce3+ cubic Gamma8 ground");
const QString kGamma7 = QStringLiteral("Ce3+ cubic Gamma7 ground");

void GraphViewerTest::effectiveMomentsOfTheTwoCeriumResults() {
    // From the two highest temperatures, 199 and 200 K: above the free ion's 2.535 muB, as the
    // partly populated excited level makes it.
    const std::pair<QString, QString> expected[] = {{kGamma8, QStringLiteral("2.58947")},
                                                    {kGamma7, QStringLiteral("2.67874")}};
    for (const auto& [name, moment] : expected) {
        showResult(name);
        showPage(PageId::InverseSus);
        Tgraf_1chi& inverse = page<Tgraf_1chi>(PageId::InverseSus);
        QVERIFY(inverse.p0()->isVisible());
        QCOMPARE(inverse.data().T.at(inverse.firstRow()), 199.0);
        QCOMPARE(inverse.data().T.at(inverse.secondRow()), 200.0);
        QCOMPARE(inverse.effectiveMomentText(Direction::x), moment);
        QCOMPARE(inverse.effectiveMomentText(Direction::z), moment);
        QVERIFY(inverse.note().isEmpty());
    }
}

void GraphViewerTest::padlockAndMarkersAcrossTheResultTabs() {
    showResult(kGamma8);
    showPage(PageId::MagneticSus);
    Tgraf_chi& chi = page<Tgraf_chi>(PageId::MagneticSus);
    chi.showMarkerList(true);
    chi.markerList()->item(99, 1)->setText(QStringLiteral("0.02"));
    QCOMPARE(chi.session().markers(), (xy_array{{100, 0.02}}));

    QTest::mouseClick(chi.padlockButton(), Qt::LeftButton);
    chi.openRangeEditor();
    chi.rangeEdit()->setText(QStringLiteral("5"));
    QTest::keyClick(chi.rangeEdit(), Qt::Key_Return);
    const std::string header = "Susceptibility graph:\r\n  range      exponent\r\n"
                               "    5.0000     -1\r\nMarkers: temp  chi\r\n";
    QCOMPARE(test::readFile(folderOf(kGamma8) / "g_chi.dup"), header + "100.0000   0.020000\r\n");
    QCOMPARE(test::readFile(folderOf(kGamma7) / "g_chi.dup"), header);

    // The other result shows its own (no) markers, and its first edit writes only them.
    showResult(kGamma7);
    QCOMPARE(chi.markerList()->item(99, 1)->text(), QStringLiteral("0"));
    chi.markerList()->item(9, 1)->setText(QStringLiteral("0.1"));
    QCOMPARE(test::readFile(folderOf(kGamma7) / "g_chi.dup"), header + " 10.0000   0.100000\r\n");
    QCOMPARE(test::readFile(folderOf(kGamma8) / "g_chi.dup"), header + "100.0000   0.020000\r\n");
}

QTEST_MAIN(GraphViewerTest)
#include "graph_viewer_test.moc"
