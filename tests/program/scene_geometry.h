// Where the scene lands in the window: the camera, the light marker and the objects' outlines,
// worked out from the scene's own geometry (perspective of 45 degrees, camera and light frames).
#pragma once

// The camera and the light, angles in degrees and distances in scene units.
struct ViewState {
    double cameraDistance = 20.0;
    double cameraPitch = 20.0;
    double cameraYaw = 0.0;
    double lightDistance = 10.0;
    double lightYaw = 0.0;
    double lightPitch = 180.0;
};

// The view the viewer starts with.
constexpr ViewState START_VIEW{};

// A point in scene units.
struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// A point in window pixels from the top-left corner.
struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
};

// The sphere's radius and the cube's half-size, scene units.
constexpr double SPHERE_RADIUS = 4.0;
constexpr double CUBE_HALF_SIZE = 5.0;

// Where the light marker sits in the object's coordinates.
Point3 lightMarkerPosition(const ViewState& view);

// Where a point given in the object's coordinates appears in a window of the given size.
ScreenPoint projectToWindow(const Point3& point, const ViewState& view, int width, int height);

// The radius in pixels of the outline of a sphere centred on the origin, seen from the camera's
// distance, in a window of the given height.
double sphereOutlineRadius(double radius, double cameraDistance, int height);

// The bounding box in pixels of the cube's outline: the box around its eight projected corners.
struct ScreenBox {
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;
};
ScreenBox cubeOutlineBox(const ViewState& view, int width, int height);
