#include "potential/palettes.h"

namespace vintrel {

std::optional<colorMap> colorMapFromImage(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() !=
            static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 3)
        return std::nullopt;
    const auto height = static_cast<std::size_t>(image.height);
    const auto column = static_cast<std::size_t>(image.width / 2);
    colorMap palette{};
    for (std::size_t i = 0; i < 256; ++i) {
        const std::size_t row = (2 * i + 1) * height / 512;
        const std::uint8_t* pixel =
            image.rgb.data() + (row * static_cast<std::size_t>(image.width) + column) * 3;
        palette[255 - i] = {pixel[0] / 255.0, pixel[1] / 255.0, pixel[2] / 255.0};
    }
    return palette;
}

} // namespace vintrel
