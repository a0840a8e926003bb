// Where the scene lands in the window: the camera, the light marker and the objects' outlines,
// worked out from the scene's own geometry (perspective of 45 degrees, camera and light frames).
#include "scene_geometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double PI = 3.14159265358979323846;
constexpr double FIELD_OF_VIEW_DEGREES = 45.0;

double radians(double degrees)
{
    return degrees * PI / 180.0;
}

// Turns a point about the X axis, counter-clockwise seen from +X, as a GL rotation does.
Point3 rotateAboutX(const Point3& p, double degrees)
{
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    return {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
}

// Turns a point about the Y axis, counter-clockwise seen from +Y, as a GL rotation does.
Point3 rotateAboutY(const Point3& p, double degrees)
{
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}

// The focal length of the projection: the cotangent of half the field of view.
double focalLength()
{
    return 1.0 / std::tan(radians(FIELD_OF_VIEW_DEGREES / 2.0));
}
} // namespace

// The light frame turns by the yaw, then the pitch, then moves out by the distance along its -Z
// axis; the marker is the point (0, 0, 1) of that frame.
Point3 lightMarkerPosition(const ViewState& view)
{
    const Point3 inLightFrame{0.0, 0.0, 1.0 - view.lightDistance};
    return rotateAboutY(rotateAboutX(inLightFrame, view.lightPitch), view.lightYaw);
}

// The camera turns the scene by its yaw, then its pitch, and moves it back by its distance.
ScreenPoint projectToWindow(const Point3& point, const ViewState& view, int width, int height)
{
    Point3 eye = rotateAboutX(rotateAboutY(point, view.cameraYaw), view.cameraPitch);
    eye.z -= view.cameraDistance;
    const double aspect = static_cast<double>(width) / static_cast<double>(height);
    const double ndcX = focalLength() / aspect * eye.x / -eye.z;
    const double ndcY = focalLength() * eye.y / -eye.z;
    return {(ndcX + 1.0) / 2.0 * width, (1.0 - ndcY) / 2.0 * height};
}

// A sphere on the viewing axis fills a cone of half-angle asin(radius / distance).
double sphereOutlineRadius(double radius, double cameraDistance, int height)
{
    const double halfAngle = std::asin(radius / cameraDistance);
    return std::tan(halfAngle) * focalLength() * height / 2.0;
}

// The cube is convex, so its outline's box is the box around its projected corners.
ScreenBox cubeOutlineBox(const ViewState& view, int width, int height)
{
    ScreenBox box{1e9, -1e9, 1e9, -1e9};
    for (int corner = 0; corner < 8; ++corner) {
        const Point3 p{(corner & 1) ? CUBE_HALF_SIZE : -CUBE_HALF_SIZE,
                       (corner & 2) ? CUBE_HALF_SIZE : -CUBE_HALF_SIZE,
                       (corner & 4) ? CUBE_HALF_SIZE : -CUBE_HALF_SIZE};
        const ScreenPoint s = projectToWindow(p, view, width, height);
        box.left = std::min(box.left, s.x);
        box.right = std::max(box.right, s.x);
        box.top = std::min(box.top, s.y);
        box.bottom = std::max(box.bottom, s.y);
    }
    return box;
}
