// Frames drawn by displayFrame on Mesa's software rasteriser, checked pixel by pixel: the light
// marker where the camera and light put it, the three objects by their outlines, wireframe and
// culling, the uniforms and fixed-function state the shaders see, and the paths without a
// program or without the shader entry points.
#include "render_harness.h"

#include "app/app_state.h"
#include "render/render.h"
#include "resources/shader_program.h"

#include <GL/glx.h>
#include <GL/freeglut.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {
constexpr double PI = 3.14159265358979323846;
constexpr double FIELD_OF_VIEW = 45.0;
constexpr int MARKER_INSIDE = 3;  // pixels from the marker's centre that it covers
constexpr int MARKER_OUTSIDE = 7; // pixels from its centre that it leaves alone (it is 10 wide)

// The flat colour of the fixture shader that paints every fragment alike.
const char* const FLAT_COLOUR = "vec4(0.0, 0.8, 0.2, 1.0)";
const Rgb FLAT = {0, 204, 51};
// What the fixed-function pipeline makes of a white object under white textures with lighting on
// and no light enabled: the global ambient of 0.2 alone.
const Rgb AMBIENT_ONLY = {51, 51, 51};
// The colour a comparison shader paints on a match, and on a mismatch.
const Rgb MATCH = {0, 255, 0};

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// glRotate about X by the angle in degrees, applied to a point.
Vec3 rotateX(double degrees, const Vec3& v)
{
    const double a = degrees * PI / 180.0;
    return {v.x, v.y * std::cos(a) - v.z * std::sin(a), v.y * std::sin(a) + v.z * std::cos(a)};
}

// glRotate about Y by the angle in degrees, applied to a point.
Vec3 rotateY(double degrees, const Vec3& v)
{
    const double a = degrees * PI / 180.0;
    return {v.x * std::cos(a) + v.z * std::sin(a), v.y, -v.x * std::sin(a) + v.z * std::cos(a)};
}

// The camera of the record applied to a point of the scene: yaw, then pitch, then the distance.
Vec3 eyeFromScene(const Vec3& p)
{
    Vec3 eye = rotateX(app.cameraPitch, rotateY(app.cameraYaw, p));
    eye.z -= app.cameraDistance;
    return eye;
}

// Where the light of the record is in the scene: the light frame's (0, 0, 1) moved out by the
// distance, pitched, then yawed.
Vec3 lightInScene()
{
    return rotateY(app.lightYaw, rotateX(app.lightPitch, {0.0, 0.0, 1.0 - app.lightDistance}));
}

// Window position (pixels from the bottom left) of an eye-space point under the viewer's
// perspective for the test window.
std::pair<double, double> windowFromEye(const Vec3& eye)
{
    const double focal = 1.0 / std::tan(FIELD_OF_VIEW / 2.0 * PI / 180.0);
    const double aspect = static_cast<double>(WINDOW_WIDTH) / WINDOW_HEIGHT;
    const double ndcX = focal / aspect * eye.x / -eye.z;
    const double ndcY = focal * eye.y / -eye.z;
    return {(ndcX + 1.0) / 2.0 * WINDOW_WIDTH, (ndcY + 1.0) / 2.0 * WINDOW_HEIGHT};
}

// Pixels from the centre to the edge of the outline of a sphere of the radius at the distance.
double sphereOutlineRadius(double radius, double distance)
{
    const double focal = 1.0 / std::tan(FIELD_OF_VIEW / 2.0 * PI / 180.0);
    return focal * std::tan(std::asin(radius / distance)) * WINDOW_HEIGHT / 2.0;
}

// A GLSL mat4 of the rotation that the frame should load into the texture matrix of unit 0.
std::string expectedTextureMatrix()
{
    // Columns of R_Y(yaw) * R_X(pitch) are that rotation applied to the unit vectors.
    const double yaw = app.lightYaw + app.cameraYaw;
    const double pitch = app.lightPitch + app.cameraPitch;
    std::ostringstream out;
    out.precision(9);
    out << "mat4(";
    const Vec3 axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const Vec3& axis : axes) {
        const Vec3 column = rotateY(yaw, rotateX(pitch, axis));
        out << column.x << ", " << column.y << ", " << column.z << ", 0.0, ";
    }
    out << "0.0, 0.0, 0.0, 1.0)";
    return out.str();
}

// Draws with the shaders and textures a test sets up; each test starts the graphics afresh.
class FrameTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        if (HasFatalFailure())
            return;
        useFixtureTextures();
        writeFragmentColourShader("flat", FLAT_COLOUR);
        writeShaderPair("invisible", PLAIN_VERTEX_SHADER, "void main() { discard; }\n");
        app.shaderName = "flat";
        // Straight on, with the light and its marker at the origin, hidden inside a solid object.
        app.cameraPitch = 0.0;
        app.lightDistance = 1.0;
    }
};

// --- The light marker -------------------------------------------------------------------------

// A camera and light; the marker is drawn with a program that discards the object, so that only
// the marker shows.
struct LightCase {
    const char* label;
    double lightDistance, lightPitch, lightYaw;
    double cameraDistance, cameraPitch, cameraYaw;
};

// Names the case in test output.
std::ostream& operator<<(std::ostream& out, const LightCase& c)
{
    return out << c.label;
}

const LightCase LIGHT_CASES[] = {
    {"start_values", 10.0, 180.0, 0.0, 20.0, 20.0, 0.0},
    {"turned_light_and_camera", 6.0, 160.0, 30.0, 20.0, 10.0, -25.0},
    {"light_beyond_the_origin", 15.0, 25.0, -40.0, 30.0, -15.0, 20.0},
    {"distance_one_at_origin", 1.0, 123.0, 45.0, 20.0, 20.0, 0.0},
};

// Sets the record's camera and light from the case.
void placeCameraAndLight(const LightCase& c)
{
    app.lightDistance = c.lightDistance;
    app.lightPitch = c.lightPitch;
    app.lightYaw = c.lightYaw;
    app.cameraDistance = c.cameraDistance;
    app.cameraPitch = c.cameraPitch;
    app.cameraYaw = c.cameraYaw;
}

class LightMarkerTest : public FrameTest, public ::testing::WithParamInterface<LightCase> {};

// A white square of 10 pixels at the light's window position, computed here from the camera and
// light transforms, and nothing around it: drawn unlit and untextured in every frame.
TEST_P(LightMarkerTest, MarkerSitsWhereTheLightIs)
{
    placeCameraAndLight(GetParam());
    app.shaderName = "invisible";
    // Coloured textures, which a textured marker would show.
    app.texture2DPath = "tex/grid.png";
    app.cubeMapBase = "tex/faces";
    const auto [x, y] = windowFromEye(eyeFromScene(lightInScene()));
    const int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    ASSERT_TRUE(cx > MARKER_OUTSIDE && cx < WINDOW_WIDTH - MARKER_OUTSIDE && cy > MARKER_OUTSIDE
                && cy < WINDOW_HEIGHT - MARKER_OUTSIDE)
        << "case puts the light off the window at " << x << ", " << y;

    // The frame after the first, which left lighting and both textures switched on.
    displayFrame();
    const Frame frame = drawFrame(std::string("marker_") + GetParam().label);
    const Rgb white = {255, 255, 255};
    for (int dy : {-MARKER_INSIDE, 0, MARKER_INSIDE})
        for (int dx : {-MARKER_INSIDE, 0, MARKER_INSIDE})
            EXPECT_TRUE(colourNear(frame.at(cx + dx, cy + dy), white)) << "at " << dx << ", " << dy;
    for (int d : {-MARKER_OUTSIDE, MARKER_OUTSIDE}) {
        EXPECT_EQ(frame.at(cx + d, cy), BACKGROUND) << "at " << d << ", 0";
        EXPECT_EQ(frame.at(cx, cy + d), BACKGROUND) << "at 0, " << d;
    }
    // The marker is the only thing drawn: 10 by 10 pixels.
    EXPECT_EQ(frame.coveredCount(), 100);
}

INSTANTIATE_TEST_SUITE_P(Positions, LightMarkerTest, ::testing::ValuesIn(LIGHT_CASES),
                         [](const auto& info) { return std::string(info.param.label); });

// --- Objects, wireframe and culling -----------------------------------------------------------

// Whether the frame has the expected colour at each of the points, given in pixels from the
// window's centre.
::testing::AssertionResult probesAre(const Frame& frame, const std::vector<std::pair<double, double>>& points,
                                     const Rgb& expected)
{
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    bool failed = false;
    for (const auto& [dx, dy] : points) {
        const int x = static_cast<int>(std::floor(WINDOW_WIDTH / 2.0 + dx));
        const int y = static_cast<int>(std::floor(WINDOW_HEIGHT / 2.0 + dy));
        const ::testing::AssertionResult near = colourNear(frame.at(x, y), expected);
        if (!near) {
            if (!failed)
                result = ::testing::AssertionFailure();
            failed = true;
            result << "\n  pixel (" << x << ", " << y << "): " << near.message();
        }
    }
    return result;
}

// Points on a circle of the radius around the centre, in eight directions.
std::vector<std::pair<double, double>> ring(double radius)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 8; ++i)
        points.emplace_back(radius * std::cos(i * PI / 4.0), radius * std::sin(i * PI / 4.0));
    return points;
}

// The cube's front face, seen straight on from the start distance: a square of this half-side.
double cubeFrontHalfSide()
{
    return windowFromEye({5.0, 0.0, 5.0 - 20.0}).first - WINDOW_WIDTH / 2.0;
}

// Points on the square of the half-side: its corners and the middles of its sides.
std::vector<std::pair<double, double>> square(double half)
{
    return {{half, half}, {-half, half}, {half, -half}, {-half, -half}, {half, 0}, {-half, 0}, {0, half}, {0, -half}};
}

// Seen straight on, the sphere is a disc of its computed outline, the cube's front face a square
// (whose corners lie outside that disc), and the teapot has its spout, handle and knob. Every
// fragment shown faces the camera: a teapot drawn with the wrong winding, or a cube after a teapot
// that did not restore it, would show the far inside walls instead.
TEST_F(FrameTest, ObjectsShowTheirOutlines)
{
    writeShaderPair("facing",
                    "varying vec3 eyeNormal;\n"
                    "void main() { eyeNormal = gl_NormalMatrix * gl_Normal; gl_Position = ftransform(); }\n",
                    "varying vec3 eyeNormal;\n"
                    "void main() { gl_FragColor = eyeNormal.z > 0.0 ? " + std::string(FLAT_COLOUR)
                        + " : vec4(1.0, 0.0, 0.0, 1.0); }\n");
    app.shaderName = "facing";
    const double disc = sphereOutlineRadius(4.0, 20.0);
    const double half = cubeFrontHalfSide();

    // The teapot: spout on the right, handle on the left with the hole inside it, the lid's knob
    // on top with background either side of it.
    app.objectIndex = 0;
    const Frame teapot = drawFrame("teapot");
    EXPECT_TRUE(probesAre(teapot, {{0, -20}, {-40, 0}, {40, -30}, {100, 15}, {-108, 6}, {0, 55}}, FLAT));
    EXPECT_TRUE(probesAre(teapot, {{-90, 5}, {-20, 52}, {20, 52}}, BACKGROUND));
    GLint winding = 0;
    glGetIntegerv(GL_FRONT_FACE, &winding);
    EXPECT_EQ(winding, GL_CCW);

    app.objectIndex = 1;
    const Frame cube = drawFrame("cube");
    EXPECT_TRUE(probesAre(cube, square(half * 0.95), FLAT));
    EXPECT_TRUE(probesAre(cube, square(half * 1.05), BACKGROUND));
    EXPECT_TRUE(probesAre(cube, ring(disc * 1.1), FLAT)) << "the cube is not just a sphere";

    app.objectIndex = 2;
    const Frame sphere = drawFrame("sphere");
    EXPECT_TRUE(probesAre(sphere, ring(disc * 0.9), FLAT));
    EXPECT_TRUE(probesAre(sphere, ring(disc * 1.1), BACKGROUND));
}

// In wireframe the cube's front face is an outline with background inside it; the faces turned
// away from the camera (the back face's smaller square) are culled and leave no lines.
TEST_F(FrameTest, WireframeDrawsOnlyFrontOutlines)
{
    app.objectIndex = 1;
    app.wireframe = 1;
    const Frame frame = drawFrame("cube_wireframe");

    const double half = cubeFrontHalfSide();
    const double backHalf = windowFromEye({5.0, 0.0, -5.0 - 20.0}).first - WINDOW_WIDTH / 2.0;
    EXPECT_TRUE(probesAre(frame, {{half * 0.5, half * 0.5}, {-half * 0.5, 0}, {backHalf, 0}, {0, -backHalf}},
                          BACKGROUND));
    // Each side of the front square shows a line within a pixel of where it projects.
    const auto lineNear = [&](double dx, double dy, bool vertical) {
        for (int offset = -1; offset <= 1; ++offset) {
            const double ox = vertical ? offset : 0, oy = vertical ? 0 : offset;
            if (probesAre(frame, {{dx + ox, dy + oy}}, FLAT))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(lineNear(half, 10, true));
    EXPECT_TRUE(lineNear(-half, -10, true));
    EXPECT_TRUE(lineNear(10, half, false));
    EXPECT_TRUE(lineNear(-10, -half, false));
    EXPECT_LT(frame.count(FLAT), 8 * static_cast<int>(half) + 40) << "more than the outline is drawn";
}

// From outside, the cube fills its square; from inside (camera 2 units from the centre) every
// face is turned away and culled, and nothing is drawn at all.
TEST_F(FrameTest, CubeFromInsideShowsNothing)
{
    app.objectIndex = 1;
    app.lightDistance = 10.0; // behind the camera when it is inside
    EXPECT_GT(drawFrame("cube_outside").coveredCount(), 0);
    app.cameraDistance = 2.0;
    EXPECT_EQ(drawFrame("cube_inside").coveredCount(), 0);
}

// --- What the shaders see ----------------------------------------------------------------------

// A fragment colour made from one input of the frame, and the colour it must give.
struct InputCase {
    const char* label;
    const char* colour;
    float shaderTime;
    Rgb expected;
};

// Names the case in test output.
std::ostream& operator<<(std::ostream& out, const InputCase& c)
{
    return out << c.label;
}

const InputCase INPUT_CASES[] = {
    {"time_quarter", "vec4(fract(Time), 1.0, 0.0, 1.0)", 0.25f, {64, 255, 0}},
    {"time_past_two", "vec4(fract(Time), 1.0, 0.0, 1.0)", 2.75f, {191, 255, 0}},
    {"tex2d_first_texel", "texture2D(Tex2D, vec2(0.25, 0.25))", 0.0f, TEXTURE_2D_TEXELS[0]},
    {"tex2d_second_row", "texture2D(Tex2D, vec2(0.75, 0.75))", 0.0f, TEXTURE_2D_TEXELS[3]},
    {"texcube_positive_z", "textureCube(TexCube, vec3(0.1, -0.2, 1.0))", 0.0f, FACE_COLOURS[0]},
    {"texcube_negative_x", "textureCube(TexCube, vec3(-1.0, 0.3, 0.2))", 0.0f, FACE_COLOURS[4]},
    {"texcube_positive_y", "textureCube(TexCube, vec3(0.2, 1.0, -0.3))", 0.0f, FACE_COLOURS[2]},
    {"light_diffuse", "gl_LightSource[0].diffuse", 0.0f, {179, 77, 77}},
};

class ShaderInputTest : public FrameTest, public ::testing::WithParamInterface<InputCase> {};

// The sphere painted with the input: "Time" carries shaderTime, "Tex2D" samples the 2D texture
// on unit 1, "TexCube" the cube map on unit 0, and light 0 has its diffuse colour.
TEST_P(ShaderInputTest, ObjectShowsTheInput)
{
    writeFragmentColourShader("input", GetParam().colour);
    app.shaderName = "input";
    app.texture2DPath = "tex/grid.png";
    app.cubeMapBase = "tex/faces";
    app.shaderTime = GetParam().shaderTime;
    app.objectIndex = 2;
    const Frame frame = drawFrame(std::string("input_") + GetParam().label);
    EXPECT_TRUE(probesAre(frame, {{0, 0}, {10, -10}}, GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Inputs, ShaderInputTest, ::testing::ValuesIn(INPUT_CASES),
                         [](const auto& info) { return std::string(info.param.label); });

class FrameStateTest : public FrameTest, public ::testing::WithParamInterface<LightCase> {};

// Paints MATCH where the condition holds, red where it does not.
void writeCheckShader(const std::string& name, const std::string& declarations, const std::string& condition)
{
    writeShaderPair(name, PLAIN_VERTEX_SHADER,
                    declarations + "\nvoid main() { gl_FragColor = (" + condition
                        + ") ? vec4(0.0, 1.0, 0.0, 1.0) : vec4(1.0, 0.0, 0.0, 1.0); }\n");
}

// The texture matrix of unit 0 holds the cube map's turn by the summed light and camera angles,
// yaw after pitch; light 0's position reaches the shader in eye space, where the marker is.
TEST_P(FrameStateTest, TextureMatrixAndLightPositionFollowTheAngles)
{
    placeCameraAndLight(GetParam());
    app.objectIndex = 2;
    app.cameraDistance = 20.0; // keep the sphere in view whatever the case
    const Vec3 light = eyeFromScene(lightInScene());
    std::ostringstream position;
    position.precision(9);
    position << "vec4(" << light.x << ", " << light.y << ", " << light.z << ", 1.0)";

    writeCheckShader("matrix", "const mat4 expected = " + expectedTextureMatrix() + ";",
                     "all(lessThan(abs(gl_TextureMatrix[0][0] - expected[0]), vec4(1e-3)))"
                     " && all(lessThan(abs(gl_TextureMatrix[0][1] - expected[1]), vec4(1e-3)))"
                     " && all(lessThan(abs(gl_TextureMatrix[0][2] - expected[2]), vec4(1e-3)))"
                     " && all(lessThan(abs(gl_TextureMatrix[0][3] - expected[3]), vec4(1e-3)))");
    app.shaderName = "matrix";
    EXPECT_TRUE(probesAre(drawFrame(std::string("matrix_") + GetParam().label), {{0, 0}}, MATCH))
        << "texture matrix of unit 0 is not " << expectedTextureMatrix();

    // Rebuilt as F5 does; the next frame installs the new program.
    writeCheckShader("light", "const vec4 expected = " + position.str() + ";",
                     "distance(gl_LightSource[0].position, expected) < 1e-3");
    app.shaderName = "light";
    captureStdout(buildShaderProgram);
    EXPECT_TRUE(probesAre(drawFrame(std::string("light_") + GetParam().label), {{0, 0}}, MATCH))
        << "light 0 is not at " << position.str() << " in eye space";
}

INSTANTIATE_TEST_SUITE_P(Angles, FrameStateTest, ::testing::ValuesIn(LIGHT_CASES),
                         [](const auto& info) { return std::string(info.param.label); });

// --- Start-up, no program, degenerate windows, missing entry points ---------------------------

// The first frame starts the graphics before it draws: the build report comes out during it, the
// flag is set, and that first picture already shows the program sampling both textures (on
// units of their own: two sampler types may not share a unit). Later frames start nothing again.
TEST_F(FrameTest, FirstFrameStartsTheGraphics)
{
    writeFragmentColourShader("startup", "0.5 * texture2D(Tex2D, vec2(0.25, 0.25))"
                                         " + 0.5 * textureCube(TexCube, vec3(0.0, 0.0, 1.0))");
    app.shaderName = "startup";
    app.texture2DPath = "tex/grid.png";
    app.cubeMapBase = "tex/faces";
    app.objectIndex = 2;
    ASSERT_EQ(app.graphicsStarted, 0);
    const Rgb texel = TEXTURE_2D_TEXELS[0], face = FACE_COLOURS[0];
    const Rgb mixed = {(texel.r + face.r) / 2, (texel.g + face.g) / 2, (texel.b + face.b) / 2};

    Frame first;
    const std::string report = captureStdout([&] { first = drawFrame("first_frame"); });
    EXPECT_EQ(splitLines(report), (std::vector<std::string>{"-Compiling-------------------------------------",
                                                           "Fragment shader Ok", "Vertex shader Ok", "Link Ok"}));
    EXPECT_EQ(app.graphicsStarted, 1);
    EXPECT_TRUE(probesAre(first, {{0, 0}}, mixed));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_COLOR_MATERIAL));

    const GLhandleARB program = app.program;
    EXPECT_EQ(captureStdout(displayFrame), "");
    EXPECT_EQ(app.program, program);
}

// Without a program (the fragment file could not be opened at start-up) the object is still
// drawn, by the fixed-function pipeline: lit with no light on, white under white textures.
TEST_F(FrameTest, NoProgramDrawsWithFixedFunction)
{
    app.shaderName = "absent";
    app.objectIndex = 2;
    const std::string report = captureStdout([] { displayFrame(); });
    ASSERT_EQ(app.program, 0u) << report;
    const Frame frame = drawFrame("fixed_function_sphere");
    const double disc = sphereOutlineRadius(4.0, 20.0);
    EXPECT_TRUE(probesAre(frame, ring(disc * 0.9), AMBIENT_ONLY));
    EXPECT_TRUE(probesAre(frame, ring(disc * 1.1), BACKGROUND));
}

// A window with a side of 0 pixels: the frame draws without fault, and the projection is finite,
// the empty side counting as 1 pixel in the aspect ratio.
class EmptyWindowTest : public FrameTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(EmptyWindowTest, ProjectionStaysFinite)
{
    app.windowWidth = GetParam().first;
    app.windowHeight = GetParam().second;
    displayFrame();
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    for (double value : projection)
        EXPECT_TRUE(std::isfinite(value)) << value;
    const double focal = 1.0 / std::tan(FIELD_OF_VIEW / 2.0 * PI / 180.0);
    const double aspect = std::max(GetParam().first, 1) / static_cast<double>(std::max(GetParam().second, 1));
    EXPECT_NEAR(projection[0], focal / aspect, 1e-6);
    EXPECT_NEAR(projection[5], focal, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Sizes, EmptyWindowTest,
                         ::testing::Values(std::make_pair(WINDOW_WIDTH, 0), std::make_pair(0, WINDOW_HEIGHT),
                                           std::make_pair(0, 0)),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "x" + std::to_string(info.param.second);
                         });

// Which GLEW entry points a GL without them would leave null, and how the sphere must then look.
struct EntryPointCase {
    const char* label;
    bool shaderObjects;
    bool multitexture;
    Rgb expected;
};

// Names the case in test output.
std::ostream& operator<<(std::ostream& out, const EntryPointCase& c)
{
    return out << c.label;
}

class MissingEntryPointTest : public FrameTest, public ::testing::WithParamInterface<EntryPointCase> {};

// Where GLEW found no shader-object entry points the frame skips them and the fixed-function
// pipeline draws the object; without glActiveTexture the program still draws it.
TEST_P(MissingEntryPointTest, FrameStillDrawsTheObject)
{
    app.objectIndex = 2;
    displayFrame(); // start-up, which initialises GLEW and so fills every entry point
    glUseProgramObjectARB(0); // a GL without shader objects has no program installed

    {
        const bool shaders = GetParam().shaderObjects, multitexture = GetParam().multitexture;
        const GlewOverride<PFNGLUSEPROGRAMOBJECTARBPROC> use(__glewUseProgramObjectARB,
                                                             shaders ? __glewUseProgramObjectARB : nullptr);
        const GlewOverride<PFNGLGETUNIFORMLOCATIONARBPROC> locate(
            __glewGetUniformLocationARB, shaders ? __glewGetUniformLocationARB : nullptr);
        const GlewOverride<PFNGLUNIFORM1FARBPROC> setFloat(__glewUniform1fARB, shaders ? __glewUniform1fARB : nullptr);
        const GlewOverride<PFNGLUNIFORM1IARBPROC> setInt(__glewUniform1iARB, shaders ? __glewUniform1iARB : nullptr);
        const GlewOverride<PFNGLACTIVETEXTUREPROC> activate(__glewActiveTexture,
                                                            multitexture ? __glewActiveTexture : nullptr);
        const Frame frame = drawFrame(std::string("entry_points_") + GetParam().label);
        EXPECT_TRUE(probesAre(frame, ring(sphereOutlineRadius(4.0, 20.0) * 0.9), GetParam().expected));
    }
    EXPECT_NE(glUseProgramObjectARB, nullptr) << "entry points not restored";
}

INSTANTIATE_TEST_SUITE_P(Missing, MissingEntryPointTest,
                         ::testing::Values(EntryPointCase{"shader_objects", false, true, AMBIENT_ONLY},
                                           EntryPointCase{"multitexture", true, false, FLAT},
                                           EntryPointCase{"both", false, false, AMBIENT_ONLY}),
                         [](const auto& info) { return std::string(info.param.label); });

// --- What the window shows ---------------------------------------------------------------------

// The frame read back from the GL is the picture the X server shows in the window. The window is
// moved to the screen's far corner, away from the other tests' windows, and raised.
TEST_F(FrameTest, ReadBackMatchesTheWindow)
{
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    ASSERT_NE(display, nullptr);
    const int screen = DefaultScreen(display);
    glutPositionWindow(DisplayWidth(display, screen) - WINDOW_WIDTH, DisplayHeight(display, screen) - WINDOW_HEIGHT);
    glutMainLoopEvent();
    XRaiseWindow(display, window);
    XSync(display, False);

    app.objectIndex = 0;
    app.cameraPitch = 20.0;
    const Frame frame = drawFrame("window_teapot");
    XSync(display, False);
    XImage* image = XGetImage(display, window, 0, 0, WINDOW_WIDTH, WINDOW_HEIGHT, AllPlanes, ZPixmap);
    ASSERT_NE(image, nullptr);
    const auto channel = [](unsigned long pixel, unsigned long mask) {
        int shift = 0;
        while (mask != 0 && (mask & 1ul) == 0) {
            mask >>= 1;
            ++shift;
        }
        return static_cast<int>((pixel >> shift) & mask);
    };
    int differing = 0;
    for (int y = 0; y < WINDOW_HEIGHT; ++y)
        for (int x = 0; x < WINDOW_WIDTH; ++x) {
            const unsigned long pixel = XGetPixel(image, x, WINDOW_HEIGHT - 1 - y);
            const Rgb shown = {channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                               channel(pixel, image->blue_mask)};
            differing += shown == frame.at(x, y) ? 0 : 1;
        }
    XDestroyImage(image);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(frame.coveredCount(), 0);
}
} // namespace
