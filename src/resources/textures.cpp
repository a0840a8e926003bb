// The 2D texture and the cube map, read through the image library.
#include "resources/textures.h"

#include "app/app_state.h"
#include "app/console.h"

#include <GL/glu.h>
#include <IL/il.h>
#include <IL/ilut.h>

#include <string>

const CubeMapFace CUBE_MAP_FACES[6] = {
    {"_front", GL_TEXTURE_CUBE_MAP_POSITIVE_Z},
    {"_back", GL_TEXTURE_CUBE_MAP_NEGATIVE_Z},
    {"_up", GL_TEXTURE_CUBE_MAP_POSITIVE_Y},
    {"_down", GL_TEXTURE_CUBE_MAP_NEGATIVE_Y},
    {"_left", GL_TEXTURE_CUBE_MAP_NEGATIVE_X},
    {"_right", GL_TEXTURE_CUBE_MAP_POSITIVE_X},
};

namespace {
constexpr const char* CUBE_MAP_EXTENSION = ".png";
constexpr GLint UPLOAD_COMPONENTS = 3;
constexpr GLint UPLOAD_ALIGNMENT = 1;
constexpr GLint DEFAULT_UNPACK_ALIGNMENT = 4;

// Reads an image into the bound image-library image and uploads it, with its mipmaps, to the
// target as 8-bit RGB; an image that does not load is reported and not uploaded.
void uploadImage(GLenum target, const std::string& path)
{
    if (!ilLoadImage(path.c_str()) || !ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE)) {
        printLine("Could not load image " + path);
        return;
    }
    const ILubyte* pixels = ilGetData();
    const GLsizei height = ilGetInteger(IL_IMAGE_HEIGHT);
    const GLsizei width = ilGetInteger(IL_IMAGE_WIDTH);
    gluBuild2DMipmaps(target, UPLOAD_COMPONENTS, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
}

// Trilinear filtering and edge clamping, the same for both textures.
void setTextureParameters(GLenum target)
{
    glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(target, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}
} // namespace

// Loads the 2D texture and the six cube-map faces; both targets of the active unit end disabled.
void loadTextures()
{
    // The image library, with one image that every load goes into.
    ilutInit();
    ilInit();
    ilutRenderer(ILUT_OPENGL);
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);

    // Converted images are tightly packed rows of RGB bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, UPLOAD_ALIGNMENT);

    // The 2D texture, from its path as given.
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &app.texture2D);
    glBindTexture(GL_TEXTURE_2D, app.texture2D);
    uploadImage(GL_TEXTURE_2D, app.texture2DPath);
    setTextureParameters(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_2D);

    // The cube map, one file per face after the base path.
    glGenTextures(1, &app.cubeMapTexture);
    glEnable(GL_TEXTURE_CUBE_MAP);
    glBindTexture(GL_TEXTURE_CUBE_MAP, app.cubeMapTexture);
    for (const CubeMapFace& face : CUBE_MAP_FACES)
        uploadImage(face.target, std::string(app.cubeMapBase) + face.suffix + CUBE_MAP_EXTENSION);
    setTextureParameters(GL_TEXTURE_CUBE_MAP);
    glDisable(GL_TEXTURE_CUBE_MAP);

    // Back to the GL's default row alignment for anything uploaded later.
    glPixelStorei(GL_UNPACK_ALIGNMENT, DEFAULT_UNPACK_ALIGNMENT);
}
