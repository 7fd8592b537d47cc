#pragma once

#include <string>
#include <string_view>

namespace vintrel {

/// A font as the caption interpreters see it: a family name and a size in points. The style
/// and colour stay with the surface.
struct MarkupFont {
    std::string name;
    double size = 0; ///< points; whole points unless a dialect keeps scaled sizes exact

    bool operator==(const MarkupFont&) const = default;
};

/// The family name that switches a caption character to the Greek letters of the Symbol font.
inline constexpr std::string_view kSymbolFontName = "Symbol";

/// What the caption interpreters need from a drawing surface: text extents and text output
/// with the top-left corner of the text at a point.
class MarkupSurface {
public:
    virtual ~MarkupSurface() = default;
    /// Width of the text in the font, in pixels.
    virtual int textWidth(const MarkupFont& font, std::u16string_view text) const = 0;
    /// Height of the text in the font (the font's line height), in pixels.
    virtual int textHeight(const MarkupFont& font, std::u16string_view text) const = 0;
    /// The size of the font in pixels (its em).
    virtual int pixelSize(const MarkupFont& font) const = 0;
    /// Writes the text with its top-left corner at (x, y). With `up` the text is turned by
    /// 90 degrees counter-clockwise: it then runs upwards from (x, y) and its top faces left.
    virtual void writeText(const MarkupFont& font, int x, int y, std::u16string_view text,
                           bool up) = 0;
};

/// The Unicode character that the Symbol font shows for a character code (its Greek letters
/// and a few signs); other codes map to themselves.
char16_t symbolToUnicode(char16_t code);

/// What the offset of a marked character is measured in.
enum class OffsetUnit {
    pixels,        ///< the factor is the offset in pixels
    letterHeight,  ///< the text height of "a" in the font the character is written in
    basePixelSize, ///< the pixel size of the caption's base font
};

/// How one kind of character is written: its font size as a multiple of the size before the
/// mark, and its offset below the line top, a factor of a measure rounded to whole pixels
/// (halves to the even neighbour).
struct MarkRule {
    double sizeScale = 1;
    double offset = 0;
    OffsetUnit unit = OffsetUnit::pixels;
};

/// A dialect of the caption markup: which characters are marks and how the characters they
/// mark are written. Every mark acts on the next written character only. A mark character 0
/// is not a mark in the dialect (the character is written).
struct MarkupDialect {
    char16_t raiseMark = 0;     ///< writes the next character raised, smaller
    char16_t lowerMark = 0;     ///< writes the next character lowered, smaller
    char16_t symbolMark = 0;    ///< writes the next character in the Symbol font
    char16_t lineBreakMark = 0; ///< breaks the line
    char16_t ringMark = 0;      ///< puts a ring over the next character
    MarkRule plain;             ///< unmarked characters (only the offset counts)
    MarkRule raised;
    MarkRule lowered;
    MarkRule symbol;
    /// Scaled font sizes are rounded to whole points (halves to the even neighbour); otherwise
    /// they are kept exact.
    bool wholePointSizes = true;
    /// Marks in a row all act on the next written character (two carets shrink twice) and a
    /// mark at the end writes nothing. Otherwise the character after a mark is written whatever
    /// it is, and a mark at the end is written as a plain character.
    bool marksCombine = true;
    int scriptGap = 0;      ///< pixels before a raised or lowered character
    int afterScriptGap = 0; ///< pixels before the character after a raised or lowered one
    /// Pixels added to the width of a Symbol character, and of each character after it up to
    /// the next mark.
    int symbolExtraWidth = 0;
    /// Plain characters in a row are measured and written as one text (with the font's
    /// kerning) rather than one by one.
    bool plainRuns = false;
};

/// The horizontal label's markup: "^" raises and "_" lowers the next character at 0.7 of the
/// size (by 0.1 and 0.9 of the height of "a" in the smaller font), "!" takes it from the Symbol
/// font at 1.2 of the size and one pixel wider, "@" rings it and "$" breaks the line. Plain
/// text sits 0.2 of the height of "a" below the line top; a raised or lowered character keeps
/// one pixel from the one before it, the character after it two.
inline constexpr MarkupDialect kLabelMarkup{
    .raiseMark = u'^',
    .lowerMark = u'_',
    .symbolMark = u'!',
    .lineBreakMark = u'$',
    .ringMark = u'@',
    .plain = {1, 0.2, OffsetUnit::letterHeight},
    .raised = {0.7, 0.1, OffsetUnit::letterHeight},
    .lowered = {0.7, 0.9, OffsetUnit::letterHeight},
    .symbol = {1.2, 0, OffsetUnit::pixels},
    .wholePointSizes = true,
    .marksCombine = true,
    .scriptGap = 1,
    .afterScriptGap = 2,
    .symbolExtraWidth = 1,
    .plainRuns = false,
};

/// The image button's markup: "^" and "_" write the next character at 0.7 of the size, 3
/// pixels higher or lower; the character after it keeps a 2-pixel gap.
inline constexpr MarkupDialect kButtonMarkup{
    .raiseMark = u'^',
    .lowerMark = u'_',
    .symbolMark = 0,
    .lineBreakMark = 0,
    .ringMark = 0,
    .plain = {1, 0, OffsetUnit::pixels},
    .raised = {0.7, -3, OffsetUnit::pixels},
    .lowered = {0.7, 3, OffsetUnit::pixels},
    .symbol = {1, 0, OffsetUnit::pixels},
    .wholePointSizes = true,
    .marksCombine = true,
    .scriptGap = 0,
    .afterScriptGap = 2,
    .symbolExtraWidth = 0,
    .plainRuns = false,
};

/// The energy-level diagram's markup: "^" writes the next character at 0.7 of the size,
/// raised by 0.2 of the base font's pixel size; "_" at 0.8 of the size, lowered by 0.6 of it;
/// "\" takes it from the Symbol font. Sizes are not rounded, there are no gaps, and plain text
/// is written in runs.
inline constexpr MarkupDialect kLevelDiagramMarkup{
    .raiseMark = u'^',
    .lowerMark = u'_',
    .symbolMark = u'\\',
    .lineBreakMark = 0,
    .ringMark = 0,
    .plain = {1, 0, OffsetUnit::pixels},
    .raised = {0.7, -0.2, OffsetUnit::basePixelSize},
    .lowered = {0.8, 0.6, OffsetUnit::basePixelSize},
    .symbol = {1, 0, OffsetUnit::pixels},
    .wholePointSizes = false,
    .marksCombine = false,
    .scriptGap = 0,
    .afterScriptGap = 0,
    .symbolExtraWidth = 0,
    .plainRuns = true,
};

/// The extent of a caption: `width` from the start x to the right end of its widest line,
/// `height` from the start y to the bottom of its lowest character.
struct MarkupExtent {
    int width = 0;
    int height = 0;
};

/// The caption interpreter. Reads the caption in the dialect and writes it from (x0, y0), the
/// line top; with `draw` false it only measures.
MarkupExtent writeMarkup(MarkupSurface& surface, const MarkupDialect& dialect,
                         const MarkupFont& baseFont, std::u16string_view caption, bool draw, int x0,
                         int y0);

/// The font and the offset below the line top of a character that follows `mark` (any other
/// character: a plain one) in a caption of the dialect in `baseFont`.
struct MarkedFace {
    MarkupFont font;
    int offset = 0;
};
MarkedFace markedFace(const MarkupSurface& surface, const MarkupDialect& dialect,
                      const MarkupFont& baseFont, char16_t mark);

/// The horizontal label's caption (`kLabelMarkup`). `height` and `width` receive the extent.
void drawMarkup(MarkupSurface& surface, const MarkupFont& baseFont, std::u16string_view caption,
                bool draw, int x0, int y0, int& height, int& width);

/// The vertical caption interpreter (text reading from bottom to top). (x0, y0) is the lower
/// end of the text; `extent` receives the length along the text and `thickness` the size
/// across it. Knows "^", "_" and "!"; every other character is written.
void drawVerticalMarkup(MarkupSurface& surface, const MarkupFont& baseFont,
                        std::u16string_view caption, bool draw, int x0, int y0, int& extent,
                        int& thickness);

/// The image button's caption (`kButtonMarkup`), written from (x0, baseY). Gives the pen
/// advance.
int drawButtonCaption(MarkupSurface& surface, const MarkupFont& font, std::u16string_view caption,
                      int x0, int baseY);

} // namespace vintrel
