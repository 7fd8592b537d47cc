#pragma once

#include "graphs/plot_geometry.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace vintrel {

/// A colour as (red, green, blue).
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

/// How a line is drawn: solid, or one of the dash patterns (runs in pixels, on and off).
enum class LineStyle {
    Solid,
    Dotted,     ///< 1 on, 1 off
    DashDot,    ///< 2 1 1 1
    Dashed,     ///< 2 1 2 1
    DashDotDot, ///< 3 1 1 1 1 1
};

/// The run lengths of a dash pattern (empty for solid).
std::vector<int> dashPattern(LineStyle style);

struct SceneLine {
    PlotPixel a{};
    PlotPixel b{};
    Rgb colour{};
    LineStyle style = LineStyle::Solid;
};

/// Joined line segments through the points.
struct ScenePolyline {
    std::vector<PlotPixel> points{};
    Rgb colour{};
    LineStyle style = LineStyle::Solid;
    int width = 1;
};

/// A rectangle from (left, top) to (left + width, top + height), outlined in `pen` and
/// filled when `filled`; with a corner radius it is rounded.
struct SceneRect {
    PixelRect rect{};
    Rgb pen{};
    bool filled = false;
    Rgb fill{};
    int cornerRadius = 0;
};

/// A circle of the given diameter round the centre.
struct SceneCircle {
    PlotPixel centre{};
    int diameter = 6;
    Rgb pen{};
    Rgb fill{};
};

/// A filled triangle.
struct SceneTriangle {
    std::array<PlotPixel, 3> corners{};
    Rgb colour{};
};

/// Where a text sits relative to its point.
enum class TextAnchor {
    TopLeft,    ///< the text's top-left corner at the point
    TopRight,   ///< the text ends at the point's x, its top at the point's y
    TopCentre,  ///< centred on the point's x, its top at the point's y
    Centre,     ///< centred on the point both ways
    LeftCentre, ///< starts at the point's x, centred on its y
};

/// A text, plain or in the caption markup ("^", "_", "!"), horizontal or reading upwards (a
/// vertical text is anchored by its extent along the text as width).
struct SceneText {
    std::string text;
    PlotPixel at{};
    TextAnchor anchor = TextAnchor::TopLeft;
    int pointSize = 8;
    Rgb colour{};
    bool bold = false;
    bool markup = false;
    bool vertical = false;
};

/// The place where the page puts the small parameter view (not part of a figure).
struct SceneMiniParam {
    PixelRect rect{};
    int opacity = 100; ///< 0 … 255
};

using SceneItem = std::variant<SceneLine, ScenePolyline, SceneRect, SceneCircle, SceneTriangle,
                               SceneText, SceneMiniParam>;

/// Everything a graph shows, in drawing order: what one painter draws on the screen and into
/// the exported figures alike.
struct PlotScene {
    int width = 0;
    int height = 0;
    std::vector<SceneItem> items;

    template <typename Item>
    void add(Item item) {
        items.emplace_back(std::move(item));
    }
};

/// Puts `part` under `scene`, `gap` pixels below its bottom and `left` pixels from its left
/// edge: its items are moved there and the scene grows to hold them. An empty part (no items)
/// changes nothing.
void appendBelow(PlotScene& scene, const PlotScene& part, int left, int gap);

} // namespace vintrel
