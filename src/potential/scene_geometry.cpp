#include "potential/scene_geometry.h"

#include "base/number_pattern.h"
#include "potential/glyph_strip.h"
#include "potential/view_camera.h"
#include "resultdata/term_values.h"

#include <cmath>
#include <numbers>

namespace vintrel {

namespace {

SceneVertex vertex(const TVector3& p, SceneColour c) {
    return {static_cast<float>(p[0]),
            static_cast<float>(p[1]),
            static_cast<float>(p[2]),
            c.r,
            c.g,
            c.b};
}

void addLine(LineSet& set, const TVector3& a, const TVector3& b, SceneColour c) {
    set.vertices.push_back(vertex(a, c));
    set.vertices.push_back(vertex(b, c));
}

TVector3 placed(const Matrix4& m, const TVector3& p) {
    const auto q = m.transform(p);
    return {q[0], q[1], q[2]};
}

/// A ring of seven points (the seventh closing the hexagon) of radius r at height z.
std::array<TVector3, 7> ring(double r, double z) {
    std::array<TVector3, 7> points{};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double t = static_cast<double>(i) * 2 * std::numbers::pi / 6;
        points[i] = {r * std::cos(t), r * std::sin(t), z};
    }
    return points;
}

/// A fan round `centre` over the ring, as triangles.
void addFan(SceneMesh& mesh, const Matrix4& m, const TVector3& centre,
            const std::array<TVector3, 7>& points, SceneColour c) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        mesh.triangles.push_back(vertex(placed(m, centre), c));
        mesh.triangles.push_back(vertex(placed(m, points[i]), c));
        mesh.triangles.push_back(vertex(placed(m, points[i + 1]), c));
    }
}

std::string axisNumber(int i) {
    return formatFloatDot("0.0", i);
}

} // namespace

void SceneMesh::append(const SceneMesh& other) {
    triangles.insert(triangles.end(), other.triangles.begin(), other.triangles.end());
    lines.insert(lines.end(), other.lines.begin(), other.lines.end());
}

SceneMesh gridAndAxes(int count, double halfSize) {
    SceneMesh mesh;
    LineSet grid{0.6f, {}};
    const double s = halfSize;
    for (int i = 0; i < count; ++i) {
        if (i == count / 2)
            continue;
        const double t = -s + i * 2 * s / count;
        addLine(grid, {t, 0, -s}, {t, 0, s}, scene_colours::grid);
        addLine(grid, {-s, 0, t}, {s, 0, t}, scene_colours::grid);
    }
    mesh.lines.push_back(std::move(grid));
    LineSet flat{1.5f, {}};
    addLine(flat, {-s, 0, 0}, {s, 0, 0}, scene_colours::xAxis);
    addLine(flat, {0, 0, -s}, {0, 0, s}, scene_colours::zAxis);
    mesh.lines.push_back(std::move(flat));
    LineSet vertical{2.5f, {}};
    addLine(vertical, {0, -s, 0}, {0, s, 0}, scene_colours::yAxis);
    mesh.lines.push_back(std::move(vertical));
    return mesh;
}

SceneMesh arrowMesh(bool centred, double length, double polar, double azimuth, SceneColour colour,
                    double f1, double f2) {
    SceneMesh mesh;
    if (!(length > 0))
        return mesh;
    const Matrix4 m = rotationMatrix(azimuth, {0, 0, 1}) * rotationMatrix(polar, {0, 1, 0});
    const double s = centred ? -length / 2 : 0;
    const double e = centred ? length / 2 : length;
    const double z1 = (1 - f1) * s + f1 * e;
    const double z2 = f2 * s + (1 - f2) * e;
    const auto bottom = ring(0.02, s), top = ring(0.02, z1);
    for (std::size_t i = 0; i + 1 < bottom.size(); ++i) {
        for (const TVector3& p :
             {bottom[i], top[i], bottom[i + 1], bottom[i + 1], top[i], top[i + 1]})
            mesh.triangles.push_back(vertex(placed(m, p), colour));
    }
    addFan(mesh, m, {0, 0, s}, bottom, colour);
    addFan(mesh, m, {0, 0, z1}, top, colour);
    LineSet shaft{4.0f, {}};
    addLine(shaft, placed(m, {0, 0, z1}), placed(m, {0, 0, z2}), colour);
    mesh.lines.push_back(std::move(shaft));
    const auto head = ring(0.04, z2);
    addFan(mesh, m, {0, 0, z2}, head, colour);
    addFan(mesh, m, {0, 0, e}, head, colour);
    return mesh;
}

SceneMesh shapeMesh(const TShapeData& shape) {
    SceneMesh mesh;
    LineSet lines{2.0f, {}};
    const auto count = static_cast<std::int32_t>(shape.vertices.size());
    for (std::size_t k = 0; k + 1 < shape.lines.size(); k += 2) {
        const std::int32_t a = shape.lines[k], b = shape.lines[k + 1];
        if (a < 0 || b < 0 || a >= count || b >= count)
            continue;
        addLine(lines, shape.vertices[static_cast<std::size_t>(a)],
                shape.vertices[static_cast<std::size_t>(b)], scene_colours::wireframe);
    }
    if (!lines.vertices.empty())
        mesh.lines.push_back(std::move(lines));
    return mesh;
}

SceneMesh trailMesh(const MomentTrail& trail) {
    SceneMesh mesh;
    for (std::size_t k = 0; k < trail.size(); ++k)
        mesh.append(
            arrowMesh(false, trail.scale * trail.len[k], trail.alpha[k], trail.beta[k],
                      {static_cast<float>(trail.colorR[k]), static_cast<float>(trail.colorG[k]),
                       static_cast<float>(trail.colorB[k])},
                      0.01, 0.2));
    return mesh;
}

SceneLabel placedLabel(std::string_view text, const TVector3& at, double size, SceneColour colour,
                       double angleX, double angleY) {
    SceneLabel label;
    label.colour = colour;
    const Matrix4 m = labelMatrix(at, angleX, angleY, 0);
    for (const GlyphQuad& q : labelQuads(text, size)) {
        const TVector3 topLeft = placed(m, {q.x, 0, 0});
        const TVector3 bottomLeft = placed(m, {q.x, -q.height, 0});
        const TVector3 bottomRight = placed(m, {q.x + q.width, -q.height, 0});
        const TVector3 topRight = placed(m, {q.x + q.width, 0, 0});
        const auto lv = [](const TVector3& p, double u, double v) {
            return LabelVertex{static_cast<float>(p[0]), static_cast<float>(p[1]),
                               static_cast<float>(p[2]), static_cast<float>(u),
                               static_cast<float>(v)};
        };
        label.triangles.push_back(lv(topLeft, q.u0, 0));
        label.triangles.push_back(lv(bottomLeft, q.u0, 1));
        label.triangles.push_back(lv(bottomRight, q.u1, 1));
        label.triangles.push_back(lv(topLeft, q.u0, 0));
        label.triangles.push_back(lv(bottomRight, q.u1, 1));
        label.triangles.push_back(lv(topRight, q.u1, 0));
    }
    return label;
}

std::vector<SceneLabel> axisLabels(double angleX, double angleY) {
    std::vector<SceneLabel> labels;
    for (int i = -10; i <= 10; ++i)
        if (i != 0)
            labels.push_back(placedLabel(axisNumber(i), {static_cast<double>(i), 0, 0}, 2,
                                         scene_colours::xAxis, angleX, angleY));
    for (int i = -5; i <= 5; ++i)
        if (i != 0)
            labels.push_back(placedLabel(axisNumber(i), {0, 0, static_cast<double>(i)}, 2,
                                         scene_colours::zAxis, angleX, angleY));
    for (int i = -3; i <= 3; ++i)
        labels.push_back(placedLabel(axisNumber(i), {0, static_cast<double>(i), 0}, 2.5,
                                     scene_colours::yAxis, angleX, angleY));
    return labels;
}

std::string fieldLabelText(double tesla) {
    return "C=" + formatFloatDot("0.##", tesla) + "T";
}

std::string momentLabelText(double moment) {
    return "m=" + formatFloatDot("0.##", moment) + "u";
}

std::vector<SceneLabel> fieldLabel(const FieldArrow& arrow, double angleX, double angleY) {
    if (!(arrow.length > 0))
        return {};
    const FieldVector b = fieldComponents(arrow.draw, arrow.alpha, arrow.beta);
    return {placedLabel(fieldLabelText(arrow.length), {0.5 * b.x, 0.5 * b.y + 0.2, 0.5 * b.z}, 3,
                        scene_colours::fieldArrow, angleX, angleY)};
}

std::vector<SceneLabel> trailLabel(const MomentTrail& trail, double angleX, double angleY) {
    if (trail.size() == 0)
        return {};
    const std::size_t h = trail.size() - 1;
    const FieldVector tip =
        fieldComponents(trail.scale * trail.len[h], trail.alpha[h], trail.beta[h]);
    return {placedLabel(momentLabelText(trail.len[h]), {tip.x, tip.y + 0.2, tip.z}, 2,
                        scene_colours::molecularLabel, angleX, angleY)};
}

} // namespace vintrel
