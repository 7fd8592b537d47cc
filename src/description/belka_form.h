#pragma once

#include "description/text_format.h"

#include <QWidget>

#include <filesystem>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QTextCharFormat;

namespace vintrel {

class TColorBox;
class TDescriptionEdit;
class TFontComboBox;
class TMyButton;

/// The description editor. The form itself is never shown: its panel `PanelDescr` (a tool bar
/// over the rich-text field) is moved into the "description" page of the current result's
/// kind. Every change of the text is written to the result's "descr.dup" at once; "Discard all
/// changes" goes back to the snapshot "descr.sav" taken when the result became current.
class TBelkaForm : public QWidget {
    Q_OBJECT
public:
    explicit TBelkaForm(QWidget* parent = nullptr);
    ~TBelkaForm() override;

    /// Loads the description of the result in `resultFolder` (the last step of making a result
    /// current): the text of "descr.dup", or an empty text when the result has none, and
    /// "descr.sav" made a byte copy of it (removed when there is none). Loading is no edit; the
    /// undo history starts afresh. When the description holds content the editor cannot keep,
    /// a note above the text says so. A file that cannot be read or a snapshot that cannot be
    /// written is reported.
    void loadDescription(const std::filesystem::path& resultFolder);
    /// The folder of the result whose description is shown; empty before the first load.
    const std::filesystem::path& resultFolder() const { return folder_; }

    /// Handlers of the field, the buttons and the menu.
    void RichEdit1Change();
    void RichEdit1SelectionChange();
    void MyButtonSaveDescrClick();
    void MyButtonDiscardClick();
    void MyButtonBoldClick();
    void MyButtonItalicClick();
    void MyButtonUnderlineClick();
    void scriptButtonClick(ScriptButton button);
    void ComboBoxFontChange();
    void ColorBoxChange();

    /// Asks "Are you sure you want to discard all changes?"; true for Yes. Tests replace it.
    std::function<bool()> confirmDiscard;

    QWidget* PanelDescr;
    QWidget* Panel2;
    QLabel* LabelDropped;
    TDescriptionEdit* RichEdit1;
    TMyButton* MyButtonSaveDescr;
    TMyButton* MyButtonDiscard;
    TMyButton* MyButtonCut;
    TMyButton* MyButtonCopy;
    TMyButton* MyButtonPaste;
    TMyButton* MyButtonUndo;
    TMyButton* MyButtonRedo;
    TFontComboBox* ComboBoxFont;
    TColorBox* ColorBox;
    TMyButton* MyButtonBold;
    TMyButton* MyButtonItalic;
    TMyButton* MyButtonUnderline;
    TMyButton* MyButtonSuperscript;
    TMyButton* MyButtonNormal;
    TMyButton* MyButtonSubscript;
    QMenu* PopupMenu1;
    QAction* Cut1;
    QAction* Copy1;
    QAction* Paste1;
    QAction* Undo1;
    QAction* Redo1;

signals:
    /// The user changed the text: the result is no longer saved.
    void descriptionEdited();

private:
    void buildToolbar();
    void buildPopupMenu();
    TMyButton* toolButton(const QString& picture, const QString& hint, bool toggle);
    /// Writes the text to "descr.dup"; reports a failure when `report` is set. True when
    /// written.
    bool saveText(bool report);
    /// Cut, Copy, Paste, Undo and Redo (buttons and menu) as the field allows.
    void updateEditButtons();
    void showText(const RichText& text);
    void showDroppedNote(unsigned dropped);
    void mergeFormat(const QTextCharFormat& format);

    std::filesystem::path folder_;
    /// The change notification is detached while a description is loaded.
    bool loading_ = false;
    /// An automatic write failed and was reported; the next failures are not, until a write
    /// succeeds or another description is loaded.
    bool failureReported_ = false;
};

} // namespace vintrel
