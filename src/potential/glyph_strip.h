#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vintrel {

/// The characters of the glyph bitmap "numbers.bmp": glyph k is the k-th character.
inline constexpr std::string_view GlyphSet = "0123456789.-B=Tmxyz Cu";

/// Glyph k covers the pixel columns GlyphBounds[k] … GlyphBounds[k + 1] of the strip.
inline constexpr std::array<int, 23> GlyphBounds = {6,   42,  73,  109, 142, 178, 211, 246,
                                                    280, 314, 350, 366, 392, 433, 473, 513,
                                                    563, 597, 629, 657, 680, 775, 840};

/// The glyph strip: 1024 pixels wide and 64 high, white glyphs on black.
inline constexpr int kGlyphStripWidth = 1024;
inline constexpr int kGlyphStripHeight = 64;
inline constexpr const char* kGlyphFile = "numbers.bmp";

/// The glyph of a character; characters outside the set are drawn as "0".
int glyphIndex(char c);

/// One character of a label as a textured quad: from x to x + width along the text, `height`
/// down from the anchor, showing the strip's columns u0 … u1 (fractions of its width, one
/// pixel cut off on each side).
struct GlyphQuad {
    double x = 0;
    double width = 0;
    double height = 0;
    double u0 = 0;
    double u1 = 0;
};

/// The quads of a label of `size` (the width of the whole strip in scene units), centred on
/// its anchor: the text starts at −W/2 where W is the sum of the glyph widths.
std::vector<GlyphQuad> labelQuads(std::string_view text, double size);

} // namespace vintrel
