// Checks of what a picture of the flat red scene shows: the sphere's outline, the cube's outline
// and the light marker, against where the scene's geometry puts them.
#pragma once

#include "picture.h"
#include "scene_geometry.h"

#include <string>

// True when the red outline is a circle of the sphere's radius seen from this distance, centred
// in the window; otherwise false with the measurements in *why.
bool showsSphere(const Image& image, double cameraDistance, std::string* why);

// True when the red outline fills the box of the cube's projected corners for this view.
bool showsCube(const Image& image, const ViewState& view, std::string* why);

// True when the white marker's centre lies where the view puts the light.
bool showsMarkerAt(const Image& image, const ViewState& view, std::string* why);

// True when the marker for this view lies well inside a window of this size, so it can be seen whole.
bool markerInsideWindow(const ViewState& view, int width, int height);
