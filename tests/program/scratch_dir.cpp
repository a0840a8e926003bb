// A working directory of the viewer's own for one test, with shaders/ and textures/ in it; removed
// with everything in it at the end of the test.
#include "scratch_dir.h"

#include "rgb_picture.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {
// The default image files the viewer reads from textures/.
const char* const DEFAULT_TEXTURE_FILES[] = {
    "crate.jpg",         "uffizi_front.png", "uffizi_back.png", "uffizi_up.png",
    "uffizi_down.png",   "uffizi_left.png",  "uffizi_right.png",
};
constexpr int FIXTURE_TEXTURE_SIZE = 16;
constexpr int FIXTURE_CHECKER = 4;

// A square picture in two colours, in a checker pattern.
Image checker(Rgb first, Rgb second)
{
    Image image;
    image.width = FIXTURE_TEXTURE_SIZE;
    image.height = FIXTURE_TEXTURE_SIZE;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back(((x / FIXTURE_CHECKER + y / FIXTURE_CHECKER) % 2) ? first : second);
    }
    return image;
}

// True when the repository has every default image.
bool repositoryHasTextures()
{
    for (const char* name : DEFAULT_TEXTURE_FILES) {
        if (!fs::exists(fs::path(TESMOREL_TEXTURES_DIR) / name))
            return false;
    }
    return true;
}
} // namespace

ScratchDir::~ScratchDir()
{
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

// Makes the directory with empty shaders/ and textures/; false when it cannot.
bool ScratchDir::create()
{
    std::string pattern = (fs::temp_directory_path() / "tesmorel-program-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return false;
    path_ = pattern;
    std::error_code failed;
    fs::create_directory(file("shaders"), failed);
    fs::create_directory(file("textures"), failed);
    return !failed;
}

// Writes a text file, replacing any file of that name; false when it cannot.
bool ScratchDir::write(const std::string& relative, const std::string& text) const
{
    // A new file under a temporary name, renamed over the old one, as an editor saves.
    const std::string target = file(relative);
    const std::string temporary = target + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out)
            return false;
    }
    std::error_code failed;
    fs::rename(temporary, target, failed);
    return !failed;
}

// Removes a file; false when it was not there.
bool ScratchDir::remove(const std::string& relative) const
{
    std::error_code failed;
    return fs::remove(file(relative), failed);
}

// Copies the repository's shader pairs into shaders/.
bool ScratchDir::addRepositoryShaders() const
{
    std::error_code failed;
    fs::copy(TESMOREL_SHADERS_DIR, file("shaders"),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, failed);
    return !failed;
}

// The default 2D texture and cube map: the repository's when it has all seven files, else small
// images made here.
bool ScratchDir::addDefaultTextures() const
{
    if (repositoryHasTextures()) {
        std::error_code failed;
        for (const char* name : DEFAULT_TEXTURE_FILES)
            fs::copy_file(fs::path(TESMOREL_TEXTURES_DIR) / name, file(std::string("textures/") + name),
                          fs::copy_options::overwrite_existing, failed);
        return !failed;
    }
    bool made = saveImage(checker({200, 150, 90}, {120, 80, 40}), file("textures/crate.jpg"));
    const Rgb faceColours[] = {{90, 120, 200}, {60, 90, 160}, {170, 200, 240},
                               {40, 60, 50},   {110, 140, 190}, {80, 110, 180}};
    for (int face = 0; face < 6; ++face) {
        made = made
            && saveImage(checker(faceColours[face], {20, 20, 30}),
                         file(std::string("textures/") + DEFAULT_TEXTURE_FILES[face + 1]));
    }
    return made;
}

// The vertex stage of the flat pair: the fixed-function transform and nothing else.
std::string flatVertexShader()
{
    return "void main()\n{\n    gl_Position = ftransform();\n}\n";
}

// The fragment stage of the flat pair: one colour everywhere.
std::string flatFragmentShader(const std::string& rgb)
{
    return "void main()\n{\n    gl_FragColor = vec4(" + rgb + ", 1.0);\n}\n";
}
