#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <exception>
#include <functional>

namespace vintrel {

/// A message text as the user sees it: each carriage return becomes a line break.
QString messageText(const QString& text);

/// A plain modal message box with the viewer's caption.
void showMessage(QWidget* parent, const QString& text);

/// The general error handler: shows the error's text in a message box; the viewer goes on.
void showError(QWidget* parent, const std::exception& error);

/// Runs one file operation; an error inside it ends the operation and is shown.
/// Returns false when it ended that way.
bool runGuarded(QWidget* parent, const std::function<void()>& operation);

/// An error found where no dialog may open (a paint, a view change): shown once in a message
/// box after the current event has returned, and not again while the same text comes back.
class TDeferredMessage {
public:
    explicit TDeferredMessage(QWidget* parent) : FParent(parent) {}

    void show(const QString& text);
    /// Forgets the last text: the next error is shown even when it is the same.
    void clear() { FLast.clear(); }
    /// Runs `work`; an error it throws is shown as above. True when it ran through, which
    /// also clears the last text.
    bool guard(const std::function<void()>& work);

private:
    QPointer<QWidget> FParent;
    QString FLast;
};

/// While set, messages go to standard error instead of boxes (batch runs and tests).
void setMessagesToStandardError(bool enabled);

} // namespace vintrel
