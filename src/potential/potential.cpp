#include "potential/potential.h"

#include "base/rounding.h"
#include "potential/geometry.h"
#include "potential/stevens.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <utility>

namespace vintrel {

namespace {

// One pass of the evaluation: coefficient c times polynomial `term` added to every point.
template <int term>
void addTermToPoints(double c, PointDataArray& points) {
    for (TPointData& p : points)
        p.value += c * stevensTerm<term>(monomialsOf(p.point[0], p.point[1], p.point[2]));
}

using AddTermToPoints = void (*)(double, PointDataArray&);

template <std::size_t... terms>
constexpr std::array<AddTermToPoints, 27> passTable(std::index_sequence<terms...>) {
    return {&addTermToPoints<static_cast<int>(terms)>...};
}

constexpr std::array<AddTermToPoints, 27> kPasses = passTable(std::make_index_sequence<27>());

template <class Test>
void clearOutside(PointDataArray& points, const Test& body) {
    for (TPointData& p : points)
        if (!body.inside(p.point))
            p.inshape = false;
}

} // namespace

const char* bodyCaption(Body body) {
    switch (body) {
    case Body::cube:
        return "Cube";
    case Body::tetrahedron:
        return "Tetrahedron";
    case Body::octahedron:
        return "Octahedron";
    case Body::sphere:
        break;
    }
    return "Sphere";
}

const char* resolutionCaption(Resolution resolution) {
    switch (resolution) {
    case Resolution::low:
        return "Low";
    case Resolution::high:
        return "High";
    case Resolution::veryHigh:
        return "Very high";
    case Resolution::medium:
        break;
    }
    return "Medium";
}

std::optional<Body> bodyOfName(std::string_view name) {
    for (Body body : {Body::sphere, Body::cube, Body::tetrahedron, Body::octahedron}) {
        std::string lower = bodyCaption(body);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name == lower)
            return body;
    }
    return std::nullopt;
}

std::optional<Resolution> resolutionOfName(std::string_view name) {
    if (name == "low")
        return Resolution::low;
    if (name == "medium")
        return Resolution::medium;
    if (name == "high")
        return Resolution::high;
    if (name == "veryhigh")
        return Resolution::veryHigh;
    return std::nullopt;
}

int pointsPerLength(Resolution resolution) {
    switch (resolution) {
    case Resolution::low:
        return 20;
    case Resolution::high:
        return 40;
    case Resolution::veryHigh:
        return 50;
    case Resolution::medium:
        break;
    }
    return 30;
}

int gridPointCount(int shapeSize, int perLength) {
    const long long steps = static_cast<long long>(shapeSize) * perLength;
    return steps <= 150 ? static_cast<int>(steps) + 1 : 151;
}

void evaluatePotential(const CoefficientList& coefficients, PointDataArray& points) {
    for (TPointData& p : points)
        p.value = 0;
    // Flat position i is polynomial (n, m) = coefIndexToNM(i), kept in that order by the table.
    for (std::size_t i = 0; i < kPasses.size(); ++i)
        kPasses[i](coefficients[i], points);
}

void makeGrid(int nx, int ny, int nz, double x0, double y0, double z0, double size,
              PointDataArray& points) {
    points.clear();
    if (nx < 1 || ny < 1 || nz < 1)
        return;
    points.reserve(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny) *
                   static_cast<std::size_t>(nz));
    for (int i = 0; i < nx; ++i) {
        const double x = gridCoordinate(x0, i, size, nx);
        for (int j = 0; j < ny; ++j) {
            const double y = gridCoordinate(y0, j, size, ny);
            for (int k = 0; k < nz; ++k) {
                TPointData p;
                p.point = {x, y, gridCoordinate(z0, k, size, nz)};
                points.push_back(p);
            }
        }
    }
}

void clipCube(PointDataArray& points, double size, double x0, double y0, double z0) {
    const CubeTest cube{x0, y0, z0, size};
    for (TPointData& p : points)
        p.inshape = cube.inside(p.point);
}

void clipSphere(PointDataArray& points, double radius, const TVector3& centre) {
    clearOutside(points, SphereTest{radius, centre});
}

void clipTetrahedron(PointDataArray& points, double x0, double y0, double z0, double size) {
    clearOutside(points, tetrahedronTest(x0, y0, z0, size));
}

void clipOctahedron(PointDataArray& points, double x0, double y0, double z0, double size) {
    clearOutside(points, octahedronTest(x0, y0, z0, size));
}

ValueRange valueRange(const PointDataArray& points) {
    ValueRange range;
    for (const TPointData& p : points) {
        if (!p.inshape || !std::isfinite(p.value))
            continue;
        if (p.value > range.max)
            range.max = p.value;
        if (p.value < range.min)
            range.min = p.value;
    }
    return range;
}

void showAllPoints(PointDataArray& points) {
    for (TPointData& p : points)
        p.visible = true;
}

void filterByValue(PointDataArray& points, bool marginal, double lower, double upper) {
    for (TPointData& p : points) {
        const double v = p.value;
        const bool keep = marginal ? !(lower < v && v < upper) : (lower <= v && v <= upper);
        if (!keep || !std::isfinite(v))
            p.visible = false;
    }
}

void hideAllPoints(PointDataArray& points) {
    for (TPointData& p : points)
        p.visible = false;
}

void cutHole(PointDataArray& points, double angleX, double angleY, double radius) {
    const HoleTest hole(angleX, angleY, radius);
    for (TPointData& p : points)
        if (hole.inside(p.point[0], p.point[1], p.point[2]))
            p.visible = false;
}

int paletteIndex(double value, double min, double max) {
    const double scale = std::isfinite(255 * (max - min)) ? 1.0 : 0x1p-10;
    const double position = (255 * (value * scale - min * scale)) / (max * scale - min * scale);
    return std::clamp(roundHalfEven(position), 0, 255);
}

std::uint8_t colourByte(double intensity) {
    return static_cast<std::uint8_t>(std::clamp(roundHalfEven(255 * intensity), 0, 255));
}

void colourPoints(PointDataArray& points, double min, double max, const colorMap& palette) {
    if (!(min < max))
        return;
    for (TPointData& p : points) {
        if (!p.inshape || !p.visible || !std::isfinite(p.value))
            continue;
        const auto& entry = palette[static_cast<std::size_t>(paletteIndex(p.value, min, max))];
        p.colr = colourByte(entry[0]);
        p.colg = colourByte(entry[1]);
        p.colb = colourByte(entry[2]);
    }
}

TVector3 rotateVector(const TVector3& v, double ax, double ay, double az) {
    return Rotation(ax, ay, az).apply(v);
}

void rotatePoints(PointDataArray& points, double ax, double ay, double az) {
    const Rotation rotation(ax, ay, az);
    for (TPointData& p : points)
        p.point = rotation.apply(p.point);
}

void rotateShape(TShapeData& shape, double ax, double ay, double az) {
    const Rotation rotation(ax, ay, az);
    for (TVector3& v : shape.vertices)
        v = rotation.apply(v);
}

void copyPoints(const PointDataArray& source, PointDataArray& destination) {
    destination = source;
}

void copyShape(const TShapeData& source, TShapeData& destination) {
    destination = source;
}

void clearShape(TShapeData& shape) {
    shape.vertices.clear();
    shape.lines.clear();
}

void cubeShape(TShapeData& shape, double x0, double y0, double z0, double size) {
    const double a = size;
    shape.vertices = {
        {x0, y0, z0},     {x0 + a, y0, z0},     {x0 + a, y0 + a, z0},     {x0, y0 + a, z0},
        {x0, y0, z0 + a}, {x0 + a, y0, z0 + a}, {x0 + a, y0 + a, z0 + a}, {x0, y0 + a, z0 + a}};
    shape.lines = {0, 1, 1, 2, 2, 3, 3, 0, 4, 5, 5, 6, 6, 7, 7, 4, 0, 4, 1, 5, 2, 6, 3, 7};
}

void tetrahedronShape(TShapeData& shape, double x0, double y0, double z0, double size) {
    const auto v = tetrahedronCorners(x0, y0, z0, size);
    shape.vertices.assign(v.begin(), v.end());
    shape.lines = {0, 1, 1, 2, 2, 0, 0, 3, 1, 3, 2, 3};
}

void octahedronShape(TShapeData& shape, double x0, double y0, double z0, double size) {
    const auto f = octahedronCorners(x0, y0, z0, size);
    shape.vertices.assign(f.begin(), f.end());
    shape.lines = {0, 2, 0, 3, 0, 4, 0, 5, 1, 2, 1, 3, 1, 4, 1, 5, 2, 3, 3, 4, 4, 5, 5, 2};
}

void buildBaseSet(PointDataArray& points, Body body, int shapeSize, int perLength) {
    const int n = gridPointCount(shapeSize, perLength);
    const double corner = -shapeSize / 2.0;
    makeGrid(n, n, n, corner, corner, corner, shapeSize, points);
    clipToBody(points, body, shapeSize);
}

void clipToBody(PointDataArray& points, Body body, double shapeSize) {
    const double corner = -shapeSize / 2;
    clipCube(points, shapeSize, corner, corner, corner);
    switch (body) {
    case Body::sphere:
        clipSphere(points, shapeSize / 2, {0, 0, 0});
        break;
    case Body::tetrahedron:
        clipTetrahedron(points, corner, corner, corner, shapeSize);
        break;
    case Body::octahedron:
        clipOctahedron(points, corner, corner, corner, shapeSize);
        break;
    case Body::cube:
        break;
    }
}

TShapeData bodyShape(Body body, double shapeSize) {
    const double a = 1.01 * shapeSize;
    const double corner = -a / 2;
    TShapeData shape;
    switch (body) {
    case Body::cube:
        cubeShape(shape, corner, corner, corner, a);
        break;
    case Body::tetrahedron:
        tetrahedronShape(shape, corner, corner, corner, a);
        break;
    case Body::octahedron:
        octahedronShape(shape, corner, corner, corner, a);
        break;
    case Body::sphere:
        break;
    }
    return shape;
}

} // namespace vintrel
