// Pictures read back from the viewer's window, and the coloured regions the tests measure in them.
#include "picture.h"

#include <IL/il.h>

#include <algorithm>
#include <sstream>

namespace {
// Channel levels that separate the flat fixture colours from everything else.
constexpr int DARK_LEVEL = 16;
constexpr int BRIGHT_LEVEL = 200;
constexpr int FAINT_LEVEL = 60;

// Starts the image library once for the whole test program.
void ensureImageLibrary()
{
    static const bool started = [] {
        ilInit();
        ilEnable(IL_FILE_OVERWRITE);
        return true;
    }();
    (void)started;
}
} // namespace

// True when both pictures have the same size and the same pixels.
bool samePicture(const Image& a, const Image& b)
{
    if (a.width != b.width || a.height != b.height)
        return false;
    return std::equal(a.pixels.begin(), a.pixels.end(), b.pixels.begin(), [](Rgb p, Rgb q) {
        return p.r == q.r && p.g == q.g && p.b == q.b;
    });
}

// The black the viewer clears to.
bool isBackground(Rgb pixel)
{
    return pixel.r < DARK_LEVEL && pixel.g < DARK_LEVEL && pixel.b < DARK_LEVEL;
}

// The light marker's white.
bool isMarkerWhite(Rgb pixel)
{
    return pixel.r > BRIGHT_LEVEL && pixel.g > BRIGHT_LEVEL && pixel.b > BRIGHT_LEVEL;
}

// The flat red of the fixture shader.
bool isFlatRed(Rgb pixel)
{
    return pixel.r > BRIGHT_LEVEL && pixel.g < FAINT_LEVEL && pixel.b < FAINT_LEVEL;
}

// The flat green of the fixture shader once it is rewritten.
bool isFlatGreen(Rgb pixel)
{
    return pixel.g > BRIGHT_LEVEL && pixel.r < FAINT_LEVEL && pixel.b < FAINT_LEVEL;
}

// Collects the pixels of one colour class.
PixelRegion findRegion(const Image& image, ColourClass colour)
{
    PixelRegion region;
    region.left = image.width;
    region.top = image.height;
    double sumX = 0.0;
    double sumY = 0.0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!colour(image.at(x, y)))
                continue;
            ++region.count;
            region.left = std::min(region.left, x);
            region.right = std::max(region.right, x);
            region.top = std::min(region.top, y);
            region.bottom = std::max(region.bottom, y);
            sumX += x + 0.5;
            sumY += y + 0.5;
        }
    }
    if (region.count > 0) {
        region.centreX = sumX / region.count;
        region.centreY = sumY / region.count;
    }
    return region;
}

// Counts the pixels of a colour class inside a square of the given half-size around a point.
int countNear(const Image& image, ColourClass colour, int x, int y, int halfSize)
{
    int count = 0;
    for (int row = std::max(0, y - halfSize); row <= std::min(image.height - 1, y + halfSize); ++row) {
        for (int column = std::max(0, x - halfSize); column <= std::min(image.width - 1, x + halfSize);
             ++column) {
            if (colour(image.at(column, row)))
                ++count;
        }
    }
    return count;
}

// Writes the picture to a file in the format its extension names (.png, .jpg); false when it
// cannot be written.
bool saveImage(const Image& image, const std::string& path)
{
    if (image.empty())
        return false;
    ensureImageLibrary();
    // The image library keeps the bottom row first.
    std::vector<ILubyte> rows;
    rows.reserve(image.pixels.size() * 3);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb pixel = image.at(x, y);
            rows.insert(rows.end(), {pixel.r, pixel.g, pixel.b});
        }
    }
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    const bool saved = ilTexImage(image.width, image.height, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, rows.data())
        && ilSaveImage(path.c_str());
    ilDeleteImages(1, &name);
    return saved;
}

// A short description of a region for failure messages.
std::string describe(const PixelRegion& region)
{
    std::ostringstream text;
    text << region.count << " pixels";
    if (region.count > 0) {
        text << ", box x " << region.left << ".." << region.right << " y " << region.top << ".."
             << region.bottom << " (" << region.width() << " x " << region.height() << "), centre ("
             << region.centreX << ", " << region.centreY << ")";
    }
    return text.str();
}
