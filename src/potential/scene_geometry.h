#pragma once

#include "potential/moment_trail.h"
#include "potential/potential_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// What the 3-D view draws besides the points, as vertex lists in scene coordinates (y up): the
// floor grid with the three axes, the field arrow, the wireframe, the molecular-field arrows
// and the labels made of the glyph strip. The panel only hands these lists to OpenGL.

/// A colour with red, green and blue from 0 to 1.
struct SceneColour {
    float r = 0, g = 0, b = 0;
    bool operator==(const SceneColour&) const = default;
};

/// The fixed colours of the scene.
namespace scene_colours {
inline constexpr SceneColour grid{0.85f, 0.85f, 0.95f};
inline constexpr SceneColour xAxis{0.0f, 0.93f, 0.14f};
inline constexpr SceneColour zAxis{0.0f, 0.65f, 1.0f};
inline constexpr SceneColour yAxis{0.95f, 0.63f, 0.1f};
inline constexpr SceneColour fieldArrow{0.05f, 0.05f, 0.05f};
inline constexpr SceneColour molecularLabel{0.95f, 0.05f, 0.05f};
inline constexpr SceneColour wireframe{1.0f, 1.0f, 1.0f};
} // namespace scene_colours

/// A vertex with its colour.
struct SceneVertex {
    float x = 0, y = 0, z = 0;
    float r = 0, g = 0, b = 0;
};

/// Lines of one width: vertices taken in pairs.
struct LineSet {
    float width = 1;
    std::vector<SceneVertex> vertices;
};

/// Filled triangles (vertices taken in threes) and lines.
struct SceneMesh {
    std::vector<SceneVertex> triangles;
    std::vector<LineSet> lines;

    void append(const SceneMesh& other);
    bool empty() const { return triangles.empty() && lines.empty(); }
};

/// The floor grid in the plane y = 0: `count` lines each way from −halfSize to halfSize
/// without the centre lines, width 0.6; then the x axis and the z axis (width 1.5) and the y
/// axis (width 2.5) from −halfSize to halfSize, each in its colour.
SceneMesh gridAndAxes(int count = 100, double halfSize = 100);

/// An arrow of length L along the direction of polar angle `polar` from +z and azimuth
/// `azimuth` from +x (degrees): centred on the origin or starting there. A hexagonal stub of
/// radius 0.02 over the first fraction f1, a shaft line of width 4 up to the fraction f2 before
/// the tip and a cone of radius 0.04 to the tip. Nothing for L ≤ 0.
SceneMesh arrowMesh(bool centred, double length, double polar, double azimuth, SceneColour colour,
                    double f1, double f2);

/// The wireframe of a shape: one white line of width 2 per index pair; pairs that name a
/// vertex the shape does not have are left out.
SceneMesh shapeMesh(const TShapeData& shape);

/// The molecular-field arrows of a trail: from the origin, `scale` · length long, each in its
/// own colour (stub fraction 0.01, head fraction 0.2).
SceneMesh trailMesh(const MomentTrail& trail);

/// A vertex of a label quad: position and texture coordinates in the glyph strip.
struct LabelVertex {
    float x = 0, y = 0, z = 0;
    float u = 0, v = 0;
};

/// A text drawn from the glyph strip: triangles (two per character) facing the viewer.
struct SceneLabel {
    std::vector<LabelVertex> triangles;
    SceneColour colour;
};

/// A label of `size` anchored at `at` for the view angles (angleX, angleY): centred
/// horizontally on the anchor and hanging below it, turned by labelMatrix.
SceneLabel placedLabel(std::string_view text, const TVector3& at, double size, SceneColour colour,
                       double angleX, double angleY);

/// The numbers along the axes ("0.0"): x from −10 to 10 and z from −5 to 5 without 0 (size
/// 2), y from −3 to 3 with 0 (size 2.5), each in its axis colour.
std::vector<SceneLabel> axisLabels(double angleX, double angleY);

/// "C=" + the field by "0.##" + "T" (the field label).
std::string fieldLabelText(double tesla);
/// "m=" + the moment by "0.##" + "u" (the label of the current molecular-field arrow).
std::string momentLabelText(double moment);

/// The field arrow as the page sets it: magnitude (tesla, shown in its label), polar angle,
/// azimuth, drawn length and proportions.
struct FieldArrow {
    double length = 0;
    double alpha = 0;
    double beta = 0;
    double draw = 0;
    double scale = 1;
};

/// The label of the field arrow at half the arrow's direction raised by 0.2, or nothing for a
/// field of 0.
std::vector<SceneLabel> fieldLabel(const FieldArrow& arrow, double angleX, double angleY);

/// The label of the trail's last arrow at its tip raised by 0.2, or nothing for an empty trail.
std::vector<SceneLabel> trailLabel(const MomentTrail& trail, double angleX, double angleY);

} // namespace vintrel
