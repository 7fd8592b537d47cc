#include "potential/glyph_strip.h"

namespace vintrel {

int glyphIndex(char c) {
    const auto found = GlyphSet.find(c);
    return found == std::string_view::npos ? 0 : static_cast<int>(found);
}

std::vector<GlyphQuad> labelQuads(std::string_view text, double size) {
    const auto widthOf = [&](int k) {
        return (GlyphBounds[static_cast<std::size_t>(k + 1)] -
                GlyphBounds[static_cast<std::size_t>(k)]) *
               size / kGlyphStripWidth;
    };
    double total = 0;
    for (char c : text)
        total += widthOf(glyphIndex(c));
    std::vector<GlyphQuad> quads;
    double x = -total / 2;
    for (char c : text) {
        const int k = glyphIndex(c);
        const double width = widthOf(k);
        quads.push_back({x, width, size * kGlyphStripHeight / kGlyphStripWidth,
                         (GlyphBounds[static_cast<std::size_t>(k)] + 1.0) / kGlyphStripWidth,
                         (GlyphBounds[static_cast<std::size_t>(k + 1)] - 1.0) / kGlyphStripWidth});
        x += width;
    }
    return quads;
}

} // namespace vintrel
