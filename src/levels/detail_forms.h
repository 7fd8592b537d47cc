#pragma once

#include "controls/tool_window.h"
#include "resultdata/input_files.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

class TMyLabel;
class TMyUpDown;

/// What the detail windows share: a heading (markup label) over a fixed-pitch memo, a close
/// box that hides the window and tells its opener, and the rule that keeps the window on the
/// screen whenever it is resized. Each window exists once and is refilled when opened.
class TDetailForm : public TToolWindow {
    Q_OBJECT
public:
    /// The heading's markup caption.
    void setHeading(const QString& heading);
    QString heading() const;
    void clearMemo();
    void appendLines(const std::vector<std::string>& lines);
    void appendLine(const QString& line);
    QPlainTextEdit* memo() const { return FMemo; }
    /// The memo's text, lines joined by "\n".
    QString memoText() const { return FMemo->toPlainText(); }

protected:
    TDetailForm(const QString& caption, QSize clientSize, QSize minimumSize, bool centreVertically,
                QWidget* parent);
    void resizeEvent(QResizeEvent* event) override;
    void placed() override { keepOnScreen(); }

private:
    void keepOnScreen();
    void showFromStart();

    TMyLabel* FHeading = nullptr;
    QPlainTextEdit* FMemo = nullptr;
    bool FCentreVertically = false;
};

/// " details of eigenstates": the level sections of "o_E.dup".
class TEigenenergyForm : public TDetailForm {
    Q_OBJECT
public:
    explicit TEigenenergyForm(QWidget* parent = nullptr);
    /// Appends the level sections of block n (n < 0 counts as 0) of the folder's "o_E.dup".
    void wczytajDane(const std::filesystem::path& folder, int n);
};

/// " details of eigenfunctions": the eigenvector section of "o_E.dup". For an ordinary result
/// "Export table…" writes the eigenvector table of `vintrel-cli data eigenvectors` (CSV,
/// LaTeX or Markdown by the file's suffix) with the components of at least the weight beside
/// it.
class TEigenVectorsForm : public TDetailForm {
    Q_OBJECT
public:
    explicit TEigenVectorsForm(QWidget* parent = nullptr);
    void wczytajDane(const std::filesystem::path& folder, int n);
    /// The result the table is made of (nullopt: none, as for a mean-field result's step).
    void setTableSource(std::optional<ResultLocation> location, const QString& resultName);
    /// Writes the table to `path` in the form its suffix names (".tex", ".md", else CSV);
    /// an error text, empty on success.
    QString writeTable(const QString& path) const;
    void exportTable();
    QPushButton* exportButton() const { return FExport; }
    TMyUpDown* weightField() const { return FWeight; }

private:
    std::optional<ResultLocation> FSource;
    QString FResultName;
    QPushButton* FExport = nullptr;
    TMyUpDown* FWeight = nullptr;
    QWidget* FTableRow = nullptr;
};

/// " details of scattering": block n of "o_neu.dup".
class TScatteringForm : public TDetailForm {
    Q_OBJECT
public:
    explicit TScatteringForm(QWidget* parent = nullptr);
    /// Clears the memo and appends the lines after the block's marker.
    void wczytajDane(const std::filesystem::path& folder, int n);
};

/// " probability of transitions in spectroscopy": a read-only memo filled by the
/// spectroscopy page.
class TNeutronsForm : public TDetailForm {
    Q_OBJECT
public:
    explicit TNeutronsForm(QWidget* parent = nullptr);
    void setTransitionText(const QString& text);
};

} // namespace vintrel
