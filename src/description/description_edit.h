#pragma once

#include "description/rich_text.h"

#include <QTextEdit>

namespace vintrel {

/// The rich-text field of the description editor (`RichEdit1`). Copying puts the selection on
/// the clipboard as rich text besides the usual forms. Pasting and dropping take rich text,
/// HTML or plain text, always through the description model: pictures, tables and anything
/// else the editor cannot keep are left out, and nothing named by the pasted data (a file, a
/// link) is ever loaded.
class TDescriptionEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TDescriptionEdit(QWidget* parent = nullptr);

    /// The editor's default font.
    const TextDefaults& defaults() const { return defaults_; }
    void setDefaults(const TextDefaults& defaults);

    /// Whether the clipboard holds something `paste` can insert.
    bool canPaste() const;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    TextDefaults defaults_;
};

} // namespace vintrel
