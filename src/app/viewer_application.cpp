#include "app/viewer_application.h"

#include "controls/messages.h"

namespace vintrel {

VintrelApplication::VintrelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VintrelApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(activeWindow(), error);
    } catch (...) {
        showMessage(activeWindow(), QStringLiteral("Unexpected error"));
    }
    return false;
}

} // namespace vintrel
