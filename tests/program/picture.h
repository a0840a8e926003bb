// Pictures read back from the viewer's window, and the coloured regions the tests measure in them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One pixel, 8 bits per channel.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// A picture of the window's drawing area, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    // The pixel in column x of row y, counted from the top-left corner.
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool empty() const { return pixels.empty(); }
};

// True when both pictures have the same size and the same pixels.
bool samePicture(const Image& a, const Image& b);

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

// Writes the picture to a file in the format its extension names (.png, .jpg); false when it
// cannot be written.
bool saveImage(const Image& image, const std::string& path);

// A short description of a region for failure messages.
std::string describe(const PixelRegion& region);
