#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// A description as the editor keeps it: paragraphs of runs of text that share one character
// format. This is what the rich-text reader produces and the writer consumes; the editor's
// document is filled from it and read back into it.

/// A colour of the text.
struct TextColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const TextColour&, const TextColour&) = default;
};

/// A script position that scales with the text (rich text's `\super` and `\sub`), as other
/// word processors write it; the editor's own buttons raise and lower instead.
enum class Script : std::uint8_t { Normal, Super, Sub };

/// The character format of a run.
struct CharFormat {
    /// The font's name; empty for the editor's default font.
    std::string font;
    /// The size in half points; 0 for the editor's default size.
    int sizeHalfPoints = 0;
    /// Nothing for the automatic colour (the field's text colour).
    std::optional<TextColour> colour;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    /// How far the text is raised (positive) or lowered (negative), in half points.
    int raiseHalfPoints = 0;
    Script script = Script::Normal;
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

/// The editor's default font, which a run leaves the font or size to.
struct TextDefaults {
    std::string font = "Tahoma";
    int sizeHalfPoints = 20;
};

/// Text that shares one format. The text is UTF-8; U+2028 is a line break inside the
/// paragraph and '\t' a tab. No other control character is kept.
struct TextRun {
    std::string text;
    CharFormat format;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

enum class ParagraphAlignment : std::uint8_t { Left, Centre, Right, Justify };

struct Paragraph {
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    std::vector<TextRun> runs;
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

/// Kinds of content a description written elsewhere may hold and the editor cannot keep; the
/// reader skips them and says which it met. Bits of `RichText::dropped`.
enum DroppedContent : unsigned {
    kDroppedPictures = 1U << 0,
    kDroppedTables = 1U << 1,
    kDroppedObjects = 1U << 2,
    kDroppedFields = 1U << 3,
    kDroppedDrawings = 1U << 4,
    kDroppedNotes = 1U << 5,
    kDroppedHeadersFooters = 1U << 6,
    kDroppedNesting = 1U << 7,
    kDroppedHiddenText = 1U << 8,
};

/// A whole description: at least one paragraph.
struct RichText {
    std::vector<Paragraph> paragraphs{Paragraph{}};
    /// `DroppedContent` bits of what the reader skipped.
    unsigned dropped = 0;
    /// The source was plain text, not rich text.
    bool plainText = false;

    /// The text alone: paragraphs joined with '\n', line breaks as '\n'.
    std::string plain() const;
    /// Adds text in `format` at the end of the last paragraph, joining it to the last run
    /// when the formats agree.
    void append(std::string_view text, const CharFormat& format);
    /// Starts a new paragraph.
    void newParagraph(ParagraphAlignment alignment = ParagraphAlignment::Left);
};

/// The line break inside a paragraph, as UTF-8 (U+2028).
inline constexpr std::string_view kLineBreak = "\xE2\x80\xA8";

/// The dropped content as one line of the editor's page, or empty when nothing was dropped,
/// e.g. "This description holds pictures and tables that the editor cannot show; …".
std::string droppedContentNote(unsigned dropped);

} // namespace vintrel
