#pragma once

#include <QDialog>

class QVBoxLayout;

namespace vintrel {

class TMyButton;
class TNicePanel;

/// The look the small dialogs share: a decorated background panel filling the dialog and, at
/// its bottom, a button panel with the image buttons "OK" (sets the result to OK and hides the
/// dialog) and "Cancel" (sets it to Cancel and hides it). A dialog puts its controls into
/// `content`.
class TFramedDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFramedDialog(QWidget* parent, const QString& caption);

    /// OK as a click on the button would do it (Enter in an edit field, for example).
    void pressOk();

    TNicePanel* PanelBack;
    QWidget* PanelButtons;
    TMyButton* MyButtonOK;
    TMyButton* MyButtonCancel;

protected:
    /// The layout of the area above the button panel.
    QVBoxLayout* content;
};

} // namespace vintrel
