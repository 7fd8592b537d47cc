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

void drawMarkup(MarkupSurface& surface, const MarkupFont& baseFont, std::u16string_view caption,
                bool draw, int x0, int y0, int& height, int& width) {
    height = 0;
    width = 0;
    MarkupFont font = baseFont;
    int penX = x0;
    int y = y0;
    int dy = roundHalfEven(0.2 * heightOfA(surface, font));
    int ax = 0;
    Mode mode = Mode::normal;
    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t length = characterLength(caption, i);
        const std::u16string_view c = caption.substr(i, length);
        i += length;
        switch (c.front()) {
        case u'^':
            font.size = roundHalfEven(font.size * 0.7);
            dy = roundHalfEven(0.1 * heightOfA(surface, font));
            mode = Mode::script;
            continue;
        case u'_':
            font.size = roundHalfEven(font.size * 0.7);
            dy = roundHalfEven(0.9 * heightOfA(surface, font));
            mode = Mode::script;
            continue;
        case u'!':
            font.name = std::string(kSymbolFontName);
            font.size = roundHalfEven(font.size * 1.2);
            dy = 0;
            mode = Mode::symbol;
            continue;
        case u'$':
            penX = x0;
            y += surface.textHeight(font, u"A");
            mode = Mode::normal;
            continue;
        case u'@':
            mode = Mode::ring;
            continue;
        default:
            break;
        }
        int w = surface.textWidth(font, c);
        const int h = surface.textHeight(font, c);
        if (mode == Mode::script) {
            penX += 1;
            width += 1;
            mode = Mode::afterScript;
        } else if (mode == Mode::afterScript) {
            penX += 2;
            width += 2;
            mode = Mode::normal;
        } else if (mode == Mode::symbol) {
            w += 1;
        }
        if (draw) {
            surface.writeText(font, penX + ax, y + dy, c, false);
            if (mode == Mode::ring) {
                font.size = roundHalfEven(font.size * 0.6);
                ax = (w - surface.textWidth(font, u"o")) / 2;
                surface.writeText(font, penX + ax, y, u"o", false);
                mode = Mode::normal;
            }
        }
        width = std::max(width, penX + ax + w - x0);
        height = std::max(height, y + dy + h - y0);
        penX += w;
        font = baseFont;
        ax = 0;
        dy = roundHalfEven(0.2 * heightOfA(surface, font));
    }
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
    MarkupFont current = font;
    int offset = 0;
    int y = baseY;
    Mode mode = Mode::normal;
    for (std::size_t i = 0; i < caption.size();) {
        const std::size_t length = characterLength(caption, i);
        const std::u16string_view c = caption.substr(i, length);
        i += length;
        if (c.front() == u'^' || c.front() == u'_') {
            current.size = roundHalfEven(current.size * 0.7);
            y = c.front() == u'^' ? baseY - 3 : baseY + 3;
            mode = Mode::script;
            continue;
        }
        if (mode == Mode::script) {
            mode = Mode::afterScript;
        } else if (mode == Mode::afterScript) {
            offset += 2;
            mode = Mode::normal;
        }
        surface.writeText(current, x0 + offset, y, c, false);
        offset += surface.textWidth(current, c);
        y = baseY;
        current.size = font.size;
    }
    return offset;
}

} // namespace vintrel
