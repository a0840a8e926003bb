// The textures as the GL holds them after loadTextures: every image layout in its true colours,
// images that do not load, the six faces on their targets, and the paths the files are read from.
#include "render_harness.h"

#include "app/app_state.h"
#include "png_writer.h"
#include "resources/textures.h"

#include <GL/glu.h>

#include <string>
#include <vector>

namespace {
const std::string RED_PATH = "tex/red.png";
const Rgb RED = {220, 30, 30};
const Rgb DECOY = {10, 250, 10};

// The face targets the face files fill, in the order of FACE_SUFFIXES.
const GLenum FACE_TARGETS[6] = {
    GL_TEXTURE_CUBE_MAP_POSITIVE_Z, GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, GL_TEXTURE_CUBE_MAP_POSITIVE_Y,
    GL_TEXTURE_CUBE_MAP_NEGATIVE_Y, GL_TEXTURE_CUBE_MAP_NEGATIVE_X, GL_TEXTURE_CUBE_MAP_POSITIVE_X,
};

// Level 0 of one texture image as 8-bit RGB, first row first.
struct TexImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> texels;
};

// Level 0 of the image target of the texture, read back from the GL.
TexImage readTexture(GLenum bindTarget, GLuint texture, GLenum imageTarget)
{
    TexImage image;
    glBindTexture(bindTarget, texture);
    glGetTexLevelParameteriv(imageTarget, 0, GL_TEXTURE_WIDTH, &image.width);
    glGetTexLevelParameteriv(imageTarget, 0, GL_TEXTURE_HEIGHT, &image.height);
    std::vector<GLubyte> bytes(static_cast<std::size_t>(image.width) * image.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    if (!bytes.empty())
        glGetTexImage(imageTarget, 0, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
        image.texels.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    return image;
}

// Level 0 of the 2D texture.
TexImage read2D()
{
    return readTexture(GL_TEXTURE_2D, app.texture2D, GL_TEXTURE_2D);
}

// Level 0 of one cube-map face, by its index in the face order.
TexImage readFace(std::size_t face)
{
    return readTexture(GL_TEXTURE_CUBE_MAP, app.cubeMapTexture, FACE_TARGETS[face]);
}

// Whether every texel is within the tolerance of its expected colour.
::testing::AssertionResult texelsNear(const TexImage& actual, const std::vector<Rgb>& expected)
{
    if (actual.texels.size() != expected.size())
        return ::testing::AssertionFailure()
            << actual.texels.size() << " texels (" << actual.width << " by " << actual.height
            << "), expected " << expected.size();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ::testing::AssertionResult near = colourNear(actual.texels[i], expected[i]);
        if (!near)
            return ::testing::AssertionFailure() << "texel " << i << ": " << near.message();
    }
    return ::testing::AssertionSuccess();
}

// The colours as packed RGB bytes.
std::vector<std::uint8_t> bytesOf(const std::vector<Rgb>& colours)
{
    std::vector<std::uint8_t> bytes;
    for (const Rgb& c : colours)
        bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                                   static_cast<std::uint8_t>(c.b)});
    return bytes;
}

// The image as it should arrive: its true colours uploaded by the test itself from tightly
// packed rows, through the same mipmap builder, so that sides that are not powers of two are
// resized the same way.
std::vector<Rgb> referenceUpload(const std::vector<Rgb>& colours, int width, int height)
{
    const std::vector<std::uint8_t> bytes = bytesOf(colours);
    GLuint reference = 0;
    glGenTextures(1, &reference);
    glBindTexture(GL_TEXTURE_2D, reference);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const TexImage image = readTexture(GL_TEXTURE_2D, reference, GL_TEXTURE_2D);
    glDeleteTextures(1, &reference);
    return image.texels;
}

// Loads the textures, with the 2D texture and cube map paths given, and returns what it printed.
class TextureTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        if (HasFatalFailure())
            return;
        writeSolidPng(RED_PATH, RED);
        writeCubeFaces("tex/red", {RED, RED, RED, RED, RED, RED});
    }

    std::vector<std::string> load(const std::string& texture2DPath, const std::string& cubeMapBase)
    {
        app.texture2DPath = texture2DPath.c_str();
        app.cubeMapBase = cubeMapBase.c_str();
        const std::vector<std::string> lines = splitLines(captureStdout(loadTextures));
        app.texture2DPath = app.cubeMapBase = nullptr;
        return lines;
    }
};

// One image layout that the image library reads and the viewer must show in its true colours.
struct LayoutCase {
    const char* label;
    PngImage image;
    std::vector<Rgb> colours; // what each pixel is, first row first
};

// Names the case in test output.
std::ostream& operator<<(std::ostream& out, const LayoutCase& layout)
{
    return out << layout.label;
}

// A PNG image of the size, colour type and bit depth with the samples (and palette).
PngImage png(std::uint32_t width, std::uint32_t height, PngColour colour, std::uint8_t bitDepth,
             std::vector<std::uint8_t> samples, std::vector<std::uint8_t> palette = {})
{
    return {width, height, colour, bitDepth, std::move(samples), std::move(palette)};
}

// Four colours on a 2 by 2 image: each row is 6 bytes, not a multiple of 4.
const std::vector<Rgb> FOUR = {{200, 40, 30}, {30, 190, 60}, {40, 50, 210}, {230, 220, 20}};

// Five rows of three pixels, rows of 9 bytes; GLU scales it to 4 by 4.
const std::vector<Rgb> ODD_RGB = {
    {250, 0, 0},   {0, 250, 0},   {0, 0, 250},
    {250, 250, 0}, {0, 250, 250}, {250, 0, 250},
    {120, 60, 30}, {30, 120, 60}, {60, 30, 120},
    {250, 250, 250}, {20, 20, 20}, {140, 140, 140},
    {200, 100, 0}, {0, 200, 100}, {100, 0, 200},
};

const std::vector<LayoutCase> LAYOUT_CASES = {
    {"rgb_2x2", png(2, 2, PngColour::RGB, 8, bytesOf(FOUR)), FOUR},
    {"rgb_odd_width_3x5", png(3, 5, PngColour::RGB, 8, bytesOf(ODD_RGB)), ODD_RGB},
    {"palette", png(2, 2, PngColour::PALETTE, 8, {2, 0, 3, 1}, bytesOf(FOUR)),
     {FOUR[2], FOUR[0], FOUR[3], FOUR[1]}},
    {"grey", png(2, 2, PngColour::GREY, 8, {30, 90, 150, 210}),
     {{30, 30, 30}, {90, 90, 90}, {150, 150, 150}, {210, 210, 210}}},
    {"grey_alpha", png(2, 2, PngColour::GREY_ALPHA, 8, {30, 255, 90, 0, 150, 128, 210, 7}),
     {{30, 30, 30}, {90, 90, 90}, {150, 150, 150}, {210, 210, 210}}},
    {"rgba", png(2, 2, PngColour::RGBA, 8,
                 {200, 40, 30, 255, 30, 190, 60, 0, 40, 50, 210, 128, 230, 220, 20, 9}), FOUR},
    // 16-bit samples: the high byte is the colour, the low byte a different value that must not show.
    {"rgb_16_bit", png(2, 2, PngColour::RGB, 16,
                       {200, 9, 40, 9, 30, 9, 30, 9, 190, 9, 60, 9,
                        40, 9, 50, 9, 210, 9, 230, 9, 220, 9, 20, 9}), FOUR},
};

class ImageLayoutTest : public TextureTest, public ::testing::WithParamInterface<LayoutCase> {};

// Whatever the layout, the 2D texture holds the image's own colours, row after row as the image
// library holds them, and nothing is printed.
TEST_P(ImageLayoutTest, UploadsTrueColours)
{
    const LayoutCase& layout = GetParam();
    ASSERT_TRUE(writeBytes("tex/layout.png", encodePng(layout.image)));

    EXPECT_TRUE(load("tex/layout.png", "tex/red").empty());

    const TexImage texture = read2D();
    ASSERT_GT(texture.width, 0) << "nothing uploaded";
    EXPECT_TRUE(texelsNear(texture, referenceUpload(layout.colours, static_cast<int>(layout.image.width),
                                                    static_cast<int>(layout.image.height))));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ImageLayoutTest, ::testing::ValuesIn(LAYOUT_CASES),
                         [](const auto& info) { return std::string(info.param.label); });

// An image that does not load gives one line naming it and is not uploaded; loading goes on with
// the next image, so the cube map is filled all the same.
class BadImageTest : public TextureTest,
                     public ::testing::WithParamInterface<std::pair<const char*, std::string>> {};

TEST_P(BadImageTest, ReportsAndSkipsIt)
{
    const std::string path = std::string("tex/bad_") + GetParam().first + ".png";
    if (GetParam().first != std::string("missing"))
        writeTextFile(path, GetParam().second);

    EXPECT_EQ(load(path, "tex/red"), std::vector<std::string>{"Could not load image " + path});

    EXPECT_EQ(read2D().width, 0) << "something was uploaded for " << path;
    for (std::size_t face = 0; face < 6; ++face)
        EXPECT_TRUE(texelsNear(readFace(face), {RED, RED, RED, RED})) << FACE_SUFFIXES[face];
}

// The first half of a valid PNG file: signature and header intact, pixel data cut off.
std::string halfAValidPng()
{
    const std::vector<std::uint8_t> whole = encodePng(png(2, 2, PngColour::RGB, 8, bytesOf(FOUR)));
    return std::string(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
}

INSTANTIATE_TEST_SUITE_P(Kinds, BadImageTest,
                         ::testing::Values(std::make_pair("missing", std::string()),
                                           std::make_pair("not_an_image", std::string("plain text, no pixels\n")),
                                           std::make_pair("truncated", halfAValidPng())),
                         [](const auto& info) { return std::string(info.param.first); });

// Every face file lands on its face of the cube map. The base is a plain prefix: a base that ends
// in ".png" gets the suffix and another ".png" after it (decoys without the extension are ignored).
TEST_F(TextureTest, FacesLandOnTheirTargets)
{
    writeCubeFaces("tex/sky.png", FACE_COLOURS);
    writeCubeFaces("tex/sky", {DECOY, DECOY, DECOY, DECOY, DECOY, DECOY});

    EXPECT_TRUE(load(RED_PATH, "tex/sky.png").empty());

    for (std::size_t face = 0; face < 6; ++face) {
        const Rgb colour = FACE_COLOURS[face];
        EXPECT_TRUE(texelsNear(readFace(face), {colour, colour, colour, colour})) << FACE_SUFFIXES[face];
    }
    EXPECT_TRUE(texelsNear(read2D(), {RED, RED, RED, RED}));
}

// With nothing there, each of the seven paths is reported once, in loading order: the 2D path as
// given, then the base with each face suffix and ".png".
TEST_F(TextureTest, ReportsEveryMissingPathInOrder)
{
    EXPECT_EQ(load("tex/none.jpg", "tex/none"),
              (std::vector<std::string>{
                  "Could not load image tex/none.jpg", "Could not load image tex/none_front.png",
                  "Could not load image tex/none_back.png", "Could not load image tex/none_up.png",
                  "Could not load image tex/none_down.png", "Could not load image tex/none_left.png",
                  "Could not load image tex/none_right.png"}));
    for (std::size_t face = 0; face < 6; ++face)
        EXPECT_EQ(readFace(face).width, 0) << FACE_SUFFIXES[face];
}

// The 2D path is used as given: a file without extension is read by its content, and the
// ".png" file beside it is not what is loaded.
TEST_F(TextureTest, TexturePathIsUsedUnchanged)
{
    ASSERT_TRUE(writeBytes("tex/plain", encodePng(png(2, 2, PngColour::RGB, 8, bytesOf(FOUR)))));
    writeSolidPng("tex/plain.png", DECOY);

    EXPECT_TRUE(load("tex/plain", "tex/red").empty());
    EXPECT_TRUE(texelsNear(read2D(), FOUR));
}

// After loading: both targets of the active unit disabled, the default unpack alignment back,
// trilinear filtering with edge clamping on both textures, and the full mipmap chain there.
TEST_F(TextureTest, LeavesTheLastingStateAsTheFrameExpects)
{
    ASSERT_TRUE(writeBytes("tex/four.png", encodePng(png(2, 2, PngColour::RGB, 8, bytesOf(FOUR)))));
    EXPECT_TRUE(load("tex/four.png", "tex/red").empty());

    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_CUBE_MAP));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);

    const std::pair<GLenum, GLuint> textures[] = {{GL_TEXTURE_2D, app.texture2D},
                                                  {GL_TEXTURE_CUBE_MAP, app.cubeMapTexture}};
    for (const auto& [target, texture] : textures) {
        glBindTexture(target, texture);
        const std::pair<GLenum, GLint> parameters[] = {
            {GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR}, {GL_TEXTURE_MAG_FILTER, GL_LINEAR},
            {GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE}, {GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE}};
        for (const auto& [name, expected] : parameters) {
            GLint value = 0;
            glGetTexParameteriv(target, name, &value);
            EXPECT_EQ(value, expected) << "parameter " << name << " of target " << target;
        }
    }
    // Level 1 of a 2 by 2 image is the 1 by 1 mean of its four texels.
    GLubyte mean[3] = {};
    glBindTexture(GL_TEXTURE_2D, app.texture2D);
    glGetTexImage(GL_TEXTURE_2D, 1, GL_RGB, GL_UNSIGNED_BYTE, mean);
    EXPECT_TRUE(colourNear({mean[0], mean[1], mean[2]}, {125, 125, 80}));
}
} // namespace
