// An 8-bit RGB image in memory and its round trip through the image library's files.
#include "rgb_image.h"

#include <IL/il.h>

#include <cmath>
#include <cstdlib>

namespace {
constexpr int CHANNELS = 3;
constexpr double LEVELS = 255.0;
constexpr ILint JPEG_QUALITY = 92;

// Binds a fresh image-library image for the lifetime of the object and deletes it afterwards.
class ScopedImage {
public:
    // Generates and binds the image.
    ScopedImage() { ilGenImages(1, &name_); ilBindImage(name_); }
    // Deletes the image.
    ~ScopedImage() { ilDeleteImages(1, &name_); }
    ScopedImage(const ScopedImage&) = delete;
    ScopedImage& operator=(const ScopedImage&) = delete;

private:
    ILuint name_ = 0;
};

// Mean absolute channel difference between the image and loaded bytes, taking the loaded rows
// either in order or bottom to top.
double meanDifference(const RgbImage& image, const ILubyte* loaded, bool flipped)
{
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * CHANNELS;
    double total = 0.0;
    for (int row = 0; row < image.height; ++row) {
        const int loadedRow = flipped ? image.height - 1 - row : row;
        const unsigned char* meant = image.bytes.data() + row * rowBytes;
        const ILubyte* got = loaded + loadedRow * rowBytes;
        for (std::size_t i = 0; i < rowBytes; ++i)
            total += std::abs(static_cast<int>(meant[i]) - static_cast<int>(got[i]));
    }
    return total / static_cast<double>(image.bytes.size());
}
} // namespace

// Rounds each dithered channel to the nearest of the 256 levels.
void RgbImage::setPixel(int column, int row, Vec3 colour, double dither)
{
    const double channels[CHANNELS] = {colour.x, colour.y, colour.z};
    unsigned char* out = bytes.data() + (static_cast<std::size_t>(row) * width + column) * CHANNELS;
    for (int c = 0; c < CHANNELS; ++c)
        out[c] = static_cast<unsigned char>(std::lround(clamp01(channels[c] + dither / LEVELS) * LEVELS));
}

// Initialises the library once for the whole run.
void startImageLibrary()
{
    ilInit();
    ilEnable(IL_FILE_OVERWRITE);
    ilSetInteger(IL_JPG_QUALITY, JPEG_QUALITY);
}

// A new image takes the library's lower-left origin, and the savers turn such an image upside
// down on the way out; registering an upper-left origin keeps row 0 at the top of the file, which
// is the row the loaders hand back first.
bool saveImage(const RgbImage& image, const std::string& path)
{
    ScopedImage scoped;
    if (!ilTexImage(image.width, image.height, 1, CHANNELS, IL_RGB, IL_UNSIGNED_BYTE, nullptr))
        return false;
    ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT);
    ilSetPixels(0, 0, 0, image.width, image.height, 1, IL_RGB, IL_UNSIGNED_BYTE,
        const_cast<unsigned char*>(image.bytes.data()));
    return ilSaveImage(path.c_str()) == IL_TRUE;
}

// Loads with the library's default origin handling, as the viewer does, converted to RGB bytes.
ReloadCheck checkReload(const RgbImage& image, const std::string& path)
{
    ScopedImage scoped;
    ReloadCheck check;
    if (!ilLoadImage(path.c_str()) || !ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE))
        return check;
    if (ilGetInteger(IL_IMAGE_WIDTH) != image.width || ilGetInteger(IL_IMAGE_HEIGHT) != image.height)
        return check;
    check.loaded = true;
    check.meanDifference = meanDifference(image, ilGetData(), false);
    check.flippedDifference = meanDifference(image, ilGetData(), true);
    return check;
}
