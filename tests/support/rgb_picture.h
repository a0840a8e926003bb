// Pictures as rows of RGB pixels, top row first: compared with each other, written to image files
// and read back from them.
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

// A picture, top row first.
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

// Writes the picture to a file in the format its extension names (.png, .jpg); false when it
// cannot be written.
bool saveImage(const Image& image, const std::string& path);

// Reads an image file through the image library; an empty picture when it cannot.
Image readPicture(const std::string& path);

// How two pictures of the same size differ: the share of pixels whose every channel is within the
// tolerance, and the largest difference of any channel of any pixel.
struct PictureDifference {
    bool sameSize = false;
    double shareWithinTolerance = 0.0;
    int largestDifference = 0;
};

// Compares two pictures pixel by pixel, against a tolerance in levels per channel.
PictureDifference comparePictures(const Image& a, const Image& b, int tolerance);

// A picture that is not all one colour: the object was drawn.
bool showsSomething(const Image& picture);
