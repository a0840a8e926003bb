// The F5 path: a shader rebuild and the first frame drawn with the new program, next to the bare
// compile and link of the same pair.
#include "bench_reload.h"

#include "bare_scene.h"
#include "bench_support.h"

#include "app/app_state.h"
#include "input/input.h"
#include "render/render.h"

#include <GL/freeglut.h>

namespace {
// The F5 key as GLUT hands it to the viewer, with the report going to /dev/null.
void BM_F5Press(benchmark::State& state)
{
    SilencedStdout silenced;
    for (auto _ : state)
        onSpecialKey(GLUT_KEY_F5, 0, 0);
    if (!programLinked(app.program))
        failBenchmark(state, "F5 left no linked program");
}

// F5, then the first frame that installs the new program: the GL compiles the program's code for
// its rasteriser at that first draw, so the frame belongs to the cost of a reload.
void BM_F5ToFirstFrame(benchmark::State& state)
{
    app.objectIndex = TEAPOT_INDEX;
    SilencedStdout silenced;
    for (auto _ : state) {
        onSpecialKey(GLUT_KEY_F5, 0, 0);
        displayFrame();
        glFinish();
    }
    if (!programLinked(app.program))
        failBenchmark(state, "F5 left no linked program");
}

// The bare compile and link of the pair, sources read once beforehand; each program replaces and
// deletes the one before, as the viewer's builds do.
void BM_BareCompileLink(benchmark::State& state)
{
    const ShaderSources sources = readShaderSources(app.shaderName);
    GLhandleARB previous = 0;
    for (auto _ : state) {
        const GLhandleARB program = compileAndLinkBare(sources);
        if (previous != 0)
            glDeleteObjectARB(previous);
        previous = program;
    }
    const bool linked = programLinked(previous);
    glDeleteObjectARB(previous);
    if (!linked)
        failBenchmark(state, "the bare build did not link");
}

// The bare compile and link, then the bare frame that first draws with the new program.
void BM_BareCompileLinkFirstFrame(benchmark::State& state)
{
    const ShaderSources sources = readShaderSources(app.shaderName);
    GLhandleARB previous = 0;
    for (auto _ : state) {
        const GLhandleARB program = compileAndLinkBare(sources);
        drawBareFrame(makeBareScene(program, app.cubeMapTexture, app.texture2D), TEAPOT_INDEX,
                      app.shaderTime);
        glFinish();
        if (previous != 0)
            glDeleteObjectARB(previous);
        previous = program;
    }
    glUseProgramObjectARB(0);
    const bool linked = programLinked(previous);
    glDeleteObjectARB(previous);
    if (!linked)
        failBenchmark(state, "the bare build did not link");
}
} // namespace

// Registers the F5 press, F5 to the first frame, and their bare counterparts.
void registerReloadBenchmarks()
{
    benchmark::RegisterBenchmark("BareCompileLink", BM_BareCompileLink)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("F5Press", BM_F5Press)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("BareCompileLinkFirstFrame", BM_BareCompileLinkFirstFrame)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("F5ToFirstFrame", BM_F5ToFirstFrame)->Unit(benchmark::kMillisecond)->UseRealTime();
}
