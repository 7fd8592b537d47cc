#pragma once

#include <QWidget>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace vintrel {

class TMyButton;
class TMyLabel;
class TParamResultForm;

/// An ion button of the element tile: an image button with nothing added.
using TIonButton = TMyButton;

/// The " selected ion " column of the parameters page: the element tile with its ion buttons,
/// the ion's quantum numbers and ground term, and the basis and Hamiltonian of the result.
/// The form stays hidden; its `Panel1` lives in the page's `PanelForUnit5`.
///
/// For the result that becomes current, after `loadResultInputs`:
/// `refreshElement(element)`, `setChoices(baza, cialo)`, `pressIonButton(ionisation)`,
/// `loadResultInputs` again, then `disableIonButtons()` (see `showCurrentIon`).
class TElemPanelResultForm : public QWidget {
    Q_OBJECT

public:
    /// Creates the panel inside the page's `PanelForUnit5` and registers with the page.
    explicit TElemPanelResultForm(TParamResultForm& page, QWidget* parent = nullptr);

    /// The element panel refresh: tile texts of element row `row` and one ion button per
    /// listed charge (bold for usual charges; disabled and grey without ion configurations).
    void refreshElement(int row);
    /// Checks the basis and Hamiltonian radio buttons; a button that was not checked before
    /// runs its click handler.
    void setChoices(int baza, int cialo);
    /// The ion click of button `tag`.
    void ionClick(int tag);
    /// Runs the ion click of button `ionisation`. A number that names no filled button shows
    /// the element without ion label and takes the result's own `siconf` for the masks.
    void pressIonButton(int ionisation);
    void disableIonButtons();
    /// Writes the quantum-number and ground-term lines and sets `elemmask`.
    void chowaj(const std::string& configuration);
    /// The read-only look of `disableAllInputs`: group captions and disabled choices.
    void disableInputs();

    void rbBaseLSClick();
    void rbBaseJzClick();
    void rbHamRealClick();
    void rbHamComplexClick();
    void rbMagFieldStaticClick();
    void rbMagFieldDynamicClick();

    QWidget* Panel1 = nullptr;
    QWidget* PanelTop = nullptr;
    QWidget* PanelBot = nullptr;
    QLabel* ImageBack = nullptr;
    QLabel* LabelAtomicNumber = nullptr;
    QLabel* LabelElemSymbol = nullptr;
    QLabel* LabelIon = nullptr;
    QLabel* LabelElemName = nullptr;
    TMyLabel* MyLabelConf = nullptr;
    TMyLabel* MyLabelLS = nullptr;
    TMyLabel* MyLabelGround = nullptr;
    std::array<TIonButton*, 8> ionButtons{};
    QGroupBox* GroupBoxBase = nullptr;
    QGroupBox* GroupBoxComplex = nullptr;
    QGroupBox* GroupBoxDynamic = nullptr;
    QRadioButton* rbBaseLS = nullptr;
    QRadioButton* rbBaseJz = nullptr;
    TMyLabel* MyLabelBaseLS = nullptr;
    TMyLabel* MyLabelBaseJz = nullptr;
    QRadioButton* rbHamReal = nullptr;
    QRadioButton* rbHamComplex = nullptr;
    QRadioButton* rbMagFieldStatic = nullptr;
    QRadioButton* rbMagFieldDynamic = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTile();
    void buildChoices();
    void showOpenShell(bool shown);
    void placeIonLabel(const QString& caption);

    TParamResultForm& page_;
    int filledButtons_ = 0;
};

} // namespace vintrel
