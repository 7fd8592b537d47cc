#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

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

/// While set, messages go to standard error instead of boxes (batch runs and tests).
void setMessagesToStandardError(bool enabled);

} // namespace vintrel
