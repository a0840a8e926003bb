// The picture written as a PNG through the image library.
#include "render_tool/png_file.h"

#include <IL/il.h>

namespace {
constexpr ILubyte RGB_CHANNELS = 3;
constexpr ILuint ONE_LAYER = 1;

// An image-library image, freed however the write ends.
struct ScratchImage {
    ILuint name = 0;
    ScratchImage()
    {
        ilGenImages(1, &name);
        ilBindImage(name);
    }
    ~ScratchImage() { ilDeleteImages(1, &name); }
};
} // namespace

// Writes rows of RGB bytes, bottom row first, as a PNG. The image library takes rows given this
// way as lower-left origin and turns them the right way up in the file.
bool writePng(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb,
              std::string& problem)
{
    ilInit();
    ilEnable(IL_FILE_OVERWRITE);
    ScratchImage image;
    std::vector<unsigned char> pixels = rgb; // the image library takes a writable pointer
    if (!ilTexImage(static_cast<ILuint>(width), static_cast<ILuint>(height), ONE_LAYER, RGB_CHANNELS,
                    IL_RGB, IL_UNSIGNED_BYTE, pixels.data())) {
        problem = "the image library refused a picture of this size";
        return false;
    }
    if (!ilSave(IL_PNG, path.c_str())) {
        problem = "cannot write " + path + " (image library error " + std::to_string(ilGetError()) + ")";
        return false;
    }
    return true;
}
