// An 8-bit RGB image in memory and its round trip through the image library's files.
#pragma once

#include "vec3.h"

#include <string>
#include <vector>

// Tightly packed RGB bytes; row 0 is the row the image library's loader returns first, which the
// viewer uploads as texture row t = 0.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes;

    // A black image of the given size.
    RgbImage(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 3, 0) {}

    // Stores a colour with channels in [0, 1], plus a dither offset in [-0.5, 0.5] levels.
    void setPixel(int column, int row, Vec3 colour, double dither);
};

// How a written file compares with the image it was written from, after loading it back.
struct ReloadCheck {
    bool loaded = false;          // the file loaded back at the same size
    double meanDifference = 0.0;  // mean absolute channel difference, rows in the intended order
    double flippedDifference = 0.0; // the same with the loaded rows taken bottom to top
};

// Makes the image library ready for writing: initialised, overwriting allowed, JPEG quality set.
void startImageLibrary();

// Writes the image through the image library, in the format the file extension names, so that
// loading the file with the library's default settings gives back row 0 first; false on failure.
bool saveImage(const RgbImage& image, const std::string& path);

// Loads the file as the viewer does and compares it with the image it should hold.
ReloadCheck checkReload(const RgbImage& image, const std::string& path);
