// A small PNG encoder for test images: every colour type and bit depth the viewer must accept,
// written byte for byte so that a fixture holds exactly the layout it claims.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// PNG colour types, as the file header names them.
enum class PngColour : std::uint8_t {
    GREY = 0,
    RGB = 2,
    PALETTE = 3,
    GREY_ALPHA = 4,
    RGBA = 6,
};

// One PNG image: rows of samples packed as the colour type and bit depth say (big-endian for
// 16-bit samples, one palette index per byte for palette images), top row first.
struct PngImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    PngColour colour = PngColour::RGB;
    std::uint8_t bitDepth = 8;
    std::vector<std::uint8_t> samples;
    std::vector<std::uint8_t> palette; // RGB triples, palette images only
};

// The complete PNG file for the image, uncompressed (stored deflate blocks).
std::vector<std::uint8_t> encodePng(const PngImage& image);

// Writes the bytes to the file, creating or replacing it; false when it cannot be written.
bool writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
