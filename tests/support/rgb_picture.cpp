// Pictures as rows of RGB pixels, top row first: compared with each other, written to image files
// and read back from them.
#include "rgb_picture.h"

#include <IL/il.h>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int CHANNELS = 3;

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

// The largest difference between two pixels in any one channel.
int channelDifference(Rgb p, Rgb q)
{
    return std::max({std::abs(int(p.r) - int(q.r)), std::abs(int(p.g) - int(q.g)), std::abs(int(p.b) - int(q.b))});
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

// Writes the picture to a file in the format its extension names (.png, .jpg); false when it
// cannot be written.
bool saveImage(const Image& image, const std::string& path)
{
    if (image.empty())
        return false;
    ensureImageLibrary();
    // The image library keeps the bottom row first.
    std::vector<ILubyte> rows;
    rows.reserve(image.pixels.size() * CHANNELS);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb pixel = image.at(x, y);
            rows.insert(rows.end(), {pixel.r, pixel.g, pixel.b});
        }
    }
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    const bool saved = ilTexImage(image.width, image.height, 1, CHANNELS, IL_RGB, IL_UNSIGNED_BYTE, rows.data())
        && ilSaveImage(path.c_str());
    ilDeleteImages(1, &name);
    return saved;
}

// Reads an image file through the image library as 8-bit RGB, top row first, whichever row the
// file itself starts with.
Image readPicture(const std::string& path)
{
    ensureImageLibrary();
    Image picture;
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    if (ilLoadImage(path.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        picture.width = ilGetInteger(IL_IMAGE_WIDTH);
        picture.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const bool bottomFirst = ilGetInteger(IL_IMAGE_ORIGIN) == IL_ORIGIN_LOWER_LEFT;
        const ILubyte* data = ilGetData();
        picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
        for (int y = 0; y < picture.height; ++y) {
            const int row = bottomFirst ? picture.height - 1 - y : y;
            const ILubyte* pixel = data + static_cast<std::size_t>(row) * picture.width * CHANNELS;
            for (int x = 0; x < picture.width; ++x, pixel += CHANNELS)
                picture.pixels.push_back({pixel[0], pixel[1], pixel[2]});
        }
    }
    ilDeleteImages(1, &name);
    return picture;
}

// Counts the pixels whose three channels all lie within the tolerance, and the largest difference.
PictureDifference comparePictures(const Image& a, const Image& b, int tolerance)
{
    PictureDifference difference;
    difference.sameSize = a.width == b.width && a.height == b.height && !a.empty()
        && a.pixels.size() == b.pixels.size();
    if (!difference.sameSize)
        return difference;

    std::size_t within = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const int worst = channelDifference(a.pixels[i], b.pixels[i]);
        difference.largestDifference = std::max(difference.largestDifference, worst);
        if (worst <= tolerance)
            ++within;
    }
    difference.shareWithinTolerance = double(within) / double(a.pixels.size());
    return difference;
}

// True when some pixel differs from the first one.
bool showsSomething(const Image& picture)
{
    return std::any_of(picture.pixels.begin(), picture.pixels.end(),
                       [&picture](Rgb pixel) { return channelDifference(pixel, picture.pixels.front()) != 0; });
}
