#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>

class QWidget;

namespace vintrel::test {

/// A container holding one result per name, all made from the same files (a result of the
/// writer's, in "source-<fileName>" beside it); returns its path.
QString makeContainer(const std::filesystem::path& dir, const QString& fileName,
                      const QStringList& names, bool meanField = false);

/// Runs `action` once `widget` is on screen (a modal dialog is shown only inside exec()).
void whenShown(QWidget* widget, std::function<void()> action);

/// Answers every message box that opens while it lives, keeping the texts.
class MessageCatcher {
public:
    MessageCatcher();
    ~MessageCatcher();
    QStringList texts() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace vintrel::test
