#pragma once

#include "potential/potential_types.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vintrel {

// The pieces of geometry that the point arrays and the point cloud share. Each is written once
// so that both give the same bits.

/// Degrees to radians.
inline constexpr double kDegree = std::numbers::pi / 180;

inline double dot(const TVector3& a, const TVector3& b) {
    return (a[0] * b[0] + a[1] * b[1]) + a[2] * b[2];
}

inline TVector3 minus(const TVector3& a, const TVector3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

inline TVector3 cross(const TVector3& a, const TVector3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

/// Coordinate `index` of a grid axis of `count` points from `origin` over `size`; a single
/// point lies at the origin.
inline double gridCoordinate(double origin, int index, double size, int count) {
    if (count <= 1)
        return origin;
    return origin + (index * size) / (count - 1);
}

/// The turn of rotateVector: about x by ax, then about y by ay, then about z by az (degrees).
class Rotation {
public:
    Rotation(double ax, double ay, double az)
        : cx_(std::cos(ax * kDegree)), sx_(std::sin(ax * kDegree)), cy_(std::cos(ay * kDegree)),
          sy_(std::sin(ay * kDegree)), cz_(std::cos(az * kDegree)), sz_(std::sin(az * kDegree)) {}

    TVector3 apply(const TVector3& v) const {
        const double y1 = v[1] * cx_ - v[2] * sx_;
        const double z1 = v[1] * sx_ + v[2] * cx_;
        const double x2 = v[0] * cy_ + z1 * sy_;
        const double z2 = -v[0] * sy_ + z1 * cy_;
        return {x2 * cz_ - y1 * sz_, x2 * sz_ + y1 * cz_, z2};
    }

private:
    double cx_, sx_, cy_, sy_, cz_, sz_;
};

/// The axis-parallel cube [x0, x0 + a] × [y0, y0 + a] × [z0, z0 + a], bounds included.
struct CubeTest {
    double x0, y0, z0, a;
    bool inside(const TVector3& p) const {
        return x0 <= p[0] && p[0] <= x0 + a && y0 <= p[1] && p[1] <= y0 + a && z0 <= p[2] &&
               p[2] <= z0 + a;
    }
};

/// The ball of `radius` round `centre`, its surface included.
struct SphereTest {
    double radius;
    TVector3 centre;
    bool inside(const TVector3& p) const {
        const TVector3 d = minus(p, centre);
        return !(dot(d, d) > radius * radius);
    }
};

/// A convex body as face planes with inward normals: a point is outside when, for some face
/// through V with normal N, V · N > p · N. Points on a face are inside.
template <std::size_t faces>
struct PlanesTest {
    std::array<TVector3, faces> normals{};
    std::array<double, faces> offsets{};

    bool inside(const TVector3& p) const {
        for (std::size_t k = 0; k < faces; ++k)
            if (offsets[k] > dot(p, normals[k]))
                return false;
        return true;
    }
};

/// The face through `point` with the normal `normal` turned towards `centre`.
template <std::size_t faces>
void setFace(PlanesTest<faces>& body, std::size_t k, const TVector3& point, TVector3 normal,
             const TVector3& centre) {
    if (dot(point, normal) > dot(centre, normal))
        normal = {-normal[0], -normal[1], -normal[2]};
    body.normals[k] = normal;
    body.offsets[k] = dot(point, normal);
}

/// The four corners V0 … V3 of the regular tetrahedron in the cube at (x0, y0, z0) of edge a.
inline std::array<TVector3, 4> tetrahedronCorners(double x0, double y0, double z0, double a) {
    return {TVector3{x0 + a, y0, z0}, TVector3{x0, y0, z0 + a}, TVector3{x0, y0 + a, z0},
            TVector3{x0 + a, y0 + a, z0 + a}};
}

/// The six face centres F0 … F5 of the cube at (x0, y0, z0) of edge a: the octahedron.
inline std::array<TVector3, 6> octahedronCorners(double x0, double y0, double z0, double a) {
    const double h = a / 2;
    return {TVector3{x0 + h, y0 + h, z0},     TVector3{x0 + h, y0 + h, z0 + a},
            TVector3{x0, y0 + h, z0 + h},     TVector3{x0 + h, y0, z0 + h},
            TVector3{x0 + a, y0 + h, z0 + h}, TVector3{x0 + h, y0 + a, z0 + h}};
}

inline TVector3 cubeCentre(double x0, double y0, double z0, double a) {
    return {x0 + a / 2, y0 + a / 2, z0 + a / 2};
}

inline PlanesTest<4> tetrahedronTest(double x0, double y0, double z0, double a) {
    const auto v = tetrahedronCorners(x0, y0, z0, a);
    const TVector3 centre = cubeCentre(x0, y0, z0, a);
    PlanesTest<4> body;
    setFace(body, 0, v[0], cross(minus(v[1], v[0]), minus(v[2], v[0])), centre);
    setFace(body, 1, v[1], cross(minus(v[2], v[1]), minus(v[3], v[1])), centre);
    setFace(body, 2, v[2], cross(minus(v[3], v[2]), minus(v[0], v[2])), centre);
    setFace(body, 3, v[3], cross(minus(v[0], v[3]), minus(v[1], v[3])), centre);
    return body;
}

inline PlanesTest<8> octahedronTest(double x0, double y0, double z0, double a) {
    const auto f = octahedronCorners(x0, y0, z0, a);
    const TVector3 centre = cubeCentre(x0, y0, z0, a);
    // The ring F2, F3, F4, F5 around the axis through F0 (bottom) and F1 (top).
    const std::size_t ring[4][2] = {{2, 3}, {3, 4}, {4, 5}, {5, 2}};
    PlanesTest<8> body;
    for (std::size_t apex = 0; apex < 2; ++apex)
        for (std::size_t k = 0; k < 4; ++k) {
            const TVector3& tip = f[apex];
            const TVector3 normal = cross(minus(f[ring[k][0]], tip), minus(f[ring[k][1]], tip));
            setFace(body, apex * 4 + k, tip, normal, centre);
        }
    return body;
}

/// The view-through hole: the cylinder of radius r round the line of sight of the view angles
/// aX, aY (degrees). p is turned about y by aY − 45°, then about x by aX + 35.26°; the point is
/// inside when x″² + y″² < r².
class HoleTest {
public:
    HoleTest(double angleX, double angleY, double radius)
        : cy_(std::cos((angleY - 45) * kDegree)), sy_(std::sin((angleY - 45) * kDegree)),
          cx_(std::cos((angleX + 35.26) * kDegree)), sx_(std::sin((angleX + 35.26) * kDegree)),
          r2_(radius * radius) {}

    bool inside(double x, double y, double z) const {
        const double x1 = x * cy_ + z * sy_;
        const double z1 = -x * sy_ + z * cy_;
        const double y2 = y * cx_ - z1 * sx_;
        return x1 * x1 + y2 * y2 < r2_;
    }

private:
    double cy_, sy_, cx_, sx_, r2_;
};

} // namespace vintrel
