// Checks of what a picture of the flat red scene shows: the sphere's outline, the cube's outline
// and the light marker, against where the scene's geometry puts them.
#include "scene_checks.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {
// How far apart, in pixels, an outline's width and height may be, and its centre from the window's.
constexpr double ROUNDNESS_TOLERANCE = 2.0;
constexpr double CENTRE_TOLERANCE = 1.5;
// The sphere is drawn as 20 slices and 20 stacks, so its outline may fall short of the true one by
// up to 1 - cos(pi / 20) of the radius; a pixel of rasterisation either way on top.
constexpr double TESSELLATION_SHORTFALL = 0.0125;
constexpr double EDGE_TOLERANCE = 1.5;
// How far the marker's centre may be from the projected light position, pixels.
constexpr double MARKER_TOLERANCE = 2.0;
// The marker is 10 pixels wide; a whole one has this many, a part of one fewer.
constexpr int MARKER_MIN_PIXELS = 80;
constexpr int MARKER_MARGIN = 8;
// A filled cube covers more than this part of its bounding box.
constexpr double CUBE_MIN_FILL = 0.6;
} // namespace

// True when the red outline is a circle of the sphere's radius seen from this distance, centred
// in the window.
bool showsSphere(const Image& image, double cameraDistance, std::string* why)
{
    const PixelRegion red = findRegion(image, isFlatRed);
    const double expected = sphereOutlineRadius(SPHERE_RADIUS, cameraDistance, image.height);
    const double radius = (red.width() + red.height()) / 4.0;
    std::ostringstream text;
    text << "window " << image.width << " x " << image.height << ", red outline " << describe(red)
         << ", radius " << radius << " against " << expected << " for camera distance " << cameraDistance;
    *why = text.str();
    return red.count > 0 && std::abs(red.width() - red.height()) <= ROUNDNESS_TOLERANCE
        && std::abs(red.boxCentreX() - image.width / 2.0) <= CENTRE_TOLERANCE
        && std::abs(red.boxCentreY() - image.height / 2.0) <= CENTRE_TOLERANCE
        && radius >= expected * (1.0 - TESSELLATION_SHORTFALL) - EDGE_TOLERANCE
        && radius <= expected + EDGE_TOLERANCE;
}

// True when the red outline fills the box of the cube's projected corners for this view.
bool showsCube(const Image& image, const ViewState& view, std::string* why)
{
    const PixelRegion red = findRegion(image, isFlatRed);
    const ScreenBox box = cubeOutlineBox(view, image.width, image.height);
    const double fill = red.count / static_cast<double>(std::max(1, red.width() * red.height()));
    std::ostringstream text;
    text << "red outline " << describe(red) << ", fill " << fill << "; the cube's corners span x "
         << box.left << ".." << box.right << " y " << box.top << ".." << box.bottom;
    *why = text.str();
    return red.count > 0 && std::abs(red.left - box.left) <= EDGE_TOLERANCE
        && std::abs(red.right + 1 - box.right) <= EDGE_TOLERANCE && std::abs(red.top - box.top) <= EDGE_TOLERANCE
        && std::abs(red.bottom + 1 - box.bottom) <= EDGE_TOLERANCE && fill > CUBE_MIN_FILL;
}

// True when the white marker's centre lies where the view puts the light.
bool showsMarkerAt(const Image& image, const ViewState& view, std::string* why)
{
    const PixelRegion white = findRegion(image, isMarkerWhite);
    const ScreenPoint expected = projectToWindow(lightMarkerPosition(view), view, image.width, image.height);
    std::ostringstream text;
    text << "white marker " << describe(white) << " against (" << expected.x << ", " << expected.y << ")";
    *why = text.str();
    return white.count >= MARKER_MIN_PIXELS && std::abs(white.centreX - expected.x) <= MARKER_TOLERANCE
        && std::abs(white.centreY - expected.y) <= MARKER_TOLERANCE;
}

// True when the marker for this view lies well inside a window of this size.
bool markerInsideWindow(const ViewState& view, int width, int height)
{
    const ScreenPoint p = projectToWindow(lightMarkerPosition(view), view, width, height);
    return p.x >= MARKER_MARGIN && p.x <= width - MARKER_MARGIN && p.y >= MARKER_MARGIN
        && p.y <= height - MARKER_MARGIN;
}
