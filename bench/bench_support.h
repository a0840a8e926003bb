// Shared pieces of the benchmark: the measured window, a silenced standard output, pixel read-back
// and the failure flag that sets the program's exit status.
#pragma once

#include <GL/glew.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

// The window every frame is drawn into, the size the viewer asks for.
constexpr int BENCH_WINDOW_WIDTH = 640;
constexpr int BENCH_WINDOW_HEIGHT = 480;

// The objects by their index in app.objectIndex, with the names the benchmarks show.
constexpr int TEAPOT_INDEX = 0;
constexpr int CUBE_INDEX = 1;
constexpr int SPHERE_INDEX = 2;

// Sends standard output to /dev/null while it lives, so that the shader build reports are not
// timed as terminal writes; the stream comes back when it goes.
class SilencedStdout {
public:
    SilencedStdout();
    ~SilencedStdout();
    SilencedStdout(const SilencedStdout&) = delete;
    SilencedStdout& operator=(const SilencedStdout&) = delete;

private:
    int savedFd_;
};

// The frame just swapped, as RGBA bytes of the whole window. Mesa's software path swaps by copying
// the back buffer to the window and leaves it as it was, so the frame is read from there; a GL
// that does otherwise gives a black picture, which frameIsLit tells.
std::vector<std::uint8_t> readSwappedFrame();

// True when the centre pixel of a picture of the window is anything but black.
bool frameIsLit(const std::vector<std::uint8_t>& rgba);

// Number of pixels that differ between two pictures of the same size.
std::size_t countDifferentPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

// Writes an RGBA picture of the window's size to a binary PPM file, bottom row last.
void writePpm(const std::string& path, const std::vector<std::uint8_t>& rgba);

// The directory given with --snapshot_dir, where the frame benchmarks leave their pictures; empty
// for none.
extern std::string snapshotDir;

// Marks the run as failed, so that main exits with status 1, and stops the benchmark with the
// message.
void failBenchmark(benchmark::State& state, const std::string& message);

// True once any benchmark has failed.
bool benchmarkFailed();

// Clips rasterisation to one pixel, or back to the whole window; the matrices stay those of the
// 640x480 window, so the GL does the same vertex work with next to no pixels to fill.
void setOnePixelRaster(bool onePixel);

// True when the program linked, as the GL reports it.
bool programLinked(GLhandleARB program);

// Width of level 0 of the texture, read on the given target (a cube-map face for a cube map);
// 0 when nothing was uploaded to it.
GLint uploadedWidth(GLenum bindTarget, GLenum levelTarget, GLuint texture);
