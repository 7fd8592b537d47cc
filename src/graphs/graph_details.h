#pragma once

#include "controls/tool_window.h"
#include "graphs/graph_data.h"

#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <vector>

class QPlainTextEdit;

namespace vintrel {

class TMyButton;
class TMyLabel;

/// The details window of the graph pages: a heading over a memo that shows a data file of the
/// current result as plain text. Closing it hides it and tells the pages that opened it.
class TGraphDetailsForm : public TToolWindow {
    Q_OBJECT
public:
    /// Shows the whole text of a file of the folder; a file that cannot be read shows its
    /// message instead.
    void showFile(const std::filesystem::path& file);
    QPlainTextEdit* memo() const { return FMemo; }
    QString memoText() const;

protected:
    TGraphDetailsForm(const QString& caption, const QString& heading, QWidget* parent);
    /// Room between the heading and the memo for a page's own controls.
    QWidget* controlRow() const { return FControls; }

private:
    QPlainTextEdit* FMemo = nullptr;
    QWidget* FControls = nullptr;
};

/// "details of magnetic susceptibility": one of the three susceptibility files, chosen with
/// the x, y and z selectors.
class TSusceptibilityForm : public TGraphDetailsForm {
    Q_OBJECT
public:
    explicit TSusceptibilityForm(QWidget* parent = nullptr);
    /// Refills the window for a result: the y selector is shown only when the result has the
    /// y direction (z is selected when y was); the selected direction's file is shown.
    void loadResult(const std::filesystem::path& folder, bool hasY);
    /// Presses one selector and shows its direction's file.
    void select(Direction direction);
    Direction selected() const { return FSelected; }
    TMyButton* selector(Direction direction) const;

private:
    std::filesystem::path FFolder;
    Direction FSelected = Direction::z;
    TMyButton* MyButton_sel_X = nullptr;
    TMyButton* MyButton_sel_Y = nullptr;
    TMyButton* MyButton_sel_Z = nullptr;
};

/// "details of entropy and specific heat": the whole "o_spc.dup".
class TEntropySpechForm : public TGraphDetailsForm {
    Q_OBJECT
public:
    explicit TEntropySpechForm(QWidget* parent = nullptr);
    void loadResult(const std::filesystem::path& folder);
};

/// "details of magnetic moments": the whole "d_moment.dup" of a mean-field result.
class TMomentDetailsForm : public TGraphDetailsForm {
    Q_OBJECT
public:
    explicit TMomentDetailsForm(QWidget* parent = nullptr);
    void loadResult(const std::filesystem::path& folder);
};

/// The "detailed information" buttons of the pages that share one details window: pressing or
/// releasing one sets the others the same way; pressed, the window is filled by the page and
/// shown; released, it is closed; closing the window releases every button.
class TGraphDetailsLink : public QObject {
    Q_OBJECT
public:
    /// Takes the window over (it is deleted with the link).
    explicit TGraphDetailsLink(TGraphDetailsForm* form, QObject* parent = nullptr);
    ~TGraphDetailsLink() override;

    TGraphDetailsForm* form() const { return FForm; }
    void addButton(TMyButton* button);
    /// A button was clicked into `down`: every button follows; `fill` refills the window
    /// before it is shown.
    void toggled(bool down, const std::function<void()>& fill, QWidget* mainWindow);
    bool open() const;

private:
    void setButtons(bool down);

    TGraphDetailsForm* FForm;
    std::vector<QPointer<TMyButton>> FButtons;
};

} // namespace vintrel
