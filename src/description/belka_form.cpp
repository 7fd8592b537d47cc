#include "description/belka_form.h"

#include "controls/messages.h"
#include "controls/my_button.h"
#include "controls/pictures.h"
#include "controls/theme.h"
#include "description/description_edit.h"
#include "description/description_files.h"
#include "description/format_boxes.h"
#include "description/rich_text_document.h"
#include "description/rtf_reader.h"
#include "description/rtf_writer.h"
#include "resultdata/input_files.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QVBoxLayout>

namespace vintrel {

namespace {

constexpr int kToolbarHeight = 33;

/// The tool bar strip: its background picture stretched over it.
class ToolbarStrip : public QWidget {
public:
    explicit ToolbarStrip(QWidget* parent)
        : QWidget(parent), picture_(loadPicture(QStringLiteral("toolbar_back.bmp"))) {
        setFixedHeight(kToolbarHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (picture_.isNull())
            painter.fillRect(rect(), theme::kPageBackground);
        else
            painter.drawPixmap(rect(), picture_);
    }

private:
    QPixmap picture_;
};

bool askDiscard(QWidget* parent) {
    return QMessageBox::question(parent, QApplication::applicationDisplayName(),
                                 QStringLiteral("Are you sure you want to discard all changes?"),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

TBelkaForm::TBelkaForm(QWidget* parent) : QWidget(parent) {
    hide();
    PanelDescr = new QWidget(this);
    auto* column = new QVBoxLayout(PanelDescr);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    Panel2 = new ToolbarStrip(PanelDescr);
    column->addWidget(Panel2);
    LabelDropped = new QLabel(PanelDescr);
    LabelDropped->setContentsMargins(6, 3, 6, 3);
    LabelDropped->setAutoFillBackground(true);
    QPalette notePalette = LabelDropped->palette();
    notePalette.setColor(QPalette::Window, QColor(255, 244, 206));
    notePalette.setColor(QPalette::WindowText, theme::kText);
    LabelDropped->setPalette(notePalette);
    LabelDropped->hide();
    column->addWidget(LabelDropped);
    RichEdit1 = new TDescriptionEdit(PanelDescr);
    column->addWidget(RichEdit1, 1);
    buildToolbar();
    buildPopupMenu();

    connect(RichEdit1, &QTextEdit::textChanged, this, &TBelkaForm::RichEdit1Change);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &TBelkaForm::RichEdit1SelectionChange);
    connect(RichEdit1, &QTextEdit::cursorPositionChanged, this,
            &TBelkaForm::RichEdit1SelectionChange);
    connect(RichEdit1, &QTextEdit::undoAvailable, this, [this] { updateEditButtons(); });
    connect(RichEdit1, &QTextEdit::redoAvailable, this, [this] { updateEditButtons(); });
    // Bound to the field, so that the connection goes with it.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, RichEdit1,
            [this] { updateEditButtons(); });
    RichEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RichEdit1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        updateEditButtons();
        PopupMenu1->popup(RichEdit1->viewport()->mapToGlobal(at));
    });

    confirmDiscard = [this] { return askDiscard(PanelDescr); };
    RichEdit1SelectionChange();
}

TBelkaForm::~TBelkaForm() = default;

TMyButton* TBelkaForm::toolButton(const QString& picture, const QString& hint, bool toggle) {
    auto* button = new TMyButton(Panel2);
    loadGlyphSet(*button, QStringLiteral("descr_") + picture);
    button->SetTransparent(true);
    button->resize(24, 23);
    button->setToolTip(hint);
    button->SetTriState(toggle);
    return button;
}

void TBelkaForm::buildToolbar() {
    MyButtonSaveDescr = toolButton(QStringLiteral("save"),
                                   QStringLiteral("Save changes in text (description)"), false);
    MyButtonDiscard =
        toolButton(QStringLiteral("discard"), QStringLiteral("Discard all changes"), false);
    MyButtonCut = toolButton(QStringLiteral("cut"), QStringLiteral("Cut (Ctrl+X)"), false);
    MyButtonCopy = toolButton(QStringLiteral("copy"), QStringLiteral("Copy (Ctrl+C)"), false);
    MyButtonPaste = toolButton(QStringLiteral("paste"), QStringLiteral("Paste (Ctrl+V)"), false);
    MyButtonUndo = toolButton(QStringLiteral("undo"), QStringLiteral("Undo (Ctrl+Z)"), false);
    MyButtonRedo = toolButton(QStringLiteral("redo"), QStringLiteral("Redo"), false);
    ComboBoxFont = new TFontComboBox(Panel2);
    ComboBoxFont->setToolTip(QStringLiteral("Select font"));
    ComboBoxFont->fill(QFontDatabase::families());
    ColorBox = new TColorBox(Panel2);
    ColorBox->setToolTip(QStringLiteral("Select font color"));
    MyButtonBold = toolButton(QStringLiteral("bold"), QStringLiteral("Bold"), true);
    MyButtonItalic = toolButton(QStringLiteral("italic"), QStringLiteral("Italic"), true);
    MyButtonUnderline = toolButton(QStringLiteral("underline"), QStringLiteral("Underline"), true);
    MyButtonSuperscript =
        toolButton(QStringLiteral("superscript"), QStringLiteral("Superscript"), true);
    MyButtonNormal = toolButton(QStringLiteral("normal"), QStringLiteral("Normal"), true);
    MyButtonSubscript = toolButton(QStringLiteral("subscript"), QStringLiteral("Subscript"), true);
    MyButtonSaveDescr->setEnabled(false);
    MyButtonNormal->SetDown(true);

    int x = 4;
    const auto place = [&](QWidget* control, int width, int gapAfter) {
        control->setGeometry(x, control->height() == 23 ? 5 : 6, width, control->height());
        x += width + 1 + gapAfter;
    };
    ComboBoxFont->setFixedHeight(21);
    ColorBox->setFixedHeight(21);
    place(MyButtonSaveDescr, 24, 0);
    place(MyButtonDiscard, 24, 10);
    place(MyButtonCut, 24, 0);
    place(MyButtonCopy, 24, 0);
    place(MyButtonPaste, 24, 10);
    place(MyButtonUndo, 24, 0);
    place(MyButtonRedo, 24, 10);
    place(ComboBoxFont, 160, 4);
    place(ColorBox, 130, 10);
    place(MyButtonBold, 24, 0);
    place(MyButtonItalic, 24, 0);
    place(MyButtonUnderline, 24, 10);
    place(MyButtonSuperscript, 24, 0);
    place(MyButtonNormal, 24, 0);
    place(MyButtonSubscript, 24, 0);

    connect(MyButtonSaveDescr, &TMyButton::OnClick, this, &TBelkaForm::MyButtonSaveDescrClick);
    connect(MyButtonDiscard, &TMyButton::OnClick, this, &TBelkaForm::MyButtonDiscardClick);
    connect(MyButtonCut, &TMyButton::OnClick, RichEdit1, &QTextEdit::cut);
    connect(MyButtonCopy, &TMyButton::OnClick, RichEdit1, &QTextEdit::copy);
    connect(MyButtonPaste, &TMyButton::OnClick, RichEdit1, &QTextEdit::paste);
    connect(MyButtonUndo, &TMyButton::OnClick, RichEdit1, &QTextEdit::undo);
    connect(MyButtonRedo, &TMyButton::OnClick, RichEdit1, &QTextEdit::redo);
    connect(MyButtonBold, &TMyButton::OnClick, this, &TBelkaForm::MyButtonBoldClick);
    connect(MyButtonItalic, &TMyButton::OnClick, this, &TBelkaForm::MyButtonItalicClick);
    connect(MyButtonUnderline, &TMyButton::OnClick, this, &TBelkaForm::MyButtonUnderlineClick);
    connect(MyButtonSuperscript, &TMyButton::OnClick, this,
            [this] { scriptButtonClick(ScriptButton::Superscript); });
    connect(MyButtonNormal, &TMyButton::OnClick, this,
            [this] { scriptButtonClick(ScriptButton::Normal); });
    connect(MyButtonSubscript, &TMyButton::OnClick, this,
            [this] { scriptButtonClick(ScriptButton::Subscript); });
    connect(ComboBoxFont, &QComboBox::activated, this, &TBelkaForm::ComboBoxFontChange);
    connect(ColorBox, &QComboBox::activated, this, &TBelkaForm::ColorBoxChange);
}

void TBelkaForm::buildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    Cut1 = PopupMenu1->addAction(QStringLiteral("Cut"), RichEdit1, &QTextEdit::cut);
    Cut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    Copy1 = PopupMenu1->addAction(QStringLiteral("Copy"), RichEdit1, &QTextEdit::copy);
    Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    Paste1 = PopupMenu1->addAction(QStringLiteral("Paste"), RichEdit1, &QTextEdit::paste);
    Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Undo1 = PopupMenu1->addAction(QStringLiteral("Undo"), RichEdit1, &QTextEdit::undo);
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1 = PopupMenu1->addAction(QStringLiteral("Redo"), RichEdit1, &QTextEdit::redo);
    for (QAction* action : PopupMenu1->actions())
        action->setShortcutContext(Qt::WidgetShortcut);
}

void TBelkaForm::loadDescription(const std::filesystem::path& resultFolder) {
    loading_ = true;
    folder_ = resultFolder;
    failureReported_ = false;
    std::optional<std::string> bytes;
    bool read = false;
    runGuarded(PanelDescr, [&] {
        bytes = readDescription(resultFolder);
        read = true;
    });
    const RichText text = bytes ? readRichText(*bytes) : RichText{};
    showText(text);
    showDroppedNote(text.dropped);
    // A description that could not be read leaves its snapshot as it was.
    if (read)
        runGuarded(PanelDescr, [&] { refreshDescriptionSnapshot(resultFolder, bytes); });
    MyButtonDiscard->setEnabled(false);
    MyButtonSaveDescr->setEnabled(false);
    loading_ = false;
    RichEdit1SelectionChange();
}

void TBelkaForm::showText(const RichText& text) {
    const bool wasLoading = loading_;
    loading_ = true;
    QTextDocument& document = *RichEdit1->document();
    document.setUndoRedoEnabled(false);
    fillDocument(document, text, RichEdit1->defaults());
    document.setUndoRedoEnabled(true);
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.movePosition(QTextCursor::End);
    RichEdit1->setTextCursor(cursor);
    loading_ = wasLoading;
}

void TBelkaForm::showDroppedNote(unsigned dropped) {
    const std::string note = droppedContentNote(dropped);
    LabelDropped->setText(QString::fromStdString(note));
    LabelDropped->setToolTip(LabelDropped->text());
    LabelDropped->setVisible(!note.empty());
}

bool TBelkaForm::saveText(bool report) {
    if (folder_.empty())
        return false;
    try {
        writeDescription(folder_,
                         writeRtf(richTextOf(*RichEdit1->document()), RichEdit1->defaults()));
        failureReported_ = false;
        return true;
    } catch (const std::exception& error) {
        if (report) {
            failureReported_ = true;
            showError(PanelDescr, error);
        }
        return false;
    }
}

void TBelkaForm::RichEdit1Change() {
    if (loading_)
        return;
    MyButtonSaveDescr->setEnabled(true);
    emit descriptionEdited();
    saveText(!failureReported_);
    updateEditButtons();
    MyButtonDiscard->setEnabled(true);
}

void TBelkaForm::RichEdit1SelectionChange() {
    if (loading_)
        return;
    const SelectionState state =
        selectionState(selectionFormats(RichEdit1->textCursor()), RichEdit1->defaults());
    MyButtonNormal->SetDown(state.script == ScriptButton::Normal);
    MyButtonSuperscript->SetDown(state.script == ScriptButton::Superscript);
    MyButtonSubscript->SetDown(state.script == ScriptButton::Subscript);
    ComboBoxFont->selectFamily(state.font ? QString::fromStdString(*state.font) : QString());
    ColorBox->selectColor(state.colour
                              ? QColor(state.colour->red, state.colour->green, state.colour->blue)
                              : QColor());
    MyButtonBold->SetDown(state.bold);
    MyButtonItalic->SetDown(state.italic);
    MyButtonUnderline->SetDown(state.underline);
    updateEditButtons();
}

void TBelkaForm::updateEditButtons() {
    const bool selected = RichEdit1->textCursor().hasSelection();
    const bool paste = RichEdit1->canPaste();
    const bool undo = RichEdit1->document()->isUndoAvailable();
    const bool redo = RichEdit1->document()->isRedoAvailable();
    MyButtonCut->setEnabled(selected);
    MyButtonCopy->setEnabled(selected);
    MyButtonPaste->setEnabled(paste);
    MyButtonUndo->setEnabled(undo);
    MyButtonRedo->setEnabled(redo);
    Cut1->setEnabled(selected);
    Copy1->setEnabled(selected);
    Paste1->setEnabled(paste);
    Undo1->setEnabled(undo);
    Redo1->setEnabled(redo);
}

void TBelkaForm::MyButtonSaveDescrClick() {
    if (saveText(true))
        MyButtonSaveDescr->setEnabled(false);
}

void TBelkaForm::MyButtonDiscardClick() {
    if (!confirmDiscard || !confirmDiscard())
        return;
    std::optional<std::string> snapshot;
    if (!runGuarded(PanelDescr, [&] { snapshot = readDescriptionSnapshot(folder_); }))
        return;
    // The snapshot's text is shown, and its bytes go back into "descr.dup" as they are, so that
    // what the editor cannot keep comes back with it.
    const RichText text = snapshot ? readRichText(*snapshot) : RichText{};
    showText(text);
    showDroppedNote(text.dropped);
    MyButtonSaveDescr->setEnabled(true);
    emit descriptionEdited();
    if (snapshot) {
        if (runGuarded(PanelDescr, [&] { writeDescription(folder_, *snapshot); }))
            failureReported_ = false;
    } else {
        saveText(true);
    }
    updateEditButtons();
    MyButtonDiscard->setEnabled(true);
    RichEdit1SelectionChange();
}

void TBelkaForm::mergeFormat(const QTextCharFormat& format) {
    RichEdit1->mergeCurrentCharFormat(format);
    RichEdit1SelectionChange();
}

void TBelkaForm::MyButtonBoldClick() {
    QTextCharFormat format;
    format.setFontWeight(MyButtonBold->Down() ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

void TBelkaForm::MyButtonItalicClick() {
    QTextCharFormat format;
    format.setFontItalic(MyButtonItalic->Down());
    mergeFormat(format);
}

void TBelkaForm::MyButtonUnderlineClick() {
    QTextCharFormat format;
    format.setFontUnderline(MyButtonUnderline->Down());
    mergeFormat(format);
}

void TBelkaForm::scriptButtonClick(ScriptButton button) {
    MyButtonSuperscript->SetDown(button == ScriptButton::Superscript);
    MyButtonNormal->SetDown(button == ScriptButton::Normal);
    MyButtonSubscript->SetDown(button == ScriptButton::Subscript);
    const CharFormat script = withScript(CharFormat{}, button, RichEdit1->defaults());
    QTextCharFormat format = qtCharFormat(script, RichEdit1->defaults());
    // Merged over formats of every kind, so each property is set, also when it is cleared.
    format.setProperty(kRaiseProperty, script.raiseHalfPoints);
    format.setBaselineOffset(script.raiseHalfPoints == 0 ? 0 : format.baselineOffset());
    format.setVerticalAlignment(QTextCharFormat::AlignNormal);
    mergeFormat(format);
}

void TBelkaForm::ComboBoxFontChange() {
    if (ComboBoxFont->currentIndex() >= 0) {
        QTextCharFormat format;
        format.setFontFamilies({ComboBoxFont->currentText()});
        mergeFormat(format);
    }
    RichEdit1->setFocus();
}

void TBelkaForm::ColorBoxChange() {
    QTextCharFormat format;
    format.setForeground(ColorBox->selectedColor());
    mergeFormat(format);
    RichEdit1->setFocus();
}

} // namespace vintrel
