#include "controls/pictures.h"
#include "support/strip_actions.h"
#include "tabs/super_tabs.h"
#include "tabs/tab_pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using vintrel::TKind;
using vintrel::TSuperTabs;

Q_DECLARE_METATYPE(TKind)

using vintrel::test::centreOf;
using vintrel::test::tabCaptions;

using SwitchSteps = QList<QPair<int, int>>;

namespace {

constexpr int kMiddleY = 14;

/// A shown strip of the given width with `count` tabs named "tab 0", "tab 1", …
std::unique_ptr<TSuperTabs> shownStrip(int width, int count, TKind kind = TKind::tkResult) {
    auto strip = std::make_unique<TSuperTabs>();
    strip->resize(width, 25);
    for (int i = 0; i < count; ++i)
        strip->AddSimpleTab(QStringLiteral("tab %1").arg(i), kind);
    strip->show();
    if (!QTest::qWaitForWindowExposed(strip.get()))
        qWarning("strip window not exposed");
    return strip;
}

} // namespace

class SuperTabsTest : public QObject {
    Q_OBJECT

private slots:
    void autoWidthSharesTheStrip_data();
    void autoWidthSharesTheStrip();
    void longCaptionsAreShortened();
    void dragRaisesOneSwitchPerStep_data();
    void dragRaisesOneSwitchPerStep();
    void shortDragIsAPlainClick();
    void getTabIndexMatchesCaptionAndKind();
    void removingTheActiveLastTab();
    void addingScrollsTheNewTabIntoView();
    void holdingAnArrowRepeatsScrolling();
    void hintAppearsAfterAPause();
    void rightClickSelectsWithoutActivating();
    void everyPictureIsCompiledInAtItsSize();
    void screenshotOfEveryLook();
};

void SuperTabsTest::autoWidthSharesTheStrip_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("autoWidth");
    QTest::addColumn<int>("expectedWidth");
    QTest::addColumn<bool>("rightArrow");
    QTest::newRow("10 tabs on 700 pixels") << 10 << true << 70 << false;
    QTest::newRow("20 tabs on 700 pixels") << 20 << true << 50 << true;
    QTest::newRow("3 tabs keep the default") << 3 << true << 120 << false;
    QTest::newRow("auto width off") << 10 << false << 120 << true;
}

void SuperTabsTest::autoWidthSharesTheStrip() {
    QFETCH(int, count);
    QFETCH(bool, autoWidth);
    QFETCH(int, expectedWidth);
    QFETCH(bool, rightArrow);
    auto strip = std::make_unique<TSuperTabs>();
    strip->resize(700, 25);
    strip->setAutoWidth(autoWidth);
    strip->show();
    QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
    for (int i = 0; i < count; ++i)
        strip->AddSimpleTab(QStringLiteral("tab %1").arg(i), TKind::tkResult);
    QCOMPARE(strip->TabWidth(), expectedWidth);
    // Adding scrolls the last tab into view; from the start the rest needs the right arrow.
    QVERIFY(!strip->RightBtnVisible());
    strip->SetVisibleTab0();
    QCOMPARE(strip->RightBtnVisible(), rightArrow);

    // Clicking the middle of every slot activates the tab drawn there.
    QSignalSpy clicks(strip.get(), &TSuperTabs::OnClick);
    const int step = expectedWidth - 10;
    const int slotCount = qMin(700 / step, count);
    for (int slot = 0; slot < slotCount; ++slot) {
        QTest::mouseClick(strip.get(), Qt::LeftButton, {}, QPoint(slot * step + step / 2, 14));
        QCOMPARE(strip->ActiveTab(), slot);
        QCOMPARE(strip->TabRect(slot).left(), slot * step);
    }
    QCOMPARE(clicks.count(), slotCount);
}

void SuperTabsTest::longCaptionsAreShortened() {
    auto strip = shownStrip(700, 0);
    const QString longName = QStringLiteral("a very long name of an imported result");
    strip->AddSimpleTab(longName, TKind::tkResult);
    strip->AddSimpleTab(longName, TKind::tkResult);
    strip->AddSimpleTab(QStringLiteral("entropy"), TKind::tkControl);
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, centreOf(*strip, 0, kMiddleY));
    QCOMPARE(strip->ActiveTab(), 0);

    const int room = strip->TabWidth() - 23;
    for (int index : {0, 1}) {
        QFont font = strip->Font();
        font.setBold(index == 0);
        const QFontMetrics metrics(font);
        const QString shown = strip->CaptionShown(index);
        QVERIFY2(shown.endsWith(QStringLiteral("...lt")), qPrintable(shown));
        const QString beginning = shown.chopped(5);
        QVERIFY(longName.startsWith(beginning));
        QVERIFY(!beginning.isEmpty());
        QVERIFY(metrics.horizontalAdvance(shown) <= room);
        // One more character of the beginning would not fit.
        const QString longer = longName.left(beginning.size() + 1) + QStringLiteral("...lt");
        QVERIFY(metrics.horizontalAdvance(longer) > room);
    }
    // The bold caption needs more room than the plain one.
    QVERIFY(strip->CaptionShown(0).size() <= strip->CaptionShown(1).size());
    QCOMPARE(strip->CaptionShown(2), QStringLiteral("entropy"));
}

void SuperTabsTest::dragRaisesOneSwitchPerStep_data() {
    QTest::addColumn<int>("hidden");
    QTest::addColumn<SwitchSteps>("steps");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("over visible tabs 2 and 3")
        << -1 << SwitchSteps{{2, 1}, {3, 2}, {4, 3}}
        << QStringList{"tab 0", "tab 2", "tab 3", "tab 4", "tab 1", "tab 5"};
    QTest::newRow("over a hidden tab 3")
        << 3 << SwitchSteps{{2, 1}, {4, 2}}
        << QStringList{"tab 0", "tab 2", "tab 4", "tab 3", "tab 1", "tab 5"};
}

void SuperTabsTest::dragRaisesOneSwitchPerStep() {
    QFETCH(int, hidden);
    QFETCH(SwitchSteps, steps);
    QFETCH(QStringList, order);
    auto strip = shownStrip(800, 6);
    if (hidden >= 0)
        strip->Tabs(hidden)->setVisible(false);
    for (int i = 0; i < strip->TabCount(); ++i)
        strip->Tabs(i)->setPageId(static_cast<vintrel::PageId>(i));
    QSignalSpy switches(strip.get(), &TSuperTabs::OnSwitchTabs);
    QSignalSpy clicks(strip.get(), &TSuperTabs::OnClick);

    const QPoint from = centreOf(*strip, 1, kMiddleY);
    const QPoint to = centreOf(*strip, 4, kMiddleY);
    QTest::mousePress(strip.get(), Qt::LeftButton, {}, from);
    QCOMPARE(strip->ActiveTab(), 1);
    for (int x = from.x() + 20; x < to.x(); x += 20)
        QTest::mouseMove(strip.get(), QPoint(x, kMiddleY));
    QTest::mouseMove(strip.get(), to);
    QCOMPARE(strip->DropTarget(), 4);
    QTest::mouseRelease(strip.get(), Qt::LeftButton, {}, to);

    QCOMPARE(switches.count(), steps.size());
    for (int i = 0; i < steps.size(); ++i) {
        QCOMPARE(switches.at(i).at(1).toInt(), steps[i].first);
        QCOMPARE(switches.at(i).at(2).toInt(), steps[i].second);
    }
    QCOMPARE(tabCaptions(*strip), order);
    for (int i = 0; i < strip->TabCount(); ++i) // the page identity travels with the caption
        QCOMPARE(QStringLiteral("tab %1").arg(vintrel::pageNumber(strip->Tabs(i)->pageId())),
                 order[i]);
    QCOMPARE(strip->ActiveTab(), 4);
    QCOMPARE(strip->DropTarget(), -1);
    QCOMPARE(clicks.count(), 1);
    if (hidden >= 0)
        QVERIFY(!strip->Tabs(hidden)->Visible());
}

void SuperTabsTest::shortDragIsAPlainClick() {
    auto strip = shownStrip(800, 4);
    QSignalSpy switches(strip.get(), &TSuperTabs::OnSwitchTabs);
    QSignalSpy clicks(strip.get(), &TSuperTabs::OnClick);
    const QPoint from(200, kMiddleY); // tab 1 spans 110 to 219
    const QPoint to(250, kMiddleY);   // tab 2, 50 pixels away
    QTest::mousePress(strip.get(), Qt::LeftButton, {}, from);
    QTest::mouseMove(strip.get(), to);
    QCOMPARE(strip->DropTarget(), -1);
    QTest::mouseRelease(strip.get(), Qt::LeftButton, {}, to);
    QCOMPARE(switches.count(), 0);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(tabCaptions(*strip), (QStringList{"tab 0", "tab 1", "tab 2", "tab 3"}));
    QCOMPARE(clicks.at(0).at(1).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(clicks.at(0).at(3).toInt(), 0);
    QCOMPARE(clicks.at(0).at(4).toInt(), 0);
}

void SuperTabsTest::getTabIndexMatchesCaptionAndKind() {
    auto strip = shownStrip(900, 0);
    strip->AddSimpleTab(QStringLiteral("parameters"), TKind::tkControl);
    strip->AddSimpleTab(QStringLiteral("description"), TKind::tkControl);
    strip->AddSimpleTab(QStringLiteral("energy (MF)"), TKind::tkDynamic);
    strip->AddSimpleTab(QStringLiteral("description"), TKind::tkDynamic);
    strip->AddSimpleTab(QStringLiteral("entropy"), TKind::tkControl);
    QCOMPARE(strip->GetTabIndex(QStringLiteral("description"), TKind::tkDynamic), 3);
    QCOMPARE(strip->GetTabIndex(QStringLiteral("description"), TKind::tkControl), 1);
    QCOMPARE(strip->GetTabIndex(QStringLiteral("Description"), TKind::tkControl), -1);
    QCOMPARE(strip->GetTabIndex(QStringLiteral("energy (MF)"), TKind::tkControl), -1);
    strip->AddSimpleTab(QStringLiteral("description"), TKind::tkControl);
    QCOMPARE(strip->GetTabIndex(QStringLiteral("description"), TKind::tkControl), 5);

    // Hiding the mean-field pages leaves them findable and takes them off the strip.
    strip->HideTabsType(vintrel::kindBit(TKind::tkDynamic));
    QCOMPARE(strip->VisTabCount(), 4);
    QCOMPARE(strip->GetTabIndex(QStringLiteral("description"), TKind::tkDynamic), 3);
    QVERIFY(strip->TabRect(3).isEmpty());
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, centreOf(*strip, 4, kMiddleY));
    QCOMPARE(strip->ActiveTab(), 4);
    QCOMPARE(strip->TabRect(4).left(), 2 * (strip->TabWidth() - 10));
}

void SuperTabsTest::removingTheActiveLastTab() {
    auto strip = shownStrip(900, 5);
    strip->Tabs(3)->setVisible(false);
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, centreOf(*strip, 4, kMiddleY));
    QCOMPARE(strip->ActiveTab(), 4);
    strip->RemoveTab(4);
    QCOMPARE(strip->TabCount(), 4);
    QCOMPARE(strip->ActiveTab(), 2);
    QCOMPARE(strip->Tabs(strip->ActiveTab())->TabName(), QStringLiteral("tab 2"));

    // Removing a tab in front of the active one keeps that tab active.
    strip->RemoveTab(0);
    QCOMPARE(strip->Tabs(strip->ActiveTab())->TabName(), QStringLiteral("tab 2"));
    // Removing the only visible tab left at the front hands over to the next visible one.
    strip->RemoveTab(strip->ActiveTab());
    strip->RemoveTab(0);
    QCOMPARE(strip->TabCount(), 1);
    QCOMPARE(strip->ActiveTab(), -1);
    strip->Tabs(0)->setVisible(true);
    strip->RemoveTab(0);
    QCOMPARE(strip->TabCount(), 0);
    QCOMPARE(strip->ActiveTab(), -1);
    strip->repaint();
}

void SuperTabsTest::addingScrollsTheNewTabIntoView() {
    auto strip = shownStrip(400, 0); // three slots of 110 pixels
    QSignalSpy changes(strip.get(), &TSuperTabs::OnChange);
    QSignalSpy clicks(strip.get(), &TSuperTabs::OnClick);
    for (int count = 1; count <= 6; ++count) {
        const int index =
            strip->AddTab(QStringLiteral("result %1").arg(count),
                          QStringLiteral("Result0%1").arg(count), TKind::tkResult, QString(),
                          QStringLiteral("a container"), QStringLiteral("/data/c.zrvn"));
        QCOMPARE(strip->ActiveTab(), index);
        QCOMPARE(strip->Offset(), qMax(0, count - 3));
        QVERIFY(!strip->RightBtnVisible());
        QCOMPARE(strip->LeftBtnVisible(), count > 3);
        QVERIFY(!strip->TabRect(index).isEmpty());
        QTest::mouseClick(strip.get(), Qt::LeftButton, {}, centreOf(*strip, index, kMiddleY));
        QCOMPARE(clicks.count(), count);
        QCOMPARE(strip->ActiveTab(), index);
    }
    QCOMPARE(changes.count(), 6);
    QCOMPARE(strip->Tabs(5)->ResDir(), QStringLiteral("Result06"));
    QCOMPARE(strip->Tabs(5)->FileName(), QStringLiteral("/data/c.zrvn"));
    QCOMPARE(strip->Tabs(5)->FileDescr(), QStringLiteral("a container"));
    QCOMPARE(strip->Tabs(5)->Hint(), QStringLiteral("result 6"));

    // A click on the left arrow scrolls back one tab and is no tab click.
    QTest::mouseClick(strip.get(), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(strip->Offset(), 2);
    QCOMPARE(clicks.count(), 6);
    QVERIFY(strip->RightBtnVisible());
}

void SuperTabsTest::holdingAnArrowRepeatsScrolling() {
    auto strip = shownStrip(400, 8);
    QCOMPARE(strip->Offset(), 5);
    QTest::mousePress(strip.get(), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(strip->Offset(), 4); // the first step comes at once
    QTRY_COMPARE_WITH_TIMEOUT(strip->Offset(), 2, 2000);
    QTest::mouseRelease(strip.get(), Qt::LeftButton, {}, QPoint(8, 10));
    const int released = strip->Offset();
    QTest::qWait(3 * TSuperTabs::kScrollRepeatMs);
    QCOMPARE(strip->Offset(), released);

    QTest::mousePress(strip.get(), Qt::LeftButton, {}, QPoint(395, 10));
    QTRY_COMPARE_WITH_TIMEOUT(strip->Offset(), 5, 3000);
    QTest::qWait(2 * TSuperTabs::kScrollRepeatMs);
    QCOMPARE(strip->Offset(), 5); // the right arrow is gone with the last tab in view
    QTest::mouseRelease(strip.get(), Qt::LeftButton, {}, QPoint(395, 10));
}

void SuperTabsTest::hintAppearsAfterAPause() {
    auto strip = shownStrip(700, 3);
    strip->Tabs(1)->setHint(QStringLiteral("NdCu2 at 4 K"));
    QTest::mouseMove(strip.get(), centreOf(*strip, 1, kMiddleY));
    QTRY_VERIFY_WITH_TIMEOUT(strip->ShowingHint(), 3000);
    QCOMPARE(strip->HintTab(), 1);
    QCOMPARE(strip->Tabs(strip->HintTab())->Hint(), QStringLiteral("NdCu2 at 4 K"));
    QTest::mouseMove(strip.get(), centreOf(*strip, 2, kMiddleY));
    QTRY_COMPARE(strip->HintTab(), 2);
    QVERIFY(!strip->ShowingHint());
    QTRY_VERIFY_WITH_TIMEOUT(strip->ShowingHint(), 3000);
    QCOMPARE(strip->Tabs(2)->Hint(), QStringLiteral("tab 2"));
}

void SuperTabsTest::rightClickSelectsWithoutActivating() {
    auto strip = shownStrip(700, 3);
    QSignalSpy clicks(strip.get(), &TSuperTabs::OnClick);
    QTest::mouseClick(strip.get(), Qt::RightButton, {}, centreOf(*strip, 0, kMiddleY));
    QCOMPARE(strip->SelectedTab(), 0);
    QCOMPARE(strip->ActiveTab(), 2);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(1).value<Qt::MouseButton>(), Qt::RightButton);
    strip->SetCurrentTab(1, -1);
    QCOMPARE(strip->ActiveTab(), 1);
    QCOMPARE(strip->SelectedTab(), 1);
}

void SuperTabsTest::everyPictureIsCompiledInAtItsSize() {
    for (const auto& picture : vintrel::tabpictures::kTabPictures) {
        const QString name = QString::fromLatin1(picture.name.data(), picture.name.size());
        const QPixmap pixmap = vintrel::loadPicture(name + QStringLiteral(".bmp"));
        QVERIFY2(!pixmap.isNull(), qPrintable(name));
        QCOMPARE(pixmap.size(), QSize(picture.width, picture.height));
        // Every picture leaves some of its pixels transparent or is a stretched middle piece.
        QVERIFY2(pixmap.hasAlpha() || picture.width >= 87, qPrintable(name));
    }
}

namespace {

struct TabEntry {
    const char* name;
    TKind kind;
};

TSuperTabs* addStrip(QVBoxLayout* layout, QColor colour, int defaultWidth,
                     std::initializer_list<TabEntry> tabs, int active) {
    auto* strip = new TSuperTabs;
    strip->setColor(colour);
    strip->setDefaultWidth(defaultWidth);
    for (const TabEntry& tab : tabs)
        strip->AddSimpleTab(QString::fromUtf8(tab.name), tab.kind);
    strip->SetCurrentTab(active, 0);
    layout->addWidget(strip);
    return strip;
}

} // namespace

void SuperTabsTest::screenshotOfEveryLook() {
    const QColor results(171, 168, 181);
    const QColor pages(206, 204, 214);
    QWidget board;
    board.setAutoFillBackground(true);
    board.setPalette(QPalette(QColor(224, 223, 227)));
    board.resize(900, 10);
    auto* layout = new QVBoxLayout(&board);
    layout->setSpacing(8);
    auto* startActive = addStrip(layout, results, 140,
                                 {{"load file", TKind::tkControl},
                                  {"Ho2Ti2O7 (C3v)", TKind::tkResult},
                                  {"NdCu2 mean field", TKind::tkDynamic},
                                  {"a result with a rather long name", TKind::tkResult},
                                  {"MCE result", TKind::tkMCERes},
                                  {"MCE mean field", TKind::tkMCEDyn},
                                  {"other", TKind::tkOther}},
                                 0);
    addStrip(layout, results, 140,
             {{"ErNi5", TKind::tkResult},
              {"PrO2 (Oh)", TKind::tkResult},
              {"Ho2Ti2O7 (C3v)", TKind::tkResult},
              {"NdCu2 mean field", TKind::tkDynamic}},
             0);
    addStrip(layout, results, 140,
             {{"ErNi5", TKind::tkResult},
              {"PrO2 (Oh)", TKind::tkResult},
              {"NdCu2 mean field", TKind::tkDynamic},
              {"MCE result", TKind::tkMCERes}},
             1);
    addStrip(layout, pages, 105,
             {{"energy (MF)", TKind::tkDynamic},
              {"visualizer (MF)", TKind::tkDynamic},
              {"moment (MF)", TKind::tkDynamic},
              {"mag. susc. (MF)", TKind::tkDynamic},
              {"description", TKind::tkDynamic}},
             0);
    addStrip(layout, pages, 105,
             {{"energy (MF)", TKind::tkDynamic},
              {"visualizer (MF)", TKind::tkDynamic},
              {"MCE result", TKind::tkMCERes},
              {"MCE mean field", TKind::tkMCEDyn}},
             3);
    auto* scrolled = addStrip(layout, pages, 105,
                              {{"parameters", TKind::tkControl},
                               {"Hamiltonian", TKind::tkControl},
                               {"CEF view", TKind::tkControl},
                               {"energy levels", TKind::tkControl},
                               {"spectroscopy", TKind::tkControl},
                               {"magnetic sus.", TKind::tkControl},
                               {"inverse sus.", TKind::tkControl},
                               {"specific heat", TKind::tkControl},
                               {"entropy", TKind::tkControl},
                               {"description", TKind::tkControl},
                               {"a page with a long caption", TKind::tkControl}},
                              4);
    scrolled->setOffset(1);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    startActive->Tabs(1)->setHint(QStringLiteral("Ho2Ti2O7, imported from pyrochlore.zrvn"));
    QTest::mouseMove(startActive, centreOf(*startActive, 1));
    QTRY_VERIFY_WITH_TIMEOUT(startActive->ShowingHint(), 3000);
    const QPoint from = centreOf(*scrolled, 4);
    QTest::mousePress(scrolled, Qt::LeftButton, {}, from);
    QTest::mouseMove(scrolled, centreOf(*scrolled, 7));
    QCOMPARE(scrolled->DropTarget(), 7);
    QVERIFY(scrolled->LeftBtnVisible() && scrolled->RightBtnVisible());

    const QImage shot = board.grab().toImage();
    QTest::mouseRelease(scrolled, Qt::LeftButton, {}, centreOf(*scrolled, 7));
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(shot.save(folder + QStringLiteral("/tab_strip.png")));
    // An enlarged copy shows the pixels of the pictures for review.
    QVERIFY(shot.scaled(shot.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .save(folder + QStringLiteral("/tab_strip_x3.png")));

    // The pictures were found: the active start tab is light, an inactive result tab is tinted
    // blue, and neither shows the strip colour or the transparent magenta.
    auto pixelOf = [&](TSuperTabs* strip, int index) {
        const QRect tab = strip->TabRect(index);
        return shot.pixelColor(strip->mapTo(&board, QPoint(tab.left() + 60, 20)));
    };
    const QColor activeBody = pixelOf(startActive, 0);
    const QColor resultBody = pixelOf(startActive, 3);
    QVERIFY2(activeBody.lightness() > 235, qPrintable(activeBody.name()));
    QVERIFY2(resultBody.blue() > resultBody.red() + 20, qPrintable(resultBody.name()));
    QVERIFY(resultBody != QColor(255, 0, 255) && resultBody != results);
}

QTEST_MAIN(SuperTabsTest)
#include "super_tabs_test.moc"
