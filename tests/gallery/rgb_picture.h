// Pictures as rows of RGB bytes, read from PNG files, and how far two of them differ.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture, top row first, three bytes a pixel.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Reads an image file through the image library; an empty picture when it cannot.
RgbPicture readPicture(const std::string& path);

// How two pictures of the same size differ: the share of pixels whose every channel is within the
// tolerance, and the largest difference of any channel of any pixel.
struct PictureDifference {
    bool sameSize = false;
    double shareWithinTolerance = 0.0;
    int largestDifference = 0;
};

PictureDifference comparePictures(const RgbPicture& a, const RgbPicture& b, int tolerance);

// A picture that is not all one colour: the object was drawn.
bool showsSomething(const RgbPicture& picture);
