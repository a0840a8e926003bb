// Writes the viewer's default textures: the crate face and the six faces of the sky cube map.
#include "crate_texture.h"
#include "cube_face_directions.h"
#include "environment.h"
#include "noise.h"
#include "rgb_image.h"

#include "resources/textures.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {
constexpr int CRATE_SIZE = 512;
constexpr int CUBE_FACE_SIZE = 512;
constexpr int CUBE_SUBSAMPLES = 3; // per axis, per texel
constexpr const char* CRATE_FILE = "crate.jpg";
constexpr const char* CUBE_MAP_BASE = "uffizi";
constexpr const char* CUBE_MAP_EXTENSION = ".png";
constexpr std::uint32_t DITHER_SEED = 5u;
constexpr double DITHER_CENTRE = 0.5; // the noise's mean, so the dither averages out
constexpr double LOSSLESS_TOLERANCE = 0.0; // mean channel difference allowed after reloading
constexpr double JPEG_TOLERANCE = 4.0;      // in levels of 255
constexpr int USAGE_STATUS = 2;

// One file to write: its path, the image it should hold and the reload difference allowed.
struct OutputFile {
    std::string path;
    RgbImage image;
    double tolerance;
};

// One cube-map face: each texel averages a grid of directions across its own square.
RgbImage renderCubeFace(GLenum face, int faceIndex)
{
    RgbImage image(CUBE_FACE_SIZE, CUBE_FACE_SIZE);
    const double texel = 1.0 / CUBE_FACE_SIZE;
    for (int row = 0; row < CUBE_FACE_SIZE; ++row)
        for (int column = 0; column < CUBE_FACE_SIZE; ++column) {
            Vec3 sum;
            for (int sy = 0; sy < CUBE_SUBSAMPLES; ++sy)
                for (int sx = 0; sx < CUBE_SUBSAMPLES; ++sx) {
                    const double s = (column + (sx + 0.5) / CUBE_SUBSAMPLES) * texel;
                    const double t = (row + (sy + 0.5) / CUBE_SUBSAMPLES) * texel;
                    const Vec3 r = cubeFaceDirection(face, s, t);
                    // A step of ds across the face turns the direction by 2 ds / |r|^2 to
                    // 2 ds / |r| radians, depending on its heading; the smaller keeps detail.
                    const double footprint = 2.0 * texel / CUBE_SUBSAMPLES / dot(r, r);
                    sum = sum + environmentColour(normalize(r), footprint);
                }
            const double dither = valueNoise({column + 0.0, row + 0.0, faceIndex + 0.0}, DITHER_SEED)
                - DITHER_CENTRE;
            image.setPixel(column, row, sum * (1.0 / (CUBE_SUBSAMPLES * CUBE_SUBSAMPLES)), dither);
        }
    return image;
}

// The six faces, named and oriented by the viewer's own face table, rendered two at a time.
std::vector<OutputFile> renderCubeMap(const std::filesystem::path& directory)
{
    std::vector<OutputFile> files;
    for (const CubeMapFace& face : CUBE_MAP_FACES)
        files.push_back({(directory / (std::string(CUBE_MAP_BASE) + face.suffix + CUBE_MAP_EXTENSION))
                             .string(),
            RgbImage(0, 0), LOSSLESS_TOLERANCE});

    std::vector<std::thread> workers;
    const unsigned threadCount = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned worker = 0; worker < threadCount; ++worker)
        workers.emplace_back([&files, worker, threadCount] {
            for (std::size_t i = worker; i < files.size(); i += threadCount)
                files[i].image = renderCubeFace(CUBE_MAP_FACES[i].target, static_cast<int>(i));
        });
    for (std::thread& w : workers)
        w.join();
    return files;
}

// Writes a file, loads it back as the viewer would and checks that it holds the image with its
// rows in the intended order; reports the result on standard output.
bool writeAndCheck(const OutputFile& file)
{
    if (!saveImage(file.image, file.path)) {
        std::fprintf(stderr, "could not write %s\n", file.path.c_str());
        return false;
    }
    const ReloadCheck check = checkReload(file.image, file.path);
    const bool good = check.loaded && check.meanDifference <= file.tolerance
        && check.meanDifference < check.flippedDifference;
    std::printf("%s %s: %dx%d, reloaded mean difference %.2f (rows reversed: %.2f)\n",
        good ? "wrote" : "BAD", file.path.c_str(), file.image.width, file.image.height,
        check.meanDifference, check.flippedDifference);
    return good;
}
} // namespace

// texture_generator <output dir>: renders all seven images and writes them into the directory.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output dir>\n", argc > 0 ? argv[0] : "texture_generator");
        return USAGE_STATUS;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "could not create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }

    startImageLibrary();
    std::vector<OutputFile> files;
    files.push_back({(directory / CRATE_FILE).string(), renderCrateTexture(CRATE_SIZE), JPEG_TOLERANCE});
    for (OutputFile& face : renderCubeMap(directory))
        files.push_back(std::move(face));

    bool allGood = true;
    for (const OutputFile& file : files)
        allGood = writeAndCheck(file) && allGood;
    return allGood ? 0 : 1;
}
