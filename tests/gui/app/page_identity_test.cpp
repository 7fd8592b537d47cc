#include "support/viewer_fixture.h"

#include "support/strip_actions.h"

#include "app/reader_form.h"
#include "base/log.h"
#include "controls/messages.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QMoveEvent>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using namespace vintrel;
using namespace vintrel::test;
namespace fs = std::filesystem;

using Permutation = QList<int>;

namespace {

/// The name a page goes by in the journal: its caption, with " (MF)" for the mean-field
/// description so the two description pages differ.
QString pageName(PageId id) {
    const ResultPageRow& row = pageRow(id);
    QString name = QString::fromLatin1(row.caption);
    if (row.resultKind == TKind::tkDynamic && !name.endsWith(QLatin1String("(MF)")))
        name += QStringLiteral(" (MF)");
    return name;
}

/// A page form that writes into a shared journal what it was told.
class RecordingPage : public TResultPage {
public:
    RecordingPage(PageId id, QStringList& journal)
        : name_(pageName(id)), journal_(journal), panel_(std::make_unique<QWidget>()) {}
    QList<QWidget*> hostedPanels() override { return {panel_.release()}; }
    void wczytajDane(const PageContext& context) override {
        journal_ << QStringLiteral("load ") + name_ + (context.shown ? " shown" : "");
    }
    void pageShown(const PageContext&) override { journal_ << QStringLiteral("shown ") + name_; }
    bool wheel(QWheelEvent*) override {
        journal_ << QStringLiteral("wheel ") + name_;
        return true;
    }
    void windowMoved() override { journal_ << QStringLiteral("moved ") + name_; }

private:
    QString name_;
    QStringList& journal_;
    std::unique_ptr<QWidget> panel_;
};

} // namespace

/// Pages are known by the identity their tab carries: after tabs are dragged, every click,
/// refresh, wheel and window move still reaches the form of the page the user sees.
class PageIdentityTest : public QObject {
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
        for (const ResultPageRow& row : kResultPages)
            panel().registerPage(row.id, [this, id = row.id] {
                return std::make_unique<RecordingPage>(id, journal);
            });
        form->resize(1280, 900);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->pickAllResults = true;
    }
    void cleanup() {
        form.reset();
        disableLog();
        xdg.reset();
        dir.reset();
        journal.clear();
    }

    void draggedPageKeepsItsForm();
    void everyPageIsFoundAfterAPermutation_data();
    void everyPageIsFoundAfterAPermutation();
    void spectroscopyFollowsItsResult();

private:
    TMyReaderPanel2& panel() { return *form->panel(); }
    TSuperTabs& results() { return *panel().Zakladki; }
    TSuperTabs& pages() { return *panel().Zakladki_Results; }
    void clickPage(PageId id) { clickTab(pages(), panel().tabIndexOf(id)); }
    /// The pages of `Content_Results` on show, by name.
    QStringList pagesOnShow() {
        QStringList shown;
        for (const ResultPageRow& row : kResultPages)
            if (panel().resultPage(row.id)->isVisible())
                shown << pageName(row.id);
        return shown;
    }
    /// Swaps two page tabs as one step of a drag does: the tabs and their pages.
    void swapPageTabs(int a, int b) {
        pages().SwapTabs(a, b);
        panel().ZamienContent(&pages(), a, b);
    }

    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<test::ScopedEnv> xdg;
    fs::path root;
    std::unique_ptr<TReaderForm> form;
    QStringList journal;
};

void PageIdentityTest::draggedPageKeepsItsForm() {
    form->openDataFile(test::makeContainer(dir->path(), "plain.zrvn", {"A"}));
    journal.clear();
    dragTab(pages(), panel().tabIndexOf(PageId::Entropy), panel().tabIndexOf(PageId::Spectroscopy));
    QCOMPARE(tabCaptions(pages(), true),
             (QStringList{"parameters", "Hamiltonian", "CEF view", "energy levels", "entropy",
                          "spectroscopy", "magnetic sus.", "inverse sus.", "specific heat",
                          "description"}));
    // The drag ends with a click on the dragged tab.
    QCOMPARE(journal, QStringList{"shown entropy"});
    QCOMPARE(pagesOnShow(), QStringList{"entropy"});

    journal.clear();
    clickTab(pages(), 5);
    QCOMPARE(journal, (QStringList{"load spectroscopy shown", "shown spectroscopy"}));
    QCOMPARE(pagesOnShow(), QStringList{"spectroscopy"});

    journal.clear();
    clickTab(pages(), 4);
    QCOMPARE(journal, QStringList{"shown entropy"});
    QCOMPARE(pagesOnShow(), QStringList{"entropy"});

    // Coming back to the result refreshes in the fixed order and keeps "entropy" chosen.
    journal.clear();
    clickTab(results(), 1);
    QCOMPARE(entries(journal, "load"),
             (QStringList{"load parameters", "load Hamiltonian", "load CEF view",
                          "load energy levels", "load magnetic sus.", "load inverse sus.",
                          "load specific heat", "load entropy shown"}));
    QCOMPARE(entries(journal, "shown"), QStringList{"shown entropy"});
    QCOMPARE(pages().ActiveTab(), 4);
    QCOMPARE(pagesOnShow(), QStringList{"entropy"});
}

void PageIdentityTest::everyPageIsFoundAfterAPermutation_data() {
    // Row i of a permutation: the page whose tab ends at place i of the page strip.
    QTest::addColumn<Permutation>("permutation");
    Permutation reversed;
    for (int i = kPageCount - 1; i >= 0; --i)
        reversed << i;
    Permutation rotated;
    for (int i = 0; i < kPageCount; ++i)
        rotated << (i + 7) % kPageCount;
    QTest::newRow("as built") << Permutation{0,  1,  2,  3,  4,  5,  6,  7,  8, 9,
                                             10, 11, 12, 13, 14, 15, 16, 17, 18};
    QTest::newRow("reversed") << reversed;
    QTest::newRow("rotated by seven") << rotated;
    QTest::newRow("kinds interleaved")
        << Permutation{10, 0, 11, 1, 12, 2, 13, 3, 14, 4, 15, 5, 16, 6, 17, 7, 18, 8, 9};
    QTest::newRow("shuffled") << Permutation{8,  17, 3,  12, 0,  9, 15, 5, 18, 1,
                                             14, 6,  11, 4,  16, 2, 13, 7, 10};
}

void PageIdentityTest::everyPageIsFoundAfterAPermutation() {
    QFETCH(Permutation, permutation);
    QCOMPARE(permutation.size(), kPageCount);
    for (int place = 0; place < kPageCount; ++place)
        swapPageTabs(place, panel().tabIndexOf(static_cast<PageId>(permutation[place])));
    for (int place = 0; place < kPageCount; ++place)
        QCOMPARE(pageNumber(panel().pageAt(place)), permutation[place]);

    form->openDataFile(test::makeContainer(dir->path(), "plain.zrvn", {"A"}));
    QCOMPARE(pages().ActiveTab(), panel().tabIndexOf(PageId::Parameters));
    QCOMPARE(pagesOnShow(), QStringList{"parameters"});
    form->openDataFile(test::makeContainer(dir->path(), "field.mfa", {"M"}, true));
    QCOMPARE(pages().ActiveTab(), panel().tabIndexOf(PageId::EnergyD));
    QCOMPARE(pagesOnShow(), QStringList{"energy (MF)"});

    for (const int result : {1, 2}) {
        clickTab(results(), result);
        const TKind kind = results().Tabs(result)->Kind();
        for (const ResultPageRow& row : kResultPages) {
            if (row.resultKind != kind)
                continue;
            const QString name = pageName(row.id);
            journal.clear();
            clickPage(row.id);
            QCOMPARE(entries(journal, "shown"), QStringList{"shown " + name});
            for (const QString& load : entries(journal, "load"))
                QCOMPARE(load, "load " + name + " shown"); // only a page that loads when shown
            QCOMPARE(pagesOnShow(), QStringList{name});

            journal.clear();
            QWidget* target = panel().resultPage(row.id);
            QWheelEvent wheel(QPointF(20, 20), target->mapToGlobal(QPointF(20, 20)), QPoint(),
                              QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(target, &wheel);
            QMoveEvent moved(form->pos() + QPoint(1, 0), form->pos());
            QApplication::sendEvent(form.get(), &moved);
            QStringList expected;
            if (row.has(kTakesWheel))
                expected << "wheel " + name;
            if (row.has(kDrawsMiniParam))
                expected << "moved " + name;
            QCOMPARE(journal, expected);
        }
    }

    // Each kind remembers the page last chosen for it, wherever its tab goes.
    clickTab(results(), 1);
    clickPage(PageId::SpecificHeat);
    swapPageTabs(panel().tabIndexOf(PageId::SpecificHeat), panel().tabIndexOf(PageId::Potentials));
    clickTab(results(), 2);
    QCOMPARE(pagesOnShow(), QStringList{"description (MF)"});
    journal.clear();
    clickTab(results(), 1);
    QCOMPARE(pages().ActiveTab(), panel().tabIndexOf(PageId::SpecificHeat));
    QCOMPARE(pagesOnShow(), QStringList{"specific heat"});
    QCOMPARE(entries(journal, "load"),
             (QStringList{"load parameters", "load Hamiltonian", "load CEF view",
                          "load energy levels", "load magnetic sus.", "load inverse sus.",
                          "load specific heat shown", "load entropy"}));
}

void PageIdentityTest::spectroscopyFollowsItsResult() {
    form->openDataFile(test::makeContainer(dir->path(), "three.zrvn", {"A", "B", "C"}));
    clickTab(results(), 1);
    journal.clear();
    clickPage(PageId::Spectroscopy);
    QCOMPARE(entries(journal, "load spectroscopy"), QStringList{"load spectroscopy shown"});

    // "C" takes the place of "A": its spectroscopy is not the one loaded for "A".
    journal.clear();
    dragTab(results(), 3, 1);
    QCOMPARE(results().Tabs(1)->TabName(), QStringLiteral("C"));
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result02"));
    QCOMPARE(entries(journal, "load spectroscopy"), QStringList{"load spectroscopy shown"});

    journal.clear();
    clickTab(results(), 2); // "A" again
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result00"));
    QCOMPARE(entries(journal, "load spectroscopy"), QStringList{"load spectroscopy shown"});
    journal.clear();
    clickTab(results(), 2);
    clickPage(PageId::Spectroscopy);
    QVERIFY(entries(journal, "load spectroscopy").isEmpty()); // once per result

    // A result imported into the folder of a deleted one gets its own spectroscopy.
    clickPage(PageId::Parameters);
    form->DeleteTabMenuClick();
    QCOMPARE(tabCaptions(results(), true), (QStringList{"load file", "C", "B"}));
    form->openDataFile(test::makeContainer(dir->path(), "again.zrvn", {"D"}));
    QCOMPARE(form->currentResultFolder, QStringLiteral("Result00"));
    journal.clear();
    clickPage(PageId::Spectroscopy);
    QCOMPARE(entries(journal, "load spectroscopy"), QStringList{"load spectroscopy shown"});
}

QTEST_MAIN(PageIdentityTest)
#include "page_identity_test.moc"
