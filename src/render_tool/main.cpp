// tesmorel-render: one frame of the viewer to a PNG, or a build check of a shader pair.
#include "app/app_state.h"
#include "input/input.h"
#include "render/render.h"
#include "render_tool/build_outcome.h"
#include "render_tool/offscreen_target.h"
#include "render_tool/png_file.h"
#include "render_tool/render_options.h"
#include "resources/shader_program.h"

#include <GL/freeglut.h>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {
constexpr const char* TOOL_NAME = "tesmorel-render";
constexpr const char* WINDOW_TITLE = "Tesmorel render";
constexpr int EXIT_BAD_COMMAND_LINE = 2;

// A failure after the command line was accepted: one line on standard error, exit status 1.
int fail(const std::string& reason)
{
    std::cerr << TOOL_NAME << ": " << reason << std::endl;
    return EXIT_FAILURE;
}

// Hands the options to the viewer's record: the files, then the scene as main and the keys set it.
void applyOptions(const RenderOptions& options, const char* programName)
{
    app.programName = programName;
    app.shaderName = options.shaderName.c_str();
    app.texture2DPath = options.texture2DPath.c_str();
    app.cubeMapBase = options.cubeMapBase.c_str();

    setViewerDefaults();
    if (options.cameraGiven) {
        app.cameraYaw = options.camera.yaw;
        app.cameraPitch = options.camera.pitch;
        app.cameraDistance = options.camera.distance;
    }
    if (options.lightGiven) {
        app.lightYaw = options.light.yaw;
        app.lightPitch = options.light.pitch;
        app.lightDistance = options.light.distance;
    }
    app.objectIndex = options.objectIndex;
    app.shaderTime = options.time;
    app.wireframe = options.wireframe ? 1 : 0;
}

// Opens the GLUT window whose context the frame is drawn with; GLUT gets no options of its own.
bool openWindow(const RenderOptions& options, const char* programName)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0')
        return false;
    int glutArgc = 1;
    char* glutArgv[] = {const_cast<char*>(programName), nullptr};
    glutInit(&glutArgc, glutArgv);
    glutInitWindowSize(options.width, options.height);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(WINDOW_TITLE);
    return true;
}

// Builds the pair as F5 does and says whether it gave a working program.
int checkPair()
{
    glewInit();
    const GLhandleARB before = app.program;
    buildShaderProgram();
    const BuildOutcome outcome = buildOutcome(before);
    if (outcome != BuildOutcome::Built)
        return fail(describeOutcome(outcome));
    return EXIT_SUCCESS;
}

// Draws the viewer's first frame into a framebuffer of the asked size and writes it as a PNG.
int renderPair(const RenderOptions& options)
{
    glewInit();
    OffscreenTarget target(options.width, options.height);
    if (!target.ready())
        return fail(target.problem());

    // The drawing area as the viewer's reshape handler records it, then the viewer's own frame,
    // whose first call runs the graphics start-up and prints the build report.
    const GLhandleARB before = app.program;
    onReshape(options.width, options.height);
    displayFrame();
    const BuildOutcome outcome = buildOutcome(before);
    if (outcome != BuildOutcome::Built)
        return fail(describeOutcome(outcome) + std::string("; no picture written"));

    std::string problem;
    if (!writePng(options.outputPath, options.width, options.height, target.readPixels(), problem))
        return fail(problem);
    std::cout << "Wrote " << options.outputPath << " (" << options.width << "x" << options.height
              << ")" << std::endl;
    return EXIT_SUCCESS;
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ParsedOptions parsed = parseRenderOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << TOOL_NAME << ": " << parsed.error << std::endl << renderUsage(argv[0]);
        return EXIT_BAD_COMMAND_LINE;
    }
    const RenderOptions& options = parsed.options;
    if (options.helpWanted) {
        std::cout << renderUsage(argv[0]);
        return EXIT_SUCCESS;
    }

    applyOptions(options, argv[0]);
    if (!openWindow(options, argv[0]))
        return fail("no X display (DISPLAY is not set); run it under Xvfb, for example: "
                    "xvfb-run -a tesmorel-render ...");
    return options.checkOnly ? checkPair() : renderPair(options);
}
