// Shared pieces of the benchmark: the measured window, a silenced standard output, pixel read-back
// and the failure flag that sets the program's exit status.
#include "bench_support.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <unistd.h>

std::string snapshotDir;

namespace {
constexpr int RGBA_CHANNELS = 4;
constexpr int PPM_MAX_VALUE = 255;
bool failed = false;
} // namespace

// Flushes both streams, then points descriptor 1 at /dev/null.
SilencedStdout::SilencedStdout()
{
    std::cout.flush();
    std::fflush(stdout);
    savedFd_ = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    close(devNull);
}

// Flushes what went to /dev/null and gives descriptor 1 back.
SilencedStdout::~SilencedStdout()
{
    std::cout.flush();
    std::fflush(stdout);
    dup2(savedFd_, STDOUT_FILENO);
    close(savedFd_);
}

// The frame just swapped, as RGBA bytes of the whole window, read from the back buffer.
std::vector<std::uint8_t> readSwappedFrame()
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(BENCH_WINDOW_WIDTH) * BENCH_WINDOW_HEIGHT
                                     * RGBA_CHANNELS);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, BENCH_WINDOW_WIDTH, BENCH_WINDOW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// True when the centre pixel of a picture of the window is anything but black.
bool frameIsLit(const std::vector<std::uint8_t>& rgba)
{
    const std::size_t centre
        = (static_cast<std::size_t>(BENCH_WINDOW_HEIGHT / 2) * BENCH_WINDOW_WIDTH + BENCH_WINDOW_WIDTH / 2)
        * RGBA_CHANNELS;
    return rgba[centre] != 0 || rgba[centre + 1] != 0 || rgba[centre + 2] != 0;
}

// Number of pixels that differ between two pictures of the same size.
std::size_t countDifferentPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    std::size_t different = 0;
    for (std::size_t i = 0; i + RGBA_CHANNELS <= a.size() && i + RGBA_CHANNELS <= b.size(); i += RGBA_CHANNELS) {
        if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2])
            ++different;
    }
    return different;
}

// Writes an RGBA picture of the window's size to a binary PPM file, bottom row last.
void writePpm(const std::string& path, const std::vector<std::uint8_t>& rgba)
{
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << BENCH_WINDOW_WIDTH << ' ' << BENCH_WINDOW_HEIGHT << '\n' << PPM_MAX_VALUE << '\n';
    for (int row = BENCH_WINDOW_HEIGHT - 1; row >= 0; --row) {
        for (int column = 0; column < BENCH_WINDOW_WIDTH; ++column) {
            const std::size_t at = (static_cast<std::size_t>(row) * BENCH_WINDOW_WIDTH + column) * RGBA_CHANNELS;
            file.write(reinterpret_cast<const char*>(&rgba[at]), 3);
        }
    }
}

// Marks the run as failed and stops the benchmark with the message.
void failBenchmark(benchmark::State& state, const std::string& message)
{
    failed = true;
    std::cerr << "FAILED: " << message << std::endl;
    state.SkipWithError(message.c_str());
}

// True once any benchmark has failed.
bool benchmarkFailed()
{
    return failed;
}

// Clips rasterisation to one pixel, or back to the whole window.
void setOnePixelRaster(bool onePixel)
{
    if (onePixel) {
        glViewport(0, 0, 1, 1);
        glScissor(0, 0, 1, 1);
        glEnable(GL_SCISSOR_TEST);
    } else {
        glDisable(GL_SCISSOR_TEST);
        glViewport(0, 0, BENCH_WINDOW_WIDTH, BENCH_WINDOW_HEIGHT);
    }
}

// True when the program linked, as the GL reports it.
bool programLinked(GLhandleARB program)
{
    GLint status = GL_FALSE;
    if (program != 0)
        glGetObjectParameterivARB(program, GL_OBJECT_LINK_STATUS_ARB, &status);
    return status == GL_TRUE;
}

// Width of level 0 of the texture, read on the given target; 0 when nothing was uploaded to it.
GLint uploadedWidth(GLenum bindTarget, GLenum levelTarget, GLuint texture)
{
    GLint width = 0;
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(bindTarget, texture);
    glGetTexLevelParameteriv(levelTarget, 0, GL_TEXTURE_WIDTH, &width);
    glBindTexture(bindTarget, 0);
    return width;
}
