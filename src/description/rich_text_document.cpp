#include "description/rich_text_document.h"

#include "base/rounding.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace vintrel {

namespace {

constexpr int kMaxRaise = 1000;

QString qtText(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Qt::Alignment qtAlignment(ParagraphAlignment alignment) {
    switch (alignment) {
    case ParagraphAlignment::Centre:
        return Qt::AlignHCenter;
    case ParagraphAlignment::Right:
        return Qt::AlignRight;
    case ParagraphAlignment::Justify:
        return Qt::AlignJustify;
    case ParagraphAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

ParagraphAlignment alignmentOf(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter)
        return ParagraphAlignment::Centre;
    if (alignment & Qt::AlignJustify)
        return ParagraphAlignment::Justify;
    if (alignment & Qt::AlignRight)
        return ParagraphAlignment::Right;
    return ParagraphAlignment::Left;
}

QTextBlockFormat blockFormat(ParagraphAlignment alignment) {
    QTextBlockFormat format;
    format.setAlignment(qtAlignment(alignment));
    return format;
}

/// Text of a document fragment as the description keeps it: line separators stay, paragraph
/// and frame marks, object replacements (pictures) and control characters but the tab go.
std::string keptText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == QChar::LineSeparator ||
            (u >= 0x20 && u != 0x7F && u != QChar::ObjectReplacementCharacter &&
             u != QChar::ParagraphSeparator && u != 0xFDD0 && u != 0xFDD1 && u != 0xFFFE &&
             u != 0xFFFF))
            kept += c;
    }
    return kept.toStdString();
}

void appendBlock(RichText& text, const QTextBlock& block, int from, int to) {
    Paragraph paragraph{alignmentOf(block.blockFormat().alignment()), {}};
    RichText part;
    part.paragraphs = {paragraph};
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const int start = std::max(from, fragment.position());
        const int end = std::min(to, fragment.position() + fragment.length());
        if (start >= end)
            continue;
        const QString piece = fragment.text().mid(start - fragment.position(), end - start);
        part.append(keptText(piece), charFormatOf(fragment.charFormat()));
    }
    text.paragraphs.push_back(std::move(part.paragraphs.front()));
}

RichText richTextBetween(const QTextDocument& document, int from, int to) {
    RichText text;
    text.paragraphs.clear();
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next())
        appendBlock(text, block, from, to);
    if (text.paragraphs.empty())
        text.paragraphs.emplace_back();
    return text;
}

} // namespace

QTextCharFormat qtCharFormat(const CharFormat& format, const TextDefaults& defaults) {
    QTextCharFormat qt;
    if (!format.font.empty())
        qt.setFontFamilies({qtText(format.font)});
    if (format.sizeHalfPoints > 0)
        qt.setFontPointSize(format.sizeHalfPoints / 2.0);
    if (format.colour)
        qt.setForeground(QColor(format.colour->red, format.colour->green, format.colour->blue));
    if (format.bold)
        qt.setFontWeight(QFont::Bold);
    if (format.italic)
        qt.setFontItalic(true);
    if (format.underline)
        qt.setFontUnderline(true);
    if (format.raiseHalfPoints != 0) {
        const int size =
            format.sizeHalfPoints > 0 ? format.sizeHalfPoints : defaults.sizeHalfPoints;
        qt.setProperty(kRaiseProperty, format.raiseHalfPoints);
        qt.setBaselineOffset(100.0 * format.raiseHalfPoints / std::max(size, 1));
    }
    if (format.script == Script::Super)
        qt.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (format.script == Script::Sub)
        qt.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return qt;
}

CharFormat charFormatOf(const QTextCharFormat& qt) {
    CharFormat format;
    const QStringList families = qt.fontFamilies().toStringList();
    if (!families.isEmpty())
        format.font = families.front().toStdString();
    if (qt.hasProperty(QTextFormat::FontPointSize))
        format.sizeHalfPoints = std::max(1, roundHalfEven(qt.fontPointSize() * 2));
    else if (qt.hasProperty(QTextFormat::FontPixelSize))
        format.sizeHalfPoints =
            std::max(1, roundHalfEven(qt.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96 * 2));
    if (qt.hasProperty(QTextFormat::ForegroundBrush) && qt.foreground().style() != Qt::NoBrush) {
        const QColor colour = qt.foreground().color();
        format.colour = TextColour{static_cast<std::uint8_t>(colour.red()),
                                   static_cast<std::uint8_t>(colour.green()),
                                   static_cast<std::uint8_t>(colour.blue())};
    }
    format.bold = qt.fontWeight() >= QFont::DemiBold;
    format.italic = qt.fontItalic();
    format.underline = qt.fontUnderline();
    format.raiseHalfPoints = std::clamp(qt.intProperty(kRaiseProperty), -kMaxRaise, kMaxRaise);
    switch (qt.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        format.script = Script::Super;
        break;
    case QTextCharFormat::AlignSubScript:
        format.script = Script::Sub;
        break;
    default:
        break;
    }
    return format;
}

void fillDocument(QTextDocument& document, const RichText& text, const TextDefaults& defaults) {
    document.clear();
    QFont font(qtText(defaults.font));
    font.setPointSizeF(defaults.sizeHalfPoints / 2.0);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat(ParagraphAlignment::Left));
    cursor.setBlockCharFormat(QTextCharFormat());
    insertRichText(cursor, text, defaults);
}

void insertRichText(QTextCursor& cursor, const RichText& text, const TextDefaults& defaults) {
    cursor.beginEditBlock();
    bool first = true;
    for (const Paragraph& paragraph : text.paragraphs) {
        if (first) {
            if (cursor.block().length() <= 1)
                cursor.setBlockFormat(blockFormat(paragraph.alignment));
        } else {
            cursor.insertBlock(blockFormat(paragraph.alignment), QTextCharFormat());
        }
        first = false;
        for (const TextRun& run : paragraph.runs)
            cursor.insertText(qtText(run.text), qtCharFormat(run.format, defaults));
    }
    cursor.endEditBlock();
}

RichText richTextOf(const QTextDocument& document) {
    return richTextBetween(document, 0, document.characterCount());
}

RichText selectedRichText(const QTextCursor& cursor) {
    if (!cursor.document() || !cursor.hasSelection())
        return RichText{};
    return richTextBetween(*cursor.document(), cursor.selectionStart(), cursor.selectionEnd());
}

std::vector<CharFormat> selectionFormats(const QTextCursor& cursor) {
    if (!cursor.hasSelection() || !cursor.document())
        return {charFormatOf(cursor.charFormat())};
    std::vector<CharFormat> formats;
    const RichText selected = selectedRichText(cursor);
    for (const Paragraph& paragraph : selected.paragraphs)
        for (const TextRun& run : paragraph.runs)
            formats.push_back(run.format);
    if (formats.empty())
        formats.push_back(charFormatOf(cursor.charFormat()));
    return formats;
}

} // namespace vintrel
