// Pictures as rows of RGB bytes, read from PNG files, and how far two of them differ.
#include "rgb_picture.h"

#include <IL/il.h>

#include <algorithm>
#include <cstdlib>

namespace {
constexpr int CHANNELS = 3;
} // namespace

// Reads an image file through the image library as 8-bit RGB, top row first.
RgbPicture readPicture(const std::string& path)
{
    static const bool started = [] {
        ilInit();
        ilEnable(IL_ORIGIN_SET);
        ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
        return true;
    }();
    (void)started;

    RgbPicture picture;
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    if (ilLoadImage(path.c_str()) && ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        picture.width = ilGetInteger(IL_IMAGE_WIDTH);
        picture.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const ILubyte* data = ilGetData();
        picture.rgb.assign(data, data + static_cast<std::size_t>(picture.width) * picture.height * CHANNELS);
    }
    ilDeleteImages(1, &image);
    return picture;
}

// Counts the pixels whose three channels all lie within the tolerance, and the largest difference.
PictureDifference comparePictures(const RgbPicture& a, const RgbPicture& b, int tolerance)
{
    PictureDifference difference;
    difference.sameSize = a.width == b.width && a.height == b.height && !a.rgb.empty()
        && a.rgb.size() == b.rgb.size();
    if (!difference.sameSize)
        return difference;

    std::size_t within = 0;
    for (std::size_t pixel = 0; pixel < a.rgb.size(); pixel += CHANNELS) {
        int worst = 0;
        for (int channel = 0; channel < CHANNELS; ++channel)
            worst = std::max(worst, std::abs(int(a.rgb[pixel + channel]) - int(b.rgb[pixel + channel])));
        difference.largestDifference = std::max(difference.largestDifference, worst);
        if (worst <= tolerance)
            ++within;
    }
    difference.shareWithinTolerance = double(within) / double(a.rgb.size() / CHANNELS);
    return difference;
}

// True when some pixel differs from the first one.
bool showsSomething(const RgbPicture& picture)
{
    for (std::size_t i = CHANNELS; i < picture.rgb.size(); ++i) {
        if (picture.rgb[i] != picture.rgb[i % CHANNELS])
            return true;
    }
    return false;
}
