#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>

class QWidget;

namespace vintrel {
class TReaderForm;
class TSuperTabs;
} // namespace vintrel

namespace vintrel::test {

class TempDir;
class ScopedEnv;

/// A main window on a working root of its own (under a fresh temporary folder, which is also
/// the data home), shown at 1280 x 900, with messages going to standard error.
class ViewerSession {
public:
    ViewerSession();
    ~ViewerSession();

    const std::filesystem::path& dir() const;
    const std::filesystem::path& root() const { return root_; }
    TReaderForm& form() { return *form_; }
    TSuperTabs& results();
    TSuperTabs& pages();
    /// Imports every result of the container at `path` without dialogs.
    void importAll(const QString& path);

private:
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<ScopedEnv> xdg_;
    std::filesystem::path root_;
    std::unique_ptr<TReaderForm> form_;
};

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
