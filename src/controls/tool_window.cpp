#include "controls/tool_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace vintrel {

TToolWindow::TToolWindow(QWidget* parent) : QWidget(parent, Qt::Window) {}

void TToolWindow::showCentredOn(QWidget* mainWindow) {
    const QRect area = mainWindow ? mainWindow->frameGeometry()
                                  : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
    placed();
}

void TToolWindow::closeQuietly() {
    FClosingByProgram = true;
    close();
    FClosingByProgram = false;
}

void TToolWindow::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
    if (FClosingByProgram)
        return;
    emit closed();
    if (QWidget* front = QApplication::activeWindow())
        front->raise();
}

} // namespace vintrel
