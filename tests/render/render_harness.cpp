// Shared ground of the render tests: a real GLUT window on the X display for each test, a scratch
// working directory, captured standard output, fixture files, and frames read back from the GL.
#include "render_harness.h"

#include "app/app_state.h"
#include "png_writer.h"
#include "render/render.h"

#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

const char* const PLAIN_VERTEX_SHADER = "void main() { gl_Position = ftransform(); }\n";

const std::array<const char*, 6> FACE_SUFFIXES = {"_front", "_back", "_up", "_down", "_left", "_right"};

const std::array<Rgb, 6> FACE_COLOURS = {{
    {230, 40, 40},   // _front, +Z
    {40, 200, 60},   // _back, -Z
    {50, 70, 220},   // _up, +Y
    {220, 210, 40},  // _down, -Y
    {200, 60, 210},  // _left, -X
    {40, 200, 210},  // _right, +X
}};

const std::array<Rgb, 4> TEXTURE_2D_TEXELS = {{
    {250, 130, 20}, {20, 120, 250}, // first row
    {120, 250, 20}, {160, 20, 250}, // second row
}};

namespace {
constexpr const char* WINDOW_TITLE = "Tesmorel render test";
constexpr int MAP_EVENT_ROUNDS = 20;
constexpr const char* SNAPSHOT_VARIABLE = "TESMOREL_RENDER_SNAPSHOTS";
const Rgb WHITE = {255, 255, 255};

fs::path scratchDirectory;

// Removes the scratch directory when the process ends.
void removeScratchDirectory()
{
    std::error_code ignored;
    if (!scratchDirectory.empty())
        fs::remove_all(scratchDirectory, ignored);
}

// GLUT insists on a display callback before it processes events; the tests call displayFrame
// themselves.
void noDisplay() {}

// A connection to the X display, or the reason there is none. It is held open while GLUT makes
// its own: on Xvfb a connection opened right after one was closed is refused now and then.
struct DisplayProbe {
    Display* display = nullptr;
    std::string problem;

    DisplayProbe()
    {
        const char* name = std::getenv("DISPLAY");
        if (name == nullptr || *name == '\0')
            problem = "no X display: DISPLAY is not set (script/test starts an Xvfb for the tests)";
        else if ((display = XOpenDisplay(nullptr)) == nullptr)
            problem = std::string("cannot open the X display ") + name;
    }
    ~DisplayProbe()
    {
        if (display != nullptr)
            XCloseDisplay(display);
    }
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;
};

// Every pixel of a PNG image of the colour.
PngImage solidImage(const Rgb& colour, std::uint32_t side)
{
    PngImage image;
    image.width = image.height = side;
    for (std::uint32_t i = 0; i < side * side; ++i)
        image.samples.insert(image.samples.end(), {static_cast<std::uint8_t>(colour.r),
                                                   static_cast<std::uint8_t>(colour.g),
                                                   static_cast<std::uint8_t>(colour.b)});
    return image;
}
} // namespace

// Whether the two colours are the same, channel for channel.
bool operator==(const Rgb& a, const Rgb& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// Prints the colour as (r, g, b).
std::ostream& operator<<(std::ostream& out, const Rgb& colour)
{
    return out << "(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
}

// Whether every channel of the colour is within the tolerance of the expected one.
::testing::AssertionResult colourNear(const Rgb& actual, const Rgb& expected, int tolerance)
{
    if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance
        && std::abs(actual.b - expected.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "colour " << actual << " is not within " << tolerance << " of " << expected;
}

// Opens a new test window with a GL context of its own, closing the one before, so that every
// test starts from a fresh GL state as the viewer does; the reason when there is no X display,
// empty on success.
std::string openTestWindow()
{
    static int window = 0;
    static const std::string problem = [] {
        const DisplayProbe probe;
        if (!probe.problem.empty())
            return probe.problem;
        // Mesa's shader cache would skip the compile of a source it has seen before, and with it
        // the compiler's remarks: every build here compiles for real.
        setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
        int argc = 1;
        char name[] = "tesmorel_render_test";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(WINDOW_WIDTH, WINDOW_HEIGHT);
        glutInitWindowPosition(0, 0);
        return std::string();
    }();
    if (!problem.empty())
        return problem;

    if (window != 0)
        glutDestroyWindow(window);
    window = glutCreateWindow(WINDOW_TITLE);
    glutDisplayFunc(noDisplay);
    // Let the window be mapped and its first reshape pass.
    for (int round = 0; round < MAP_EVENT_ROUNDS; ++round)
        glutMainLoopEvent();
    return std::string();
}

// Moves the current directory into a fresh scratch directory with shaders/ and tex/, once per
// process; the directory is removed when the process ends.
void enterScratchDirectory()
{
    if (!scratchDirectory.empty())
        return;
    std::string pattern = (fs::temp_directory_path() / "tesmorel-render-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a scratch directory";
        return;
    }
    scratchDirectory = pattern;
    std::atexit(removeScratchDirectory);
    fs::current_path(scratchDirectory);
    fs::create_directory("shaders");
    fs::create_directory("tex");
}

// The record as a viewer that has just started has it: static defaults, the viewer's camera and
// light, the test window's size, and graphics not yet started.
void resetApp()
{
    app = AppState{};
    app.programName = "tesmorel_render_test";
    setViewerDefaults();
    app.windowWidth = WINDOW_WIDTH;
    app.windowHeight = WINDOW_HEIGHT;
    glViewport(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT);
}

// A new window, the scratch directory and the record reset; fails at once without a display.
void GlTest::SetUp()
{
    const std::string problem = openTestWindow();
    ASSERT_TRUE(problem.empty()) << "This test draws on a real X display: " << problem;
    enterScratchDirectory();
    ASSERT_FALSE(scratchDirectory.empty());
    resetApp();
}

// Runs the action with standard output sent to a file and returns what it wrote.
std::string captureStdout(const std::function<void()>& action)
{
    std::cout.flush();
    std::fflush(stdout);
    FILE* sink = std::tmpfile();
    const int saved = dup(STDOUT_FILENO);
    dup2(fileno(sink), STDOUT_FILENO);
    action();
    std::cout.flush();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);

    std::string text;
    std::rewind(sink);
    char chunk[4096];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, sink)) > 0)
        text.append(chunk, count);
    std::fclose(sink);
    return text;
}

// The lines of a text, each without its newline.
std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Writes a text file, creating or replacing it.
void writeTextFile(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(writeBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()))) << path;
}

// Writes shaders/<name>.vs and shaders/<name>.fs.
void writeShaderPair(const std::string& name, const std::string& vertex, const std::string& fragment)
{
    writeTextFile("shaders/" + name + ".vs", vertex);
    writeTextFile("shaders/" + name + ".fs", fragment);
}

// A shader pair that draws every fragment with the colour given as GLSL expression.
void writeFragmentColourShader(const std::string& name, const std::string& colourExpression)
{
    writeShaderPair(name, PLAIN_VERTEX_SHADER,
                    "uniform float Time;\n"
                    "uniform samplerCube TexCube;\n"
                    "uniform sampler2D Tex2D;\n"
                    "void main() { gl_FragColor = " + colourExpression + "; }\n");
}

// A 2 by 2 PNG image of one colour.
void writeSolidPng(const std::string& path, const Rgb& colour)
{
    ASSERT_TRUE(writeBytes(path, encodePng(solidImage(colour, 2)))) << path;
}

// The six cube-map face images <base>_front.png ... <base>_right.png, in the viewer's face order.
void writeCubeFaces(const std::string& base, const std::array<Rgb, 6>& colours)
{
    for (std::size_t face = 0; face < colours.size(); ++face)
        writeSolidPng(base + FACE_SUFFIXES[face] + ".png", colours[face]);
}

// Writes the frame fixtures' textures (tex/grid.png, tex/faces_*.png) and white ones
// (tex/white.png, tex/white_*.png) and points the record at the white ones.
void useFixtureTextures()
{
    PngImage grid;
    grid.width = grid.height = 2;
    for (const Rgb& texel : TEXTURE_2D_TEXELS)
        grid.samples.insert(grid.samples.end(), {static_cast<std::uint8_t>(texel.r),
                                                 static_cast<std::uint8_t>(texel.g),
                                                 static_cast<std::uint8_t>(texel.b)});
    ASSERT_TRUE(writeBytes("tex/grid.png", encodePng(grid)));
    writeCubeFaces("tex/faces", FACE_COLOURS);
    writeSolidPng("tex/white.png", WHITE);
    writeCubeFaces("tex/white", {WHITE, WHITE, WHITE, WHITE, WHITE, WHITE});
    app.texture2DPath = "tex/white.png";
    app.cubeMapBase = "tex/white";
}

// The pixel x from the left, y from the bottom.
Rgb Frame::at(int x, int y) const
{
    const std::size_t offset = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[offset], rgb[offset + 1], rgb[offset + 2]};
}

// How many pixels differ from the background.
int Frame::coveredCount() const
{
    return width * height - count(BACKGROUND);
}

// How many pixels have exactly the colour.
int Frame::count(const Rgb& colour) const
{
    int matching = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            matching += at(x, y) == colour ? 1 : 0;
    return matching;
}

// The picture displayFrame has just swapped to the window. Mesa's software rasteriser keeps the
// back buffer through a swap (its front buffer is never filled), so the back buffer is read.
Frame readFrame()
{
    Frame frame;
    frame.width = WINDOW_WIDTH;
    frame.height = WINDOW_HEIGHT;
    frame.rgb.resize(static_cast<std::size_t>(WINDOW_WIDTH) * WINDOW_HEIGHT * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
    return frame;
}

// displayFrame, then the frame it drew; saved as <name>.png into $TESMOREL_RENDER_SNAPSHOTS when
// that is set.
Frame drawFrame(const std::string& name)
{
    displayFrame();
    Frame frame = readFrame();
    const char* directory = std::getenv(SNAPSHOT_VARIABLE);
    if (directory != nullptr && *directory != '\0') {
        // PNG rows run top to bottom, GL rows bottom to top.
        PngImage image;
        image.width = static_cast<std::uint32_t>(frame.width);
        image.height = static_cast<std::uint32_t>(frame.height);
        const std::size_t rowBytes = static_cast<std::size_t>(frame.width) * 3;
        for (int row = frame.height - 1; row >= 0; --row) {
            const auto start = frame.rgb.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
            image.samples.insert(image.samples.end(), start, start + static_cast<std::ptrdiff_t>(rowBytes));
        }
        fs::create_directories(directory);
        writeBytes((fs::path(directory) / (name + ".png")).string(), encodePng(image));
    }
    return frame;
}
