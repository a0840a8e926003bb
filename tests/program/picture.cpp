// The coloured regions the tests measure in pictures read back from the viewer's window.
#include "picture.h"

#include <algorithm>
#include <sstream>

namespace {
// Channel levels that separate the flat fixture colours from everything else.
constexpr int DARK_LEVEL = 16;
constexpr int BRIGHT_LEVEL = 200;
constexpr int FAINT_LEVEL = 60;
} // namespace

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
