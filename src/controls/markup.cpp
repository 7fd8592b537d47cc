#include "controls/markup.h"

#include "base/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace vintrel {

namespace {

enum class Mode { normal, script, afterScript, symbol, ring };

const std::u16string_view kLetterA = u"a";

/// The length of the character at `i`: two units for a surrogate pair, else one.
std::size_t characterLength(std::u16string_view text, std::size_t i) {
    const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
    const bool lowNext = i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    return high && lowNext ? 2 : 1;
}

int heightOfA(const MarkupSurface& surface, const MarkupFont& font) {
    return surface.textHeight(font, kLetterA);
}

} // namespace

char16_t symbolToUnicode(char16_t code) {
    static constexpr std::array<char16_t, 26> upper = {
        u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
        u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static constexpr std::array<char16_t, 26> lower = {
        u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
        u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    if (code >= u'A' && code <= u'Z')
        return upper[code - u'A'];
    if (code >= u'a' && code <= u'z')
        return lower[code - u'a'];
    switch (code) {
    case u'"':
        return u'∀';
    case u'$':
        return u'∃';
    case u'\'':
        return u'∋';
    case u'*':
        return u'∗';
    case u'-':
        return u'−';
    case u'@':
        return u'≅';
    case u'^':
        return u'⊥';
    case u'~':
        return u'∼';
    default:
        return code;
    }
}

namespace {

/// The ring over a ringed character is written at 0.6 of the size.
constexpr double kRingScale = 0.6;

double scaledSize(const MarkupDialect& dialect, double size, double factor) {
    return dialect.wholePointSizes ? roundHalfEven(size * factor) : size * factor;
}

int ruleOffset(const MarkupSurface& surface, const MarkRule& rule, const MarkupFont& font,
               const MarkupFont& baseFont) {
    switch (rule.unit) {
    case OffsetUnit::letterHeight:
        return roundHalfEven(rule.offset * heightOfA(surface, font));
    case OffsetUnit::basePixelSize:
        return roundHalfEven(rule.offset * surface.pixelSize(baseFont));
    case OffsetUnit::pixels:
        break;
    }
    return roundHalfEven(rule.offset);
}

bool isMark(const MarkupDialect& dialect, char16_t c) {
    return c != 0 && (c == dialect.raiseMark || c == dialect.lowerMark || c == dialect.symbolMark ||
                      c == dialect.lineBreakMark || c == dialect.ringMark);
}

/// The rule of the characters after `mark` (the plain rule for any character that is not a
/// raise, lower or symbol mark of the dialect).
const MarkRule& ruleOf(const MarkupDialect& dialect, char16_t mark) {
    if (mark != 0 && mark == dialect.raiseMark)
        return dialect.raised;
    if (mark != 0 && mark == dialect.lowerMark)
        return dialect.lowered;
    if (mark != 0 && mark == dialect.symbolMark)
        return dialect.symbol;
    return dialect.plain;
}

/// The face that `mark` gives the next character, from the font in use before it.
MarkedFace applyMark(const MarkupSurface& surface, const MarkupDialect& dialect,
                     const MarkupFont& current, const MarkupFont& baseFont, char16_t mark) {
    const MarkRule& rule = ruleOf(dialect, mark);
    MarkedFace face{current, 0};
    if (&rule != &dialect.plain) {
        face.font.size = scaledSize(dialect, current.size, rule.sizeScale);
        if (&rule == &dialect.symbol)
            face.font.name = std::string(kSymbolFontName);
    }
    face.offset = ruleOffset(surface, rule, face.font, baseFont);
    return face;
}

} // namespace

MarkedFace markedFace(const MarkupSurface& surface, const MarkupDialect& dialect,
                      const MarkupFont& baseFont, char16_t mark) {
    return applyMark(surface, dialect, baseFont, baseFont, mark);
}

MarkupExtent writeMarkup(MarkupSurface& surface, const MarkupDialect& dialect,
                         const MarkupFont& baseFont, std::u16string_view caption, bool draw, int x0,
                         int y0) {
    MarkupExtent extent;
    const int plainOffset = ruleOffset(surface, dialect.plain, baseFont, baseFont);
    MarkupFont font = baseFont;
    int penX = x0;
    int y = y0;
    int dy = plainOffset;
    int ax = 0;
    int extraWidth = 0;   // Symbol width that goes on up to the next mark
    bool pending = false; // a mark waits for its character
    Mode mode = Mode::normal;
    // Plain characters waiting to be written as one text: caption[runStart, runEnd).
    std::size_t runStart = 0;
    std::size_t runEnd = 0;

    auto place = [&](int w, int h) {
        extent.width = std::max(extent.width, penX + ax + w - x0);
        extent.height = std::max(extent.height, y + dy + h - y0);
        penX += w;
    };
    auto flushRun = [&] {
        if (runEnd == runStart)
            return;
        const std::u16string_view run = caption.substr(runStart, runEnd - runStart);
        const int w = surface.textWidth(font, run);
        const int h = surface.textHeight(font, run);
        if (draw)
            surface.writeText(font, penX, y + dy, run, false);
        place(w, h);
        runStart = runEnd;
    };
    auto gap = [&](int pixels) {
        penX += pixels;
        extent.width += pixels;
    };

    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t length = characterLength(caption, i);
        const std::u16string_view c = caption.substr(i, length);
        const std::size_t start = i;
        i += length;
        const bool last = i >= caption.size();
        if (isMark(dialect, c.front()) && (dialect.marksCombine || (!pending && !last))) {
            flushRun();
            pending = true;
            const char16_t mark = c.front();
            if (mark == dialect.lineBreakMark) {
                penX = x0;
                y += surface.textHeight(font, u"A");
                mode = Mode::normal;
                pending = false;
                extraWidth = 0;
            } else if (mark == dialect.ringMark) {
                mode = Mode::ring;
                extraWidth = 0;
            } else {
                const MarkedFace face = applyMark(surface, dialect, font, baseFont, mark);
                font = face.font;
                dy = face.offset;
                if (mark == dialect.symbolMark) {
                    mode = Mode::symbol;
                    extraWidth = dialect.symbolExtraWidth;
                } else {
                    mode = Mode::script;
                    extraWidth = 0;
                }
            }
            continue;
        }
        if (mode == Mode::afterScript) {
            flushRun();
            gap(dialect.afterScriptGap);
            mode = Mode::normal;
        }
        if (dialect.plainRuns && mode == Mode::normal && extraWidth == 0) {
            if (runEnd != start)
                runStart = start;
            runEnd = i;
            continue;
        }
        flushRun();
        int w = surface.textWidth(font, c) + extraWidth;
        const int h = surface.textHeight(font, c);
        if (mode == Mode::script) {
            gap(dialect.scriptGap);
            mode = Mode::afterScript;
        }
        if (draw) {
            surface.writeText(font, penX + ax, y + dy, c, false);
            if (mode == Mode::ring) {
                font.size = scaledSize(dialect, font.size, kRingScale);
                ax = (w - surface.textWidth(font, u"o")) / 2;
                surface.writeText(font, penX + ax, y, u"o", false);
            }
        }
        place(w, h);
        if (mode != Mode::afterScript)
            mode = Mode::normal;
        pending = false;
        font = baseFont;
        ax = 0;
        dy = plainOffset;
    }
    flushRun();
    return extent;
}

void drawMarkup(MarkupSurface& surface, const MarkupFont& baseFont, std::u16string_view caption,
                bool draw, int x0, int y0, int& height, int& width) {
    const MarkupExtent extent = writeMarkup(surface, kLabelMarkup, baseFont, caption, draw, x0, y0);
    height = extent.height;
    width = extent.width;
}

void drawVerticalMarkup(MarkupSurface& surface, const MarkupFont& baseFont,
                        std::u16string_view caption, bool draw, int x0, int y0, int& extent,
                        int& thickness) {
    extent = 0;
    thickness = 0;
    MarkupFont font = baseFont;
    int penY = y0;
    int dx = roundHalfEven(0.2 * heightOfA(surface, font));
    Mode mode = Mode::normal;
    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t length = characterLength(caption, i);
        const std::u16string_view c = caption.substr(i, length);
        i += length;
        switch (c.front()) {
        case u'^':
        case u'_':
            font.size = roundHalfEven(baseFont.size * 0.7);
            dx = c.front() == u'^' ? 0 : roundHalfEven(0.9 * heightOfA(surface, font));
            mode = Mode::script;
            penY -= 1;
            extent += 1;
            continue;
        case u'!':
            font.name = std::string(kSymbolFontName);
            font.size = roundHalfEven(font.size * 1.1);
            dx = roundHalfEven(0.1 * heightOfA(surface, font));
            mode = Mode::symbol;
            continue;
        default:
            break;
        }
        const int h = surface.textHeight(font, c);
        const int w = surface.textWidth(font, c);
        if (mode == Mode::script) {
            mode = Mode::afterScript;
        } else if (mode == Mode::afterScript) {
            penY -= 1;
            extent += 1;
            mode = Mode::normal;
        }
        if (draw)
            surface.writeText(font, x0 + dx, penY, c, true);
        if (mode == Mode::symbol)
            mode = Mode::normal;
        penY -= w;
        thickness = std::max(thickness, dx + h);
        extent += w;
        font = baseFont;
        dx = roundHalfEven(0.2 * heightOfA(surface, font));
    }
}

int drawButtonCaption(MarkupSurface& surface, const MarkupFont& font, std::u16string_view caption,
                      int x0, int baseY) {
    return writeMarkup(surface, kButtonMarkup, font, caption, true, x0, baseY).width;
}

} // namespace vintrel
