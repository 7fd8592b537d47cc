#pragma once

#include <QApplication>

namespace vintrel {

/// The application object: an error that escapes an event handler is shown like any other
/// error of a file operation, and the viewer goes on.
class VintrelApplication : public QApplication {
public:
    VintrelApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace vintrel
