// The two start-up loads on their own: the textures, and the shader program with its report.
#include "bench_resources.h"

#include "bench_support.h"

#include "app/app_state.h"
#include "resources/shader_program.h"
#include "resources/textures.h"

#include <IL/il.h>

namespace {
// Frees what one loadTextures call made: its two textures and the image-library image it left
// bound, so that repeated calls keep the memory flat.
void releaseLoadedTextures()
{
    const GLuint made[] = {app.texture2D, app.cubeMapTexture};
    glDeleteTextures(2, made);
    const ILuint image = static_cast<ILuint>(ilGetInteger(IL_CUR_IMAGE));
    ilDeleteImages(1, &image);
}

// loadTextures as at start-up, on texture unit 0: decode the 2D image and six faces, build their
// mipmaps and upload them. Every call reads the same files again (from the page cache) into new
// texture objects; the viewer's own textures are put back afterwards.
void BM_LoadTextures(benchmark::State& state)
{
    const GLuint viewerTexture2D = app.texture2D;
    const GLuint viewerCubeMap = app.cubeMapTexture;
    glActiveTexture(GL_TEXTURE0);
    for (auto _ : state) {
        loadTextures();
        glFinish();
        state.PauseTiming();
        const bool uploaded = uploadedWidth(GL_TEXTURE_2D, GL_TEXTURE_2D, app.texture2D) > 0
            && uploadedWidth(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_CUBE_MAP_NEGATIVE_Z, app.cubeMapTexture) > 0;
        releaseLoadedTextures();
        state.ResumeTiming();
        if (!uploaded) {
            failBenchmark(state, "loadTextures uploaded nothing");
            break;
        }
    }
    app.texture2D = viewerTexture2D;
    app.cubeMapTexture = viewerCubeMap;
}

// buildShaderProgram on the toon pair: read both files, compile, link, fetch the logs and print
// the report (to /dev/null). Each build replaces the last, which the viewer deletes.
void BM_BuildShaderProgram(benchmark::State& state)
{
    SilencedStdout silenced;
    for (auto _ : state)
        buildShaderProgram();
    if (!programLinked(app.program))
        failBenchmark(state, "buildShaderProgram left no linked program");
}
} // namespace

// Registers the texture load and the shader build.
void registerResourceBenchmarks()
{
    benchmark::RegisterBenchmark("LoadTextures", BM_LoadTextures)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("BuildShaderProgram", BM_BuildShaderProgram)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}
