#pragma once

#include <string>
#include <string_view>

namespace vintrel {

/// A font as the caption interpreters see it: a family name and a size in points. The style
/// and colour stay with the surface.
struct MarkupFont {
    std::string name;
    int size = 0;

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
    /// Writes the text with its top-left corner at (x, y). With `up` the text is turned by
    /// 90 degrees counter-clockwise: it then runs upwards from (x, y) and its top faces left.
    virtual void writeText(const MarkupFont& font, int x, int y, std::u16string_view text,
                           bool up) = 0;
};

/// The Unicode character that the Symbol font shows for a character code (its Greek letters
/// and a few signs); other codes map to themselves.
char16_t symbolToUnicode(char16_t code);

/// The horizontal caption interpreter: "^" raises and "_" lowers the next character, "!"
/// takes it from the Symbol font, "@" rings it and "$" breaks the line. With `draw` false it
/// only measures. Starts at (x0, y0); `height` and `width` receive the extent of the caption.
void drawMarkup(MarkupSurface& surface, const MarkupFont& baseFont, std::u16string_view caption,
                bool draw, int x0, int y0, int& height, int& width);

/// The vertical caption interpreter (text reading from bottom to top). (x0, y0) is the lower
/// end of the text; `extent` receives the length along the text and `thickness` the size
/// across it. Knows "^", "_" and "!"; every other character is written.
void drawVerticalMarkup(MarkupSurface& surface, const MarkupFont& baseFont,
                        std::u16string_view caption, bool draw, int x0, int y0, int& extent,
                        int& thickness);

/// The image button's caption dialect: "^" and "_" write the next character smaller, 3 pixels
/// higher or lower; the character after a raised or lowered one keeps a 2-pixel gap. Writes
/// from (x0, baseY) and returns the pen advance.
int drawButtonCaption(MarkupSurface& surface, const MarkupFont& font, std::u16string_view caption,
                      int x0, int baseY);

} // namespace vintrel
