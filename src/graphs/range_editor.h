#pragma once

#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLineEdit;

namespace vintrel {

class TMyButton;

/// The range editor of the pages: a button that, when clicked, gives its place to a number
/// field (digits, sign, point and exponent only) and a confirm button. The graph pages use it as
/// "set range", the value and "set" (with the exponent between), the potential pages as "max" and
/// "min", the value and "ok". The owner decides what a confirmed text means and closes it.
class TRangeEditor : public QWidget {
    Q_OBJECT
public:
    struct Captions {
        QString button, buttonHint;
        int buttonWidth = 70;
        QString confirm, confirmHint;
        int confirmWidth = 40;
        int editWidth = 80;
    };
    TRangeEditor(QWidget* parent, const Captions& captions);

    /// Shows the field with `text`, selected and focused, in place of the button.
    void open(const QString& text);
    /// Shows the button again.
    void close();
    bool isOpen() const;
    /// Puts a widget between the field and the confirm button, shown with the field.
    void setCompanion(QWidget* widget);
    /// Adds a second number field before the first, for editors that take both ends of a
    /// range; it is shown and hidden with the first, and Enter in it confirms too.
    QLineEdit* addLowerField();

    TMyButton* button() const { return FButton; }
    QLineEdit* edit() const { return FEdit; }
    /// The lower field of addLowerField, or nullptr.
    QLineEdit* lowerEdit() const { return FLowerEdit; }
    TMyButton* confirmButton() const { return FConfirm; }

signals:
    /// The button was clicked.
    void openRequested();
    /// The confirm button was clicked or Enter pressed in the field.
    void confirmed();

private:
    QHBoxLayout* FRow = nullptr;
    TMyButton* FButton = nullptr;
    QLineEdit* FEdit = nullptr;
    QLineEdit* FLowerEdit = nullptr;
    QWidget* FCompanion = nullptr;
    TMyButton* FConfirm = nullptr;
};

} // namespace vintrel
