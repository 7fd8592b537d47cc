#include "description/description_edit.h"

#include "description/rich_text_document.h"
#include "description/rtf_reader.h"
#include "description/rtf_writer.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextDocument>

#include <memory>

namespace vintrel {

namespace {

/// Rich text on the clipboard, as word processors name it.
const QStringList kRtfFormats = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                 QStringLiteral("text/richtext")};

QString rtfFormatIn(const QMimeData* source) {
    for (const QString& format : kRtfFormats)
        if (source->hasFormat(format))
            return format;
    return {};
}

/// A document that never loads what it names: pasted HTML may point at pictures and style
/// sheets anywhere.
class SealedDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

} // namespace

TDescriptionEdit::TDescriptionEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setDefaults(defaults_);
}

void TDescriptionEdit::setDefaults(const TextDefaults& defaults) {
    defaults_ = defaults;
    QFont font(QString::fromStdString(defaults.font));
    font.setPointSizeF(defaults.sizeHalfPoints / 2.0);
    setFont(font);
    document()->setDefaultFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
}

bool TDescriptionEdit::canPaste() const {
    const QMimeData* source = QApplication::clipboard()->mimeData();
    return source && canInsertFromMimeData(source);
}

bool TDescriptionEdit::canInsertFromMimeData(const QMimeData* source) const {
    return !rtfFormatIn(source).isEmpty() || source->hasHtml() || source->hasText();
}

void TDescriptionEdit::insertFromMimeData(const QMimeData* source) {
    QTextCursor cursor = textCursor();
    if (const QString format = rtfFormatIn(source); !format.isEmpty()) {
        const QByteArray bytes = source->data(format);
        insertRichText(cursor, readRichText(std::string_view(bytes.constData(), bytes.size())),
                       defaults_);
    } else if (source->hasHtml()) {
        SealedDocument pasted;
        pasted.setHtml(source->html());
        insertRichText(cursor, richTextOf(pasted), defaults_);
    } else if (source->hasText()) {
        cursor.insertText(source->text());
    }
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData* TDescriptionEdit::createMimeDataFromSelection() const {
    // The field's own forms are made on demand and list only themselves, so they are copied
    // into plain mime data that lists the rich text too.
    const std::unique_ptr<QMimeData> forms(QTextEdit::createMimeDataFromSelection());
    auto* data = new QMimeData;
    for (const QString& format : forms->formats())
        data->setData(format, forms->data(format));
    const std::string rtf = writeRtf(selectedRichText(textCursor()), defaults_);
    data->setData(QStringLiteral("text/rtf"),
                  QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
    return data;
}

QVariant TDescriptionEdit::loadResource(int, const QUrl&) {
    return {};
}

} // namespace vintrel
