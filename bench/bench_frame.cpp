// One frame of each object: the viewer's displayFrame next to the same scene in bare GL calls,
// in the full window and with rasterisation clipped to one pixel.
#include "bench_frame.h"

#include "bare_scene.h"
#include "bench_support.h"

#include "app/app_state.h"
#include "render/render.h"

#include <string>

namespace {
// One timed viewer frame of the object, waited for with glFinish. Out of line and one function per
// object, so that a profiler can collect exactly the timed frames of each (bench/callgrind).
template <int OBJECT>
[[gnu::noinline]] void measuredViewerFrame()
{
    app.objectIndex = OBJECT;
    displayFrame();
    glFinish();
}

// One timed bare frame of the object, waited for with glFinish; out of line like the viewer's.
template <int OBJECT>
[[gnu::noinline]] void measuredBareFrame(const BareScene& scene)
{
    drawBareFrame(scene, OBJECT, app.shaderTime);
    glFinish();
}

// The objects with the names their benchmarks carry and their timed frames.
const struct FrameObject {
    int index;
    const char* name;
    void (*viewerFrame)();
    void (*bareFrame)(const BareScene&);
} OBJECTS[] = {
    {TEAPOT_INDEX, "teapot", measuredViewerFrame<TEAPOT_INDEX>, measuredBareFrame<TEAPOT_INDEX>},
    {CUBE_INDEX, "cube", measuredViewerFrame<CUBE_INDEX>, measuredBareFrame<CUBE_INDEX>},
    {SPHERE_INDEX, "sphere", measuredViewerFrame<SPHERE_INDEX>, measuredBareFrame<SPHERE_INDEX>},
};

// Draws one viewer frame and one bare frame of the object and fails the benchmark unless the two
// pictures show the object and are the same pixel for pixel; with a snapshot directory, leaves
// both there as PPM files.
bool checkSameScene(benchmark::State& state, const BareScene& scene, int object, const char* name)
{
    app.objectIndex = object;
    displayFrame();
    const std::vector<std::uint8_t> viewer = readSwappedFrame();
    drawBareFrame(scene, object, app.shaderTime);
    const std::vector<std::uint8_t> bare = readSwappedFrame();
    if (!snapshotDir.empty()) {
        writePpm(snapshotDir + "/viewer_" + name + ".ppm", viewer);
        writePpm(snapshotDir + "/bare_" + name + ".ppm", bare);
    }
    if (!frameIsLit(viewer)) {
        failBenchmark(state, std::string("the viewer's ") + name + " frame read back black at its centre");
        return false;
    }
    const std::size_t different = countDifferentPixels(viewer, bare);
    if (different != 0) {
        failBenchmark(state, std::string("the bare ") + name + " frame differs from the viewer's in "
                                 + std::to_string(different) + " pixels");
        return false;
    }
    return true;
}

// displayFrame with the object chosen, waited for with glFinish. One frame first, untimed: the GL
// compiles its code for a program, a vertex layout and a raster state at their first draw.
void viewerFrames(benchmark::State& state, const FrameObject& object, bool onePixel)
{
    app.objectIndex = object.index;
    setOnePixelRaster(onePixel);
    displayFrame();
    glFinish();
    for (auto _ : state)
        object.viewerFrame();
    setOnePixelRaster(false);
}

// The same frame in bare GL calls, after a check that it draws the viewer's picture, and one
// untimed frame in the raster state of the benchmark.
void bareFrames(benchmark::State& state, const FrameObject& object, bool onePixel)
{
    const BareScene scene = makeBareScene(app.program, app.cubeMapTexture, app.texture2D);
    if (!checkSameScene(state, scene, object.index, object.name))
        return;
    setOnePixelRaster(onePixel);
    drawBareFrame(scene, object.index, app.shaderTime);
    glFinish();
    for (auto _ : state)
        object.bareFrame(scene);
    setOnePixelRaster(false);
}
// The three uniform lookups by name that every viewer frame makes and the bare frame makes once:
// the largest piece of GL work the viewer adds to a frame.
void BM_UniformLookups(benchmark::State& state)
{
    GLint sum = 0;
    for (auto _ : state) {
        sum += glGetUniformLocationARB(app.program, "Time");
        sum += glGetUniformLocationARB(app.program, "TexCube");
        sum += glGetUniformLocationARB(app.program, "Tex2D");
    }
    benchmark::DoNotOptimize(sum);
}
} // namespace

// Registers, per object, the viewer's frame and the bare frame, then both again at one pixel, and
// the uniform lookups.
void registerFrameBenchmarks()
{
    const struct {
        const char* viewerName;
        const char* bareName;
        bool onePixel;
        benchmark::TimeUnit unit;
    } VARIANTS[] = {
        {"DisplayFrame/", "BareFrame/", false, benchmark::kMillisecond},
        {"DisplayFrameOnePixel/", "BareFrameOnePixel/", true, benchmark::kMicrosecond},
    };
    for (const auto& variant : VARIANTS) {
        for (const FrameObject& object : OBJECTS) {
            const FrameObject* chosen = &object;
            const bool onePixel = variant.onePixel;
            benchmark::RegisterBenchmark((std::string(variant.viewerName) + object.name).c_str(),
                                         [chosen, onePixel](benchmark::State& s) { viewerFrames(s, *chosen, onePixel); })
                ->Unit(variant.unit)
                ->UseRealTime();
            benchmark::RegisterBenchmark((std::string(variant.bareName) + object.name).c_str(),
                                         [chosen, onePixel](benchmark::State& s) { bareFrames(s, *chosen, onePixel); })
                ->Unit(variant.unit)
                ->UseRealTime();
        }
    }
    benchmark::RegisterBenchmark("UniformLookups", BM_UniformLookups)->Unit(benchmark::kNanosecond);
}
