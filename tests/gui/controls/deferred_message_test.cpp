// The deferred message of the pages: an error found in a paint or a view change is shown once,
// after the event, in a real message box; the same text coming back stays quiet.
#include "controls/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

using namespace vintrel;

class DeferredMessageTest : public QObject {
    Q_OBJECT

    QStringList FShown;

    // Closes every message box that opens and notes its text.
    void watchBoxes() {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                FShown << box->text();
                box->accept();
            }
        });
        timer->start(10);
    }

    void settle() {
        for (int i = 0; i < 30; ++i)
            QTest::qWait(10);
    }

private slots:
    void initTestCase() { watchBoxes(); }

    void aTextIsShownOnceAfterTheEvent() {
        FShown.clear();
        QWidget page;
        TDeferredMessage errors(&page);
        errors.show(QStringLiteral("Cannot open file:\r/x/o_E.dup"));
        QVERIFY(FShown.isEmpty()); // not inside the caller's event
        errors.show(QStringLiteral("Cannot open file:\r/x/o_E.dup"));
        settle();
        QCOMPARE(FShown, QStringList{QStringLiteral("Cannot open file:\n/x/o_E.dup")});
        errors.show(QStringLiteral("Cannot open file:\r/x/o_E.dup"));
        settle();
        QCOMPARE(FShown.size(), 1);
        errors.show(QStringLiteral("other"));
        errors.clear();
        errors.show(QStringLiteral("other"));
        settle();
        QCOMPARE(FShown, (QStringList{QStringLiteral("Cannot open file:\n/x/o_E.dup"),
                                      QStringLiteral("other"), QStringLiteral("other")}));
    }

    void guardShowsWhatThrowsAndForgetsItOnSuccess() {
        FShown.clear();
        QWidget page;
        TDeferredMessage errors(&page);
        const auto failing = [] { throw std::runtime_error("damaged"); };
        QVERIFY(!errors.guard(failing));
        QVERIFY(!errors.guard(failing));
        settle();
        QCOMPARE(FShown, QStringList{QStringLiteral("damaged")});
        QVERIFY(errors.guard([] {}));
        QVERIFY(!errors.guard(failing));
        settle();
        QCOMPARE(FShown, (QStringList{QStringLiteral("damaged"), QStringLiteral("damaged")}));
    }

    void nothingIsShownForAPageThatIsGone() {
        FShown.clear();
        auto* page = new QWidget;
        TDeferredMessage errors(page);
        errors.show(QStringLiteral("late"));
        delete page;
        settle();
        QVERIFY(FShown.isEmpty());
    }
};

QTEST_MAIN(DeferredMessageTest)
#include "deferred_message_test.moc"
