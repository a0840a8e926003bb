// Shared ground of the render tests: a real GLUT window on the X display for each test, a scratch
// working directory, captured standard output, fixture files, and frames read back from the GL.
#pragma once

#include <GL/glew.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// The test window's drawing area, pixels.
constexpr int WINDOW_WIDTH = 240;
constexpr int WINDOW_HEIGHT = 180;

// Per-channel tolerance of a colour probe, in 8-bit steps.
constexpr int COLOUR_TOLERANCE = 3;

// A vertex shader that only transforms, for fragment-stage fixtures.
extern const char* const PLAIN_VERTEX_SHADER;

// One 8-bit RGB colour.
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
};
bool operator==(const Rgb& a, const Rgb& b);
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

// The clear colour the viewer never changes: black.
constexpr Rgb BACKGROUND = {0, 0, 0};

// Whether every channel of the colour is within the tolerance of the expected one.
::testing::AssertionResult colourNear(const Rgb& actual, const Rgb& expected,
                                      int tolerance = COLOUR_TOLERANCE);

// Opens a new test window with a GL context of its own, closing the one before, so that every
// test starts from a fresh GL state as the viewer does; the reason when there is no X display,
// empty on success.
std::string openTestWindow();

// Moves the current directory into a fresh scratch directory with shaders/ and tex/, once per
// process; the directory is removed when the process ends.
void enterScratchDirectory();

// The record as a viewer that has just started has it: static defaults, the viewer's camera and
// light, the test window's size, and graphics not yet started.
void resetApp();

// A test on the real GL: a new window, the scratch directory and a freshly reset record.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// Runs the action with standard output sent to a file and returns what it wrote.
std::string captureStdout(const std::function<void()>& action);

// The lines of a text, each without its newline.
std::vector<std::string> splitLines(const std::string& text);

// Writes a text file, creating or replacing it.
void writeTextFile(const std::string& path, const std::string& text);

// Writes shaders/<name>.vs and shaders/<name>.fs.
void writeShaderPair(const std::string& name, const std::string& vertex, const std::string& fragment);

// A shader pair that draws every fragment with the colour given as GLSL expression.
void writeFragmentColourShader(const std::string& name, const std::string& colourExpression);

// A 2 by 2 PNG image of one colour.
void writeSolidPng(const std::string& path, const Rgb& colour);

// The suffixes of the six cube-map face files, in the order the viewer loads them.
extern const std::array<const char*, 6> FACE_SUFFIXES;

// The six cube-map face images <base>_front.png ... <base>_right.png, in the viewer's face order.
void writeCubeFaces(const std::string& base, const std::array<Rgb, 6>& colours);

// The colours the frame fixtures give the cube-map faces, in face order, and the 2D texture.
extern const std::array<Rgb, 6> FACE_COLOURS;
extern const std::array<Rgb, 4> TEXTURE_2D_TEXELS; // 2 by 2, first row first

// Writes the frame fixtures' textures (tex/grid.png, tex/faces_*.png) and white ones
// (tex/white.png, tex/white_*.png) and points the record at the white ones.
void useFixtureTextures();

// A picture read back from the GL, bottom row first as GL counts rows.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // The pixel x from the left, y from the bottom.
    Rgb at(int x, int y) const;
    // How many pixels differ from the background.
    int coveredCount() const;
    // How many pixels have exactly the colour.
    int count(const Rgb& colour) const;
};

// The picture displayFrame has just swapped to the window. Mesa's software rasteriser keeps the
// back buffer through a swap (its front buffer is never filled), so the back buffer is read.
Frame readFrame();

// displayFrame, then the frame it drew; saved as <name>.png into $TESMOREL_RENDER_SNAPSHOTS when
// that is set.
Frame drawFrame(const std::string& name);

// Restores a GLEW entry point (or extension flag) when it goes out of scope.
template <typename T>
class GlewOverride {
public:
    GlewOverride(T& slot, T value) : slot_(slot), saved_(slot) { slot_ = value; }
    ~GlewOverride() { slot_ = saved_; }
    GlewOverride(const GlewOverride&) = delete;
    GlewOverride& operator=(const GlewOverride&) = delete;

private:
    T& slot_;
    T saved_;
};
