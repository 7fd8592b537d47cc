#include "controls/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace vintrel {

namespace {
bool toStandardError = false;
}

QString messageText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void setMessagesToStandardError(bool enabled) {
    toStandardError = enabled;
}

void showMessage(QWidget* parent, const QString& text) {
    if (toStandardError) {
        std::fprintf(stderr, "%s\n", qPrintable(messageText(text)));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), messageText(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

void showError(QWidget* parent, const std::exception& error) {
    showMessage(parent, QString::fromUtf8(error.what()));
}

bool runGuarded(QWidget* parent, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& e) {
        showError(parent, e);
    }
    return false;
}

void TDeferredMessage::show(const QString& text) {
    if (text == FLast || !FParent)
        return;
    FLast = text;
    QPointer<QWidget> parent = FParent;
    QTimer::singleShot(0, FParent, [parent, text] {
        if (parent)
            showMessage(parent, text);
    });
}

bool TDeferredMessage::guard(const std::function<void()>& work) {
    try {
        work();
        FLast.clear();
        return true;
    } catch (const std::exception& error) {
        show(QString::fromUtf8(error.what()));
        return false;
    }
}

} // namespace vintrel
