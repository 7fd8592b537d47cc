// The application object's last net: an error escaping an event handler is shown in a message
// box and the event loop goes on.
#include "support/viewer_fixture.h"

#include "app/viewer_application.h"
#include "controls/messages.h"

#include <QTest>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

namespace {

class Throwing : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("Cannot open file C:\\broken.dup");
        return QObject::event(event);
    }
};

bool check(bool condition, const char* what) {
    if (!condition)
        std::fprintf(stderr, "FAIL: %s\n", what);
    return condition;
}

} // namespace

int main(int argc, char** argv) {
    vintrel::VintrelApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the message box is the only window
    vintrel::setMessagesToStandardError(false);
    vintrel::test::MessageCatcher catcher;
    Throwing target;
    bool ranAfter = false;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    QTimer::singleShot(300, [&] {
        ranAfter = true;
        QCoreApplication::quit();
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
    const int status = QCoreApplication::exec();
    bool ok = check(status == 0, "the event loop ended normally");
    ok = check(ranAfter, "events after the error still ran") && ok;
    ok = check(catcher.texts() == QStringList{"Cannot open file C:\\broken.dup"},
               "the error's text was shown once") &&
         ok;
    std::printf(ok ? "PASS: application_test\n" : "FAIL: application_test\n");
    return ok ? 0 : 1;
}
