// The coloured regions the tests measure in pictures read back from the viewer's window.
#pragma once

#include "rgb_picture.h"

#include <string>

// The pixels of one colour class: how many, their bounding box and their centre, in window pixels
// from the top-left corner (a pixel's centre lies half a pixel inside its corner).
struct PixelRegion {
    int count = 0;
    int left = 0;
    int right = -1;
    int top = 0;
    int bottom = -1;
    double centreX = 0.0;
    double centreY = 0.0;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    // The middle of the bounding box.
    double boxCentreX() const { return (left + right + 1) / 2.0; }
    double boxCentreY() const { return (top + bottom + 1) / 2.0; }
};

// A colour class: whether a pixel belongs to it.
using ColourClass = bool (*)(Rgb);

// The black the viewer clears to.
bool isBackground(Rgb pixel);
// The light marker's white.
bool isMarkerWhite(Rgb pixel);
// The flat red of the fixture shader.
bool isFlatRed(Rgb pixel);
// The flat green of the fixture shader once it is rewritten.
bool isFlatGreen(Rgb pixel);

// Collects the pixels of one colour class.
PixelRegion findRegion(const Image& image, ColourClass colour);

// Counts the pixels of a colour class inside a square of the given half-size around a point.
int countNear(const Image& image, ColourClass colour, int x, int y, int halfSize);

// A short description of a region for failure messages.
std::string describe(const PixelRegion& region);
