// The mean-field pages in the viewer, on the neodymium example (T_c = 12.86 K): what the six
// pages show, and the padlock over two mean-field results beside an ordinary one.
#include "app/reader_form.h"
#include "controls/my_button.h"
#include "controls/my_trackbar.h"
#include "graphs/mean_field_pages.h"
#include "support/graph_page_host.h"
#include "support/strip_actions.h"
#include "support/temp_dir.h"
#include "support/viewer_fixture.h"
#include "tabs/reader_panel.h"
#include "tabs/tab.h"

#include <QTest>

#include <cmath>

using namespace vintrel;
namespace fs = std::filesystem;
using test::drawsColour;
using test::hasText;
using test::itemsOf;

namespace {

const fs::path kExamples = fs::path(VINTREL_SOURCE_DIR) / "examples";

} // namespace

class MeanFieldViewerTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        session = std::make_unique<test::ViewerSession>();
        session->importAll(QString::fromStdString((kExamples / "Nd-meanfield.mfa").string()));
    }
    void cleanup() { session.reset(); }
    void theSixPagesOfTheNeodymiumExample();
    void padlockOverTheMeanFieldResults();

private:
    TMyReaderPanel2& panel() { return *session->form().panel(); }
    TSuperTabs& results() { return session->results(); }
    void showResult(int tab) { test::clickTab(results(), tab); }
    void showPage(PageId id) { test::clickTab(session->pages(), panel().tabIndexOf(id)); }
    std::vector<int> resultTabs(TKind kind) {
        std::vector<int> tabs;
        for (int i = 0; i < results().TabCount(); ++i)
            if (results().Tabs(i)->Kind() == kind)
                tabs.push_back(i);
        return tabs;
    }
    fs::path folderOf(int tab) {
        return session->root() / results().Tabs(tab)->ResDir().toStdString();
    }
    template <typename Page>
    Page& shown(PageId id) {
        showPage(id);
        auto* form = dynamic_cast<Page*>(panel().pageForm(id));
        if (!form)
            qFatal("no form for the page");
        return *form;
    }

    std::unique_ptr<test::ViewerSession> session;
};

void MeanFieldViewerTest::theSixPagesOfTheNeodymiumExample() {
    const std::vector<int> meanField = resultTabs(TKind::tkDynamic);
    QCOMPARE(meanField.size(), std::size_t{1});
    showResult(meanField[0]);

    auto& moment = shown<Tgraf_momentD>(PageId::MomentD);
    QVERIFY(moment.p0()->isVisible());
    QVERIFY(moment.note().isEmpty());
    QCOMPARE(*moment.transitionTemperature(), 12.85656678);
    PlotScene scene = moment.scene();
    QVERIFY(hasText(scene, "T_c = 12.857 K"));
    QVERIFY(moment.transitionMarks().lineShown);
    QVERIFY(moment.transitionMarks().orderedShown && moment.transitionMarks().paramagneticShown);
    // The ordered moment, 3.2 muB at 0.5 K, is gone from 13 K on.
    const auto& mz = moment.data().m[2];
    QCOMPARE(mz.front(), 3.197629978);
    for (std::size_t r = 0; r < moment.data().rowCount(); ++r)
        if (moment.data().T[r] > 12.86)
            QCOMPARE(mz[r], 0.0);
    QVERIFY(drawsColour(scene, kMomentColours[2]));

    // χ along z has its cusp at the transition.
    auto& chi = shown<Tgraf_chiD>(PageId::MagneticSusD);
    const auto& chiZ = chi.data().chi[2];
    const auto peak = std::max_element(chiZ.begin(), chiZ.end()) - chiZ.begin();
    QCOMPARE(chi.data().T[std::size_t(peak)], 13.0);
    QVERIFY(drawsColour(chi.scene(), kMeanFieldChiColours[2]));
    QVERIFY(chi.transitionMarks().lineShown);

    auto& inverse = shown<Tgraf_1chiD>(PageId::InverseSusD);
    QVERIFY(inverse.note().isEmpty());
    QCOMPARE(inverse.trackBar()->isVisible(), true);
    QVERIFY(!inverse.effectiveMomentText(Direction::z).isEmpty());

    auto& aniso = shown<Tgraf_anisoD>(PageId::AnisotropyD);
    QCOMPARE(aniso.session().range(), (AxisRange{-15, 16, 0}));

    // The specific heat drops by more than half at T_c; the entropy keeps rising with a kink.
    auto& heat = shown<Tgraf_specD>(PageId::SpecificHeatD);
    const SpcData& spc = heat.data();
    std::size_t below = 0;
    while (spc.T[below + 1] < 12.86)
        ++below;
    QVERIFY(spc.c[below] > 2 * spc.c[below + 1]);
    QVERIFY(drawsColour(heat.scene(), kMeanFieldHeatColours[0]));
    QVERIFY(heat.transitionMarks().lineShown);
    auto& entropy = shown<Tgraf_entrD>(PageId::EntropyD);
    const auto& S = entropy.data().S;
    const double slopeBelow = S[below] - S[below - 1];
    const double slopeAbove = S[below + 2] - S[below + 1];
    QVERIFY(slopeBelow > 2 * slopeAbove);
    QVERIFY(drawsColour(entropy.scene(), kMeanFieldEntropyColour));
}

void MeanFieldViewerTest::padlockOverTheMeanFieldResults() {
    session->importAll(QString::fromStdString((kExamples / "Nd-meanfield.mfa").string()));
    session->importAll(QString::fromStdString((kExamples / "Ce-cubic.zrvn").string()));
    const std::vector<int> meanField = resultTabs(TKind::tkDynamic);
    const std::vector<int> ordinary = resultTabs(TKind::tkResult);
    QCOMPARE(meanField.size(), std::size_t{2});
    QVERIFY(!ordinary.empty());
    showResult(meanField[0]);
    auto& moment = shown<Tgraf_momentD>(PageId::MomentD);
    QTest::mouseClick(moment.padlockButton(), Qt::LeftButton);
    QVERIFY(moment.padlockButton()->Down());
    moment.zoomOut();
    const std::string expected =
        "Magnetic moment graph range:\r\n8.0000\r\nMarkers: temp  value\r\n";
    for (int tab : meanField)
        QCOMPARE(test::readFile(folderOf(tab) / "g_moment.dup"), expected);
    // The ordinary results have no moment page: nothing is written into their folders.
    for (int tab : ordinary)
        QVERIFY(!fs::exists(folderOf(tab) / "g_moment.dup"));

    // The other mean-field result shows the range it was given.
    showResult(meanField[1]);
    QCOMPARE(moment.session().range(), (AxisRange{0, 8, 0}));
}

QTEST_MAIN(MeanFieldViewerTest)
#include "mean_field_viewer_test.moc"
