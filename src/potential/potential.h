#pragma once

#include "potential/potential_types.h"

#include <optional>
#include <string_view>

namespace vintrel {

// The sample points of the potential as arrays of records, and the operations on them. These
// follow the evaluation step by step (27 passes, one per coefficient) and are the reference the
// point cloud (potential_cloud.h) is checked against. All angles are in degrees; every
// operation works in place.

/// The body the points are clipped to.
enum class Body { sphere, cube, tetrahedron, octahedron };

/// The resolution choice: 20, 30, 40 or 50 grid points per length 1.
enum class Resolution { low, medium, high, veryHigh };

/// "Sphere", "Cube", "Tetrahedron", "Octahedron": the entries of the shape box.
const char* bodyCaption(Body body);
/// "Low", "Medium", "High", "Very high": the entries of the resolution box.
const char* resolutionCaption(Resolution resolution);
/// The body by its lower-case name ("sphere", …); nullopt for anything else.
std::optional<Body> bodyOfName(std::string_view name);
/// The resolution by its lower-case name ("low", "medium", "high", "veryhigh").
std::optional<Resolution> resolutionOfName(std::string_view name);
int pointsPerLength(Resolution resolution);

/// Points per grid axis for a shape size s and `perLength` points per length 1:
/// s · perLength + 1, at most 151.
int gridPointCount(int shapeSize, int perLength);

/// Every point's value set to Σ coefficient[i] · O_n^m(point) over i = 1 … 27 in flat order,
/// one pass per coefficient, zero coefficients included.
void evaluatePotential(const CoefficientList& coefficients, PointDataArray& points);

/// Replaces the points by the nx · ny · nz grid from (x0, y0, z0) over `size` on each axis:
/// point (i, j, k) at index (i · ny + j) · nz + k (x slowest, z fastest) lies at
/// x0 + i · size / (nx − 1) and so on; value 0, colour black, in shape and visible. An axis of
/// one point holds it at the corner; a dimension below 1 gives no points.
void makeGrid(int nx, int ny, int nz, double x0, double y0, double z0, double size,
              PointDataArray& points);

/// `inshape` set to whether the point lies in the cube from the corner (x0, y0, z0) with edge
/// `size`, bounds included.
void clipCube(PointDataArray& points, double size, double x0, double y0, double z0);
/// `inshape` cleared outside the ball (its surface counts as inside).
void clipSphere(PointDataArray& points, double radius, const TVector3& centre);
/// `inshape` cleared outside the regular tetrahedron on four alternate corners of the cube.
void clipTetrahedron(PointDataArray& points, double x0, double y0, double z0, double size);
/// `inshape` cleared outside the octahedron on the six face centres of the cube.
void clipOctahedron(PointDataArray& points, double x0, double y0, double z0, double size);

/// The range of the finite values of the in-shape points, starting from (0, 0): it always
/// holds 0. Infinite and undefined values are left out.
ValueRange valueRange(const PointDataArray& points);

/// Every point visible.
void showAllPoints(PointDataArray& points);

/// Hides points by value. Central (`marginal` false): a point stays visible only when
/// lower ≤ value ≤ upper. Marginal: a point is hidden when lower < value < upper. A value that
/// is not finite is hidden either way.
void filterByValue(PointDataArray& points, bool marginal, double lower, double upper);

/// Hides every point: what the refresh does when the range is empty (min ≥ max).
void hideAllPoints(PointDataArray& points);

/// Hides the points inside the cylinder of `radius` round the line of sight of the view angles.
void cutHole(PointDataArray& points, double angleX, double angleY, double radius);

/// The palette index of a value: the integer nearest to 255 · (value − min) / (max − min),
/// halves to even, clamped to 0 … 255. Needs min < max and a finite value. A range too wide
/// to be scaled by 255 is taken at 2^-10 of its size, which is exact.
int paletteIndex(double value, double min, double max);

/// The byte of a palette intensity: the integer nearest to 255 · intensity, halves to even,
/// clamped to 0 … 255.
std::uint8_t colourByte(double intensity);

/// Colours every drawn point (in shape, visible, finite value) with palette entry
/// paletteIndex(value): each channel colourByte of the entry. Other points keep their colour.
/// Does nothing unless min < max.
void colourPoints(PointDataArray& points, double min, double max, const colorMap& palette);

/// v turned about x by ax, then about y by ay, then about z by az.
TVector3 rotateVector(const TVector3& v, double ax, double ay, double az);
void rotatePoints(PointDataArray& points, double ax, double ay, double az);
void rotateShape(TShapeData& shape, double ax, double ay, double az);

void copyPoints(const PointDataArray& source, PointDataArray& destination);
void copyShape(const TShapeData& source, TShapeData& destination);
void clearShape(TShapeData& shape);

/// The wireframes of the bodies in the cube from (x0, y0, z0) with edge `size`.
void cubeShape(TShapeData& shape, double x0, double y0, double z0, double size);
void tetrahedronShape(TShapeData& shape, double x0, double y0, double z0, double size);
void octahedronShape(TShapeData& shape, double x0, double y0, double z0, double size);

/// The base set of a page: the N³ grid of the cube of edge s centred on the origin, clipped to
/// the body (N = gridPointCount(s, perLength)).
void buildBaseSet(PointDataArray& points, Body body, int shapeSize, int perLength);

/// A change of body on a base set of shape size s: `inshape` reset by the cube, then clipped.
void clipToBody(PointDataArray& points, Body body, double shapeSize);

/// The wireframe shown round a body of shape size s: built on the cube of edge 1.01 · s centred
/// on the origin, so that its lines stay visible round the points; the sphere has none.
TShapeData bodyShape(Body body, double shapeSize);

} // namespace vintrel
