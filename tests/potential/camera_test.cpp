#include "potential/view_camera.h"

#include "potential/potential.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vintrel {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 700;

ViewPixel pixelOf(const TVector3& p, const ViewCamera& camera) {
    const auto pixel = projectToPixel(p, camera, kWidth, kHeight);
    EXPECT_TRUE(pixel.has_value());
    return pixel.value_or(ViewPixel{});
}

TEST(Camera, TheEyeComesCloserWithTheZoom) {
    ViewCamera camera;
    EXPECT_EQ(camera.eye(), (TVector3{4.5, 4.5, 4.5}));
    camera.setZoom(2);
    EXPECT_EQ(camera.eye(), (TVector3{2.25, 2.25, 2.25}));
    camera.setLookAt({1, 0, 0});
    EXPECT_EQ(camera.eye(), (TVector3{1 + 3.5 / 2, 2.25, 2.25}));
    camera.viewInternal();
    EXPECT_EQ(camera.zoom(), 12);
    camera.viewExternal();
    EXPECT_EQ(camera.zoom(), 0.5);
    camera.setDefaultView();
    camera.wheelCloser();
    camera.wheelFarther();
    EXPECT_NE(camera.zoom(), 1);
    EXPECT_NEAR(camera.zoom(), 0.99, 1e-15);
}

TEST(Camera, ThePerspectiveHasA43DegreeVerticalFieldAndTheViewsAspect) {
    const Matrix4 projection = viewProjection(kWidth, kHeight);
    const double d = 10, h = std::tan(21.5 * std::numbers::pi / 180) * d;
    const auto top = projection.transform({0, h, -d});
    EXPECT_NEAR(top[1] / top[3], 1, 1e-12);
    const auto right = projection.transform({h * kWidth / kHeight, 0, -d});
    EXPECT_NEAR(right[0] / right[3], 1, 1e-12);
    const auto nearPlane = projection.transform({0, 0, -0.1});
    EXPECT_NEAR(nearPlane[2] / nearPlane[3], -1, 1e-12);
    const auto farPlane = projection.transform({0, 0, -500});
    EXPECT_NEAR(farPlane[2] / farPlane[3], 1, 1e-9);
    // A view of height 0 is taken as 1 pixel high.
    EXPECT_EQ(viewProjection(300, 0).m, viewProjection(300, 1).m);
    // A view of width 0 would divide by zero in the aspect: it is taken as 1 pixel wide.
    EXPECT_EQ(viewProjection(0, 200).m, viewProjection(1, 200).m);
    for (const double v : viewProjection(0, 0).m)
        EXPECT_TRUE(std::isfinite(v));
}

TEST(Camera, TheDefaultViewLooksAtTheOriginWithYUp) {
    const ViewCamera camera;
    const ViewPixel centre = pixelOf({0, 0, 0}, camera);
    EXPECT_NEAR(centre.x, kWidth / 2.0, 1e-9);
    EXPECT_NEAR(centre.y, kHeight / 2.0, 1e-9);
    const ViewPixel up = pixelOf({0, 1, 0}, camera);
    EXPECT_NEAR(up.x, kWidth / 2.0, 1e-9);
    EXPECT_LT(up.y, kHeight / 2.0 - 10);
    // Seen from (1, 1, 1) with y up: x lies to the right, z to the left.
    EXPECT_GT(pixelOf({1, 0, 0}, camera).x, kWidth / 2.0);
    EXPECT_LT(pixelOf({0, 0, 1}, camera).x, kWidth / 2.0);
    EXPECT_FALSE(projectToPixel({9, 9, 9}, camera, kWidth, kHeight)); // behind the eye
}

TEST(Camera, DraggingSpinsAboutTheVerticalAndTiltsAboutTheHorizontalAcrossTheSight) {
    ViewCamera camera;
    camera.drag(90, 0);
    EXPECT_EQ(camera.angleY(), 90);
    EXPECT_EQ(camera.angleX(), 0);
    // Spinning by 90° about y shows each point where the default view shows it turned.
    const ViewCamera plain;
    for (const TVector3& p : {TVector3{1, 0, 0}, TVector3{0.3, -0.7, 1.2}}) {
        const ViewPixel spun = pixelOf(p, camera);
        const ViewPixel turned = pixelOf(rotateVector(p, 0, 90, 0), plain);
        EXPECT_NEAR(spun.x, turned.x, 1e-9);
        EXPECT_NEAR(spun.y, turned.y, 1e-9);
    }
    // The tilt axis is horizontal and across the default line of sight: (1, 0, -1) stays put.
    ViewCamera tilted;
    tilted.drag(0, 37);
    EXPECT_EQ(tilted.angleX(), 37);
    const ViewPixel before = pixelOf({1, 0, -1}, plain);
    const ViewPixel after = pixelOf({1, 0, -1}, tilted);
    EXPECT_NEAR(before.x, after.x, 1e-9);
    EXPECT_NEAR(before.y, after.y, 1e-9);
    EXPECT_GT(std::abs(pixelOf({0, 1, 0}, tilted).y - pixelOf({0, 1, 0}, plain).y), 10);
}

TEST(Camera, APointOnTheHolesAxisProjectsToTheViewCentreForAnyAngles) {
    const double angles[][2] = {{0, 0},     {30, 0},   {0, 45},   {-60, 130}, {85, -170},
                                {200, 300}, {-15, 10}, {45, 225}, {359, 1}};
    for (const auto& [ax, ay] : angles)
        for (double zoom : {1.0, 0.5, 3.0}) {
            ViewCamera camera;
            camera.setAngles(ax, ay);
            camera.setZoom(zoom);
            for (double t : {-2.0, -0.5, 0.7, 1.5}) {
                // The hole's axis, the z″ axis of cutHole, turned back into the scene.
                const TVector3 onAxis =
                    rotateVector(rotateVector({0, 0, t}, -(ax + 35.26), 0, 0), 0, -(ay - 45), 0);
                const ViewPixel pixel = pixelOf(onAxis, camera);
                EXPECT_NEAR(pixel.x, kWidth / 2.0, 0.1) << ax << " " << ay << " " << t;
                EXPECT_NEAR(pixel.y, kHeight / 2.0, 0.1) << ax << " " << ay << " " << t;
                PointDataArray points(1);
                points[0].point = onAxis;
                cutHole(points, ax, ay, 0.01);
                EXPECT_FALSE(points[0].visible);
            }
            const TVector3 aside =
                rotateVector(rotateVector({0.5, 0, 1}, -(ax + 35.26), 0, 0), 0, -(ay - 45), 0);
            EXPECT_GT(std::abs(pixelOf(aside, camera).x - kWidth / 2.0), 20) << ax << " " << ay;
        }
}

TEST(Camera, LabelsFaceTheViewerForAnyAngles) {
    for (const auto& [ax, ay] : {std::pair{0.0, 0.0}, {40.0, -75.0}, {-120.0, 33.0}}) {
        ViewCamera camera;
        camera.setAngles(ax, ay);
        const Matrix4 placed = camera.modelView() * labelMatrix({0, 0, 0}, ax, ay, 0);
        const auto normal = placed * std::array<double, 4>{0, 0, 1, 0};
        const auto along = placed * std::array<double, 4>{1, 0, 0, 0};
        EXPECT_NEAR(normal[2], 1, 1e-6) << ax << " " << ay; // towards the eye
        EXPECT_NEAR(along[0], 1, 1e-6);                     // the text runs to the right
        EXPECT_NEAR(along[1], 0, 1e-4);
    }
}

TEST(Camera, MatricesComposeAsTheFixedFunctionCallsDo) {
    const Matrix4 turn = rotationMatrix(90, {0, 0, 2});
    const auto p = turn.transform({1, 0, 0});
    EXPECT_NEAR(p[0], 0, 1e-15);
    EXPECT_NEAR(p[1], 1, 1e-15);
    const auto moved = (translationMatrix({1, 2, 3}) * turn).transform({1, 0, 0});
    EXPECT_NEAR(moved[0], 1, 1e-15);
    EXPECT_NEAR(moved[1], 3, 1e-15);
    EXPECT_NEAR(moved[2], 3, 1e-15);
    const Matrix4 look = lookAtMatrix({0, 0, 5}, {0, 0, 0}, {0, 1, 0});
    const auto seen = look.transform({0, 0, 0});
    EXPECT_NEAR(seen[2], -5, 1e-15);
}

} // namespace
} // namespace vintrel
