#include "potential/view_camera.h"

#include "potential/geometry.h"

#include <cmath>

namespace vintrel {

namespace {

TVector3 normalised(const TVector3& v) {
    const double length = std::sqrt(dot(v, v));
    if (length == 0)
        return v;
    return {v[0] / length, v[1] / length, v[2] / length};
}

} // namespace

Matrix4 Matrix4::identity() {
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        r.at(i, i) = 1;
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& right) const {
    Matrix4 r;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += at(row, k) * right.at(k, column);
            r.at(row, column) = sum;
        }
    return r;
}

std::array<double, 4> Matrix4::operator*(const std::array<double, 4>& v) const {
    std::array<double, 4> r{};
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 4; ++k)
            r[static_cast<std::size_t>(row)] += at(row, k) * v[static_cast<std::size_t>(k)];
    return r;
}

std::array<double, 4> Matrix4::transform(const TVector3& p) const {
    return *this * std::array<double, 4>{p[0], p[1], p[2], 1};
}

Matrix4 rotationMatrix(double angle, const TVector3& axis) {
    const TVector3 u = normalised(axis);
    const double c = std::cos(angle * kDegree), s = std::sin(angle * kDegree), t = 1 - c;
    Matrix4 r = Matrix4::identity();
    r.at(0, 0) = u[0] * u[0] * t + c;
    r.at(0, 1) = u[0] * u[1] * t - u[2] * s;
    r.at(0, 2) = u[0] * u[2] * t + u[1] * s;
    r.at(1, 0) = u[1] * u[0] * t + u[2] * s;
    r.at(1, 1) = u[1] * u[1] * t + c;
    r.at(1, 2) = u[1] * u[2] * t - u[0] * s;
    r.at(2, 0) = u[2] * u[0] * t - u[1] * s;
    r.at(2, 1) = u[2] * u[1] * t + u[0] * s;
    r.at(2, 2) = u[2] * u[2] * t + c;
    return r;
}

Matrix4 translationMatrix(const TVector3& offset) {
    Matrix4 r = Matrix4::identity();
    for (int i = 0; i < 3; ++i)
        r.at(i, 3) = offset[static_cast<std::size_t>(i)];
    return r;
}

Matrix4 perspectiveMatrix(double fieldOfView, double aspect, double zNear, double zFar) {
    const double f = 1 / std::tan(fieldOfView * kDegree / 2);
    Matrix4 r;
    r.at(0, 0) = f / aspect;
    r.at(1, 1) = f;
    r.at(2, 2) = (zFar + zNear) / (zNear - zFar);
    r.at(2, 3) = 2 * zFar * zNear / (zNear - zFar);
    r.at(3, 2) = -1;
    return r;
}

Matrix4 lookAtMatrix(const TVector3& eye, const TVector3& centre, const TVector3& up) {
    const TVector3 forward = normalised(minus(centre, eye));
    const TVector3 side = normalised(cross(forward, up));
    const TVector3 upward = cross(side, forward);
    Matrix4 r = Matrix4::identity();
    for (int c = 0; c < 3; ++c) {
        const auto i = static_cast<std::size_t>(c);
        r.at(0, c) = side[i];
        r.at(1, c) = upward[i];
        r.at(2, c) = -forward[i];
    }
    return r * translationMatrix({-eye[0], -eye[1], -eye[2]});
}

Matrix4 viewProjection(int width, int height) {
    // A panel of no width or height would divide by zero; it is taken as one pixel.
    const int w = width <= 0 ? 1 : width;
    const int h = height <= 0 ? 1 : height;
    return perspectiveMatrix(43, static_cast<double>(w) / h, 0.1, 500);
}

void ViewCamera::setDefaultView() {
    cameraPos_ = {4.5, 4.5, 4.5};
    lookAt_ = {0, 0, 0};
    angleX_ = 0;
    angleY_ = 0;
    zoom_ = 1;
}

void ViewCamera::setAngles(double angleX, double angleY) {
    angleX_ = angleX;
    angleY_ = angleY;
}

void ViewCamera::drag(int dx, int dy) {
    angleX_ += dy;
    angleY_ += dx;
}

TVector3 ViewCamera::eye() const {
    const TVector3 away = minus(cameraPos_, lookAt_);
    return {lookAt_[0] + away[0] / zoom_, lookAt_[1] + away[1] / zoom_,
            lookAt_[2] + away[2] / zoom_};
}

Matrix4 ViewCamera::modelView() const {
    return lookAtMatrix(eye(), lookAt_, {0, 1, 0}) * rotationMatrix(45, {0, 1, 0}) *
           rotationMatrix(angleX_, {1, 0, 0}) * rotationMatrix(-45, {0, 1, 0}) *
           rotationMatrix(angleY_, {0, 1, 0});
}

std::optional<ViewPixel> projectToPixel(const TVector3& point, const ViewCamera& camera, int width,
                                        int height) {
    const int h = height == 0 ? 1 : height;
    const auto clip = (viewProjection(width, height) * camera.modelView()).transform(point);
    if (!(clip[3] > 0))
        return std::nullopt;
    const double x = clip[0] / clip[3], y = clip[1] / clip[3];
    return ViewPixel{(x + 1) / 2 * width, (1 - y) / 2 * h};
}

Matrix4 labelMatrix(const TVector3& at, double ax, double ay, double az) {
    return translationMatrix(at) * rotationMatrix(-az, {0, 0, 1}) * rotationMatrix(-ay, {0, 1, 0}) *
           rotationMatrix(45, {0, 1, 0}) * rotationMatrix(-35.26 - ax, {1, 0, 0});
}

} // namespace vintrel
