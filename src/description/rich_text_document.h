#pragma once

#include "description/rich_text.h"

#include <QTextCharFormat>

#include <vector>

class QTextCursor;
class QTextDocument;

namespace vintrel {

// The one bridge between a description (rich_text.h) and the editor's QTextDocument. A run's
// raise is kept in a property of its character format and drawn as a baseline offset; a
// font, size or colour that a run leaves to the defaults is left out of the format, so that a
// description goes through a document and back unchanged.

/// The character format property that holds a run's raise in half points.
inline constexpr int kRaiseProperty = QTextFormat::UserProperty + 1;

/// The Qt format of a run; `defaults` give the size that a raise is measured against when the
/// run leaves its size open.
QTextCharFormat qtCharFormat(const CharFormat& format, const TextDefaults& defaults);
/// The run format of a Qt format (a pasted format's pixel size is turned into points).
CharFormat charFormatOf(const QTextCharFormat& format);

/// Replaces the document's content with `text`, its default font being `defaults`.
void fillDocument(QTextDocument& document, const RichText& text, const TextDefaults& defaults);
/// Inserts `text` at the cursor in one undo step: its first paragraph joins the cursor's one,
/// the others follow as paragraphs of their own.
void insertRichText(QTextCursor& cursor, const RichText& text, const TextDefaults& defaults);

/// The document as a description. Pictures and frame marks are left out; every block is a
/// paragraph.
RichText richTextOf(const QTextDocument& document);
/// The selected part of the cursor's document as a description.
RichText selectedRichText(const QTextCursor& cursor);

/// The formats of the selection's runs; without a selection, the format that the next typed
/// character gets.
std::vector<CharFormat> selectionFormats(const QTextCursor& cursor);

} // namespace vintrel
