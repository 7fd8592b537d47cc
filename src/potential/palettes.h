#pragma once

#include "potential/potential_types.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vintrel {

/// The entries of the palette box, in this order; the first is the default, the last lets
/// the user pick a bitmap.
inline constexpr std::array<const char*, 20> PaletteNames = {"standard",
                                                             "warm",
                                                             "black-white",
                                                             "half b-w (+)",
                                                             "half b-w (-)",
                                                             "hi sensitive",
                                                             "hi sensitive half(+)",
                                                             "hi sensitive half(-)",
                                                             "hi contrast dark",
                                                             "hi contrast invert",
                                                             "nice centered",
                                                             "nice invert",
                                                             "thermovision",
                                                             "redish up",
                                                             "redish down",
                                                             "black on top",
                                                             "yellow on top",
                                                             "UV white up",
                                                             "UV white down",
                                                             "load from file"};

/// The bitmap of each of the first 19 palette entries, in the program's data folder.
inline constexpr std::array<const char*, 19> PaletteFiles = {"palette1.bmp",
                                                             "palette2.bmp",
                                                             "palette-bw.bmp",
                                                             "pal-hatf-bw-dn.bmp",
                                                             "pal-hatf-bw-up.bmp",
                                                             "pal-hi-sensitivi.bmp",
                                                             "pal-hi-sensitivi-dn.bmp",
                                                             "pal-hi-sensitivi-up.bmp",
                                                             "pal-hi-contrast-dark.bmp",
                                                             "pal-hi-contrast-invert.bmp",
                                                             "pal-nice-centered.bmp",
                                                             "pal-nice-invert.bmp",
                                                             "pal-thermovision.bmp",
                                                             "pal-redish-up.bmp",
                                                             "pal-redish-dn.bmp",
                                                             "pal-black-on-top.bmp",
                                                             "pal-yellow-on-top.bmp",
                                                             "pal-UV-white-up.bmp",
                                                             "pal-UV-white-dn.bmp"};

/// The entry that loads a palette from a bitmap the user picks.
inline constexpr std::size_t kPaletteFromFile = 19;

/// A picture as 8-bit red, green and blue bytes, row by row from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; ///< width · height · 3 bytes
};

/// The palette of a bitmap: the picture stretched to 1 × 256 pixels by pixel copy (row i of
/// the stretched copy is source row ⌊(2i + 1) · height / 512⌋ at the middle column), row i
/// (0 = top) giving entry 255 − i, each channel divided by 255. The top row therefore colours
/// the highest values. Nullopt for an empty picture or one whose bytes do not fit its size.
std::optional<colorMap> colorMapFromImage(const RgbImage& image);

} // namespace vintrel
