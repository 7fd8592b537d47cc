#pragma once

#include "potential/potential_types.h"

#include <array>
#include <optional>

namespace vintrel {

/// A 4 × 4 matrix stored by columns, as OpenGL takes it: element (row r, column c) is
/// m[c · 4 + r].
struct Matrix4 {
    std::array<double, 16> m{};

    static Matrix4 identity();
    double at(int row, int column) const { return m[static_cast<std::size_t>(column * 4 + row)]; }
    double& at(int row, int column) { return m[static_cast<std::size_t>(column * 4 + row)]; }
    Matrix4 operator*(const Matrix4& right) const;
    std::array<double, 4> operator*(const std::array<double, 4>& v) const;
    /// The point (x, y, z, 1) transformed, before any division by w.
    std::array<double, 4> transform(const TVector3& p) const;
};

/// The matrices the fixed-function calls make: glRotate (angle in degrees about an axis),
/// glTranslate, gluPerspective (vertical field of view in degrees) and gluLookAt.
Matrix4 rotationMatrix(double angle, const TVector3& axis);
Matrix4 translationMatrix(const TVector3& offset);
Matrix4 perspectiveMatrix(double fieldOfView, double aspect, double zNear, double zFar);
Matrix4 lookAtMatrix(const TVector3& eye, const TVector3& centre, const TVector3& up);

/// The projection of the 3-D view: 43° vertical field of view, aspect width / height, near
/// plane 0.1, far plane 500; a width or height of 0 counts as 1.
Matrix4 viewProjection(int width, int height);

/// A pixel position in the view, x to the right and y down from the top-left corner, in
/// fractions of a pixel: (width / 2, height / 2) is the centre of the view.
struct ViewPixel {
    double x = 0;
    double y = 0;
};

/// The camera of the 3-D view: a position at zoom 1, the point looked at, two view angles
/// (degrees) and a zoom factor.
class ViewCamera {
public:
    ViewCamera() { setDefaultView(); }

    /// Camera at (4.5, 4.5, 4.5), looking at the origin, angles 0, zoom 1.
    void setDefaultView();
    void setCameraPos(const TVector3& position) { cameraPos_ = position; }
    void setLookAt(const TVector3& centre) { lookAt_ = centre; }
    void setAngles(double angleX, double angleY);
    void setZoom(double zoom) { zoom_ = zoom; }

    const TVector3& cameraPos() const { return cameraPos_; }
    const TVector3& lookAt() const { return lookAt_; }
    double angleX() const { return angleX_; }
    double angleY() const { return angleY_; }
    double zoom() const { return zoom_; }

    /// A drag of the left button by (dx, dy) pixels: one degree per pixel, the vertical move
    /// tilting about the horizontal axis across the default line of sight, the horizontal
    /// one spinning about the vertical axis.
    void drag(int dx, int dy);
    /// A wheel notch (or PageUp / PageDown): zoom × 1.1 closer, × 0.9 farther.
    void wheelCloser() { zoom_ *= 1.1; }
    void wheelFarther() { zoom_ *= 0.9; }
    /// The views "internal" (zoom 12, inside larger bodies) and "external" (zoom 0.5).
    void viewInternal() { zoom_ = 12; }
    void viewExternal() { zoom_ = 0.5; }

    /// The eye: lookAt + (cameraPos − lookAt) / zoom.
    TVector3 eye() const;
    /// The model-view matrix: looking from the eye at lookAt with y up, then turned 45° about
    /// y, angleX about x, −45° about y and angleY about y (in this order of calls).
    Matrix4 modelView() const;

private:
    TVector3 cameraPos_{};
    TVector3 lookAt_{};
    double angleX_ = 0;
    double angleY_ = 0;
    double zoom_ = 1;
};

/// The pixel a point of the scene falls on in a view of `width` × `height` pixels; nullopt
/// for a point at or behind the eye.
std::optional<ViewPixel> projectToPixel(const TVector3& point, const ViewCamera& camera, int width,
                                        int height);

/// The placement of a label anchored at `at` whose text faces the viewer: translated there,
/// turned −az about z, −ay about y, 45° about y and −35.26° − ax about x, with the view angles
/// passed as ax and ay.
Matrix4 labelMatrix(const TVector3& at, double ax, double ay, double az);

} // namespace vintrel
