// The benchmark's entry point: the viewer's window and start-up under a GL with its shader cache
// off, then every registered benchmark.
#include "bench_frame.h"
#include "bench_reload.h"
#include "bench_resources.h"
#include "bench_support.h"

#include "app/app_state.h"
#include "app/command_line.h"
#include "input/input.h"
#include "render/render.h"

#include <GL/freeglut.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {
constexpr const char* BENCH_WINDOW_TITLE = "Tesmorel benchmark";
constexpr const char* SNAPSHOT_OPTION = "--snapshot_dir=";
// Rounds of GLUT's event loop that let the window be mapped and its first reshape arrive.
constexpr int SETTLE_EVENT_ROUNDS = 20;

// GLUT wants a display callback; the benchmarks draw the frames themselves.
void ignoreDisplay() {}

// Takes --snapshot_dir=DIR out of the command line.
void takeSnapshotOption(int& argc, char** argv)
{
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], SNAPSHOT_OPTION, std::strlen(SNAPSHOT_OPTION)) == 0)
            snapshotDir = argv[i] + std::strlen(SNAPSHOT_OPTION);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}

// Milliseconds since the instant, as text for a context line.
std::string millisecondsSince(std::chrono::steady_clock::time_point start)
{
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return std::to_string(ms) + " ms";
}

// The renderer's strings, shown with the benchmark's context lines.
void describeRenderer()
{
    benchmark::AddCustomContext("GL_RENDERER", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::AddCustomContext("GL_VERSION", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    const char* cache = std::getenv("MESA_SHADER_CACHE_DISABLE");
    benchmark::AddCustomContext("MESA_SHADER_CACHE_DISABLE", cache != nullptr ? cache : "(unset)");
}
} // namespace

// Opens the window, runs the viewer's start-up and then the benchmarks; status 1 when one failed.
int main(int argc, char** argv)
{
    // Every build and first draw compiles from source: no shader cache on disk. Mesa reads this
    // when the context is created, so it has to be set before glutInit.
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);

    benchmark::Initialize(&argc, argv);
    takeSnapshotOption(argc, argv);
    const auto windowStart = std::chrono::steady_clock::now();
    glutInit(&argc, argv);
    glutInitWindowSize(BENCH_WINDOW_WIDTH, BENCH_WINDOW_HEIGHT);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutCreateWindow(BENCH_WINDOW_TITLE);
    glutDisplayFunc(ignoreDisplay);
    glutReshapeFunc(onReshape);
    for (int round = 0; round < SETTLE_EVENT_ROUNDS; ++round)
        glutMainLoopEvent();
    const std::string windowTime = millisecondsSince(windowStart);

    // The viewer's own state and start-up, timed in its two parts: the graphics start-up that the
    // first frame runs (GLEW, textures, program), then the rest of that first frame, in which the
    // GL compiles the shaders for its rasteriser.
    takeCommandLine(argc, argv);
    setViewerDefaults();
    onReshape(BENCH_WINDOW_WIDTH, BENCH_WINDOW_HEIGHT);
    std::string startGraphicsTime;
    std::string firstFrameTime;
    {
        SilencedStdout silenced;
        const auto graphicsStart = std::chrono::steady_clock::now();
        startGraphics();
        app.graphicsStarted = 1;
        startGraphicsTime = millisecondsSince(graphicsStart);
        const auto frameStart = std::chrono::steady_clock::now();
        displayFrame();
        glFinish();
        firstFrameTime = millisecondsSince(frameStart);
    }
    describeRenderer();
    benchmark::AddCustomContext("start: glutInit to window mapped", windowTime);
    benchmark::AddCustomContext("start: startGraphics", startGraphicsTime);
    benchmark::AddCustomContext("start: rest of the first frame", firstFrameTime);
    if (!programLinked(app.program) || uploadedWidth(GL_TEXTURE_2D, GL_TEXTURE_2D, app.texture2D) == 0
        || uploadedWidth(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_CUBE_MAP_POSITIVE_X, app.cubeMapTexture) == 0) {
        std::cerr << "The viewer's start-up left no linked program or no textures; is the working "
                     "directory the one with shaders/ and textures/?"
                  << std::endl;
        return EXIT_FAILURE;
    }

    registerResourceBenchmarks();
    registerFrameBenchmarks();
    registerReloadBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return benchmarkFailed() ? EXIT_FAILURE : EXIT_SUCCESS;
}
